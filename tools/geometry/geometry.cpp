// sheet_geometry: prints where the help's pictures find their cells in the
// tile sheet, as ImageMagick crop geometries, one "name geometry" a line.
// The layout itself lives in base/tile_sheet.h; this only reads it out, so
// the help never keeps a second copy of the numbers.
#include "base/tile_sheet.h"

#include <cstdio>

namespace {

void print(const char* name, const SheetRect& r)
{
    std::printf("%s %dx%d+%d+%d\n", name, r.width, r.height, r.x, r.y);
}

}  // namespace

int main()
{
    char name[32];
    print("frame", SHEET_FRAME_CELL);
    print("empty0", emptyMaskRect(false));
    print("empty1", emptyMaskRect(true));
    for (int motif = 0; motif < TILESET_COUNT; ++motif) {
        for (int column = 0; column < FACE_COLUMNS; ++column) {
            std::snprintf(name, sizeof name, "face%d.%d", motif, column);
            print(name, faceRect(column, motif, false));
            std::snprintf(name, sizeof name, "selected%d.%d", motif, column);
            print(name, faceRect(column, motif, true));
        }
    }
    std::printf("inset %d\n", FACE_INSET);
    return 0;
}
