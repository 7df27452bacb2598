// The random source, the solver and the new-game operation.
#include <cstring>

#include "model/generator.h"
#include "model/rules.h"
#include "model_fixture.h"

namespace {

using GeneratorTest = ModelTest;
using Values = std::vector<std::pair<int, int>>;

Values visibleTray()
{
    Values values;
    for (int t = 0; t < PLAY_TRAY_SLOTS; ++t)
        values.push_back(valuesOf(tray[t]));
    return values;
}

// The value nextRandom gives after the first `draws` results of seed 1.
int drawAfter(int draws)
{
    seedRandom(1);
    for (int i = 0; i < draws; ++i)
        nextRandom();
    return nextRandom();
}

TEST_F(GeneratorTest, RandomSequence)
{
    seedRandom(1);
    std::vector<int> first;
    for (int i = 0; i < 5; ++i)
        first.push_back(nextRandom());
    EXPECT_EQ(first, (std::vector<int>{346, 130, 10982, 1090, 11656}));
    seedRandom(0);
    EXPECT_EQ(nextRandom(), 0);
}

TEST_F(GeneratorTest, FirstGameOfSeedOneWithStartStone)
{
    const int seventyFirst = drawAfter(70);
    seedRandom(1);
    Options = 12;
    newGame();

    EXPECT_EQ(fixedSlot, 10);
    for (int s = 0; s < BOARD_SLOTS; ++s) {
        const auto expected = s == 10 ? std::make_pair(2, 4) : std::make_pair(0, 0);
        EXPECT_EQ(valuesOf(board[s]), expected) << "board slot " << s;
    }
    EXPECT_EQ(visibleTray(), (Values{{7, 1}, {5, 1}, {6, 5}, {5, 2}, {3, 7}, {7, 6},
                                     {2, 2}, {3, 6}, {2, 6}, {3, 3}, {0, 0}, {4, 3}}));
    for (int t = PLAY_TRAY_SLOTS; t < TRAY_SLOTS; ++t)
        EXPECT_TRUE(isEmptyStone(tray[t])) << "tray slot " << t;
    EXPECT_EQ(selectedSlot, 22);
    EXPECT_EQ(nextRandom(), seventyFirst) << "newGame made exactly 70 draws";
    EXPECT_EQ(shellEvents(), (std::vector<std::string>{"forget file name", "repaint"}));
}

TEST_F(GeneratorTest, FirstGameOfSeedOneWithoutStartStone)
{
    const int seventyFirst = drawAfter(70);
    seedRandom(1);
    Options = 8;
    newGame();

    EXPECT_EQ(fixedSlot, NO_FIXED_SLOT);
    for (int s = 0; s < BOARD_SLOTS; ++s)
        EXPECT_TRUE(isEmptyStone(board[s])) << "board slot " << s;
    EXPECT_EQ(visibleTray(), (Values{{1, 7}, {5, 1}, {6, 5}, {2, 5}, {7, 3}, {6, 7},
                                     {2, 2}, {6, 3}, {2, 6}, {3, 3}, {2, 4}, {4, 3}}));
    EXPECT_EQ(selectedSlot, 24);
    EXPECT_EQ(nextRandom(), seventyFirst);
}

TEST_F(GeneratorTest, NewGameLaysOutTrayGridAndKeepsBoardCoordinatesAndSolved)
{
    board[3].first.x = 999;   // as a loaded file may leave it
    solved = true;
    seedRandom(7);
    newGame();
    EXPECT_EQ(+board[3].first.x, 999);
    EXPECT_TRUE(solved);
    EXPECT_EQ(+tray[27].first.x, 73);
    EXPECT_EQ(+tray[27].first.y, 13 * 40);
    EXPECT_EQ(+tray[27].second.x, 106);
}

TEST_F(GeneratorTest, SameSeedSameGames)
{
    Options = 12 | OPT_NO_DOUBLES;
    seedRandom(4242);
    newGame();
    newGame();
    const Board firstBoard = board;
    const Tray firstTray = tray;
    seedRandom(4242);
    newGame();
    newGame();
    EXPECT_EQ(0, std::memcmp(&firstBoard, &board, sizeof board));
    EXPECT_EQ(0, std::memcmp(&firstTray, &tray, sizeof tray));
}

TEST_F(GeneratorTest, SolveOnEmptyAndOnFullBoard)
{
    putStone(tray[0], 1, 1);
    EXPECT_FALSE(solve()) << "an empty board touches nothing";
    EXPECT_EQ(valuesOf(tray[0]), std::make_pair(1, 1));

    for (int s = 0; s < BOARD_SLOTS; ++s)
        putStone(board[s], 1 + s % 7, 1 + s % 5);
    const Board before = board;
    EXPECT_TRUE(solve());
    EXPECT_EQ(0, std::memcmp(&before, &board, sizeof board));
}

// A board figure whose slots no longer touch, as a loaded file can leave it:
// every attempt fails, and the player is told before the tray is cleared.
TEST_F(GeneratorTest, TenFailedAttemptsLeaveAnEmptyGame)
{
    for (int s = 0; s < BOARD_SLOTS; ++s) {
        board[s].first = StoneHalf{s * 1000, 0, 0};
        board[s].second = StoneHalf{s * 1000 + 33, 0, 0};
    }
    static int trayStonesAtMessage;
    trayStonesAtMessage = -1;
    setShellHooks(ShellHooks{
        [] { shellEvents().push_back("win"); },
        [] {
            trayStonesAtMessage = 0;
            for (const Stone& stone : tray)
                trayStonesAtMessage += isEmptyStone(stone) ? 0 : 1;
            shellEvents().push_back("generation failed");
        },
        [] { shellEvents().push_back("repaint"); },
        [] { shellEvents().push_back("forget file name"); },
    });
    solved = true;
    seedRandom(1);
    Options = 12;
    newGame();

    EXPECT_EQ(shellEvents(),
              (std::vector<std::string>{"forget file name", "generation failed", "repaint"}));
    EXPECT_EQ(trayStonesAtMessage, 28);
    for (int s = 0; s < BOARD_SLOTS; ++s)
        EXPECT_TRUE(isEmptyStone(board[s]));
    for (int t = 0; t < TRAY_SLOTS; ++t)
        EXPECT_TRUE(isEmptyStone(tray[t]));
    EXPECT_EQ(selectedSlot, 12);
    EXPECT_TRUE(solved);
    EXPECT_GE(fixedSlot, 0);
    EXPECT_LT(fixedSlot, 12);

    EXPECT_EQ(clickSlot(fixedSlot), ClickOutcome::RefusedFixed);
    EXPECT_EQ(clickSlot(12), ClickOutcome::Deselected);
    EXPECT_EQ(clickSlot(fixedSlot == 0 ? 1 : 0), ClickOutcome::Nothing);
}

// Figures that a file can leave behind and that no stones fill: each attempt
// gives up after a bounded search, and New ends with the message and the
// empty game.
TEST_F(GeneratorTest, NewOnAFigureThatCannotBeFilledGivesUpWithinTheBound)
{
    const auto far = [](int32_t x) { return Stone{{x, 5000, 0}, {x + 33, 5000, 0}}; };
    struct Figure {
        const char* what;
        Board slots;
    };
    std::vector<Figure> figures;
    Board oneSlotAway = boardFigure;
    oneSlotAway[11] = far(5000);
    figures.push_back({"slot 11 moved away", oneSlotAway});
    Board line = boardFigure;
    for (int s = 0; s < 11; ++s)   // each second half 40 left of the next first half
        line[s] = Stone{{s * 73, 0, 0}, {s * 73 + 33, 0, 0}};
    line[11] = far(9000);
    figures.push_back({"slots 0..10 in a line, slot 11 away", line});

    for (const Figure& figure : figures) {
        for (uint32_t options : {0u, OPT_START_STONE | OPT_NO_DOUBLES}) {
            SCOPED_TRACE(std::string(figure.what) + ", options " + std::to_string(options));
            resetGame();
            board = figure.slots;
            shellEvents().clear();
            Options = options;
            seedRandom(3);
            const uint64_t callsBefore = solveCalls;
            newGame();

            EXPECT_LE(solveCalls - callsBefore, 10u * SOLVE_CALL_BUDGET);
            EXPECT_EQ(shellEvents(), (std::vector<std::string>{"forget file name",
                                                               "generation failed", "repaint"}));
            for (int s = 0; s < BOARD_SLOTS; ++s)
                EXPECT_TRUE(isEmptyStone(board[s])) << "board slot " << s;
            for (int t = 0; t < TRAY_SLOTS; ++t)
                EXPECT_TRUE(isEmptyStone(tray[t])) << "tray slot " << t;
            EXPECT_EQ(selectedSlot, 12);
            EXPECT_EQ(0, std::memcmp(&board[11], &figure.slots[11], sizeof(Stone)))
                << "the loaded coordinates stay";
        }
    }
}

// A file can leave a slot with one empty half. No stone can be laid there, so
// the search passes every candidate by instead of recursing for ever.
TEST_F(GeneratorTest, SolveLaysNothingIntoAHalfFilledSlot)
{
    for (int s = 0; s < 5; ++s)
        putStone(board[s], 1, 1);
    putStone(board[5], 0, 5);   // slot 5 touches slot 4, so the search picks it
    putStone(tray[0], 1, 1);    // fits slot 5 as it lies
    const Board before = board;
    const uint64_t callsBefore = solveCalls;

    EXPECT_FALSE(solve());
    EXPECT_EQ(solveCalls - callsBefore, 1u);
    EXPECT_EQ(0, std::memcmp(&before, &board, sizeof board));
    EXPECT_EQ(valuesOf(tray[0]), std::make_pair(1, 1));
}

TEST_F(GeneratorTest, WithoutDoublesNoGameHoldsADouble)
{
    Options = OPT_NO_DOUBLES;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        seedRandom(seed);
        newGame();
        for (int t = 0; t < PLAY_TRAY_SLOTS; ++t) {
            EXPECT_FALSE(isEmptyStone(tray[t])) << "seed " << seed;
            EXPECT_NE(tray[t].first.value, tray[t].second.value) << "seed " << seed;
        }
    }
}

}  // namespace
