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
// result leaves the same board slots occupied as on entry. One search makes
// at most SOLVE_CALL_BUDGET calls, the recursive ones included, and fails
// when they run out: on a figure that a file changed so that it cannot be
// filled, New gives up in milliseconds instead of searching for minutes. On
// the game's own figure no search comes near it (the benchmark's --check).
constexpr uint32_t SOLVE_CALL_BUDGET = 2000;
bool solve();

// How many times solve has been entered since the program started, the
// recursive calls included; the benchmark reports it per game.
extern uint64_t solveCalls;
// The most calls that one search has made since the program started.
extern uint32_t mostSolveCallsInOneSearch;

// Makes a new, solvable game in place.
void newGame();
