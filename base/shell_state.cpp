// The shell's program-wide handles, none until start-up sets them.
#include "base/shell_state.h"

HINSTANCE instance = nullptr;
HWND frameWindow = nullptr;
HWND boardView = nullptr;
