// The "Link" control of the About dialog: it draws its window text, turns blue
// while the pointer is over it and white while the button is held, and posts
// WM_COMMAND(its id, its handle) to its parent when released over it. When
// another window takes the mouse capture, it forgets the pointer and the press.
#pragma once

#include <windows.h>

// One per Link window, on the heap from WM_CREATE to WM_DESTROY; its address
// lives in the window's extra bytes.
struct LinkState {
    HWND window;
    HFONT font;      // from WM_SETFONT; not ours to delete
    bool pressed;    // the button went down on the control and is not up yet
    bool captured;   // the control holds the mouse capture
    bool hover;      // the pointer was inside at the last mouse move
};

constexpr const char* LINK_CLASS_NAME = "Link";

// The class lives only while a dialog that holds a link is open.
void registerLinkClass();
void unregisterLinkClass();

LRESULT CALLBACK linkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the text in the colour of the pointer state; with no DC, at once
// through the window's own DC, over whatever is there.
void paintLink(const LinkState& link, HDC dc);
