// Pixel buffers and the small drawing kit the artwork is made with: flat
// fills, copies, a fixed-seed random source, colour quantisation and
// anti-aliased strokes built up in a coverage mask.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb BLACK{0, 0, 0};
constexpr Rgb WHITE{255, 255, 255};

// A true-colour picture, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Image() = default;
    Image(int w, int h, Rgb fill = BLACK);
    Rgb& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A palette picture, top row first. The palette holds at most 256 colours.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<uint8_t> indices;

    IndexedImage() = default;
    IndexedImage(int w, int h, std::vector<Rgb> colours);
    uint8_t& at(int x, int y) { return indices[static_cast<size_t>(y) * width + x]; }
    uint8_t at(int x, int y) const { return indices[static_cast<size_t>(y) * width + x]; }
    Rgb colourAt(int x, int y) const { return palette[at(x, y)]; }
};

// One image of an icon: the colours and, per pixel, whether it is
// transparent (a set bit in the icon's AND mask).
struct IconImage {
    IndexedImage colours;
    std::vector<uint8_t> transparent;
    int bitsPerPixel = 8;
};

void fillRect(Image& image, int x, int y, int w, int h, Rgb colour);
// Copies all of source to (x, y) of target, clipped to the target.
void blit(Image& target, int x, int y, const Image& source);
// Copies source scaled up by an integer factor (nearest neighbour).
void blitEnlarged(Image& target, int x, int y, const Image& source, int factor);
// Scales down by averaging the source area under each target pixel.
Image resampleByArea(const Image& source, int w, int h);
Rgb mix(Rgb from, Rgb to, double amount);

Image toRgb(const IndexedImage& image);
int nearestColour(const std::vector<Rgb>& palette, Rgb colour);
IndexedImage quantise(const Image& image, const std::vector<Rgb>& palette);

// The 16 colours of the standard VGA palette.
std::vector<Rgb> vgaPalette();

// A small xorshift generator: the artwork must come out byte for byte the
// same on every run, so nothing is seeded from the clock.
struct Random {
    uint32_t state;
    explicit Random(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
    uint32_t next();
    double unit();   // in [0, 1)
    double signedUnit() { return unit() * 2.0 - 1.0; }   // in [-1, 1)
};

// Smooth noise that wraps around: `cells` lattice points per side, so a
// sample at u and at u + 1 is the same. Values lie in [-1, 1].
struct PeriodicNoise {
    int cells = 1;
    std::vector<double> lattice;

    PeriodicNoise(int cellsPerSide, Random& random);
    double sample(double u, double v) const;   // u, v in lattice units
};

struct Point {
    double x;
    double y;
};

// How much ink each pixel holds, 0..1. Shapes are added by union, so
// overlapping strokes never darken twice. Pixel (x, y) has its centre at
// (x + 0.5, y + 0.5).
struct Coverage {
    int width = 0;
    int height = 0;
    std::vector<double> ink;

    Coverage(int w, int h);
    double at(int x, int y) const { return ink[static_cast<size_t>(y) * width + x]; }
};

// A straight piece whose width changes linearly from one end to the other,
// with round ends; the edge is soft over one pixel.
void addSegment(Coverage& mask, Point from, double fromWidth, Point to, double toWidth);
void addPolyline(Coverage& mask, const std::vector<Point>& points, double width, bool closed);

// A brush stroke: a cubic curve through p0..p3 whose width runs from
// startWidth to endWidth, so a stroke can start pressed and lift off.
struct BrushStroke {
    Point p0, p1, p2, p3;
    double startWidth;
    double endWidth;
};
void addBrushStroke(Coverage& mask, const BrushStroke& stroke);

// Lays ink of the given colour over the image, as much as the mask holds.
void paintInk(Image& image, const Coverage& mask, Rgb colour);
