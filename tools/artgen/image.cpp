// Pixel buffers, colour helpers and anti-aliased stroke drawing.
#include "image.h"

#include <algorithm>
#include <cmath>

Image::Image(int w, int h, Rgb fill)
    : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill)
{
}

IndexedImage::IndexedImage(int w, int h, std::vector<Rgb> colours)
    : width(w), height(h), palette(std::move(colours)), indices(static_cast<size_t>(w) * h, 0)
{
}

void fillRect(Image& image, int x, int y, int w, int h, Rgb colour)
{
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + w, image.width);
    const int bottom = std::min(y + h, image.height);
    for (int py = top; py < bottom; ++py)
        for (int px = left; px < right; ++px)
            image.at(px, py) = colour;
}

void blit(Image& target, int x, int y, const Image& source)
{
    blitEnlarged(target, x, y, source, 1);
}

void blitEnlarged(Image& target, int x, int y, const Image& source, int factor)
{
    for (int sy = 0; sy < source.height * factor; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= target.height)
            continue;
        for (int sx = 0; sx < source.width * factor; ++sx) {
            const int tx = x + sx;
            if (tx >= 0 && tx < target.width)
                target.at(tx, ty) = source.at(sx / factor, sy / factor);
        }
    }
}

namespace {

// The length of [a, a + 1) that lies within [from, to).
double overlap(double a, double from, double to)
{
    return std::max(0.0, std::min(a + 1.0, to) - std::max(a, from));
}

uint8_t toChannel(double value)
{
    return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

Image resampleByArea(const Image& source, int w, int h)
{
    Image result(w, h);
    const double scaleX = static_cast<double>(source.width) / w;
    const double scaleY = static_cast<double>(source.height) / h;
    for (int y = 0; y < h; ++y) {
        const double top = y * scaleY;
        const double bottom = top + scaleY;
        for (int x = 0; x < w; ++x) {
            const double left = x * scaleX;
            const double right = left + scaleX;
            double r = 0, g = 0, b = 0, total = 0;
            for (int sy = static_cast<int>(top); sy < source.height && sy < bottom; ++sy) {
                const double wy = overlap(sy, top, bottom);
                for (int sx = static_cast<int>(left); sx < source.width && sx < right; ++sx) {
                    const double weight = wy * overlap(sx, left, right);
                    const Rgb c = source.at(sx, sy);
                    r += c.r * weight;
                    g += c.g * weight;
                    b += c.b * weight;
                    total += weight;
                }
            }
            result.at(x, y) = Rgb{toChannel(r / total), toChannel(g / total), toChannel(b / total)};
        }
    }
    return result;
}

Rgb mix(Rgb from, Rgb to, double amount)
{
    return Rgb{toChannel(from.r + (to.r - from.r) * amount),
               toChannel(from.g + (to.g - from.g) * amount),
               toChannel(from.b + (to.b - from.b) * amount)};
}

Image toRgb(const IndexedImage& image)
{
    Image result(image.width, image.height);
    for (size_t i = 0; i < image.indices.size(); ++i)
        result.pixels[i] = image.palette[image.indices[i]];
    return result;
}

int nearestColour(const std::vector<Rgb>& palette, Rgb colour)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const int dr = palette[i].r - colour.r;
        const int dg = palette[i].g - colour.g;
        const int db = palette[i].b - colour.b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {   // ties keep the lower index
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

IndexedImage quantise(const Image& image, const std::vector<Rgb>& palette)
{
    IndexedImage result(image.width, image.height, palette);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        result.indices[i] = static_cast<uint8_t>(nearestColour(palette, image.pixels[i]));
    return result;
}

std::vector<Rgb> vgaPalette()
{
    return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
            {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
            {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
            {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}

uint32_t Random::next()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

double Random::unit()
{
    return (next() >> 8) / 16777216.0;
}

PeriodicNoise::PeriodicNoise(int cellsPerSide, Random& random)
    : cells(cellsPerSide), lattice(static_cast<size_t>(cellsPerSide) * cellsPerSide)
{
    for (double& value : lattice)
        value = random.signedUnit();
}

double PeriodicNoise::sample(double u, double v) const
{
    const auto wrap = [this](int i) { return ((i % cells) + cells) % cells; };
    const auto fade = [](double t) { return t * t * (3.0 - 2.0 * t); };
    const int i = static_cast<int>(std::floor(u));
    const int j = static_cast<int>(std::floor(v));
    const double fu = fade(u - i);
    const double fv = fade(v - j);
    const auto value = [&](int a, int b) {
        return lattice[static_cast<size_t>(wrap(b)) * cells + wrap(a)];
    };
    const double top = value(i, j) + (value(i + 1, j) - value(i, j)) * fu;
    const double bottom = value(i, j + 1) + (value(i + 1, j + 1) - value(i, j + 1)) * fu;
    return top + (bottom - top) * fv;
}

Coverage::Coverage(int w, int h) : width(w), height(h), ink(static_cast<size_t>(w) * h, 0.0)
{
}

void addSegment(Coverage& mask, Point from, double fromWidth, Point to, double toWidth)
{
    const double reach = std::max(fromWidth, toWidth) / 2 + 1;
    const int left = std::max(0, static_cast<int>(std::floor(std::min(from.x, to.x) - reach)));
    const int top = std::max(0, static_cast<int>(std::floor(std::min(from.y, to.y) - reach)));
    const int right = std::min(mask.width - 1, static_cast<int>(std::ceil(std::max(from.x, to.x) + reach)));
    const int bottom = std::min(mask.height - 1, static_cast<int>(std::ceil(std::max(from.y, to.y) + reach)));
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double lengthSquared = dx * dx + dy * dy;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const double px = x + 0.5 - from.x;
            const double py = y + 0.5 - from.y;
            const double t = lengthSquared > 0 ? std::clamp((px * dx + py * dy) / lengthSquared, 0.0, 1.0) : 0.0;
            const double distance = std::hypot(px - t * dx, py - t * dy);
            const double radius = (fromWidth + (toWidth - fromWidth) * t) / 2;
            const double covered = std::clamp(radius - distance + 0.5, 0.0, 1.0);
            double& cell = mask.ink[static_cast<size_t>(y) * mask.width + x];
            cell = std::max(cell, covered);
        }
    }
}

void addPolyline(Coverage& mask, const std::vector<Point>& points, double width, bool closed)
{
    for (size_t i = 0; i + 1 < points.size(); ++i)
        addSegment(mask, points[i], width, points[i + 1], width);
    if (closed && points.size() > 2)
        addSegment(mask, points.back(), width, points.front(), width);
}

void addBrushStroke(Coverage& mask, const BrushStroke& stroke)
{
    constexpr int PIECES = 24;
    const auto pointAt = [&stroke](double s) {
        const double a = (1 - s) * (1 - s) * (1 - s);
        const double b = 3 * (1 - s) * (1 - s) * s;
        const double c = 3 * (1 - s) * s * s;
        const double d = s * s * s;
        return Point{a * stroke.p0.x + b * stroke.p1.x + c * stroke.p2.x + d * stroke.p3.x,
                     a * stroke.p0.y + b * stroke.p1.y + c * stroke.p2.y + d * stroke.p3.y};
    };
    const auto widthAt = [&stroke](double s) {
        return stroke.startWidth + (stroke.endWidth - stroke.startWidth) * s;
    };
    for (int i = 0; i < PIECES; ++i) {
        const double s0 = static_cast<double>(i) / PIECES;
        const double s1 = static_cast<double>(i + 1) / PIECES;
        addSegment(mask, pointAt(s0), widthAt(s0), pointAt(s1), widthAt(s1));
    }
}

void paintInk(Image& image, const Coverage& mask, Rgb colour)
{
    for (int y = 0; y < image.height && y < mask.height; ++y)
        for (int x = 0; x < image.width && x < mask.width; ++x)
            if (mask.at(x, y) > 0)
                image.at(x, y) = mix(image.at(x, y), colour, mask.at(x, y));
}
