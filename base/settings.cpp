// The settings' values and defaults.
#include "base/settings.h"

uint32_t Options = DEFAULT_OPTIONS;
uint8_t TileSet = TILESET_DOMINOES;

void resetSettings()
{
    Options = DEFAULT_OPTIONS;
    TileSet = TILESET_DOMINOES;
}
