// The program's pictures, each drawn by code: the tile sheet with its faces,
// the background texture, the About picture, the two icon images and a
// contact sheet that shows them all for review.
#pragma once

#include "base/tile_sheet.h"
#include "image.h"

// One 31 x 31 face: column 0..6 (that many pips, or the numeral or symbol
// for that number; column 0 is plain).
Image drawFace(int motif, int column, bool selected);
// The 35 x 35 cell drawn under every stone half: black border, white inside.
Image drawFrameCell();
// The XOR mask that turns an empty half's black border into a dotted one.
// Phase 0 is white where cell x + cell y is even, phase 1 where it is odd.
Image drawEmptyMask(int phase);
Image drawTileSheet();

IndexedImage drawTexture();   // TEXTURE_SIZE square

constexpr int ABOUT_WIDTH = 182;
constexpr int ABOUT_HEIGHT = 123;
IndexedImage drawAboutPicture();

IconImage drawSmallIcon();   // 16 x 16, 16 colours
IconImage drawLargeIcon();   // 32 x 32, 256 colours

Image drawContactSheet();
