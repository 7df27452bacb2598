// The two settings that persist between runs: the option bits and the motif
// of the stone faces. Every layer reads them; persist/settings_store loads
// them from the registry at start-up and writes them back at the end. No
// platform header here.
#pragma once

#include <cstdint>

constexpr uint32_t OPT_ASK_ON_EXIT = 1;    // ask before closing an unsolved game
constexpr uint32_t OPT_UNIQUE_GAMES = 2;   // stored and shown, read by nothing
constexpr uint32_t OPT_START_STONE = 4;    // a new game fixes one stone on the board
constexpr uint32_t OPT_STATUS_BAR = 8;     // the status bar is shown
constexpr uint32_t OPT_NO_DOUBLES = 16;    // a new game leaves out the seven doubles
// The bits the Properties dialog edits; every higher bit is carried along.
constexpr uint32_t OPT_DIALOG_BITS = 31;

constexpr uint32_t DEFAULT_OPTIONS = OPT_START_STONE | OPT_STATUS_BAR;

constexpr uint8_t TILESET_DOMINOES = 0;
constexpr uint8_t TILESET_CHINESE = 1;
constexpr uint8_t TILESET_SYMBOLS = 2;
constexpr int TILESET_COUNT = 3;   // the motifs the tile sheet holds

extern uint32_t Options;
extern uint8_t TileSet;   // never range-checked: the registry may hold any byte

// Back to the built-in defaults.
void resetSettings();
