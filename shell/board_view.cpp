// The board view: layout, double-buffered painting, hit test and the
// presentation of a click's outcome.
#include "shell/board_view.h"

#include <utility>

#include "base/message.h"
#include "base/resource_ids.h"
#include "base/settings.h"
#include "base/shell_state.h"
#include "base/tile_sheet.h"
#include "model/rules.h"
#include "shell/gdi.h"
#include "shell/status_bar.h"

int32_t boardOriginX = 0;
int32_t boardOriginY = 0;
int32_t trayOriginX = 0;
int32_t trayOriginY = 0;

HBITMAP textureBitmap = nullptr;
HBITMAP sheetBitmap = nullptr;
HBITMAP backBuffer = nullptr;

namespace {

// Top-left corner of a half's cell in the view. 64-bit: a loaded file may
// hold any coordinates.
struct CellCorner {
    int64_t x;
    int64_t y;
};

CellCorner cellCorner(int32_t originX, int32_t originY, const StoneHalf& half)
{
    return {int64_t{originX} + half.x, int64_t{originY} + half.y};
}

const StoneHalf& halfOf(const Stone& stone, int halfIndex)
{
    return halfIndex % 2 == 0 ? stone.first : stone.second;
}

void blitFromSheet(HDC target, CellCorner at, int inset, HDC sheet, SheetRect from, DWORD rop)
{
    BitBlt(target, static_cast<int>(at.x) + inset, static_cast<int>(at.y) + inset, from.width,
           from.height, sheet, from.x, from.y, rop);
}

// An occupied half: the frame cell, then its face inside the border. An empty
// half: AND the frame cell (black border, texture inside), then XOR the mask
// that turns the border into dots.
void drawHalf(HDC target, HDC sheet, int width, int height, CellCorner at, const StoneHalf& half,
              bool selected, bool secondHalf)
{
    // Cells wholly outside the view change no pixel; skipping them keeps
    // far-off coordinates from a file out of GDI's arithmetic.
    if (at.x <= -CELL_SIZE || at.y <= -CELL_SIZE || at.x >= width || at.y >= height)
        return;
    const SheetRect picture = sheetRectForHalf(half.value, TileSet, selected, secondHalf);
    if (half.value != 0) {
        blitFromSheet(target, at, 0, sheet, SHEET_FRAME_CELL, SRCCOPY);
        blitFromSheet(target, at, FACE_INSET, sheet, picture, SRCCOPY);
    } else {
        blitFromSheet(target, at, 0, sheet, SHEET_FRAME_CELL, SRCAND);
        blitFromSheet(target, at, 0, sheet, picture, SRCINVERT);
    }
}

void drawTexture(HDC target, HDC texture, int width, int height)
{
    for (int x = 0; x < width; x += TEXTURE_SIZE)
        for (int y = 0; y < height; y += TEXTURE_SIZE)
            BitBlt(target, x, y, TEXTURE_SIZE, TEXTURE_SIZE, texture, 0, 0, SRCCOPY);
}

// Board half i and tray half i for i = 0..23: only tray slots 0..11 show.
void drawStones(HDC target, HDC sheet, int width, int height)
{
    for (int i = 0; i < BOARD_HALVES; ++i) {
        const StoneHalf& half = halfOf(board[i / 2], i);
        drawHalf(target, sheet, width, height, cellCorner(boardOriginX, boardOriginY, half), half,
                 i / 2 == selectedSlot, i % 2 == 1);
    }
    for (int i = 0; i < 2 * PLAY_TRAY_SLOTS; ++i) {
        const StoneHalf& half = halfOf(tray[i / 2], i);
        drawHalf(target, sheet, width, height, cellCorner(trayOriginX, trayOriginY, half), half,
                 i / 2 == selectedSlot - FIRST_TRAY_INDEX, i % 2 == 1);
    }
}

bool cellHolds(CellCorner cell, int32_t px, int32_t py)
{
    return cell.x <= px && px < cell.x + CELL_SIZE && cell.y <= py && py < cell.y + CELL_SIZE;
}

// What the player sees of a click's outcome, in the order the rules give.
void presentClick(ClickOutcome outcome)
{
    switch (outcome) {
    case ClickOutcome::RefusedFixed:
        showMessage(frameWindow, IDS_STONE_IS_FIXED, IDS_ERROR);
        break;
    case ClickOutcome::RefusedNoFit:
        showMessage(frameWindow, IDS_DOES_NOT_FIT, IDS_ERROR);
        break;
    case ClickOutcome::Nothing:
        break;
    case ClickOutcome::Deselected:
    case ClickOutcome::Selected:
        repaintBoardView();
        updateStatusText();
        break;
    case ClickOutcome::Moved:
        repaintBoardView();
        checkSolved();
        updateStatusText();
        break;
    }
}

// A release is a click only when its press went down in the view. Without
// it, the release that ends a drag begun elsewhere, or the second click of a
// double-click that closed a dialog over the board, would act on a stone.
// The view takes no capture, so it never sees a release outside it: every
// release, and every move with the button up, forgets the press.
bool pressedInView = false;

void onLButtonUp(LPARAM lParam)
{
    if (!std::exchange(pressedInView, false))
        return;
    // Unsigned words: a point left of or above the view reads as large.
    const SlotIndex slot = hitTestSlot(LOWORD(lParam), HIWORD(lParam));
    if (slot != NO_SLOT)
        presentClick(clickSlot(slot));
}

void onMouseMove(WPARAM keys)
{
    if (!(keys & MK_LBUTTON))
        pressedInView = false;
}

void onPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    if (!backBuffer)
        backBuffer = createCompatibleBitmap(screen, client.right, client.bottom);
    if (backBuffer) {
        MemoryDC scene(screen);
        Selection buffer(scene, backBuffer);
        composeScene(scene, client.right, client.bottom);
        BitBlt(screen, 0, 0, client.right, client.bottom, scene, 0, 0, SRCCOPY);
    }
    EndPaint(window, &paint);
}

}  // namespace

