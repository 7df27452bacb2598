// Properties over many seeds: every generated game has the solution that lays
// tray slot s on board slot s, and play never breaks the board's matches nor
// loses or duplicates a stone.
#include <algorithm>
#include <random>

#include "model/generator.h"
#include "model/rules.h"
#include "model_fixture.h"
#include "stones_in_play.h"

namespace {

constexpr uint32_t SEEDS_PER_OPTION = 2500;

// The figure's touching pairs as board half indices (slot * 2 + half).
constexpr int touchingPairs[16][2] = {
    {0, 2},  {1, 10}, {3, 4},   {4, 6},   {5, 11},  {5, 16},  {7, 12},  {8, 10},
    {9, 18}, {11, 14}, {13, 17}, {14, 16}, {15, 19}, {15, 22}, {17, 20}, {21, 23},
};

// Lays tray slot s's stone (the fixed stone: board slot s's own) on board
// slot s for s = slot..11, trying both orientations, and checks each touching
// pair as soon as both of its slots are laid.
bool laysOutFrom(int slot, uint8_t (&half)[BOARD_HALVES])
{
    if (slot == BOARD_SLOTS)
        return true;
    const bool fixed = slot == fixedSlot;
    const Stone& stone = fixed ? board[slot] : tray[slot];
    for (int turned = 0; turned < (fixed ? 1 : 2); ++turned) {
        half[2 * slot] = turned ? stone.second.value : stone.first.value;
        half[2 * slot + 1] = turned ? stone.first.value : stone.second.value;
        bool matches = true;
        for (const auto& pair : touchingPairs) {
            const int later = std::max(pair[0], pair[1]) / 2;
            if (later == slot && half[pair[0]] != half[pair[1]])
                matches = false;
        }
        if (matches && laysOutFrom(slot + 1, half))
            return true;
    }
    return false;
}

bool hasSlotForSlotSolution()
{
    uint8_t half[BOARD_HALVES] = {};
    return laysOutFrom(0, half);
}

bool occupiedNeighboursMatch()
{
    for (int a = 0; a < BOARD_HALVES; ++a) {
        for (int b = a + 1; b < BOARD_HALVES; ++b) {
            const StoneHalf& x = boardHalf(a);
            const StoneHalf& y = boardHalf(b);
            if (x.value != 0 && y.value != 0 && halvesTouch(x, y) && x.value != y.value)
                return false;
        }
    }
    return true;
}

class GeneratedGames : public ModelTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(GeneratedGames, EachHasTheTraySlotToBoardSlotSolution)
{
    Options = GetParam();
    const bool startStone = (Options & OPT_START_STONE) != 0;
    for (uint32_t seed = 0; seed < SEEDS_PER_OPTION; ++seed) {
        seedRandom(seed * 2654435761u);
        newGame();
        ASSERT_EQ(stonesInPlay().size(), 12u) << "seed " << seed;
        ASSERT_EQ(fixedSlot >= 0, startStone);
        ASSERT_EQ(selectedSlot, startStone ? 12 + fixedSlot : 24);
        ASSERT_TRUE(hasSlotForSlotSolution()) << "seed " << seed;
    }
}

TEST_P(GeneratedGames, RandomPlayKeepsMatchesAndStones)
{
    Options = GetParam();
    std::mt19937 clicks(GetParam());
    for (uint32_t seed = 0; seed < 60; ++seed) {
        seedRandom(seed);
        newGame();
        const auto stones = stonesInPlay();
        for (int click = 0; click < 2000; ++click) {
            // Mostly the slots the view can hit, now and then a hidden one.
            const SlotIndex i = clicks() % 10 == 0 ? clicks() % 40 : clicks() % 24;
            clickSlot(i);
            ASSERT_TRUE(occupiedNeighboursMatch()) << "seed " << seed << " click " << click;
            ASSERT_GE(selectedSlot, 0);
            ASSERT_LT(selectedSlot, 40);
        }
        ASSERT_EQ(stonesInPlay(), stones) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(AllOptionCombinations, GeneratedGames,
                         ::testing::Values(0u, OPT_START_STONE, OPT_NO_DOUBLES,
                                           OPT_START_STONE | OPT_NO_DOUBLES));

}  // namespace
