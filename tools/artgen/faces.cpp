// The stone faces of the three motifs: domino pips, brush-written Chinese
// numerals and line symbols. Every face is drawn alone into its own 31 x 31
// picture and covers all of it.
#include "artwork.h"

#include <cmath>
#include <numbers>

namespace {

// ---- Dominoes ----------------------------------------------------------

constexpr int PIP_SIZE = 5;

struct PipCorner {
    int x;
    int y;
};

const std::vector<PipCorner> PIPS[7] = {
    {},
    {{13, 12}},
    {{3, 3}, {23, 23}},
    {{3, 3}, {13, 12}, {23, 23}},
    {{3, 3}, {23, 3}, {3, 23}, {23, 23}},
    {{3, 3}, {23, 3}, {3, 23}, {23, 23}, {13, 12}},
    {{3, 3}, {3, 13}, {3, 23}, {23, 3}, {23, 13}, {23, 23}},
};

Image drawDominoFace(int pips, bool selected)
{
    Image face(FACE_SIZE, FACE_SIZE, selected ? Rgb{128, 128, 128} : Rgb{224, 224, 224});
    for (const PipCorner& pip : PIPS[pips])
        fillRect(face, pip.x, pip.y, PIP_SIZE, PIP_SIZE, selected ? WHITE : BLACK);
    return face;
}

// ---- Chinese numerals ----------------------------------------------------

// A stroke given by its ends and two inner control points, with the brush
// pressed hard at the start (startWidth) and lifting towards the end.
constexpr BrushStroke stroke(Point from, Point c1, Point c2, Point to, double startWidth, double endWidth)
{
    return BrushStroke{from, c1, c2, to, startWidth, endWidth};
}

// A nearly straight stroke.
constexpr BrushStroke line(Point from, Point to, double startWidth, double endWidth)
{
    return BrushStroke{from,
                       {from.x + (to.x - from.x) / 3, from.y + (to.y - from.y) / 3},
                       {from.x + (to.x - from.x) * 2 / 3, from.y + (to.y - from.y) * 2 / 3},
                       to, startWidth, endWidth};
}

// A horizontal stroke: pressed in at the left, a slight rise, and a small
// press-down at the right end where the brush stops.
std::vector<BrushStroke> horizontal(double left, double right, double y, double weight)
{
    const double rise = (right - left) * 0.05;
    return {
        stroke({left, y + 0.6}, {left + (right - left) * 0.3, y - rise * 0.8},
               {left + (right - left) * 0.7, y - rise}, {right - 1.2, y - rise * 0.9},
               weight * 1.25, weight * 0.8),
        line({right - 2.2, y - rise * 1.1}, {right, y - rise * 0.2 + 1.0}, weight * 1.0, weight * 0.6),
    };
}

std::vector<BrushStroke> numeralStrokes(int number)
{
    std::vector<BrushStroke> strokes;
    const auto add = [&strokes](const std::vector<BrushStroke>& more) {
        strokes.insert(strokes.end(), more.begin(), more.end());
    };
    switch (number) {
    case 1:   // 一
        add(horizontal(3.5, 27.5, 16.0, 3.6));
        break;
    case 2:   // 二
        add(horizontal(7.5, 23.5, 9.5, 3.0));
        add(horizontal(3.5, 27.5, 22.5, 3.4));
        break;
    case 3:   // 三
        add(horizontal(6.5, 24.5, 6.0, 2.8));
        add(horizontal(8.5, 22.5, 15.0, 2.6));
        add(horizontal(3.5, 27.5, 25.0, 3.2));
        break;
    case 4:   // 四: a box with two legs inside
        strokes = {
            line({5.0, 5.5}, {5.5, 26.5}, 3.4, 2.4),
            line({5.0, 5.5}, {25.0, 5.0}, 2.8, 2.2),
            line({24.0, 4.5}, {26.0, 7.0}, 3.0, 2.6),
            line({25.5, 6.0}, {25.0, 26.5}, 2.8, 2.2),
            stroke({12.5, 6.0}, {12.5, 11.0}, {11.5, 14.5}, {9.0, 17.5}, 2.8, 1.1),
            stroke({18.0, 6.0}, {18.0, 12.0}, {18.0, 16.0}, {22.0, 16.0}, 2.6, 1.8),
            line({6.0, 24.5}, {25.0, 24.5}, 2.6, 2.2),
        };
        break;
    case 5:   // 伍: the person radical, then 五
        strokes = {
            stroke({9.5, 2.5}, {8.5, 6.5}, {6.0, 11.0}, {2.5, 15.0}, 3.0, 1.1),
            line({6.5, 10.0}, {6.5, 29.0}, 2.8, 2.0),
            line({12.5, 5.5}, {27.5, 4.8}, 2.8, 1.9),
            line({19.0, 5.5}, {17.0, 25.0}, 2.6, 2.0),
            line({16.5, 14.5}, {26.0, 14.0}, 2.4, 1.9),
            line({26.0, 14.0}, {25.5, 25.0}, 2.4, 1.9),
            line({11.5, 26.0}, {29.0, 25.0}, 3.0, 2.0),
        };
        break;
    case 6:   // 六: a dot, a bar and two spreading legs
        strokes = {
            line({14.5, 2.5}, {17.0, 7.5}, 3.2, 2.2),
        };
        add(horizontal(3.5, 27.5, 11.5, 3.2));
        strokes.push_back(stroke({12.0, 15.0}, {11.5, 18.5}, {9.0, 22.5}, {5.0, 26.5}, 3.0, 1.1));
        strokes.push_back(stroke({19.0, 15.5}, {21.0, 18.5}, {23.5, 22.0}, {25.5, 25.5}, 2.0, 3.6));
        break;
    default:
        break;
    }
    return strokes;
}

// The paper of the numeral faces: a base colour mottled by two layers of
// smooth noise and a little grain. Every face gets its own seed, so a face
// drawn alone is the same as in the sheet.
Image drawMottledGround(Rgb base, uint32_t seed)
{
    Random random(seed);
    const PeriodicNoise blotches(4, random);
    const PeriodicNoise flecks(10, random);
    Image ground(FACE_SIZE, FACE_SIZE);
    for (int y = 0; y < FACE_SIZE; ++y) {
        for (int x = 0; x < FACE_SIZE; ++x) {
            const double u = (x + 0.5) / FACE_SIZE;
            const double v = (y + 0.5) / FACE_SIZE;
            const double shade = 1.0 + 0.16 * blotches.sample(u * 4, v * 4)
                               + 0.12 * flecks.sample(u * 10, v * 10) + 0.05 * random.signedUnit();
            const auto channel = [shade](uint8_t c) {
                return static_cast<uint8_t>(std::lround(std::fmin(255.0, c * shade)));
            };
            ground.at(x, y) = Rgb{channel(base.r), channel(base.g), channel(base.b)};
        }
    }
    return ground;
}

Image drawNumeralFace(int number, bool selected)
{
    const Rgb paper = selected ? Rgb{184, 0, 8} : Rgb{8, 120, 32};
    Image face = drawMottledGround(paper, 0x5EED0000u + number * 2 + (selected ? 1 : 0));
    Coverage ink(FACE_SIZE, FACE_SIZE);
    for (const BrushStroke& s : numeralStrokes(number))
        addBrushStroke(ink, s);
    paintInk(face, ink, Rgb{16, 12, 8});
    return face;
}

// ---- Symbols -------------------------------------------------------------

constexpr double SYMBOL_LINE = 2.2;
constexpr double MID = FACE_SIZE / 2.0;

std::vector<Point> roundTopSquare()
{
    constexpr double left = 6.0, right = 25.0, bottom = 25.5;
    constexpr double radius = (right - left) / 2;
    constexpr double shoulder = 14.5;
    std::vector<Point> outline{{left, bottom}, {left, shoulder}};
    constexpr int STEPS = 20;
    for (int i = 1; i < STEPS; ++i) {
        const double angle = std::numbers::pi * (1.0 - static_cast<double>(i) / STEPS);
        outline.push_back({MID + radius * std::cos(angle), shoulder - radius * std::sin(angle)});
    }
    outline.push_back({right, shoulder});
    outline.push_back({right, bottom});
    return outline;
}

void addCross(Coverage& ink, Point centre, double arm)
{
    addSegment(ink, {centre.x - arm, centre.y}, SYMBOL_LINE, {centre.x + arm, centre.y}, SYMBOL_LINE);
    addSegment(ink, {centre.x, centre.y - arm}, SYMBOL_LINE, {centre.x, centre.y + arm}, SYMBOL_LINE);
}

Image drawSymbolFace(int number, bool selected)
{
    Image face(FACE_SIZE, FACE_SIZE, selected ? Rgb{90, 90, 90} : Rgb{224, 224, 224});
    Coverage ink(FACE_SIZE, FACE_SIZE);
    switch (number) {
    case 1:   // triangle pointing up
        addPolyline(ink, {{MID, 4.5}, {26.5, 25.0}, {4.5, 25.0}}, SYMBOL_LINE, true);
        break;
    case 2:   // square with a rounded top
        addPolyline(ink, roundTopSquare(), SYMBOL_LINE, true);
        break;
    case 3:   // four small crosses set in a square
        for (double y : {9.0, 22.0})
            for (double x : {9.0, 22.0})
                addCross(ink, {x, y}, 3.5);
        break;
    case 4: {   // an X in four strokes, open in the middle
        constexpr double outer = 10.5, inner = 3.5;
        for (double sx : {-1.0, 1.0})
            for (double sy : {-1.0, 1.0})
                addSegment(ink, {MID + sx * outer, MID + sy * outer}, SYMBOL_LINE,
                           {MID + sx * inner, MID + sy * inner}, SYMBOL_LINE);
        break;
    }
    case 5:   // tilted square
        addPolyline(ink, {{MID, 3.5}, {27.5, MID}, {MID, 27.5}, {3.5, MID}}, SYMBOL_LINE, true);
        break;
    case 6:   // plus sign
        addCross(ink, {MID, MID}, 11.0);
        break;
    default:
        break;
    }
    paintInk(face, ink, selected ? WHITE : BLACK);
    return face;
}

}  // namespace

Image drawFace(int motif, int column, bool selected)
{
    switch (motif) {
    case TILESET_CHINESE:
        return drawNumeralFace(column, selected);
    case TILESET_SYMBOLS:
        return drawSymbolFace(column, selected);
    default:
        return drawDominoFace(column, selected);
    }
}
