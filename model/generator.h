// New puzzles: the seeded random source, the shuffle, the backtracking solver
// and the new-game operation. The same seed and options give the same games.
#pragma once

#include <cstdint>

void seedRandom(uint32_t seed);
// The next number of the sequence, 0..32767.
int nextRandom();

// Shuffles the values of all 28 tray slots, turning each stone at random.
void shuffleSet();

// Fills the empty board slots from the tray by depth-first search. A false
// result leaves the same board slots occupied as on entry.
bool solve();

// How many times solve has been entered since the program started, the
// recursive calls included; the benchmark reports it per game.
extern uint64_t solveCalls;

// Makes a new, solvable game in place.
void newGame();
