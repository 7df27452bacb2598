// The fit tests, the click action and the win check.
#include "model/generator.h"
#include "model/rules.h"
#include "model_fixture.h"

namespace {

using RulesTest = ModelTest;

// The tray slots laid out as a new game lays them.
void layOutTray()
{
    for (int t = 0; t < TRAY_SLOTS; ++t)
        tray[t] = traySlotLayout(t);
}

class ClickTest : public RulesTest {
protected:
    void SetUp() override
    {
        RulesTest::SetUp();
        layOutTray();
        fixedSlot = NO_FIXED_SLOT;
        selectedSlot = 12 + 11;   // resting on an empty tray slot
    }
};

TEST_F(ClickTest, WorkedClickSequence)
{
    seedRandom(1);
    Options = 12;
    newGame();
    ASSERT_EQ(fixedSlot, 10);
    ASSERT_EQ(selectedSlot, 22);

    EXPECT_EQ(clickSlot(12), ClickOutcome::Selected);
    // Board slot 11's second half touches the start stone's second half (4);
    // the stone offers 1 there as it lies and 7 turned.
    EXPECT_EQ(clickSlot(11), ClickOutcome::RefusedNoFit);
    EXPECT_EQ(valuesOf(tray[0]), std::make_pair(7, 1));
    EXPECT_EQ(selectedSlot, 12);

    EXPECT_EQ(clickSlot(23), ClickOutcome::Selected);
    EXPECT_EQ(clickSlot(11), ClickOutcome::Moved);
    EXPECT_EQ(valuesOf(board[11]), std::make_pair(3, 4)) << "laid turned";
    EXPECT_EQ(selectedSlot, 22);

    EXPECT_EQ(clickSlot(10), ClickOutcome::RefusedFixed);
    // Moving it on: its own half next to slot 7 is not a neighbour.
    EXPECT_EQ(clickSlot(11), ClickOutcome::Selected);
    EXPECT_EQ(clickSlot(7), ClickOutcome::Moved);
    EXPECT_EQ(valuesOf(board[7]), std::make_pair(3, 4));
    EXPECT_TRUE(isEmptyStone(board[11]));
}

TEST_F(ClickTest, FixedStoneRefusesWhateverIsSelected)
{
    fixedSlot = 3;
    putStone(board[3], 2, 2);
    putStone(tray[0], 5, 6);
    selectedSlot = 12;
    EXPECT_EQ(clickSlot(3), ClickOutcome::RefusedFixed);
    EXPECT_EQ(selectedSlot, 12);
    EXPECT_EQ(valuesOf(board[3]), std::make_pair(2, 2));
}

TEST_F(ClickTest, SelectionRestingOnEmptySlot)
{
    putStone(tray[0], 1, 2);
    selectedSlot = 12 + 1;   // the lowest empty tray slot
    EXPECT_EQ(clickSlot(12 + 1), ClickOutcome::Deselected);
    EXPECT_EQ(selectedSlot, 12 + 1);
    EXPECT_EQ(clickSlot(4), ClickOutcome::Nothing);
    EXPECT_EQ(clickSlot(12 + 5), ClickOutcome::Nothing);
    EXPECT_EQ(selectedSlot, 12 + 1);
    EXPECT_EQ(clickSlot(12), ClickOutcome::Selected);
    EXPECT_EQ(clickSlot(12), ClickOutcome::Deselected);
    EXPECT_EQ(selectedSlot, 12 + 1);
}

TEST_F(ClickTest, TrayTargetTakesAnyStoneAndSelectionParks)
{
    putStone(board[5], 3, 3);
    putStone(board[4], 6, 6);   // its first half touches board slot 5's first half
    putStone(tray[0], 1, 2);
    selectedSlot = 4;
    EXPECT_EQ(clickSlot(12 + 3), ClickOutcome::Moved);
    EXPECT_EQ(valuesOf(tray[3]), std::make_pair(6, 6));
    EXPECT_EQ(selectedSlot, 12 + 1);

    selectedSlot = 12;
    EXPECT_EQ(clickSlot(12 + 9), ClickOutcome::Moved);
    EXPECT_EQ(selectedSlot, 12) << "parks on the slot the stone just left";
}

TEST_F(ClickTest, TurnTrialOnBoardTarget)
{
    putStone(board[4], 3, 5);   // 4.first touches 5.first; 4.second touches 9.first
    // Fits only turned: laid turned.
    putStone(tray[0], 6, 3);
    selectedSlot = 12;
    EXPECT_EQ(clickSlot(5), ClickOutcome::Moved);
    EXPECT_EQ(valuesOf(board[5]), std::make_pair(3, 6));

    // Fits as it lies: laid as it lies, no turn tried.
    putStone(tray[1], 5, 2);
    selectedSlot = 13;
    EXPECT_EQ(clickSlot(9), ClickOutcome::Moved);
    EXPECT_EQ(valuesOf(board[9]), std::make_pair(5, 2));

    // Fits neither way: refused, orientation and selection kept.
    putStone(tray[2], 1, 7);
    selectedSlot = 14;
    EXPECT_EQ(clickSlot(0), ClickOutcome::RefusedNoFit);   // 0.second touches 5.first (3)
    EXPECT_EQ(valuesOf(tray[2]), std::make_pair(1, 7));
    EXPECT_EQ(selectedSlot, 14);

    // A slot with no occupied neighbour takes anything as it lies.
    EXPECT_EQ(clickSlot(6), ClickOutcome::Moved);
    EXPECT_EQ(valuesOf(board[6]), std::make_pair(1, 7));
}

TEST_F(RulesTest, TouchesBoardAndStoneFitsSlotLookOnlyAtOccupiedNeighbours)
{
    EXPECT_FALSE(touchesBoard(board[5]));
    putStone(board[7], 2, 4);   // 7.first touches 5.second and 8.first
    EXPECT_TRUE(touchesBoard(board[5]));
    EXPECT_TRUE(touchesBoard(board[8]));
    EXPECT_FALSE(touchesBoard(board[3]));

    Stone moving{{0, 0, 6}, {0, 0, 2}};
    EXPECT_TRUE(stoneFitsSlot(board[5], moving));
    moving.second.value = 3;
    EXPECT_FALSE(stoneFitsSlot(board[5], moving));
    // The moving stone's own halves do not count when it lies on the board;
    // a tray stone with the same values is judged against them.
    EXPECT_TRUE(stoneFitsSlot(board[11], board[7]));
    putStone(tray[0], 2, 4);
    EXPECT_FALSE(stoneFitsSlot(board[11], tray[0]));
}

// A loaded file can move slots: the rules follow the coordinates as they are
// at the moment of each question.
TEST_F(RulesTest, RulesFollowTheCurrentCoordinates)
{
    putStone(board[4], 3, 5);   // 4.second touches 9.first
    const Stone sixes{{0, 0, 7}, {0, 0, 7}};
    EXPECT_TRUE(touchesBoard(board[9]));
    EXPECT_FALSE(stoneFitsSlot(board[9], sixes));

    board[9] = Stone{{500, 0, 0}, {533, 0, 0}};
    EXPECT_FALSE(touchesBoard(board[9]));
    EXPECT_TRUE(stoneFitsSlot(board[9], sixes));

    // Slot 3 moved under slot 9: its first half touches 9.second.
    board[9] = boardFigure[9];
    putStone(board[9], 5, 2);
    board[3] = Stone{{33, 186, 0}, {66, 186, 0}};
    EXPECT_TRUE(touchesBoard(board[3]));
    EXPECT_FALSE(stoneFitsSlot(board[3], Stone{{0, 0, 3}, {0, 0, 3}}));
    EXPECT_TRUE(stoneFitsSlot(board[3], Stone{{0, 0, 2}, {0, 0, 3}}));
    // Slot 9's own stone is not judged against itself; a tray stone is.
    EXPECT_TRUE(stoneFitsSlot(board[3], board[9]));
    putStone(tray[0], 5, 2);
    EXPECT_FALSE(stoneFitsSlot(board[3], tray[0]));
}

TEST_F(RulesTest, CheckSolvedLooksAtVisibleTrayOnly)
{
    putStone(tray[11], 1, 1);
    solved = true;
    EXPECT_FALSE(checkSolved());
    EXPECT_FALSE(solved);
    EXPECT_TRUE(shellEvents().empty());

    tray[11] = {};
    putStone(tray[12], 1, 1);   // not visible, not consulted
    EXPECT_TRUE(checkSolved());
    EXPECT_TRUE(solved);
    EXPECT_TRUE(checkSolved()) << "shown again on every call";
    EXPECT_EQ(shellEvents(),
              (std::vector<std::string>{"win", "win"}));
}

}  // namespace
