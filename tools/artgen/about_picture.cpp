// The About picture: a game in progress in miniature, the board figure with
// two stones laid and the tray beside it, on the blue ground.
//
// At full size a half is a 35-pixel cell, the halves of one stone lie 33
// apart and neighbouring stones 40 apart. The miniature keeps that rhythm
// with a 17-pixel cell (1-pixel border, 15-pixel face), halves 16 apart and
// neighbours 19 apart, so borders and dividers stay one crisp pixel wide.
#include "artwork.h"

#include <algorithm>

#include "model/stones.h"

namespace {

constexpr int MINI_CELL = 17;
constexpr int MINI_FACE = 15;
constexpr int MINI_HALF_STEP = 16;
constexpr int MINI_NEIGHBOUR_STEP = 19;

struct Half {
    int x;
    int y;
    int pips;   // -1 = empty
};

struct Slot {
    Half first;
    Half second;
};

// Every position of the board figure and the tray is a sum of half steps
// (33) and neighbour steps (40); replace each step by its miniature.
int miniature(int position)
{
    for (int halfSteps = 0; halfSteps * HALF_STEP <= position; ++halfSteps) {
        const int rest = position - halfSteps * HALF_STEP;
        if (rest % NEIGHBOUR_STEP == 0)
            return rest / NEIGHBOUR_STEP * MINI_NEIGHBOUR_STEP + halfSteps * MINI_HALF_STEP;
    }
    return position / 2;
}

// The slots of the game with the pips that the picture shows (-1: empty).
std::vector<Slot> inPlay(const Stone* slots, const int (*pips)[2], int count)
{
    std::vector<Slot> shown;
    for (int s = 0; s < count; ++s) {
        const Stone& at = slots[s];
        shown.push_back(Slot{{at.first.x, at.first.y, pips[s][0]},
                             {at.second.x, at.second.y, pips[s][1]}});
    }
    return shown;
}

std::vector<Slot> boardInPlay()
{
    const int pips[BOARD_SLOTS][2] = {{3, 5},   {3, 1},   {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
                                      {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}};
    return inPlay(boardFigure.data(), pips, BOARD_SLOTS);
}

constexpr int TRAY_SELECTED = 3;

std::vector<Slot> trayInPlay()
{
    const int pips[PLAY_TRAY_SLOTS][2] = {{6, 2}, {0, 4}, {-1, -1}, {5, 5}, {1, 6}, {2, 4},
                                          {4, 4}, {-1, -1}, {0, 3}, {2, 5}, {6, 6}, {1, 0}};
    Stone layout[PLAY_TRAY_SLOTS];
    for (int t = 0; t < PLAY_TRAY_SLOTS; ++t)
        layout[t] = traySlotLayout(t);
    return inPlay(layout, pips, PLAY_TRAY_SLOTS);
}

// The right or bottom edge of the farthest half's cell, in miniature.
int miniatureExtent(const std::vector<Slot>& slots, int Half::*axis)
{
    int farthest = 0;
    for (const Slot& slot : slots)
        farthest = std::max({farthest, slot.first.*axis, slot.second.*axis});
    return miniature(farthest) + MINI_CELL;
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
    const std::vector<Slot> boardSlots = boardInPlay();
    const std::vector<Slot> traySlots = trayInPlay();
    const int boardSize = std::max(miniatureExtent(boardSlots, &Half::x),
                                   miniatureExtent(boardSlots, &Half::y));
    const int trayWidth = miniatureExtent(traySlots, &Half::x);
    const int trayHeight = miniatureExtent(traySlots, &Half::y);
    const int margin = (ABOUT_WIDTH - boardSize - trayWidth) / 4;
    drawSlots(picture, margin, (ABOUT_HEIGHT - boardSize) / 2, boardSlots, -1);
    drawSlots(picture, 3 * margin + boardSize, (ABOUT_HEIGHT - trayHeight) / 2, traySlots,
              TRAY_SELECTED);
    return quantise(picture, aboutPalette(texture.palette));
}
