// The game records and their primitive operations.
#include "model/stones.h"

namespace {

constexpr Stone slot(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return Stone{{x1, y1, 0}, {x2, y2, 0}};
}

}  // namespace

const Board boardFigure = {{
    slot(40, 0, 40, 33),       // 0, vertical
    slot(80, 0, 113, 0),       // 1, horizontal
    slot(113, 40, 113, 73),    // 2
    slot(153, 40, 186, 40),    // 3
    slot(0, 73, 0, 106),       // 4
    slot(40, 73, 73, 73),      // 5
    slot(186, 80, 186, 113),   // 6
    slot(73, 113, 73, 146),    // 7
    slot(113, 113, 146, 113),  // 8
    slot(0, 146, 33, 146),     // 9
    slot(146, 153, 146, 186),  // 10
    slot(73, 186, 106, 186),   // 11
}};

Stone traySlotLayout(int t)
{
    const int32_t x = (t % TRAY_COLUMNS) * TRAY_COLUMN_STEP;
    const int32_t y = (t / TRAY_COLUMNS) * TRAY_ROW_STEP;
    return slot(x, y, x + HALF_STEP, y);
}

Board board = boardFigure;
Tray tray = {};
SlotIndex selectedSlot = 0;
int32_t fixedSlot = 0;
bool solved = false;

void resetGame()
{
    board = boardFigure;
    tray = {};
    selectedSlot = 0;
    fixedSlot = 0;
    solved = false;
}

Stone& stoneAt(SlotIndex i)
{
    return i < FIRST_TRAY_INDEX ? board[i] : tray[i - FIRST_TRAY_INDEX];
}

StoneHalf& boardHalf(int h)
{
    Stone& stone = board[h / 2];
    return h % 2 == 0 ? stone.first : stone.second;
}

void flipStone(Stone& stone)
{
    const uint8_t firstValue = stone.first.value;
    stone.first.value = stone.second.value;
    stone.second.value = firstValue;
}

// Direct neighbours only: exactly 40 apart on one axis, level on the other.
// The two halves of one stone lie 33 apart and so never touch.
bool halvesTouch(const StoneHalf& a, const StoneHalf& b)
{
    // 64-bit sums: a loaded file may hold any coordinates.
    const int64_t ax = a.x, ay = a.y, bx = b.x, by = b.y;
    if (ax == bx)
        return by + NEIGHBOUR_STEP == ay || ay + NEIGHBOUR_STEP == by;
    if (ay == by)
        return bx + NEIGHBOUR_STEP == ax || ax + NEIGHBOUR_STEP == bx;
    return false;
}

bool isEmptyStone(const Stone& stone)
{
    return stone.first.value == 0 && stone.second.value == 0;
}

// The orientation travels with the stone: first to first, second to second.
bool moveStone(Stone& source, Stone& target)
{
    if (!isEmptyStone(target))
        return false;
    target.first.value = source.first.value;
    target.second.value = source.second.value;
    source.first.value = 0;
    source.second.value = 0;
    return true;
}

void clearTray()
{
    for (Stone& stone : tray) {
        stone.first.value = 0;
        stone.second.value = 0;
    }
}

// An empty selection is a selection resting on the lowest empty tray slot.
void parkSelection()
{
    for (int t = 0; t < TRAY_SLOTS; ++t) {
        if (isEmptyStone(tray[t])) {
            selectedSlot = FIRST_TRAY_INDEX + t;
            return;
        }
    }
}
