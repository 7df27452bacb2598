// Puzzle generation and the solver.
#include "model/generator.h"

#include "model/shell_hooks.h"
#include "model/stones.h"
#include "base/settings.h"

uint64_t solveCalls = 0;

namespace {

constexpr int GENERATION_ATTEMPTS = 10;
constexpr int32_t TRAY_COLUMN_STEP = 73;   // a stone (68) and a gap of 5
constexpr int32_t TRAY_ROW_STEP = 40;
constexpr int32_t HALF_STEP = 33;

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
            const int32_t x = (k % 2) * TRAY_COLUMN_STEP;
            const int32_t y = (k / 2) * TRAY_ROW_STEP;
            const bool empty = withoutDoubles && a == b;
            tray[k].first = StoneHalf{x, y, empty ? uint8_t(0) : a};
            tray[k].second = StoneHalf{x + HALF_STEP, y, empty ? uint8_t(0) : b};
        }
    }
}

void emptyBoard()
{
    for (Stone& stone : board) {
        stone.first.value = 0;
        stone.second.value = 0;
    }
}

// Which board halves touch which. The search asks this thousands of times
// while the board's coordinates stay put, so it is worked out once per search.
struct BoardNeighbours {
    int count[BOARD_HALVES];
    int of[BOARD_HALVES][BOARD_HALVES];
};

BoardNeighbours findNeighbours()
{
    BoardNeighbours neighbours{};
    for (int h = 0; h < BOARD_HALVES; ++h) {
        for (int k = 0; k < BOARD_HALVES; ++k) {
            if (halvesTouch(boardHalf(h), boardHalf(k)))
                neighbours.of[h][neighbours.count[h]++] = k;
        }
    }
    return neighbours;
}

// touchesBoard for an empty board slot.
bool slotTouchesBoard(const BoardNeighbours& neighbours, int slot)
{
    for (int h = 2 * slot; h <= 2 * slot + 1; ++h) {
        for (int n = 0; n < neighbours.count[h]; ++n) {
            if (boardHalf(neighbours.of[h][n]).value != 0)
                return true;
        }
    }
    return false;
}

bool halfFits(const BoardNeighbours& neighbours, int h, uint8_t value)
{
    for (int n = 0; n < neighbours.count[h]; ++n) {
        const uint8_t neighbour = boardHalf(neighbours.of[h][n]).value;
        if (neighbour != 0 && neighbour != value)
            return false;
    }
    return true;
}

// stoneFitsSlot for a tray stone and an empty board slot.
bool trayStoneFits(const BoardNeighbours& neighbours, int slot, const Stone& candidate)
{
    return halfFits(neighbours, 2 * slot, candidate.first.value) &&
           halfFits(neighbours, 2 * slot + 1, candidate.second.value);
}

// One level of the search: fills the first empty board slot that touches a
// stone, trying the tray's stones in order, and recurses.
bool solveFrom(const BoardNeighbours& neighbours)
{
    ++solveCalls;
    int filled = 0;
    int target = -1;
    for (int s = 0; s < BOARD_SLOTS; ++s) {
        if (board[s].first.value != 0) {
            ++filled;
        } else if (slotTouchesBoard(neighbours, s)) {
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
        if (!trayStoneFits(neighbours, target, candidate)) {
            flipStone(candidate);
            if (!trayStoneFits(neighbours, target, candidate))
                continue;
        }
        moveStone(candidate, slot);
        if (solveFrom(neighbours))
            return true;
        moveStone(slot, candidate);
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
    const BoardNeighbours neighbours = findNeighbours();
    return solveFrom(neighbours);
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
