// The written files: bitmap and icon headers as the resource compiler and
// the platform read them, the review PNG, the bytes of every picture as they
// were reviewed, and a write that runs out of space.
#include "artwork.h"
#include "formats.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

uint32_t read16(const Bytes& b, size_t at)
{
    return b[at] | b[at + 1] << 8;
}

uint32_t read32(const Bytes& b, size_t at)
{
    return read16(b, at) | read16(b, at + 2) << 16;
}

uint32_t read32BigEndian(const Bytes& b, size_t at)
{
    return static_cast<uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

struct BmpExpectation {
    int width;
    int height;
    int bitsPerPixel;
    uint32_t pixelOffset;
    uint32_t stride;
};

void expectBmpHeaders(const Bytes& file, const BmpExpectation& e)
{
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(read32(file, 2), file.size());
    EXPECT_EQ(read32(file, 10), e.pixelOffset);
    EXPECT_EQ(read32(file, 14), 40u);
    EXPECT_EQ(read32(file, 18), static_cast<uint32_t>(e.width));
    EXPECT_EQ(read32(file, 22), static_cast<uint32_t>(e.height));   // positive: bottom-up
    EXPECT_EQ(read16(file, 26), 1u);
    EXPECT_EQ(read16(file, 28), static_cast<uint32_t>(e.bitsPerPixel));
    EXPECT_EQ(read32(file, 30), 0u);   // uncompressed
    EXPECT_EQ(file.size(), e.pixelOffset + e.stride * e.height);
}

TEST(BmpFiles, TileSheetIs24BitBottomUpWithPaddedRows)
{
    const Image sheet = drawTileSheet();
    const Bytes file = encodeBmp(sheet);
    expectBmpHeaders(file, {217, 221, 24, 54, 652});
    EXPECT_EQ(file.size(), 144146u);
    // The first stored row is the sheet's bottom row, in blue-green-red order.
    const Rgb bottomLeft = sheet.at(0, 220);
    EXPECT_EQ(file[54], bottomLeft.b);
    EXPECT_EQ(file[55], bottomLeft.g);
    EXPECT_EQ(file[56], bottomLeft.r);
    EXPECT_EQ(file[54 + 651], 0);   // row padding
    // The last stored row is the top row: the frame cell's black corner,
    // then at x 35 the first mask's white corner.
    const size_t topRow = 54 + 652 * 220;
    EXPECT_EQ(file[topRow], 0);
    EXPECT_EQ(file[topRow + 35 * 3], 255);
}

TEST(BmpFiles, PaletteBitmapsCarry256ColoursAndBottomUpIndices)
{
    const IndexedImage texture = drawTexture();
    const Bytes textureFile = encodeBmp(texture);
    expectBmpHeaders(textureFile, {128, 128, 8, 54 + 1024, 128});
    EXPECT_EQ(read32(textureFile, 46), 256u);   // colours used
    const Rgb first = texture.palette[0];
    EXPECT_EQ(textureFile[54], first.b);
    EXPECT_EQ(textureFile[55], first.g);
    EXPECT_EQ(textureFile[56], first.r);
    EXPECT_EQ(textureFile[1078], texture.at(0, 127));
    EXPECT_EQ(textureFile[1078 + 128 * 127 + 5], texture.at(5, 0));

    const IndexedImage about = drawAboutPicture();
    ASSERT_LE(about.palette.size(), 256u);
    const Bytes aboutFile = encodeBmp(about);
    expectBmpHeaders(aboutFile, {182, 123, 8, 1078, 184});
    EXPECT_EQ(aboutFile[1078 + 1], about.at(1, 122));
    EXPECT_EQ(aboutFile[1078 + 182], 0);   // row padding
}

TEST(IconFile, DirectoryDescribesA16ColourAndA256ColourImage)
{
    const Bytes file = encodeIcon({drawSmallIcon(), drawLargeIcon()});
    EXPECT_EQ(read16(file, 0), 0u);
    EXPECT_EQ(read16(file, 2), 1u);
    EXPECT_EQ(read16(file, 4), 2u);

    const struct {
        int size;
        int colourCount;
        int bitsPerPixel;
        uint32_t bytes;
    } expected[] = {
        // header + 16 colours + 16 rows of 8 bytes + mask rows of 4 bytes
        {16, 16, 4, 40 + 64 + 16 * 8 + 16 * 4},
        // header + 256 colours + 32 rows of 32 bytes + mask rows of 4 bytes
        {32, 0, 8, 40 + 1024 + 32 * 32 + 32 * 4},
    };
    uint32_t offset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        const size_t entry = 6 + 16 * i;
        SCOPED_TRACE(i);
        EXPECT_EQ(file[entry], expected[i].size);
        EXPECT_EQ(file[entry + 1], expected[i].size);
        EXPECT_EQ(file[entry + 2], expected[i].colourCount);
        EXPECT_EQ(file[entry + 3], 0);
        EXPECT_EQ(read16(file, entry + 4), 1u);
        EXPECT_EQ(read16(file, entry + 6), static_cast<uint32_t>(expected[i].bitsPerPixel));
        EXPECT_EQ(read32(file, entry + 8), expected[i].bytes);
        EXPECT_EQ(read32(file, entry + 12), offset);
        // The image's own header: twice the height for colour plus mask.
        EXPECT_EQ(read32(file, offset), 40u);
        EXPECT_EQ(read32(file, offset + 4), static_cast<uint32_t>(expected[i].size));
        EXPECT_EQ(read32(file, offset + 8), static_cast<uint32_t>(2 * expected[i].size));
        EXPECT_EQ(read16(file, offset + 14), static_cast<uint32_t>(expected[i].bitsPerPixel));
        offset += expected[i].bytes;
    }
    EXPECT_EQ(file.size(), offset);

    // The small icon's top-left pixel is transparent: the top row is stored
    // last, so its AND-mask bit is the high bit of the image's last mask row.
    const size_t smallMaskTopRow = 6 + 32 + 296 - 4;
    EXPECT_EQ(file[smallMaskTopRow] & 0x80, 0x80);
    // The middle of the stone is opaque.
    const size_t smallMaskMiddleRow = 6 + 32 + 40 + 64 + 128 + 8 * 4;
    EXPECT_EQ(file[smallMaskMiddleRow] & 0x01, 0);   // x 7 of row 7
}

