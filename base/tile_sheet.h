// The layout of the tile sheet (bitmap 2002): the only place that knows where
// the frame cell, the two empty-half masks and every face lie; and the size
// of the background texture (bitmap 2001). The artwork generator draws both
// from it and the board view copies from it, so the two always agree. No
// platform header here.
#pragma once

#include <cstdint>

#include "base/settings.h"

struct SheetRect {
    int x;
    int y;
    int width;
    int height;
};

constexpr int SHEET_WIDTH = 217;
constexpr int SHEET_HEIGHT = 221;
constexpr int CELL_SIZE = 35;     // one half: a 2-pixel border around its face
constexpr int FACE_SIZE = 31;
constexpr int FACE_INSET = 2;     // the face's offset inside its cell, on both axes
constexpr int FACE_COLUMNS = 7;   // column c shows c pips (or marks); column 0 is plain
constexpr int FACES_TOP = CELL_SIZE;
constexpr int MOTIF_BAND = 2 * FACE_SIZE;   // a normal and a selected row per motif

// The background texture is a square tile of this size, repeated under
// everything.
constexpr int TEXTURE_SIZE = 128;

// Black border, white inside: drawn under every half.
constexpr SheetRect SHEET_FRAME_CELL = {0, 0, CELL_SIZE, CELL_SIZE};

// The XOR mask of an empty half: its border dotted in the phase that keeps
// the dots continuous across the two cells of a slot (33 apart, an odd step).
constexpr SheetRect emptyMaskRect(bool secondHalf)
{
    return {CELL_SIZE * (secondHalf ? 2 : 1), 0, CELL_SIZE, CELL_SIZE};
}

// The face of a half value 1..7 (0..6 pips) in a motif, from the normal or
// the selected row.
constexpr SheetRect faceRect(int column, int motif, bool selected)
{
    return {column * FACE_SIZE, FACES_TOP + motif * MOTIF_BAND + (selected ? FACE_SIZE : 0),
            FACE_SIZE, FACE_SIZE};
}

// What the board view copies for one half: the empty mask for value 0, else
// the face. Whatever a saved file or the registry delivers stays inside the
// sheet: a motif the sheet does not hold shows dominoes, a value above 7 the
// plain face without marks.
constexpr SheetRect sheetRectForHalf(uint8_t value, uint8_t motif, bool selected, bool secondHalf)
{
    if (value == 0)
        return emptyMaskRect(secondHalf);
    const int column = value <= FACE_COLUMNS ? value - 1 : 0;
    const int band = motif < TILESET_COUNT ? motif : TILESET_DOMINOES;
    return faceRect(column, band, selected);
}

static_assert(faceRect(FACE_COLUMNS - 1, TILESET_COUNT - 1, true).x + FACE_SIZE <= SHEET_WIDTH);
static_assert(faceRect(FACE_COLUMNS - 1, TILESET_COUNT - 1, true).y + FACE_SIZE <= SHEET_HEIGHT);
