// The frame window: the program's top-level window and command centre.
#pragma once

#include <windows.h>

// Notification codes of the commands the frame acts on: the menu, an
// accelerator, and the New command that start-up posts.
constexpr WORD FROM_MENU = 0;
constexpr WORD FROM_ACCELERATOR = 1;
constexpr WORD FROM_STARTUP = 2;

// Sends the frame a WM_SIZE with its own client size, so the layout has run
// when this returns: after the windows are made and whenever the status bar
// comes or goes.
void relayoutFrame();

LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
