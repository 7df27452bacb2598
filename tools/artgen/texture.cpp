// The background texture: a finely mottled dark blue, tiled over the board
// view. Every noise layer lies on a lattice that wraps around the tile, so
// the right edge runs on into the left and the bottom into the top.
#include "artwork.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Rgb MEAN_BLUE{25, 48, 150};
// The colour change from the darkest to the lightest palette entry.
constexpr double SPREAD_R = 40, SPREAD_G = 62, SPREAD_B = 150;

struct Layer {
    int cells;
    double weight;
};

// Fine layers dominate; the coarse ones only keep the surface from looking
// like plain grain.
constexpr Layer LAYERS[] = {{4, 0.15}, {8, 0.3}, {16, 0.5}, {32, 0.55}, {64, 0.4}, {128, 0.2}};

std::vector<Rgb> blueRamp()
{
    std::vector<Rgb> palette;
    for (int i = 0; i < 256; ++i) {
        const double t = (i - 127.5) / 255.0;
        const auto channel = [t](uint8_t mean, double spread) {
            return static_cast<uint8_t>(std::clamp(std::lround(mean + t * spread), 0L, 255L));
        };
        palette.push_back({channel(MEAN_BLUE.r, SPREAD_R), channel(MEAN_BLUE.g, SPREAD_G),
                           channel(MEAN_BLUE.b, SPREAD_B)});
    }
    return palette;
}

}  // namespace

IndexedImage drawTexture()
{
    Random random(0x0B1E7E77u);
    std::vector<PeriodicNoise> noise;
    for (const Layer& layer : LAYERS)
        noise.emplace_back(layer.cells, random);

    std::vector<double> height(TEXTURE_SIZE * TEXTURE_SIZE);
    for (int y = 0; y < TEXTURE_SIZE; ++y) {
        for (int x = 0; x < TEXTURE_SIZE; ++x) {
            double sum = 0;
            for (size_t i = 0; i < noise.size(); ++i) {
                const double scale = static_cast<double>(LAYERS[i].cells) / TEXTURE_SIZE;
                sum += LAYERS[i].weight * noise[i].sample(x * scale, y * scale);
            }
            height[y * TEXTURE_SIZE + x] = sum;
        }
    }

    // Centre the values on the palette's middle and spread them so that the
    // bulk uses the ramp without clipping much at either end.
    double mean = 0;
    for (double h : height)
        mean += h;
    mean /= height.size();
    double variance = 0;
    for (double h : height)
        variance += (h - mean) * (h - mean);
    const double deviation = std::sqrt(variance / height.size());

    IndexedImage texture(TEXTURE_SIZE, TEXTURE_SIZE, blueRamp());
    for (size_t i = 0; i < height.size(); ++i) {
        const double index = 127.5 + (height[i] - mean) / deviation * 48.0;
        texture.indices[i] = static_cast<uint8_t>(std::clamp(std::lround(index), 0L, 255L));
    }
    return texture;
}
