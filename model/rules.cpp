// Placement rules, the click action and the win check.
#include "model/rules.h"

#include "model/shell_hooks.h"

namespace {

bool isOwnHalf(const StoneHalf& half, const Stone& stone)
{
    return &half == &stone.first || &half == &stone.second;
}

// True when no occupied board half next to slotHalf, other than the moving
// stone's own, shows a value different from wanted.
bool halfMatchesNeighbours(const StoneHalf& slotHalf, uint8_t wanted, const Stone& moving)
{
    for (int h = 0; h < BOARD_HALVES; ++h) {
        const StoneHalf& neighbour = boardHalf(h);
        if (neighbour.value != 0 && halvesTouch(neighbour, slotHalf) &&
            !isOwnHalf(neighbour, moving) && neighbour.value != wanted)
            return false;
    }
    return true;
}

bool isValidIndex(SlotIndex i)
{
    return i >= 0 && i < SLOT_INDEX_COUNT;
}

}  // namespace

bool touchesBoard(const Stone& stone)
{
    for (int h = 0; h < BOARD_HALVES; ++h) {
        const StoneHalf& half = boardHalf(h);
        if (half.value != 0 && (halvesTouch(half, stone.first) || halvesTouch(half, stone.second)))
            return true;
    }
    return false;
}

bool stoneFitsSlot(const Stone& boardSlot, const Stone& moving)
{
    return halfMatchesNeighbours(boardSlot.first, moving.first.value, moving) &&
           halfMatchesNeighbours(boardSlot.second, moving.second.value, moving);
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
