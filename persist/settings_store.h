// The settings' registry store: "Options" and "TileSet" under the program's
// key of HKEY_CURRENT_USER, read once at start-up and written at the end, or
// when the session ends while the game is open.
#pragma once

#include "base/settings.h"

void loadSettings();
void saveSettings();
