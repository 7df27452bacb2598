// The About picture: a game in progress in miniature, the board figure with
// two stones laid and the tray beside it, on the blue ground.
//
// At full size a half is a 35-pixel cell, the halves of one stone lie 33
// apart and neighbouring stones 40 apart. The miniature keeps that rhythm
// with a 17-pixel cell (1-pixel border, 15-pixel face), halves 16 apart and
// neighbours 19 apart, so borders and dividers stay one crisp pixel wide.
#include "artwork.h"

namespace {

constexpr int MINI_CELL = 17;
constexpr int MINI_FACE = 15;

struct Half {
    int x;
    int y;
    int pips;   // -1 = empty
};

struct Slot {
    Half first;
    Half second;
};

// Every position of the board figure and the tray is a sum of steps of 40
// and 33; replace each step by its miniature.
int miniature(int position)
{
    for (int halfSteps = 0; halfSteps * 33 <= position; ++halfSteps) {
        const int rest = position - halfSteps * 33;
        if (rest % 40 == 0)
            return rest / 40 * 19 + halfSteps * 16;
    }
    return position / 2;
}

Slot slot(int x1, int y1, int x2, int y2, int pips1 = -1, int pips2 = -1)
{
    return Slot{{x1, y1, pips1}, {x2, y2, pips2}};
}

std::vector<Slot> boardInPlay()
{
    return {slot(40, 0, 40, 33, 3, 5),   slot(80, 0, 113, 0, 3, 1),     slot(113, 40, 113, 73),
            slot(153, 40, 186, 40),      slot(0, 73, 0, 106),           slot(40, 73, 73, 73),
            slot(186, 80, 186, 113),     slot(73, 113, 73, 146),        slot(113, 113, 146, 113),
            slot(0, 146, 33, 146),       slot(146, 153, 146, 186),      slot(73, 186, 106, 186)};
}

constexpr int TRAY_SELECTED = 3;

std::vector<Slot> trayInPlay()
{
    const int stones[12][2] = {{6, 2}, {0, 4}, {-1, -1}, {5, 5}, {1, 6}, {2, 4},
                               {4, 4}, {-1, -1}, {0, 3}, {2, 5}, {6, 6}, {1, 0}};
    std::vector<Slot> tray;
    for (int t = 0; t < 12; ++t) {
        const int x = (t % 2) * 73;
        const int y = (t / 2) * 40;
        tray.push_back(slot(x, y, x + 33, y, stones[t][0], stones[t][1]));
    }
    return tray;
}

// An empty half: the ground shows through, framed by a dotted line whose
// dots follow the picture's own checkerboard, as on the board view.
void drawEmptyHalf(Image& picture, int left, int top)
{
    for (int y = top; y < top + MINI_CELL; ++y)
        for (int x = left; x < left + MINI_CELL; ++x) {
            const bool border = x == left || y == top || x == left + MINI_CELL - 1 || y == top + MINI_CELL - 1;
            if (border)
                picture.at(x, y) = (x + y) % 2 == 0 ? WHITE : BLACK;
        }
}

void drawStoneHalf(Image& picture, int left, int top, int pips, bool selected)
{
    fillRect(picture, left, top, MINI_CELL, MINI_CELL, BLACK);
    blit(picture, left + 1, top + 1,
         resampleByArea(drawFace(TILESET_DOMINOES, pips, selected), MINI_FACE, MINI_FACE));
}

void drawSlots(Image& picture, int originX, int originY, const std::vector<Slot>& slots, int selected)
{
    for (int s = 0; s < static_cast<int>(slots.size()); ++s)
        for (const Half& half : {slots[s].first, slots[s].second}) {
            const int left = originX + miniature(half.x);
            const int top = originY + miniature(half.y);
            if (half.pips < 0)
                drawEmptyHalf(picture, left, top);
            else
                drawStoneHalf(picture, left, top, half.pips, s == selected);
        }
}

// Blue ramp for the ground, then greys for the stones and the dotted frames.
std::vector<Rgb> aboutPalette(const std::vector<Rgb>& texturePalette)
{
    std::vector<Rgb> palette;
    for (int i = 0; i < 192; ++i)
        palette.push_back(texturePalette[i * 255 / 191]);
    for (int i = 0; i < 60; ++i) {
        const auto level = static_cast<uint8_t>(i * 255 / 59);
        palette.push_back({level, level, level});
    }
    for (uint8_t level : {224, 128, 90, 160})
        palette.push_back({level, level, level});
    return palette;
}

}  // namespace

IndexedImage drawAboutPicture()
{
    const IndexedImage texture = drawTexture();
    const Image ground = toRgb(texture);
    Image picture(ABOUT_WIDTH, ABOUT_HEIGHT);
    for (int y = 0; y < ABOUT_HEIGHT; y += TEXTURE_SIZE)
        for (int x = 0; x < ABOUT_WIDTH; x += TEXTURE_SIZE)
            blit(picture, x, y, ground);

    // The same proportions as the board view: margin, board, double
    // margin, tray, margin; each area centred vertically.
    const int boardSize = miniature(186) + MINI_CELL;
    const int trayWidth = miniature(73 + 33) + MINI_CELL;
    const int trayHeight = miniature(5 * 40) + MINI_CELL;
    const int margin = (ABOUT_WIDTH - boardSize - trayWidth) / 4;
    drawSlots(picture, margin, (ABOUT_HEIGHT - boardSize) / 2, boardInPlay(), -1);
    drawSlots(picture, 3 * margin + boardSize, (ABOUT_HEIGHT - trayHeight) / 2, trayInPlay(), TRAY_SELECTED);
    return quantise(picture, aboutPalette(texture.palette));
}
