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

// Gives the view the top width x height of the frame's client area and
// centres the board and the tray in it.
void placeBoardView(int32_t width, int32_t height);

// Asks for a repaint of the whole view, without erasing: the one way
// whatever changes the picture says so.
void repaintBoardView();

// Draws the whole scene (texture, board, tray) into target, a DC of
// width x height, from the game records and the two bitmaps.
void composeScene(HDC target, int width, int height);

constexpr SlotIndex NO_SLOT = -1;
// The slot index (0..11 board, 12..23 tray) whose painted cell holds the view
// point (px, py), or NO_SLOT. Where cells overlap, the first found wins: the
// cells are tried by half index, board half i before tray half i.
SlotIndex hitTestSlot(int32_t px, int32_t py);

LRESULT CALLBACK boardViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
