// The current file name of the running game.
#include "persist/game_file.h"

#include <cstring>

char currentFileName[FILE_NAME_SIZE] = "";
bool hasFileName = false;

void rememberFileName(const char* name)
{
    // Counted here rather than with strnlen, which the shipped game's own
    // small runtime does not carry; memmove, since the Save command passes
    // currentFileName itself.
    std::size_t length = 0;
    while (length < FILE_NAME_SIZE - 1 && name[length])
        ++length;
    std::memmove(currentFileName, name, length);
    currentFileName[length] = '\0';
    hasFileName = true;
}
