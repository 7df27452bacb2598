// Placement rules, the click action and the win check.
#include "model/rules.h"

#include "model/shell_hooks.h"

namespace {

// The board slot that stone is, when it is one; a tray stone or a stone
// elsewhere is none. This is how a stone on the board is told from a tray
// stone with the same values.
int boardSlotOf(const Stone& stone)
{
    for (int s = 0; s < BOARD_SLOTS; ++s) {
        if (&board[s] == &stone)
            return s;
    }
    return NO_BOARD_SLOT;
}

bool isValidIndex(SlotIndex i)
{
    return i >= 0 && i < SLOT_INDEX_COUNT;
}

}  // namespace

HalfNeighbours neighboursOf(const StoneHalf& half)
{
    HalfNeighbours neighbours{};
    for (int h = 0; h < BOARD_HALVES; ++h) {
        if (halvesTouch(boardHalf(h), half))
            neighbours.of[neighbours.count++] = static_cast<int8_t>(h);
    }
    return neighbours;
}

BoardNeighbours boardNeighbours()
{
    BoardNeighbours neighbours;
    for (int h = 0; h < BOARD_HALVES; ++h)
        neighbours.of[h] = neighboursOf(boardHalf(h));
    return neighbours;
}

bool touchesBoard(const Stone& stone)
{
    return touchesOccupied(neighboursOf(stone.first)) ||
           touchesOccupied(neighboursOf(stone.second));
}

// The moving stone's own halves, which the move empties, are passed over.
bool stoneFitsSlot(const Stone& boardSlot, const Stone& moving)
{
    const int movingSlot = boardSlotOf(moving);
    return neighboursShow(neighboursOf(boardSlot.first), moving.first.value, movingSlot) &&
           neighboursShow(neighboursOf(boardSlot.second), moving.second.value, movingSlot);
}

ClickOutcome clickSlot(SlotIndex i)
{
    if (i == fixedSlot)
        return ClickOutcome::RefusedFixed;
    if (i == selectedSlot) {
        parkSelection();
        return ClickOutcome::Deselected;
    }
    if (!isValidIndex(i) || !isValidIndex(selectedSlot))
        return ClickOutcome::Nothing;

    Stone& source = stoneAt(selectedSlot);
    Stone& target = stoneAt(i);
    if (isEmptyStone(source) && isEmptyStone(target))
        return ClickOutcome::Nothing;
    if (!isEmptyStone(target)) {
        selectedSlot = i;
        return ClickOutcome::Selected;
    }

    // Only a board target is tested: first as the stone lies, then turned.
    // A stone that fits only turned stays turned.
    if (i < FIRST_TRAY_INDEX && !stoneFitsSlot(target, source)) {
        flipStone(source);
        if (!stoneFitsSlot(target, source)) {
            flipStone(source);
            return ClickOutcome::RefusedNoFit;
        }
    }
    moveStone(source, target);
    parkSelection();
    return ClickOutcome::Moved;
}

// Only tray slots 0..11 are looked at: with the twelve stones of a game, an
// empty visible tray means a full board.
bool checkSolved()
{
    solved = true;
    for (int t = 0; t < PLAY_TRAY_SLOTS; ++t) {
        if (!isEmptyStone(tray[t])) {
            solved = false;
            return false;
        }
    }
    shellAnnounceWin();
    return true;
}
