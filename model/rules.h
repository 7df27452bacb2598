// What the player may do: the fit tests over the board figure, the action of a
// click on a slot and the win check.
#pragma once

#include "model/stones.h"

enum class ClickOutcome {
    RefusedFixed,   // the fixed start stone cannot be selected or used as a target
    Deselected,     // the selected slot was clicked again
    Nothing,        // an empty slot clicked with no stone selected
    RefusedNoFit,   // the selected stone fits the empty board slot in neither orientation
    Moved,          // the selected stone moved into the empty slot, possibly turned
    Selected,       // the clicked stone is now the selection
};

// The fit rule works on the board halves that touch a half, by halvesTouch
// on the board's current coordinates. The clicks look them up as they come;
// the solver, which asks thousands of times while the coordinates stay put,
// works them out once per search.
struct HalfNeighbours {
    int count;
    int8_t of[BOARD_HALVES];   // board half indices, 0..23
};
struct BoardNeighbours {
    HalfNeighbours of[BOARD_HALVES];   // for each board half
};

// The board halves that touch half (which need not be a board half).
HalfNeighbours neighboursOf(const StoneHalf& half);
BoardNeighbours boardNeighbours();

constexpr int NO_BOARD_SLOT = -1;

// True when some neighbour holds a value.
inline bool touchesOccupied(const HalfNeighbours& neighbours)
{
    for (int n = 0; n < neighbours.count; ++n) {
        if (boardHalf(neighbours.of[n]).value != 0)
            return true;
    }
    return false;
}

// True when every occupied neighbour shows value, passing over the two halves
// of board slot skippedSlot (NO_BOARD_SLOT: none).
inline bool neighboursShow(const HalfNeighbours& neighbours, uint8_t value, int skippedSlot)
{
    for (int n = 0; n < neighbours.count; ++n) {
        const int h = neighbours.of[n];
        const uint8_t shown = boardHalf(h).value;
        if (shown != 0 && shown != value && h / 2 != skippedSlot)
            return false;
    }
    return true;
}

// True when an occupied board half touches either half of stone.
bool touchesBoard(const Stone& stone);

// True when moving, laid into boardSlot as it lies, matches every occupied
// neighbour. The moving stone's own halves on the board are not neighbours.
bool stoneFitsSlot(const Stone& boardSlot, const Stone& moving);

// Decides and applies what a click on slot index i (0..39) means.
ClickOutcome clickSlot(SlotIndex i);

// Sets solved when tray slots 0..11 are all empty and congratulates the player.
bool checkSolved();
