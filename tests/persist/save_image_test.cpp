// The saved-game image: layout, round trips, refusal of short or foreign
// files, and what a restore may touch. Also replays the fuzzer's corpus.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/stones.h"
#include "persist/save_image.h"

namespace {

using Bytes = std::vector<uint8_t>;

Stone makeStone(int32_t x1, int32_t y1, uint8_t v1, int32_t x2, int32_t y2, uint8_t v2)
{
    return Stone{{x1, y1, v1}, {x2, y2, v2}};
}

// Every field differs from every other, so a swapped or shifted field shows.
SavedGame sampleGame(int32_t fixed)
{
    SavedGame game{};
    for (int i = 0; i < BOARD_SLOTS; ++i)
        game.board[i] = makeStone(40 * i - 300, -1000 * i - 1, uint8_t(i % 8), 0x10000 + i,
                                  0x7fffff00 + i, uint8_t(7 - i % 8));
    for (int i = 0; i < PLAY_TRAY_SLOTS; ++i)
        game.tray[i] = makeStone(73 * i + 5, 40 * i + 6, uint8_t(i % 7 + 1), -73 * i - 7,
                                 INT32_MIN + i, uint8_t(200 + i));
    game.fixedSlot = fixed;
    return game;
}

// The records are packed, so equal bytes mean equal records.
bool sameGame(const SavedGame& a, const SavedGame& b)
{
    return std::memcmp(a.board.data(), b.board.data(), sizeof a.board) == 0 &&
           std::memcmp(a.tray.data(), b.tray.data(), sizeof a.tray) == 0 &&
           a.fixedSlot == b.fixedSlot;
}

Bytes imageOf(const SavedGame& game)
{
    const SaveImage image = encodeSavedGame(game);
    return Bytes(image.begin(), image.end());
}

Bytes slice(const SaveImage& image, std::size_t offset, std::size_t size)
{
    return Bytes(image.begin() + offset, image.begin() + offset + size);
}

TEST(SaveImage, RoundTripKeepsEveryFixedSlot)
{
    for (int32_t fixed = -1; fixed <= 11; ++fixed) {
        const SavedGame game = sampleGame(fixed);
        const Bytes bytes = imageOf(game);
        SavedGame back{};
        ASSERT_TRUE(decodeSavedGame(bytes.data(), bytes.size(), back)) << "fixedSlot " << fixed;
        EXPECT_TRUE(sameGame(game, back)) << "fixedSlot " << fixed;
    }
}

TEST(SaveImage, StartsWithTheMagic)
{
    const SaveImage image = encodeSavedGame(sampleGame(3));
    EXPECT_EQ(image.size(), 450u);
    EXPECT_EQ(slice(image, 0, 14), (Bytes{'d', 'o', 'm', 'i', 'n', 'o', 'z', 'a', 'r', 'v', 'e',
                                          'k', 0x00, 0x01}));
}

TEST(SaveImage, StoneRecordsArePackedLittleEndian)
{
    SavedGame game = sampleGame(0);
    game.board[0] = makeStone(0x01020304, -2, 7, INT32_MAX, INT32_MIN, 0xff);
    game.board[11] = makeStone(1, 2, 3, 4, 5, 6);
    game.tray[0] = makeStone(0x11223344, 0, 1, 33, 0x100, 0);
    game.tray[11] = makeStone(-1, 0x80, 9, 0, -256, 0x7f);
    const SaveImage image = encodeSavedGame(game);

    const Bytes board0 = {0x04, 0x03, 0x02, 0x01, 0xfe, 0xff, 0xff, 0xff, 0x07,
                          0xff, 0xff, 0xff, 0x7f, 0x00, 0x00, 0x00, 0x80, 0xff};
    const Bytes board11 = {1, 0, 0, 0, 2, 0, 0, 0, 3, 4, 0, 0, 0, 5, 0, 0, 0, 6};
    const Bytes tray0 = {0x44, 0x33, 0x22, 0x11, 0, 0, 0, 0, 1, 33, 0, 0, 0, 0, 1, 0, 0, 0};
    const Bytes tray11 = {0xff, 0xff, 0xff, 0xff, 0x80, 0, 0, 0, 9,
                          0,    0,    0,    0,    0x00, 0xff, 0xff, 0xff, 0x7f};
    EXPECT_EQ(slice(image, 14, 18), board0);
    EXPECT_EQ(slice(image, 212, 18), board11);
    EXPECT_EQ(slice(image, 230, 18), tray0);
    EXPECT_EQ(slice(image, 428, 18), tray11);
}

TEST(SaveImage, FixedSlotIsTheLastFourBytes)
{
    const struct {
        int32_t fixed;
        Bytes bytes;
    } cases[] = {
        {10, {0x0a, 0x00, 0x00, 0x00}},
        {-1, {0xff, 0xff, 0xff, 0xff}},
        {0, {0x00, 0x00, 0x00, 0x00}},
        {0x01020304, {0x04, 0x03, 0x02, 0x01}},
    };
    for (const auto& c : cases) {
        const SaveImage image = encodeSavedGame(sampleGame(c.fixed));
        EXPECT_EQ(slice(image, 446, 4), c.bytes) << "fixedSlot " << c.fixed;
    }
}

// Nothing but the size and the magic is checked: a file not written by the
// program is taken as it stands.
TEST(SaveImage, ForeignContentIsTakenAsItStands)
{
    Bytes bytes(SaveFileMagic.begin(), SaveFileMagic.end());
    bytes.resize(450, 0);
    const Bytes board0 = {0xff, 0xff, 0xff, 0x7f, 0x00, 0x00, 0x00, 0x80, 200,
                          0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0xff};
    std::copy(board0.begin(), board0.end(), bytes.begin() + 14);
    bytes[230 + 8] = 8;
    bytes[446] = 99;
    bytes[449] = 0x80;

    SavedGame game{};
    ASSERT_TRUE(decodeSavedGame(bytes.data(), bytes.size(), game));
    const Stone& s = game.board[0];
    EXPECT_EQ(+s.first.x, INT32_MAX);
    EXPECT_EQ(+s.first.y, INT32_MIN);
    EXPECT_EQ(+s.first.value, 200);
    EXPECT_EQ(+s.second.x, 0);
    EXPECT_EQ(+s.second.y, 1);
    EXPECT_EQ(+s.second.value, 255);
    EXPECT_EQ(+game.tray[0].first.value, 8);
    EXPECT_EQ(game.fixedSlot, int32_t(0x80000063));
}

TEST(SaveImage, ShortImagesAreRefusedAndChangeNothing)
{
    const Bytes bytes = imageOf(sampleGame(5));
    const SavedGame before = sampleGame(-1);
    for (std::size_t size = 0; size < 450; ++size) {
        SavedGame out = before;
        EXPECT_FALSE(decodeSavedGame(bytes.data(), size, out)) << size << " bytes";
        EXPECT_TRUE(sameGame(out, before)) << size << " bytes";
    }
}

TEST(SaveImage, EveryByteOfTheMagicCounts)
{
    const Bytes good = imageOf(sampleGame(5));
    const SavedGame before = sampleGame(-1);
    for (std::size_t i = 0; i < 14; ++i) {
        for (uint8_t flip : {0x01, 0x20, 0x80, 0xff}) {
            Bytes bytes = good;
            bytes[i] ^= flip;
            SavedGame out = before;
            EXPECT_FALSE(decodeSavedGame(bytes.data(), bytes.size(), out))
                << "byte " << i << " ^ " << int(flip);
            EXPECT_TRUE(sameGame(out, before));
        }
    }
    // The last byte of the magic is a version: 2 is not 1.
    Bytes version2 = good;
    version2[13] = 0x02;
    SavedGame out{};
    EXPECT_FALSE(decodeSavedGame(version2.data(), version2.size(), out));
}

TEST(SaveImage, BytesAfterTheImageAreIgnored)
{
    const SavedGame game = sampleGame(10);
    for (std::size_t extra : {1u, 150u}) {
        Bytes bytes = imageOf(game);
        bytes.resize(450 + extra, 0xa5);
        SavedGame back{};
        ASSERT_TRUE(decodeSavedGame(bytes.data(), bytes.size(), back)) << extra;
        EXPECT_TRUE(sameGame(game, back)) << extra;
    }
}

TEST(SaveImage, RestoreTouchesOnlyWhatTheFileHolds)
{
    resetGame();
    selectedSlot = 17;
    solved = true;
    for (int t = PLAY_TRAY_SLOTS; t < TRAY_SLOTS; ++t)
        tray[t] = makeStone(t, t + 1, 3, t + 2, t + 3, 4);
    const Tray trayBefore = tray;

    const SavedGame game = sampleGame(7);
    restoreGame(game);

    EXPECT_TRUE(sameGame(capturedGame(), game));
    EXPECT_EQ(selectedSlot, 17);
    EXPECT_TRUE(solved);
    EXPECT_EQ(std::memcmp(&tray[PLAY_TRAY_SLOTS], &trayBefore[PLAY_TRAY_SLOTS],
                          (TRAY_SLOTS - PLAY_TRAY_SLOTS) * sizeof(Stone)),
              0);
    resetGame();
}

// The fuzzer's seeds and whatever was added to them: each file either decodes
// and encodes back to its first 450 bytes, or is short or foreign.
TEST(SaveImage, FuzzCorpusReplays)
{
    int files = 0;
    int accepted = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DZ_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ++files;
        SavedGame game{};
        const bool ok = decodeSavedGame(bytes.data(), bytes.size(), game);
        const bool wellFormed =
            bytes.size() >= 450 && std::equal(SaveFileMagic.begin(), SaveFileMagic.end(), bytes.begin());
        EXPECT_EQ(ok, wellFormed) << entry.path();
        if (!ok)
            continue;
        ++accepted;
        const SaveImage again = encodeSavedGame(game);
        EXPECT_TRUE(std::equal(again.begin(), again.end(), bytes.begin())) << entry.path();
    }
    EXPECT_GT(files, 0);
    EXPECT_GT(accepted, 0);
}

}  // namespace