// Where the AND mask makes a pixel transparent, the colour must be black, or
// the XOR step would tint whatever lies behind the icon.
TEST(IconFile, TransparentPixelsAreBlackAndDominoIsOpaque)
{
    for (const IconImage& icon : {drawSmallIcon(), drawLargeIcon()}) {
        const int size = icon.colours.width;
        SCOPED_TRACE(size);
        ASSERT_LE(icon.colours.palette.size(), size_t{1} << icon.bitsPerPixel);
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                if (icon.transparent[y * size + x])
                    ASSERT_EQ(icon.colours.colourAt(x, y), BLACK) << x << "," << y;
                else
                    ++opaque;
            }
        EXPECT_TRUE(icon.transparent[0]);
        EXPECT_FALSE(icon.transparent[(size / 2) * size + size / 2]);
        EXPECT_GT(opaque, size * size / 4);
        EXPECT_LT(opaque, size * size * 3 / 4);
    }
}

TEST(PngFile, ChecksumsMatchKnownValues)
{
    const char* digits = "123456789";
    EXPECT_EQ(crc32(reinterpret_cast<const uint8_t*>(digits), 9), 0xCBF43926u);
    const char* word = "Wikipedia";
    EXPECT_EQ(adler32(reinterpret_cast<const uint8_t*>(word), 9), 0x11E60398u);
}

