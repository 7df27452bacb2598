// The program's entry point. It takes no command line and reads no
// environment; everything happens in runGame.
#include <windows.h>

#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return runGame(instance);
}
