// artgen OUTDIR: draws the program's bitmaps and icon and writes them, with
// a contact sheet for review, into OUTDIR. The output is the same, byte for
// byte, on every run.
#include "artwork.h"
#include "formats.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen OUTDIR\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const struct {
        const char* name;
        Bytes bytes;
    } files[] = {
        {"texture.bmp", encodeBmp(drawTexture())},
        {"tiles.bmp", encodeBmp(drawTileSheet())},
        {"about.bmp", encodeBmp(drawAboutPicture())},
        {"program.ico", encodeIcon({drawSmallIcon(), drawLargeIcon()})},
        {"artwork.png", encodePng(drawContactSheet())},
    };
    for (const auto& file : files) {
        if (!writeFile(folder + file.name, file.bytes)) {
            std::fprintf(stderr, "artgen: cannot write %s%s\n", folder.c_str(), file.name);
            return 1;
        }
    }
    return 0;
}