bool loadBitmaps()
{
    textureBitmap = loadBitmapResource(instance, IDB_TEXTURE);
    sheetBitmap = loadBitmapResource(instance, IDB_TILE_SHEET);
    backBuffer = nullptr;
    return textureBitmap && sheetBitmap;
}

bool freeBitmaps()
{
    deleteBitmap(textureBitmap);
    deleteBitmap(sheetBitmap);
    deleteBitmap(backBuffer);
    return true;
}

// Integer divisions truncate toward zero, as the layout's figures expect
// (a width of 359 gives an origin of 0, 358 gives -1).
void placeBoardView(int32_t width, int32_t height)
{
    // A margin left of the board, two between board and tray, one right of
    // the tray; each area centred vertically.
    boardOriginX = (width - BOARD_EXTENT.width - TRAY_EXTENT.width) / 4;
    boardOriginY = (height - BOARD_EXTENT.height) / 2;
    trayOriginX = 3 * boardOriginX + BOARD_EXTENT.width;
    trayOriginY = (height - TRAY_EXTENT.height) / 2;
    if (boardView) {
        MoveWindow(boardView, 0, 0, width, height, TRUE);
        repaintBoardView();
    }
}

void repaintBoardView()
{
    InvalidateRect(boardView, nullptr, FALSE);
}

void composeScene(HDC target, int width, int height)
{
    MemoryDC source(target);
    Selection picture(source, textureBitmap);
    if (textureBitmap)
        drawTexture(target, source, width, height);
    else
        PatBlt(target, 0, 0, width, height, BLACKNESS);
    if (!sheetBitmap)
        return;
    picture.replace(sheetBitmap);
    drawStones(target, source, width, height);
}

SlotIndex hitTestSlot(int32_t px, int32_t py)
{
    for (int i = 0; i < BOARD_HALVES; ++i) {
        if (cellHolds(cellCorner(boardOriginX, boardOriginY, halfOf(board[i / 2], i)), px, py))
            return i / 2;
        if (cellHolds(cellCorner(trayOriginX, trayOriginY, halfOf(tray[i / 2], i)), px, py))
            return FIRST_TRAY_INDEX + i / 2;
    }
    return NO_SLOT;
}

LRESULT CALLBACK boardViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        deleteBitmap(backBuffer);
        break;
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_LBUTTONDOWN:
        pressedInView = true;
        break;
    case WM_MOUSEMOVE:
        onMouseMove(wParam);
        break;
    case WM_LBUTTONUP:
        onLButtonUp(lParam);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
