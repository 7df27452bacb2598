// Times newGame over many seeds for each combination of the options that
// shape a game, and counts the solver's calls. Run it through scripts/bench.
//
// With --check it times nothing: it makes the games of a million seeds per
// combination (or as many as given), folds every game and the draws it made
// into one digest per combination and compares the digests with those the
// generator gave before its searches were bounded; it also reports the
// largest number of calls one search made, beside the bound.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/generator.h"
#include "model/stones.h"
#include "base/settings.h"

namespace {

struct Combination {
    const char* name;
    uint32_t options;
    uint64_t digestOfAMillionSeeds;   // recorded from the unbounded generator
};

const Combination combinations[] = {
    {"doubles, no start stone", 0, 0x72c8d6176ecbd5f4},
    {"doubles, start stone", OPT_START_STONE, 0xd820da9524ec85dc},
    {"no doubles, no start stone", OPT_NO_DOUBLES, 0x297bcf0aa02ff9c5},
    {"no doubles, start stone", OPT_START_STONE | OPT_NO_DOUBLES, 0x3a37e7370c06c831},
};
constexpr uint32_t CHECK_SEEDS = 1000000;

// FNV-1a, 64 bits.
struct Digest {
    uint64_t value = 14695981039346656037ull;
    void add(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const uint8_t*>(data);
        for (size_t i = 0; i < size; ++i)
            value = (value ^ bytes[i]) * 1099511628211ull;
    }
};

// The game of each seed, coordinates included, and the draw that follows it,
// which depends on how many draws the game made.
uint64_t digestOfGames(uint32_t seeds)
{
    Digest digest;
    for (uint32_t seed = 0; seed < seeds; ++seed) {
        seedRandom(seed);
        newGame();
        const int nextDraw = nextRandom();
        digest.add(board.data(), sizeof board);
        digest.add(tray.data(), sizeof tray);
        digest.add(&fixedSlot, sizeof fixedSlot);
        digest.add(&selectedSlot, sizeof selectedSlot);
        digest.add(&nextDraw, sizeof nextDraw);
    }
    return digest.value;
}

int check(uint32_t seeds)
{
    std::printf("the games of %u seeds per combination against the recorded ones\n", seeds);
    std::printf("%-28s %16s %10s %22s\n", "options", "digest", "recorded", "most calls in a search");
    bool allSame = true;
    for (const Combination& combination : combinations) {
        Options = combination.options;
        mostSolveCallsInOneSearch = 0;
        const uint64_t digest = digestOfGames(seeds);
        const char* verdict = "(not recorded for this count)";
        if (seeds == CHECK_SEEDS) {
            const bool same = digest == combination.digestOfAMillionSeeds;
            verdict = same ? "same" : "DIFFERENT";
            allSame = allSame && same;
        }
        std::printf("%-28s %016llx %10s %22u\n", combination.name, (unsigned long long)digest,
                    verdict, mostSolveCallsInOneSearch);
    }
    std::printf("bound on the calls of one search: %u\n", SOLVE_CALL_BUDGET);
    return allSame ? 0 : 1;
}

struct Figures {
    double medianMicros;
    double worstMicros;
    double solveCallsPerGame;
    uint64_t worstSolveCalls;
};

// Each seed's game is made this many times and its fastest time counts, so
// that an interrupt or a busy neighbour on a shared machine does not pass for
// a slow game.
constexpr int RUNS_PER_SEED = 3;

double microsForGame(uint32_t seed)
{
    using Clock = std::chrono::steady_clock;
    seedRandom(seed);
    const auto start = Clock::now();
    newGame();
    const auto end = Clock::now();
    return std::chrono::duration<double, std::micro>(end - start).count();
}

Figures measure(uint32_t options, uint32_t games)
{
    Options = options;
    std::vector<double> micros(games);
    uint64_t worstCalls = 0;
    uint64_t totalCalls = 0;
    for (uint32_t seed = 0; seed < games; ++seed) {
        const uint64_t calls = solveCalls;
        micros[seed] = microsForGame(seed);
        worstCalls = std::max(worstCalls, solveCalls - calls);
        totalCalls += solveCalls - calls;
        for (int run = 1; run < RUNS_PER_SEED; ++run)
            micros[seed] = std::min(micros[seed], microsForGame(seed));
    }
    const double perGame = double(totalCalls) / games;
    std::sort(micros.begin(), micros.end());
    return {micros[games / 2], micros.back(), perGame, worstCalls};
}

// New on a figure that a file changed so that no stones fill it: every
// attempt runs its search to the bound. The slowest of a few seeds counts.
double worstMicrosOnUnfillableFigure(const Board& figure)
{
    double worst = 0;
    for (uint32_t seed = 0; seed < 20; ++seed) {
        board = figure;
        worst = std::max(worst, microsForGame(seed));
    }
    board = boardFigure;
    return worst;
}

void measureUnfillableFigures()
{
    Board oneSlotAway = boardFigure;
    oneSlotAway[11] = Stone{{5000, 5000, 0}, {5033, 5000, 0}};
    Board line = boardFigure;
    for (int s = 0; s < 11; ++s)
        line[s] = Stone{{s * 73, 0, 0}, {s * 73 + 33, 0, 0}};
    line[11] = oneSlotAway[11];
    Options = OPT_START_STONE;
    std::printf("newGame on a figure that cannot be filled, worst of 20 seeds:\n"
                "  slot 11 moved away %10.0f us\n  slots 0..10 in a line %8.0f us\n",
                worstMicrosOnUnfillableFigure(oneSlotAway), worstMicrosOnUnfillableFigure(line));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--check") == 0)
        return check(argc > 2 ? uint32_t(std::strtoul(argv[2], nullptr, 10)) : CHECK_SEEDS);
    const uint32_t games = argc > 1 ? uint32_t(std::strtoul(argv[1], nullptr, 10)) : 100000;
    measure(OPT_START_STONE, 2000);   // warm up caches and clock
    std::printf("newGame over %u seeds per combination, best of %d runs per seed\n"
                "(target: median < 20 us, worst < 1000 us)\n",
                games, RUNS_PER_SEED);
    std::printf("%-28s %12s %12s %16s %16s\n", "options", "median us", "worst us",
                "solve calls/game", "worst solve calls");
    for (const auto& combination : combinations) {
        const Figures f = measure(combination.options, games);
        std::printf("%-28s %12.2f %12.2f %16.1f %16llu\n", combination.name, f.medianMicros,
                    f.worstMicros, f.solveCallsPerGame, (unsigned long long)f.worstSolveCalls);
    }
    measureUnfillableFigures();
    return 0;
}
