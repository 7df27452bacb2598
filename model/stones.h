// The game's data: stone records, the board figure, the tray and the game
// state, with the primitive operations on them. No platform header here: the
// model builds and runs on any host.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/tile_sheet.h"

// One half of a domino. The packed layout is also the saved-game layout.
#pragma pack(push, 1)
struct StoneHalf {
    int32_t x;      // top-left corner, relative to the origin of its area
    int32_t y;
    uint8_t value;  // 0 = empty, 1..7 = shows value - 1 pips
};

// A domino or a slot: the second half lies 33 pixels right of or below the
// first. There is no orientation field; the coordinates say how it lies.
struct Stone {
    StoneHalf first;
    StoneHalf second;
};
#pragma pack(pop)

static_assert(sizeof(StoneHalf) == 9, "StoneHalf is part of the saved-game format");
static_assert(sizeof(Stone) == 18, "Stone is part of the saved-game format");

constexpr int BOARD_SLOTS = 12;
constexpr int TRAY_SLOTS = 28;
constexpr int PLAY_TRAY_SLOTS = 12;   // tray slots 0..11 are shown, saved and judged
constexpr int BOARD_HALVES = 2 * BOARD_SLOTS;

using Board = std::array<Stone, BOARD_SLOTS>;
using Tray = std::array<Stone, TRAY_SLOTS>;

// 0..11 name board slots, 12..39 tray slots 0..27.
using SlotIndex = int32_t;
constexpr SlotIndex FIRST_TRAY_INDEX = BOARD_SLOTS;
constexpr SlotIndex SLOT_INDEX_COUNT = BOARD_SLOTS + TRAY_SLOTS;

constexpr int32_t NO_FIXED_SLOT = -1;

// The one game of the program.
extern Board board;
extern Tray tray;
extern SlotIndex selectedSlot;
extern int32_t fixedSlot;   // board slot of the fixed start stone, or NO_FIXED_SLOT
extern bool solved;

// Distances of the figure and the tray grid: the second half of a stone lies
// this far right of or below its first; neighbouring halves lie 40 apart.
constexpr int32_t HALF_STEP = 33;
constexpr int32_t NEIGHBOUR_STEP = 40;
// The tray grid: two columns of horizontal stones, a stone (68) and a gap of
// 5 wide, one row of neighbours high.
constexpr int32_t TRAY_COLUMNS = 2;
constexpr int32_t TRAY_COLUMN_STEP = 73;
constexpr int32_t TRAY_ROW_STEP = NEIGHBOUR_STEP;

// An empty slot with its two halves' corners.
constexpr Stone emptySlot(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return Stone{{x1, y1, 0}, {x2, y2, 0}};
}

// The board figure as it stands at program start.
inline constexpr Board boardFigure = {{
    emptySlot(40, 0, 40, 33),       // 0, vertical
    emptySlot(80, 0, 113, 0),       // 1, horizontal
    emptySlot(113, 40, 113, 73),    // 2
    emptySlot(153, 40, 186, 40),    // 3
    emptySlot(0, 73, 0, 106),       // 4
    emptySlot(40, 73, 73, 73),      // 5
    emptySlot(186, 80, 186, 113),   // 6
    emptySlot(73, 113, 73, 146),    // 7
    emptySlot(113, 113, 146, 113),  // 8
    emptySlot(0, 146, 33, 146),     // 9
    emptySlot(146, 153, 146, 186),  // 10
    emptySlot(73, 186, 106, 186),   // 11
}};

// Where tray slot t (0..27) lies in the grid that a new game lays out; both
// values 0.
constexpr Stone traySlotLayout(int t)
{
    const int32_t x = (t % TRAY_COLUMNS) * TRAY_COLUMN_STEP;
    const int32_t y = (t / TRAY_COLUMNS) * TRAY_ROW_STEP;
    return emptySlot(x, y, x + HALF_STEP, y);
}

// How far the slots of an area reach from its origin: to the right and
// bottom edges of the farthest cells, each half a cell of CELL_SIZE.
struct AreaExtent {
    int32_t width;
    int32_t height;
};

constexpr AreaExtent extentOfSlots(const Stone* slots, int count)
{
    AreaExtent extent = {0, 0};
    for (int s = 0; s < count; ++s)
        for (const StoneHalf& half : {slots[s].first, slots[s].second}) {
            extent.width = std::max(extent.width, half.x + CELL_SIZE);
            extent.height = std::max(extent.height, half.y + CELL_SIZE);
        }
    return extent;
}

constexpr AreaExtent trayGridExtent()
{
    std::array<Stone, PLAY_TRAY_SLOTS> grid = {};
    for (int t = 0; t < PLAY_TRAY_SLOTS; ++t)
        grid[t] = traySlotLayout(t);
    return extentOfSlots(grid.data(), PLAY_TRAY_SLOTS);
}

// What the board view lays out: the figure and the grid of tray slots 0..11.
constexpr AreaExtent BOARD_EXTENT = extentOfSlots(boardFigure.data(), BOARD_SLOTS);
constexpr AreaExtent TRAY_EXTENT = trayGridExtent();

// Puts every record back to its state at program start.
void resetGame();

// The stone that slot index i names (0 <= i < SLOT_INDEX_COUNT).
Stone& stoneAt(SlotIndex i);

// Board half h of the flat run of 24: slot h / 2, first half for even h.
StoneHalf& boardHalf(int h);

void flipStone(Stone& stone);
bool halvesTouch(const StoneHalf& a, const StoneHalf& b);
bool isEmptyStone(const Stone& stone);
bool moveStone(Stone& source, Stone& target);
void clearTray();
void emptyBoard();   // the figure stays; every slot is emptied
void parkSelection();