// Walks the chunks, checks every CRC, and unpacks the stored deflate blocks
// of the image data back into scanlines.
TEST(PngFile, StoredBlocksCarryTheScanlines)
{
    // 200 x 120 RGB is 72,120 bytes of scanlines: more than one stored block.
    Image image(200, 120, Rgb{10, 20, 30});
    image.at(199, 119) = Rgb{1, 2, 3};
    const Bytes file = encodePng(image);
    const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_EQ(std::memcmp(file.data(), signature, 8), 0);

    Bytes zlib;
    std::vector<std::string> chunkTypes;
    for (size_t at = 8; at < file.size();) {
        const uint32_t length = read32BigEndian(file, at);
        chunkTypes.emplace_back(reinterpret_cast<const char*>(&file[at + 4]), 4);
        EXPECT_EQ(read32BigEndian(file, at + 8 + length), crc32(&file[at + 4], length + 4)) << chunkTypes.back();
        if (chunkTypes.back() == "IHDR") {
            EXPECT_EQ(read32BigEndian(file, at + 8), 200u);
            EXPECT_EQ(read32BigEndian(file, at + 12), 120u);
            EXPECT_EQ(file[at + 16], 8);   // bit depth
            EXPECT_EQ(file[at + 17], 2);   // RGB
        }
        if (chunkTypes.back() == "IDAT")
            zlib.insert(zlib.end(), file.begin() + at + 8, file.begin() + at + 8 + length);
        at += 12 + length;
    }
    EXPECT_EQ(chunkTypes, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

    ASSERT_GE(zlib.size(), 6u);
    EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0);
    Bytes raw;
    size_t at = 2;
    int blocks = 0;
    for (bool last = false; !last; ++blocks) {
        last = zlib[at] & 1;
        const uint32_t length = read16(zlib, at + 1);
        EXPECT_EQ(read16(zlib, at + 3), ~length & 0xFFFF);
        raw.insert(raw.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + length);
        at += 5 + length;
    }
    EXPECT_EQ(blocks, 2);
    ASSERT_EQ(raw.size(), 120u * (1 + 600));
    EXPECT_EQ(read32BigEndian(zlib, at), adler32(raw.data(), raw.size()));
    EXPECT_EQ(raw[0], 0);                       // filter type of the first line
    EXPECT_EQ(raw[1], 10);
    EXPECT_EQ(raw[raw.size() - 3], 1);          // the last pixel
    EXPECT_EQ(raw[raw.size() - 1], 3);
}

// FNV-1a, 64 bits: a digest that owes nothing to the encoders under test.
uint64_t digestOf(const Bytes& bytes)
{
    uint64_t digest = 14695981039346656037ull;
    for (uint8_t byte : bytes)
        digest = (digest ^ byte) * 1099511628211ull;
    return digest;
}

// The digests of the pictures as they were drawn and looked at. A change to
// the drawing shows here; look at the new contact sheet before writing down
// its digests.
TEST(Artwork, BytesAreThoseThatWereReviewed)
{
    const struct {
        const char* file;
        Bytes bytes;
        size_t size;
        uint64_t digest;
    } files[] = {
        {"texture.bmp", encodeBmp(drawTexture()), 17462, 0x4004893025cdeed2},
        {"tiles.bmp", encodeBmp(drawTileSheet()), 144146, 0x56c3411d6c8f391e},
        {"about.bmp", encodeBmp(drawAboutPicture()), 23710, 0x9bc17c2d555b22a8},
        {"program.ico", encodeIcon({drawSmallIcon(), drawLargeIcon()}), 2550, 0x84489e3e4d9c5692},
        {"artwork.png", encodePng(drawContactSheet()), 2754676, 0xa02d9137b38a4b82},
    };
    for (const auto& f : files) {
        EXPECT_EQ(f.bytes.size(), f.size) << f.file;
        EXPECT_EQ(digestOf(f.bytes), f.digest) << f.file;
    }
}

// A file-size limit stands in for a full disk: the write fails, and no cut-off
// file is left for the resource compiler to take. A short file fails only when
// it is closed, a long one already while it is written.
TEST(WriteFile, FailsAndLeavesNothingWhenTheDiskIsFull)
{
    char folder[] = "/tmp/artgen_test_XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::string path = std::string(folder) + "/tiles.bmp";
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    bool results[2];
    bool leftBehind[2];
    const size_t sizes[2] = {2000, 200000};
    for (int i = 0; i < 2; ++i) {
        results[i] = writeFile(path, Bytes(sizes[i], 0x5A));
        leftBehind[i] = access(path.c_str(), F_OK) == 0;
        std::remove(path.c_str());
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(results[i]) << sizes[i] << " bytes";
        EXPECT_FALSE(leftBehind[i]) << sizes[i] << " bytes";
    }
    EXPECT_TRUE(writeFile(path, Bytes(2000, 0x5A))) << "without the limit";
    std::remove(path.c_str());
    rmdir(folder);
}

}  // namespace
