// BMP, ICO and PNG encoders. All integers in these formats are little-endian
// except PNG's, which are big-endian.
#include "formats.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>

namespace {

constexpr uint32_t FILE_HEADER_SIZE = 14;
constexpr uint32_t INFO_HEADER_SIZE = 40;

void put16(Bytes& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(Bytes& out, uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void put32BigEndian(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// Bitmap rows are padded to a multiple of 4 bytes.
uint32_t rowBytes(int width, int bitsPerPixel)
{
    return (static_cast<uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

void putInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, uint32_t imageSize, uint32_t coloursUsed)
{
    put32(out, INFO_HEADER_SIZE);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));   // positive: bottom-up
    put16(out, 1);                                // planes
    put16(out, static_cast<uint32_t>(bitsPerPixel));
    put32(out, 0);                                // BI_RGB, uncompressed
    put32(out, imageSize);
    put32(out, 2835);                             // 72 dots per inch
    put32(out, 2835);
    put32(out, coloursUsed);
    put32(out, 0);                                // all colours important
}

void putPalette(Bytes& out, const std::vector<Rgb>& palette, size_t entries)
{
    for (size_t i = 0; i < entries; ++i) {
        const Rgb c = i < palette.size() ? palette[i] : BLACK;
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
}

void putFileHeader(Bytes& out, uint32_t fileSize, uint32_t pixelOffset)
{
    out.push_back('B');
    out.push_back('M');
    put32(out, fileSize);
    put32(out, 0);
    put32(out, pixelOffset);
}

// Packs one row of palette indices at 4 or 8 bits per pixel, padded.
void putIndexRow(Bytes& out, const IndexedImage& image, int y, int bitsPerPixel)
{
    Bytes row(rowBytes(image.width, bitsPerPixel), 0);
    for (int x = 0; x < image.width; ++x) {
        if (bitsPerPixel == 8)
            row[x] = image.at(x, y);
        else
            row[x / 2] |= static_cast<uint8_t>((image.at(x, y) & 0x0F) << (x % 2 == 0 ? 4 : 0));
    }
    out.insert(out.end(), row.begin(), row.end());
}

void putMaskRow(Bytes& out, const IconImage& icon, int y)
{
    const int width = icon.colours.width;
    Bytes row(rowBytes(width, 1), 0);
    for (int x = 0; x < width; ++x)
        if (icon.transparent[static_cast<size_t>(y) * width + x])
            row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
}

}  // namespace

Bytes encodeBmp(const Image& image)
{
    const uint32_t stride = rowBytes(image.width, 24);
    const uint32_t imageSize = stride * image.height;
    const uint32_t offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE;
    Bytes out;
    putFileHeader(out, offset + imageSize, offset);
    putInfoHeader(out, image.width, image.height, 24, imageSize, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            row[x * 3] = c.b;
            row[x * 3 + 1] = c.g;
            row[x * 3 + 2] = c.r;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

Bytes encodeBmp(const IndexedImage& image)
{
    const uint32_t imageSize = rowBytes(image.width, 8) * image.height;
    const uint32_t offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + 256 * 4;
    Bytes out;
    putFileHeader(out, offset + imageSize, offset);
    putInfoHeader(out, image.width, image.height, 8, imageSize, 256);
    putPalette(out, image.palette, 256);
    for (int y = image.height - 1; y >= 0; --y)
        putIndexRow(out, image, y, 8);
    return out;
}

Bytes encodeIcon(const std::vector<IconImage>& images)
{
    std::vector<Bytes> bodies;
    for (const IconImage& icon : images) {
        const IndexedImage& colours = icon.colours;
        const uint32_t imageSize = (rowBytes(colours.width, icon.bitsPerPixel) + rowBytes(colours.width, 1))
                                 * colours.height;
        Bytes body;
        putInfoHeader(body, colours.width, colours.height * 2, icon.bitsPerPixel, imageSize, 0);
        putPalette(body, colours.palette, size_t{1} << icon.bitsPerPixel);
        for (int y = colours.height - 1; y >= 0; --y)
            putIndexRow(body, colours, y, icon.bitsPerPixel);
        for (int y = colours.height - 1; y >= 0; --y)
            putMaskRow(body, icon, y);
        bodies.push_back(std::move(body));
    }

    Bytes out;
    put16(out, 0);   // reserved
    put16(out, 1);   // type: icon
    put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const IconImage& icon = images[i];
        out.push_back(static_cast<uint8_t>(icon.colours.width));    // 256 would be written as 0
        out.push_back(static_cast<uint8_t>(icon.colours.height));
        out.push_back(icon.bitsPerPixel < 8 ? static_cast<uint8_t>(1 << icon.bitsPerPixel) : 0);
        out.push_back(0);   // reserved
        put16(out, 1);      // planes
        put16(out, static_cast<uint32_t>(icon.bitsPerPixel));
        put32(out, static_cast<uint32_t>(bodies[i].size()));
        put32(out, offset);
        offset += static_cast<uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}

uint32_t crc32(const uint8_t* data, size_t size)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

uint32_t adler32(const uint8_t* data, size_t size)
{
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

namespace {

void putChunk(Bytes& out, const char type[4], const Bytes& data)
{
    put32BigEndian(out, static_cast<uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    put32BigEndian(out, crc32(typed.data(), typed.size()));
}

// A zlib stream of stored deflate blocks: no compression, just framing.
Bytes storedZlib(const Bytes& raw)
{
    constexpr size_t MAX_BLOCK = 65535;
    Bytes out{0x78, 0x01};
    size_t done = 0;
    do {
        const size_t length = std::min(MAX_BLOCK, raw.size() - done);
        const bool last = done + length == raw.size();
        out.push_back(last ? 1 : 0);
        put16(out, static_cast<uint32_t>(length));
        put16(out, static_cast<uint32_t>(~length & 0xFFFF));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(done),
                   raw.begin() + static_cast<std::ptrdiff_t>(done + length));
        done += length;
    } while (done < raw.size());
    put32BigEndian(out, adler32(raw.data(), raw.size()));
    return out;
}

}  // namespace

Bytes encodePng(const Image& image)
{
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    put32BigEndian(header, static_cast<uint32_t>(image.width));
    put32BigEndian(header, static_cast<uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});   // 8-bit RGB, no interlace
    putChunk(out, "IHDR", header);

    Bytes raw;
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);   // filter: none
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            raw.insert(raw.end(), {c.r, c.g, c.b});
        }
    }
    putChunk(out, "IDAT", storedZlib(raw));
    putChunk(out, "IEND", {});
    return out;
}

// The last bytes reach the disk only when the file is closed, so a full disk
// may show only then; a file that was not written whole is removed.
bool writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (file)
        return true;
    std::remove(path.c_str());
    return false;
}
