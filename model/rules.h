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

// True when an occupied board half touches either half of stone.
bool touchesBoard(const Stone& stone);

// True when moving, laid into boardSlot as it lies, matches every occupied
// neighbour. The moving stone's own halves on the board are not neighbours.
bool stoneFitsSlot(const Stone& boardSlot, const Stone& moving);

// Decides and applies what a click on slot index i (0..39) means.
ClickOutcome clickSlot(SlotIndex i);

// Sets solved when tray slots 0..11 are all empty and congratulates the player.
bool checkSolved();
