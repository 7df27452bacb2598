// File encoders for the artwork: device-independent bitmaps (.bmp), icons
// (.ico) and, for the review sheet, PNG with uncompressed deflate blocks.
#pragma once

#include "image.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Uncompressed, bottom-up bitmaps with a 40-byte BITMAPINFOHEADER.
Bytes encodeBmp(const Image& image);          // 24 bits per pixel
Bytes encodeBmp(const IndexedImage& image);   // 8 bits per pixel, palette padded to 256

// An icon file with one directory entry per image; each image is a
// BITMAPINFOHEADER of twice its height, its palette, the colour bitmap and
// the 1-bit AND mask.
Bytes encodeIcon(const std::vector<IconImage>& images);

Bytes encodePng(const Image& image);   // 8-bit RGB

uint32_t crc32(const uint8_t* data, size_t size);
uint32_t adler32(const uint8_t* data, size_t size);

// Writes bytes to path. False when the file could not be written whole, and
// then no file is left behind.
bool writeFile(const std::string& path, const Bytes& bytes);
