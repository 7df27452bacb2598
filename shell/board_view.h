// The board view: the child window that shows the board figure and tray slots
// 0..11, laid out in the frame's client area, painted double-buffered from the
// game records and the tile sheet, and played with the left mouse button.
#pragma once

#include <windows.h>

#include <cstdint>

#include "model/stones.h"

// View client coordinates of the two areas' origins, set by every layout.
// Painting and the hit test both read them, so what is drawn is what is hit.
extern int32_t boardOriginX;
extern int32_t boardOriginY;
extern int32_t trayOriginX;
extern int32_t trayOriginY;

extern HBITMAP textureBitmap;   // bitmap 2001, tiled under everything
extern HBITMAP sheetBitmap;     // bitmap 2002, the tile sheet
extern HBITMAP backBuffer;      // the off-screen scene; none until the next paint

// Loads the texture and the tile sheet; true only when both loaded.
bool loadBitmaps();
// Deletes the three bitmaps that exist and sets them to none.
bool freeBitmaps();

// The frame's WM_SIZE: places the board view and the status bar in a client
// area of width x height and centres the board and the tray in the view.
void layoutViews(int32_t width, int32_t height);

// Sends the frame a WM_SIZE with its own client size, so the layout has run
// when this returns: after the windows are made and whenever the status bar
// comes or goes.
void relayoutFrame();

// Draws the whole scene (texture, board, tray) into target, a DC of
// width x height; sheet is a DC for the tile sheet's source copies.
void composeScene(HDC target, int width, int height);

constexpr SlotIndex NO_SLOT = -1;
// The slot index 0..23 whose painted cell holds the view point (px, py), the
// lower half index first and at the same index the board first; NO_SLOT.
SlotIndex hitTestSlot(int32_t px, int32_t py);

LRESULT CALLBACK boardViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
