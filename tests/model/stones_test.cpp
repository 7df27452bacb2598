// The board figure and the primitive operations on stones.
#include <climits>
#include <set>
#include <utility>

#include "model_fixture.h"

namespace {

using StonesTest = ModelTest;

// Written slot.half, 0 for first and 1 for second: the figure's touching pairs.
const std::set<std::pair<int, int>> touchingPairs = {
    {0 * 2 + 0, 1 * 2 + 0}, {0 * 2 + 1, 5 * 2 + 0},   {1 * 2 + 1, 2 * 2 + 0},
    {2 * 2 + 0, 3 * 2 + 0}, {2 * 2 + 1, 5 * 2 + 1},   {2 * 2 + 1, 8 * 2 + 0},
    {3 * 2 + 1, 6 * 2 + 0}, {4 * 2 + 0, 5 * 2 + 0},   {4 * 2 + 1, 9 * 2 + 0},
    {5 * 2 + 1, 7 * 2 + 0}, {6 * 2 + 1, 8 * 2 + 1},   {7 * 2 + 0, 8 * 2 + 0},
    {7 * 2 + 1, 9 * 2 + 1}, {7 * 2 + 1, 11 * 2 + 0},  {8 * 2 + 1, 10 * 2 + 0},
    {10 * 2 + 1, 11 * 2 + 1},
};

TEST_F(StonesTest, FigureHasExactlyTheSixteenTouchingPairsInBothOrders)
{
    std::set<std::pair<int, int>> found;
    for (int a = 0; a < BOARD_HALVES; ++a) {
        for (int b = 0; b < BOARD_HALVES; ++b) {
            const bool touch = halvesTouch(boardHalf(a), boardHalf(b));
            EXPECT_EQ(touch, halvesTouch(boardHalf(b), boardHalf(a))) << a << " " << b;
            if (touch && a < b)
                found.insert({a, b});
        }
    }
    EXPECT_EQ(found, touchingPairs);
}

TEST_F(StonesTest, HalvesTouchOnlyAtExactlyFortyOnOneAxis)
{
    const StoneHalf origin{100, 100, 0};
    EXPECT_TRUE(halvesTouch(origin, StoneHalf{140, 100, 0}));
    EXPECT_TRUE(halvesTouch(origin, StoneHalf{100, 60, 0}));
    EXPECT_FALSE(halvesTouch(origin, StoneHalf{133, 100, 0}));   // the other half of a stone
    EXPECT_FALSE(halvesTouch(origin, StoneHalf{140, 101, 0}));   // one pixel off
    EXPECT_FALSE(halvesTouch(origin, StoneHalf{140, 140, 0}));   // diagonal
    EXPECT_FALSE(halvesTouch(origin, origin));
    // Coordinates from a file can be anything; no overflow at the edges.
    EXPECT_FALSE(halvesTouch(StoneHalf{INT_MAX, 0, 1}, StoneHalf{INT_MIN, 0, 1}));
    EXPECT_TRUE(halvesTouch(StoneHalf{INT_MAX - 40, 5, 1}, StoneHalf{INT_MAX, 5, 1}));
}

TEST_F(StonesTest, MoveStoneCarriesOrientationAndRefusesAnyOccupiedTarget)
{
    putStone(tray[0], 2, 5);
    ASSERT_TRUE(moveStone(tray[0], board[3]));
    EXPECT_EQ(valuesOf(board[3]), std::make_pair(2, 5));
    EXPECT_TRUE(isEmptyStone(tray[0]));
    EXPECT_EQ(+board[3].first.x, 153);   // coordinates belong to the slot

    putStone(tray[1], 4, 4);
    board[4].second.value = 3;   // only the second half holds a value
    EXPECT_FALSE(moveStone(tray[1], board[4]));
    EXPECT_EQ(valuesOf(tray[1]), std::make_pair(4, 4));
    EXPECT_EQ(valuesOf(board[4]), std::make_pair(0, 3));

    EXPECT_TRUE(moveStone(tray[5], tray[6]));   // empty into empty
    EXPECT_TRUE(isEmptyStone(tray[5]) && isEmptyStone(tray[6]));
}

TEST_F(StonesTest, FlipTwiceRestoresAndEmptyStaysEmpty)
{
    putStone(tray[2], 1, 7);
    flipStone(tray[2]);
    EXPECT_EQ(valuesOf(tray[2]), std::make_pair(7, 1));
    flipStone(tray[2]);
    EXPECT_EQ(valuesOf(tray[2]), std::make_pair(1, 7));
    flipStone(tray[3]);
    EXPECT_TRUE(isEmptyStone(tray[3]));
}

TEST_F(StonesTest, ParkSelectionRestsOnLowestEmptyTraySlot)
{
    for (int t = 0; t < TRAY_SLOTS; ++t)
        putStone(tray[t], 1, 2);
    selectedSlot = 5;
    parkSelection();
    EXPECT_EQ(selectedSlot, 5) << "a full tray leaves the selection alone";

    for (int t = 0; t < TRAY_SLOTS; ++t)
        tray[t] = {};
    for (int t = 0; t < PLAY_TRAY_SLOTS; ++t)
        putStone(tray[t], 1, 2);
    parkSelection();
    EXPECT_EQ(selectedSlot, 24) << "tray slots 0..11 full: the hidden slot 12";

    tray[7] = {};
    parkSelection();
    EXPECT_EQ(selectedSlot, 12 + 7);
}

TEST_F(StonesTest, ClearTrayKeepsCoordinates)
{
    tray[9] = Stone{{73, 160, 3}, {106, 160, 4}};
    clearTray();
    EXPECT_TRUE(isEmptyStone(tray[9]));
    EXPECT_EQ(+tray[9].first.x, 73);
    EXPECT_EQ(+tray[9].second.y, 160);
}

}  // namespace
