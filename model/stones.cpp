// The game records and their primitive operations.
#include "model/stones.h"

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

namespace {

void emptyStones(Stone* stones, int count)
{
    for (int s = 0; s < count; ++s)
        stones[s].first.value = stones[s].second.value = 0;
}

}  // namespace

void clearTray()
{
    emptyStones(tray.data(), TRAY_SLOTS);
}

void emptyBoard()
{
    emptyStones(board.data(), BOARD_SLOTS);
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
