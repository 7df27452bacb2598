// Times newGame over many seeds for each combination of the options that
// shape a game, and counts the solver's calls. Run it through scripts/bench.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "model/generator.h"
#include "base/settings.h"

namespace {

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

}  // namespace

int main(int argc, char** argv)
{
    const uint32_t games = argc > 1 ? uint32_t(std::strtoul(argv[1], nullptr, 10)) : 100000;
    const struct {
        const char* name;
        uint32_t options;
    } combinations[] = {
        {"doubles, no start stone", 0},
        {"doubles, start stone", OPT_START_STONE},
        {"no doubles, no start stone", OPT_NO_DOUBLES},
        {"no doubles, start stone", OPT_START_STONE | OPT_NO_DOUBLES},
    };
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
    return 0;
}
