// The current file name of the running game.
#include "persist/game_file.h"

#include <cstring>

char currentFileName[FILE_NAME_SIZE] = "";
bool hasFileName = false;

void rememberFileName(const char* name)
{
    std::strncpy(currentFileName, name, FILE_NAME_SIZE - 1);
    currentFileName[FILE_NAME_SIZE - 1] = '\0';
    hasFileName = true;
}
