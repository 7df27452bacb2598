// The saved-game file as bytes: a 14-byte magic, the twelve board slots, tray
// slots 0..11 and fixedSlot, 450 bytes in all, integers little-endian. No
// platform header here: the codec builds and runs (and is fuzzed) on any host.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/stones.h"

constexpr std::size_t SAVE_MAGIC_SIZE = 14;
constexpr std::size_t SAVE_BOARD_OFFSET = 14;
constexpr std::size_t SAVE_TRAY_OFFSET = 230;
constexpr std::size_t SAVE_FIXED_SLOT_OFFSET = 446;
constexpr std::size_t SAVE_FILE_SIZE = 450;

// "dominozarvek", 0x00, 0x01; compared as one unit, the last byte included.
extern const std::array<uint8_t, SAVE_MAGIC_SIZE> SaveFileMagic;

using SaveImage = std::array<uint8_t, SAVE_FILE_SIZE>;

// The part of the game that a file holds.
struct SavedGame {
    Board board;
    std::array<Stone, PLAY_TRAY_SLOTS> tray;
    int32_t fixedSlot;
};

SaveImage encodeSavedGame(const SavedGame& game);

// Fills out from the first 450 of size bytes and returns true, or returns
// false and leaves out alone when fewer than 450 bytes are given or the magic
// differs. Bytes after the first 450 are ignored; nothing else is checked, so
// values, positions and fixedSlot are taken as they stand.
bool decodeSavedGame(const uint8_t* bytes, std::size_t size, SavedGame& out);

// The running game's board, tray slots 0..11 and fixedSlot.
SavedGame capturedGame();
// Overwrites exactly those records; selectedSlot, solved and tray slots
// 12..27 keep their values.
void restoreGame(const SavedGame& game);
