// The status bar along the frame's bottom edge: whether the puzzle is solved,
// or the help text of the highlighted menu item while a menu is open.
#pragma once

#include <windows.h>

// The status bar, or none while it is switched off. Only toggleStatusBar
// changes it (createMainWindows starts it out as none).
extern HWND statusBar;

// "You made it!" or "Try to figure it out.", from solved.
void updateStatusText();
// Creates the bar when there is none, else removes it; lays the frame out anew.
void toggleStatusBar();
// The frame's WM_MENUSELECT: the highlighted item's help text, and the
// solved text again when the menu closes.
void showMenuHelp(WPARAM wParam, LPARAM lParam);
