// geometry: prints the game's geometry for the scripts that draw the help's
// pictures and read the game off the screen (tests/e2e), one "name value" a
// line:
//   motif NAME INDEX           each motif's index, by the name its pictures carry
//   frame, empty0, empty1, face<motif>.<column>, selected<motif>.<column>
//                              cells of the tile sheet, as crop geometries
//   inset N                    a face's offset inside its cell
//   board WxH, tray WxH        the areas the board view lays out
// The numbers live in base/tile_sheet.h and model/stones.h; this only reads
// them out, so no script keeps a second copy. The Windows build writes the
// output to geometry.txt in its tree.
#include "base/tile_sheet.h"
#include "model/stones.h"

#include <cstdio>

namespace {

void print(const char* name, const SheetRect& r)
{
    std::printf("%s %dx%d+%d+%d\n", name, r.width, r.height, r.x, r.y);
}

}  // namespace

int main()
{
    const struct {
        const char* name;
        int index;
    } motifs[] = {{"dominoes", TILESET_DOMINOES}, {"chinese", TILESET_CHINESE}, {"symbols", TILESET_SYMBOLS}};
    static_assert(sizeof motifs / sizeof motifs[0] == TILESET_COUNT);
    for (const auto& motif : motifs)
        std::printf("motif %s %d\n", motif.name, motif.index);

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
    std::printf("board %dx%d\n", BOARD_EXTENT.width, BOARD_EXTENT.height);
    std::printf("tray %dx%d\n", TRAY_EXTENT.width, TRAY_EXTENT.height);
    return 0;
}
