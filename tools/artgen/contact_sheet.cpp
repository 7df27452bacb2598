// A contact sheet for reviewing the artwork in one picture: the tile sheet
// enlarged, the texture tiled two by two, the About picture at double and
// single size, and both icon images at their size and enlarged, with the
// icons' transparent pixels showing the sheet's grey.
#include "artwork.h"

#include <algorithm>

namespace {

constexpr Rgb BACKDROP{160, 160, 160};
constexpr int GAP = 24;
constexpr int EDGE = 16;

Image iconOnBackdrop(const IconImage& icon)
{
    Image picture = toRgb(icon.colours);
    for (size_t i = 0; i < picture.pixels.size(); ++i)
        if (icon.transparent[i])
            picture.pixels[i] = BACKDROP;
    return picture;
}

}  // namespace

Image drawContactSheet()
{
    const Image sheet = drawTileSheet();
    const Image texture = toRgb(drawTexture());
    const Image about = toRgb(drawAboutPicture());
    const Image smallIcon = iconOnBackdrop(drawSmallIcon());
    const Image largeIcon = iconOnBackdrop(drawLargeIcon());

    const int right = EDGE + 3 * SHEET_WIDTH + GAP;
    const int aboutTop = EDGE + 2 * TEXTURE_SIZE + GAP;
    const int smallAboutTop = aboutTop + 2 * ABOUT_HEIGHT + GAP;
    const int iconTop = smallAboutTop + ABOUT_HEIGHT + GAP;
    const int width = right + 2 * ABOUT_WIDTH + EDGE;
    const int height = std::max(EDGE + 3 * SHEET_HEIGHT, iconTop + 128) + EDGE;

    Image contact(width, height, BACKDROP);
    blitEnlarged(contact, EDGE, EDGE, sheet, 3);
    for (int ty = 0; ty < 2; ++ty)
        for (int tx = 0; tx < 2; ++tx)
            blit(contact, right + tx * TEXTURE_SIZE, EDGE + ty * TEXTURE_SIZE, texture);
    blitEnlarged(contact, right, aboutTop, about, 2);
    blit(contact, right, smallAboutTop, about);

    blit(contact, right, iconTop, smallIcon);
    blit(contact, right + 16 + GAP, iconTop, largeIcon);
    const int enlargedLeft = right + 48 + 2 * GAP;
    blitEnlarged(contact, enlargedLeft, iconTop, smallIcon, 8);
    blitEnlarged(contact, enlargedLeft + 128 + GAP, iconTop, largeIcon, 4);
    return contact;
}
