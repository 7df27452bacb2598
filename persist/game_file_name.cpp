// The current file name of the running game.
#include "persist/game_file.h"

#include <cstring>

char currentFileName[FILE_NAME_SIZE] = "";
bool hasFileName = false;

void rememberFileName(const char* name)
{
    // memmove: the Save command passes currentFileName itself.
    const std::size_t length = strnlen(name, FILE_NAME_SIZE - 1);
    std::memmove(currentFileName, name, length);
    currentFileName[length] = '\0';
    hasFileName = true;
}
