// The program's pictures, each drawn by code: the tile sheet with its faces,
// the background texture, the About picture, the two icon images and a
// contact sheet that shows them all for review.
#pragma once

#include "image.h"

// Tile sheet geometry (pixels).
constexpr int SHEET_WIDTH = 217;
constexpr int SHEET_HEIGHT = 221;
constexpr int CELL_SIZE = 35;        // one half: 2-pixel border around a face
constexpr int FACE_SIZE = 31;
constexpr int FACE_COLUMNS = 7;      // column c shows c pips or marks
constexpr int MOTIF_COUNT = 3;
constexpr int FACES_TOP = 35;        // first face row
constexpr int MOTIF_BAND = 62;       // a normal and a selected row per motif

enum Motif { MOTIF_DOMINOES = 0, MOTIF_NUMERALS = 1, MOTIF_SYMBOLS = 2 };

// Top-left corner of a face in the sheet.
int faceSheetX(int column);
int faceSheetY(int motif, bool selected);

// One 31 x 31 face: column 0..6 (that many pips, or the numeral or symbol
// for that number; column 0 is plain).
Image drawFace(int motif, int column, bool selected);
// The 35 x 35 cell drawn under every stone half: black border, white inside.
Image drawFrameCell();
// The XOR mask that turns an empty half's black border into a dotted one.
// Phase 0 is white where cell x + cell y is even, phase 1 where it is odd.
Image drawEmptyMask(int phase);
Image drawTileSheet();

constexpr int TEXTURE_SIZE = 128;
IndexedImage drawTexture();

constexpr int ABOUT_WIDTH = 182;
constexpr int ABOUT_HEIGHT = 123;
IndexedImage drawAboutPicture();

IconImage drawSmallIcon();   // 16 x 16, 16 colours
IconImage drawLargeIcon();   // 32 x 32, 256 colours

Image drawContactSheet();
