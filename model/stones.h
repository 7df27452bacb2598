// The game's data: stone records, the board figure, the tray and the game
// state, with the primitive operations on them. No platform header here: the
// model builds and runs on any host.
#pragma once

#include <array>
#include <cstdint>

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

// The board figure as it stands at program start.
extern const Board boardFigure;

// Where tray slot t (0..27) lies in the grid that a new game lays out; both
// values 0.
Stone traySlotLayout(int t);

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
void parkSelection();
