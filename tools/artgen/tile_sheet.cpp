// The tile sheet: the frame cell and the two empty-half masks in the top
// band, then for each motif a row of normal faces and a row of selected ones.
//
// The board view draws an empty half by AND-ing the frame cell onto the
// background and XOR-ing a mask over it, so the black and white pixels of
// the top band are exact; the faces are free artwork.
#include "artwork.h"

namespace {

constexpr int BORDER = 2;

bool inBorder(int cellX, int cellY)
{
    const int inner = CELL_SIZE - BORDER;
    return cellX < BORDER || cellY < BORDER || cellX >= inner || cellY >= inner;
}

}  // namespace

Image drawFrameCell()
{
    Image cell(CELL_SIZE, CELL_SIZE, WHITE);
    for (int y = 0; y < CELL_SIZE; ++y)
        for (int x = 0; x < CELL_SIZE; ++x)
            if (inBorder(x, y))
                cell.at(x, y) = BLACK;
    return cell;
}

Image drawEmptyMask(int phase)
{
    Image mask(CELL_SIZE, CELL_SIZE, BLACK);
    for (int y = 0; y < CELL_SIZE; ++y)
        for (int x = 0; x < CELL_SIZE; ++x)
            if (inBorder(x, y) && (x + y) % 2 == phase)
                mask.at(x, y) = WHITE;
    return mask;
}

Image drawTileSheet()
{
    Image sheet(SHEET_WIDTH, SHEET_HEIGHT, WHITE);
    blit(sheet, SHEET_FRAME_CELL.x, SHEET_FRAME_CELL.y, drawFrameCell());
    const SheetRect firstMask = emptyMaskRect(false);
    const SheetRect secondMask = emptyMaskRect(true);
    blit(sheet, firstMask.x, firstMask.y, drawEmptyMask(0));
    blit(sheet, secondMask.x, secondMask.y, drawEmptyMask(1));
    // Never drawn from; a spare copy of the second mask, white after it.
    blit(sheet, secondMask.x + CELL_SIZE, secondMask.y, drawEmptyMask(1));

    for (int motif = 0; motif < TILESET_COUNT; ++motif)
        for (bool selected : {false, true})
            for (int column = 0; column < FACE_COLUMNS; ++column) {
                const SheetRect face = faceRect(column, motif, selected);
                blit(sheet, face.x, face.y, drawFace(motif, column, selected));
            }
    return sheet;
}
