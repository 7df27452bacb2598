// Encoding and decoding of the saved-game image. Every integer is written and
// read byte by byte, so the layout is the same on any host.
#include "persist/save_image.h"

#include <algorithm>

const std::array<uint8_t, SAVE_MAGIC_SIZE> SaveFileMagic = {
    'd', 'o', 'm', 'i', 'n', 'o', 'z', 'a', 'r', 'v', 'e', 'k', 0x00, 0x01,
};

namespace {

constexpr std::size_t STONE_RECORD_SIZE = 18;

static_assert(SAVE_BOARD_OFFSET == SAVE_MAGIC_SIZE);
static_assert(SAVE_TRAY_OFFSET == SAVE_BOARD_OFFSET + BOARD_SLOTS * STONE_RECORD_SIZE);
static_assert(SAVE_FIXED_SLOT_OFFSET == SAVE_TRAY_OFFSET + PLAY_TRAY_SLOTS * STONE_RECORD_SIZE);
static_assert(SAVE_FILE_SIZE == SAVE_FIXED_SLOT_OFFSET + 4);

// Writers and readers advance `at` through the image.
void putByte(SaveImage& image, std::size_t& at, uint8_t b)
{
    image[at++] = b;
}

void putInt32(SaveImage& image, std::size_t& at, int32_t v)
{
    const uint32_t u = static_cast<uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8)
        putByte(image, at, static_cast<uint8_t>(u >> shift));
}

void putHalf(SaveImage& image, std::size_t& at, const StoneHalf& h)
{
    putInt32(image, at, h.x);
    putInt32(image, at, h.y);
    putByte(image, at, h.value);
}

void putStone(SaveImage& image, std::size_t& at, const Stone& s)
{
    putHalf(image, at, s.first);
    putHalf(image, at, s.second);
}

uint8_t takeByte(const uint8_t* bytes, std::size_t& at)
{
    return bytes[at++];
}

int32_t takeInt32(const uint8_t* bytes, std::size_t& at)
{
    uint32_t u = 0;
    for (int shift = 0; shift < 32; shift += 8)
        u |= static_cast<uint32_t>(takeByte(bytes, at)) << shift;
    return static_cast<int32_t>(u);
}

StoneHalf takeHalf(const uint8_t* bytes, std::size_t& at)
{
    StoneHalf h;
    h.x = takeInt32(bytes, at);
    h.y = takeInt32(bytes, at);
    h.value = takeByte(bytes, at);
    return h;
}

Stone takeStone(const uint8_t* bytes, std::size_t& at)
{
    Stone s;
    s.first = takeHalf(bytes, at);
    s.second = takeHalf(bytes, at);
    return s;
}

}  // namespace

SaveImage encodeSavedGame(const SavedGame& game)
{
    SaveImage image{};
    std::size_t at = 0;
    for (uint8_t b : SaveFileMagic)
        putByte(image, at, b);
    for (const Stone& s : game.board)
        putStone(image, at, s);
    for (const Stone& s : game.tray)
        putStone(image, at, s);
    putInt32(image, at, game.fixedSlot);
    return image;
}

bool decodeSavedGame(const uint8_t* bytes, std::size_t size, SavedGame& out)
{
    if (size < SAVE_FILE_SIZE || !std::equal(SaveFileMagic.begin(), SaveFileMagic.end(), bytes))
        return false;
    SavedGame game;
    std::size_t at = SAVE_BOARD_OFFSET;
    for (Stone& s : game.board)
        s = takeStone(bytes, at);
    for (Stone& s : game.tray)
        s = takeStone(bytes, at);
    game.fixedSlot = takeInt32(bytes, at);
    out = game;
    return true;
}

SavedGame capturedGame()
{
    SavedGame game;
    game.board = board;
    std::copy_n(tray.begin(), PLAY_TRAY_SLOTS, game.tray.begin());
    game.fixedSlot = fixedSlot;
    return game;
}

void restoreGame(const SavedGame& game)
{
    board = game.board;
    std::copy(game.tray.begin(), game.tray.end(), tray.begin());
    fixedSlot = game.fixedSlot;
}
