// The background texture: tiles without a seam, keeps its blue, and is
// mottled rather than flat.
#include "artwork.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

int brightness(Rgb c)
{
    return c.r + c.g + c.b;
}

// Mean absolute brightness difference between column a and column b, or
// between row a and row b.
double columnDifference(const IndexedImage& t, int a, int b)
{
    double sum = 0;
    for (int y = 0; y < t.height; ++y)
        sum += std::abs(brightness(t.colourAt(a, y)) - brightness(t.colourAt(b, y)));
    return sum / t.height;
}

double rowDifference(const IndexedImage& t, int a, int b)
{
    double sum = 0;
    for (int x = 0; x < t.width; ++x)
        sum += std::abs(brightness(t.colourAt(x, a)) - brightness(t.colourAt(x, b)));
    return sum / t.width;
}

TEST(Texture, TilesWithoutSeams)
{
    const IndexedImage texture = drawTexture();
    ASSERT_EQ(texture.width, 128);
    ASSERT_EQ(texture.height, 128);
    double columns = 0, rows = 0;
    for (int i = 0; i + 1 < 128; ++i) {
        columns += columnDifference(texture, i, i + 1);
        rows += rowDifference(texture, i, i + 1);
    }
    // Across the wrap, neighbours differ no more than inside the tile.
    EXPECT_LE(columnDifference(texture, 127, 0), 1.2 * columns / 127);
    EXPECT_LE(rowDifference(texture, 127, 0), 1.2 * rows / 127);
    // ...while columns far apart differ clearly more: the check has teeth.
    EXPECT_GT(columnDifference(texture, 0, 64), 1.5 * columns / 127);
}

TEST(Texture, IsMottledDarkBlue)
{
    const IndexedImage texture = drawTexture();
    double r = 0, g = 0, b = 0;
    std::set<int> shades;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const Rgb c = texture.colourAt(x, y);
            r += c.r;
            g += c.g;
            b += c.b;
            shades.insert(texture.at(x, y));
        }
    const double pixels = 128.0 * 128.0;
    EXPECT_NEAR(r / pixels, 25, 5);
    EXPECT_NEAR(g / pixels, 48, 5);
    EXPECT_NEAR(b / pixels, 150, 8);
    EXPECT_GT(shades.size(), 100u);
}

}  // namespace
