// Times newGame over many seeds for each combination of the options that
// shape a game, and counts the solver's calls. Run it through scripts/bench.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "model/generator.h"
#include "persist/settings.h"

namespace {

struct Figures {
    double medianMicros;
    double worstMicros;
    double solveCallsPerGame;
    uint64_t worstSolveCalls;
};

Figures measure(uint32_t options, uint32_t games)
{
    using Clock = std::chrono::steady_clock;
    Options = options;
    std::vector<double> micros(games);
    uint64_t worstCalls = 0;
    const uint64_t callsBefore = solveCalls;
    for (uint32_t seed = 0; seed < games; ++seed) {
        seedRandom(seed);
        const uint64_t calls = solveCalls;
        const auto start = Clock::now();
        newGame();
        const auto end = Clock::now();
        micros[seed] = std::chrono::duration<double, std::micro>(end - start).count();
        worstCalls = std::max(worstCalls, solveCalls - calls);
    }
    const double perGame = double(solveCalls - callsBefore) / games;
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
    std::printf("newGame over %u seeds per combination (target: median < 20 us, worst < 1000 us)\n",
                games);
    std::printf("%-28s %12s %12s %16s %16s\n", "options", "median us", "worst us",
                "solve calls/game", "worst solve calls");
    for (const auto& combination : combinations) {
        const Figures f = measure(combination.options, games);
        std::printf("%-28s %12.2f %12.2f %16.1f %16llu\n", combination.name, f.medianMicros,
                    f.worstMicros, f.solveCallsPerGame, (unsigned long long)f.worstSolveCalls);
    }
    return 0;
}
