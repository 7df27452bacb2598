// The tile sheet: the exact black and white pixels that the board view's
// raster operations rely on, the face grid, and the domino pips.
#include "artwork.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace {

const Image& sheet()
{
    static const Image drawn = drawTileSheet();
    return drawn;
}

bool inCellBorder(int cellX, int cellY)
{
    return cellX < 2 || cellY < 2 || cellX > 32 || cellY > 32;
}

int colourDistance(Rgb a, Rgb b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

TEST(TileSheet, HasTheSizeOfSevenFacesByThreeBands)
{
    EXPECT_EQ(sheet().width, 217);
    EXPECT_EQ(sheet().height, 221);
}

// The rectangles typed from the sheet's layout table; hostile values (a motif
// the sheet does not hold, a half value above 7) still land inside the sheet.
TEST(TileSheet, SheetRectForHalfFollowsTheLayoutAndStaysInside)
{
    const struct {
        int value, motif;
        bool selected, second;
        SheetRect expected;
    } cases[] = {
        {0, 0, false, false, {35, 0, 35, 35}},    {0, 2, true, false, {35, 0, 35, 35}},
        {0, 1, false, true, {70, 0, 35, 35}},     {1, 0, false, false, {0, 35, 31, 31}},
        {1, 0, true, true, {0, 66, 31, 31}},      {4, 1, false, false, {93, 97, 31, 31}},
        {7, 1, true, false, {186, 128, 31, 31}},  {7, 2, false, true, {186, 159, 31, 31}},
        {7, 2, true, false, {186, 190, 31, 31}},  {3, 5, false, false, {62, 35, 31, 31}},
        {3, 255, true, false, {62, 66, 31, 31}},  {8, 1, false, false, {0, 97, 31, 31}},
        {255, 200, true, true, {0, 66, 31, 31}},
    };
    for (const auto& c : cases) {
        const SheetRect r = sheetRectForHalf(static_cast<uint8_t>(c.value),
                                             static_cast<uint8_t>(c.motif), c.selected, c.second);
        EXPECT_EQ((std::vector<int>{r.x, r.y, r.width, r.height}),
                  (std::vector<int>{c.expected.x, c.expected.y, c.expected.width,
                                    c.expected.height}))
            << "value " << c.value << " motif " << c.motif << " selected " << c.selected;
    }
    for (int value = 0; value < 256; ++value)
        for (int motif = 0; motif < 256; ++motif)
            for (bool selected : {false, true}) {
                const SheetRect r =
                    sheetRectForHalf(static_cast<uint8_t>(value), static_cast<uint8_t>(motif),
                                     selected, value % 2 == 1);
                ASSERT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.width <= 217 && r.y + r.height <= 221)
                    << value << " " << motif;
            }
}

TEST(TileSheet, FrameCellIsBlackBorderAroundWhite)
{
    for (int y = 0; y < 35; ++y)
        for (int x = 0; x < 35; ++x)
            ASSERT_EQ(sheet().at(x, y), inCellBorder(x, y) ? BLACK : WHITE) << x << "," << y;
}

TEST(TileSheet, MasksAreDottedBordersAroundBlackInBothPhases)
{
    // First-half mask at x 35: white corner; second-half mask at x 70 and
    // its spare copy at x 105: black corner.
    const struct {
        int left;
        int whiteParity;
    } masks[] = {{35, 0}, {70, 1}, {105, 1}};
    for (const auto& mask : masks)
        for (int y = 0; y < 35; ++y)
            for (int x = 0; x < 35; ++x) {
                const bool white = inCellBorder(x, y) && (x + y) % 2 == mask.whiteParity;
                ASSERT_EQ(sheet().at(mask.left + x, y), white ? WHITE : BLACK)
                    << "mask at " << mask.left << ", cell " << x << "," << y;
            }
    EXPECT_EQ(sheet().at(35, 0), WHITE);
    EXPECT_EQ(sheet().at(70, 0), BLACK);
    EXPECT_EQ(sheet().at(71, 0), WHITE);
}

TEST(TileSheet, TopBandIsWhiteFromX140)
{
    for (int y = 0; y < 35; ++y)
        for (int x = 140; x < 217; ++x)
            ASSERT_EQ(sheet().at(x, y), WHITE) << x << "," << y;
}

// Each face drawn alone must match its cell exactly: nothing spills in from
// a neighbour and nothing of the sheet's own white is left showing.
TEST(TileSheet, EveryFaceCellHoldsExactlyItsOwnFace)
{
    for (int motif = 0; motif < 3; ++motif)
        for (bool selected : {false, true})
            for (int column = 0; column < 7; ++column) {
                const Image face = drawFace(motif, column, selected);
                ASSERT_EQ(face.width, 31);
                ASSERT_EQ(face.height, 31);
                const int left = column * 31;
                const int top = 35 + 62 * motif + (selected ? 31 : 0);
                for (int y = 0; y < 31; ++y)
                    for (int x = 0; x < 31; ++x)
                        ASSERT_EQ(sheet().at(left + x, top + y), face.at(x, y))
                            << "motif " << motif << " column " << column << " selected " << selected;
            }
}

