// Puzzle generation and the solver.
#include "model/generator.h"

#include <algorithm>

#include "model/rules.h"
#include "model/shell_hooks.h"
#include "model/stones.h"
#include "base/settings.h"

uint64_t solveCalls = 0;
uint32_t mostSolveCallsInOneSearch = 0;

namespace {

constexpr int GENERATION_ATTEMPTS = 10;

uint32_t randomState = 0;

// The plain remainder, with no rejection of the top of the range: the games
// that a seed yields depend on exactly this.
int randomBelow(int n)
{
    return nextRandom() % n;
}

bool randomBit()
{
    return randomBelow(2) == 1;
}

// The full double-six set as horizontal stones in two columns, blank-blank
// first and six-six last; without doubles their slots stay empty.
void layOutFullSet(bool withoutDoubles)
{
    int k = 0;
    for (uint8_t a = 1; a <= 7; ++a) {
        for (uint8_t b = a; b <= 7; ++b, ++k) {
            const bool empty = withoutDoubles && a == b;
            tray[k] = traySlotLayout(k);
            tray[k].first.value = empty ? uint8_t(0) : a;
            tray[k].second.value = empty ? uint8_t(0) : b;
        }
    }
}

// One search: the neighbours of every board half, worked out once because
// the coordinates stay put while it runs, and the calls it may still make.
struct Search {
    BoardNeighbours neighbours;
    uint32_t callsLeft;
};

// touchesBoard for an empty board slot.
bool slotTouchesBoard(const Search& search, int slot)
{
    return touchesOccupied(search.neighbours.of[2 * slot]) ||
           touchesOccupied(search.neighbours.of[2 * slot + 1]);
}

// stoneFitsSlot for a tray stone and an empty board slot.
bool trayStoneFits(const Search& search, int slot, const Stone& candidate)
{
    return neighboursShow(search.neighbours.of[2 * slot], candidate.first.value, NO_BOARD_SLOT) &&
           neighboursShow(search.neighbours.of[2 * slot + 1], candidate.second.value,
                          NO_BOARD_SLOT);
}

// One level of the search: fills the first empty board slot that touches a
// stone, trying the tray's stones in order, and recurses. A search that has
// used up its calls fails, as one that found nothing.
bool solveFrom(Search& search)
{
    if (search.callsLeft == 0)
        return false;
    --search.callsLeft;
    ++solveCalls;
    int filled = 0;
    int target = -1;
    for (int s = 0; s < BOARD_SLOTS; ++s) {
        if (board[s].first.value != 0) {
            ++filled;
        } else if (slotTouchesBoard(search, s)) {
            target = s;
            break;
        }
    }
    if (target < 0)
        return filled == BOARD_SLOTS;

    Stone& slot = board[target];
    for (Stone& candidate : tray) {
        if (candidate.first.value == 0)
            continue;
        // A candidate that fits as it lies is tried only as it lies; one that
        // fits in neither orientation stays turned in the tray.
        if (!trayStoneFits(search, target, candidate)) {
            flipStone(candidate);
            if (!trayStoneFits(search, target, candidate))
                continue;
        }
        // A slot that a file left half filled takes no stone.
        if (!moveStone(candidate, slot))
            continue;
        if (solveFrom(search))
            return true;
        moveStone(slot, candidate);
        if (search.callsLeft == 0)
            return false;
    }
    return false;
}

// One attempt: a random seed stone dropped on a random board slot, the rest
// found by the solver. A failed attempt takes the seed stone back.
bool attemptSolution()
{
    shuffleSet();
    const int s = randomBelow(BOARD_SLOTS);
    const int c = randomBelow(TRAY_SLOTS);
    moveStone(tray[c], board[s]);
    if (solve())
        return true;
    moveStone(board[s], tray[c]);
    return false;
}

// Hands the solution back to the tray, each stone turned at random, keeping
// the fixed start stone on the board as the solution laid it.
void handOutSolution()
{
    for (int s = 0; s < BOARD_SLOTS; ++s) {
        if (s == fixedSlot)
            continue;
        moveStone(board[s], tray[s]);
        if (randomBit())
            flipStone(tray[s]);
    }
}

}  // namespace

void seedRandom(uint32_t seed)
{
    randomState = seed;
}

int nextRandom()
{
    randomState = randomState * 22695477u + 1u;
    return static_cast<int>((randomState >> 16) & 0x7FFF);
}

void shuffleSet()
{
    for (int i = 0; i < TRAY_SLOTS; ++i) {
        const int j = randomBelow(TRAY_SLOTS);
        const uint8_t first = tray[i].first.value;
        const uint8_t second = tray[i].second.value;
        tray[i].first.value = tray[j].first.value;
        tray[i].second.value = tray[j].second.value;
        tray[j].first.value = first;
        tray[j].second.value = second;
        if (randomBit())
            flipStone(tray[i]);
    }
}

bool solve()
{
    Search search{boardNeighbours(), SOLVE_CALL_BUDGET};
    const bool found = solveFrom(search);
    mostSolveCallsInOneSearch =
        std::max(mostSolveCallsInOneSearch, SOLVE_CALL_BUDGET - search.callsLeft);
    return found;
}

void newGame()
{
    shellForgetFileName();
    layOutFullSet((Options & OPT_NO_DOUBLES) != 0);
    emptyBoard();

    bool generated = false;
    for (int attempt = 0; attempt < GENERATION_ATTEMPTS && !generated; ++attempt)
        generated = attemptSolution();
    // The message comes before the tray is cleared; the empty game goes on.
    if (!generated)
        shellReportGenerationFailed();

    clearTray();
    fixedSlot = (Options & OPT_START_STONE) != 0 ? randomBelow(BOARD_SLOTS) : NO_FIXED_SLOT;
    handOutSolution();
    parkSelection();
    shellRepaintBoard();
}
