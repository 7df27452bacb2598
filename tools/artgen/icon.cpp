// The program icon: an upright domino, five over two, with a shadow to the
// lower right and transparent around it. The small image is drawn pixel by
// pixel so that it stays crisp at 16 x 16; the large one is drawn smooth.
#include "artwork.h"

#include <algorithm>
#include <cmath>

namespace {

// VGA palette indices used by the small icon.
constexpr uint8_t VGA_BLACK = 0;
constexpr uint8_t VGA_GREY = 8;
constexpr uint8_t VGA_SILVER = 7;
constexpr uint8_t VGA_WHITE = 15;

// '.' transparent, 'K' black, 'W' white, 'S' silver, 'G' grey.
constexpr const char* SMALL_ICON[16] = {
    ".....KKKKKKK....",
    "....KWWWWWWWK...",
    "....KWKWWWKSKG..",
    "....KWWWWWWSKG..",
    "....KWWWKWWSKG..",
    "....KWWWWWWSKG..",
    "....KWKWWWKSKG..",
    "....KSSSSSSSKG..",
    "....KKKKKKKKKG..",
    "....KWWWWWWWKG..",
    "....KWKWWWWSKG..",
    "....KWWWWWWSKG..",
    "....KWWWWWWSKG..",
    "....KWWWWWKSKG..",
    "....KSSSSSSSKG..",
    ".....KKKKKKKGG..",
};

}  // namespace

IconImage drawSmallIcon()
{
    IconImage icon{IndexedImage(16, 16, vgaPalette()), std::vector<uint8_t>(16 * 16, 0), 4};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            uint8_t colour = VGA_BLACK;
            switch (SMALL_ICON[y][x]) {
            case 'W': colour = VGA_WHITE; break;
            case 'S': colour = VGA_SILVER; break;
            case 'G': colour = VGA_GREY; break;
            case 'K': colour = VGA_BLACK; break;
            default: icon.transparent[y * 16 + x] = 1; break;
            }
            icon.colours.at(x, y) = colour;
        }
    }
    return icon;
}

namespace {

constexpr int LARGE = 32;
constexpr int STONE_LEFT = 7, STONE_RIGHT = 23, STONE_TOP = 0, STONE_BOTTOM = 28;
constexpr int DIVIDER = 14;
constexpr int SHADOW = 2;

// The stone's outline: a rectangle with its corners cut round.
bool insideStone(int x, int y)
{
    if (x < STONE_LEFT || x > STONE_RIGHT || y < STONE_TOP || y > STONE_BOTTOM)
        return false;
    const int dx = std::min(x - STONE_LEFT, STONE_RIGHT - x);
    const int dy = std::min(y - STONE_TOP, STONE_BOTTOM - y);
    return dx + dy >= 2 || (dx >= 1 && dy >= 1);
}

bool onOutline(int x, int y)
{
    return insideStone(x, y) && (!insideStone(x - 1, y) || !insideStone(x + 1, y) ||
                                 !insideStone(x, y - 1) || !insideStone(x, y + 1));
}

std::vector<Rgb> largeIconPalette()
{
    std::vector<Rgb> palette = vgaPalette();
    for (int i = 0; i < 240; ++i) {
        const auto level = static_cast<uint8_t>(i * 255 / 239);
        palette.push_back({level, level, level});
    }
    return palette;
}

void addPips(Coverage& ink, double centreX, double centreY, int pips)
{
    constexpr double spread = 4.0, diameter = 3.4;
    const auto pip = [&](double dx, double dy) {
        const Point at{centreX + dx * spread, centreY + dy * spread};
        addSegment(ink, at, diameter, at, diameter);
    };
    if (pips == 2) {
        pip(-1, -1);
        pip(1, 1);
    } else if (pips == 5) {
        pip(-1, -1);
        pip(1, -1);
        pip(0, 0);
        pip(-1, 1);
        pip(1, 1);
    }
}

}  // namespace

IconImage drawLargeIcon()
{
    Image picture(LARGE, LARGE, BLACK);
    std::vector<uint8_t> transparent(LARGE * LARGE, 1);
    for (int y = 0; y < LARGE; ++y) {
        for (int x = 0; x < LARGE; ++x) {
            const size_t i = static_cast<size_t>(y) * LARGE + x;
            if (insideStone(x, y)) {
                // Lit from the upper left: the face darkens a little towards
                // the lower right.
                const double shade = 255 - 1.4 * (x - STONE_LEFT) - 0.6 * (y - STONE_TOP);
                const auto level = static_cast<uint8_t>(std::lround(shade));
                picture.at(x, y) = (onOutline(x, y) || y == DIVIDER) ? BLACK : Rgb{level, level, level};
                transparent[i] = 0;
            } else if (insideStone(x - SHADOW, y - SHADOW)) {
                picture.at(x, y) = Rgb{112, 112, 112};
                transparent[i] = 0;
            }
        }
    }

    Coverage ink(LARGE, LARGE);
    const double middleX = (STONE_LEFT + STONE_RIGHT + 1) / 2.0;
    addPips(ink, middleX, (STONE_TOP + DIVIDER + 1) / 2.0, 5);
    addPips(ink, middleX, (DIVIDER + STONE_BOTTOM + 1) / 2.0, 2);
    paintInk(picture, ink, BLACK);

    return IconImage{quantise(picture, largeIconPalette()), transparent, 8};
}