// Marks keep clear of the face's edge, so a face's outer ring is its ground
// colour; the green and red grounds are mottled, so allow for that.
TEST(TileSheet, FaceEdgesShowTheGroundColour)
{
    const struct {
        int motif;
        bool selected;
        Rgb ground;
        int tolerance;
    } rows[] = {
        {0, false, {224, 224, 224}, 0}, {0, true, {128, 128, 128}, 0},
        {1, false, {8, 120, 32}, 90},   {1, true, {184, 0, 8}, 110},
        {2, false, {224, 224, 224}, 0}, {2, true, {90, 90, 90}, 0},
    };
    for (const auto& row : rows)
        for (int column = 0; column < 7; ++column) {
            const Image face = drawFace(row.motif, column, row.selected);
            for (int i = 0; i < 31; ++i)
                for (auto [x, y] : {std::pair{i, 0}, std::pair{i, 30}, std::pair{0, i}, std::pair{30, i}})
                    ASSERT_LE(colourDistance(face.at(x, y), row.ground), row.tolerance)
                        << "motif " << row.motif << " column " << column << " at " << x << "," << y;
        }
}

std::set<std::pair<int, int>> pixelsOf(const Image& face, Rgb colour)
{
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < face.height; ++y)
        for (int x = 0; x < face.width; ++x)
            if (face.at(x, y) == colour)
                found.insert({x, y});
    return found;
}

std::set<std::pair<int, int>> pipSquares(std::initializer_list<std::pair<int, int>> corners)
{
    std::set<std::pair<int, int>> pixels;
    for (auto [left, top] : corners)
        for (int y = top; y < top + 5; ++y)
            for (int x = left; x < left + 5; ++x)
                pixels.insert({x, y});
    return pixels;
}

TEST(TileSheet, DominoPipsSitExactlyAtTheirPositions)
{
    EXPECT_TRUE(pixelsOf(drawFace(0, 0, false), BLACK).empty());
    EXPECT_EQ(pixelsOf(drawFace(0, 1, false), BLACK), pipSquares({{13, 12}}));
    EXPECT_EQ(pixelsOf(drawFace(0, 3, false), BLACK), pipSquares({{3, 3}, {13, 12}, {23, 23}}));
    EXPECT_EQ(pixelsOf(drawFace(0, 5, false), BLACK),
              pipSquares({{3, 3}, {23, 3}, {3, 23}, {23, 23}, {13, 12}}));
    EXPECT_EQ(pixelsOf(drawFace(0, 6, true), WHITE),
              pipSquares({{3, 3}, {3, 13}, {3, 23}, {23, 3}, {23, 13}, {23, 23}}));
    // Everything else on the face is ground.
    EXPECT_EQ(pixelsOf(drawFace(0, 6, true), Rgb{128, 128, 128}).size(), 31u * 31u - 6u * 25u);
}

int countInk(const Image& face, Rgb ground, int threshold)
{
    int count = 0;
    for (const Rgb& pixel : face.pixels)
        if (colourDistance(pixel, ground) > threshold)
            ++count;
    return count;
}

// Column 0 is plain; columns 1..6 carry a numeral or a symbol, and the
// selected row shows the same symbol as the normal row.
TEST(TileSheet, NumeralAndSymbolFacesCarryMarksExceptColumnZero)
{
    for (bool selected : {false, true}) {
        const Rgb paper = selected ? Rgb{184, 0, 8} : Rgb{8, 120, 32};
        EXPECT_EQ(countInk(drawFace(1, 0, selected), paper, 120), 0);
        EXPECT_EQ(countInk(drawFace(2, 0, selected), selected ? Rgb{90, 90, 90} : Rgb{224, 224, 224}, 0), 0);
        for (int column = 1; column < 7; ++column)
            EXPECT_GT(countInk(drawFace(1, column, selected), paper, 120), 40) << column;
    }
    constexpr Rgb NORMAL_GROUND{224, 224, 224};
    constexpr Rgb SELECTED_GROUND{90, 90, 90};
    for (int column = 1; column < 7; ++column) {
        const Image normal = drawFace(2, column, false);
        const Image selected = drawFace(2, column, true);
        for (size_t i = 0; i < normal.pixels.size(); ++i)
            ASSERT_EQ(normal.pixels[i] == NORMAL_GROUND, selected.pixels[i] == SELECTED_GROUND)
                << "symbol " << column << " pixel " << i;
        EXPECT_GT(countInk(normal, NORMAL_GROUND, 300), 25) << column;
    }
}

}  // namespace
