// The status bar along the frame's bottom edge: whether the puzzle is solved,
// or the help text of the highlighted menu item while a menu is open.
#pragma once

#include <windows.h>

// The status bar, or none while it is switched off. Only showStatusBar
// changes it (createMainWindows starts it out as none).
extern HWND statusBar;

// "You made it!" or "Try to figure it out.", from solved.
void updateStatusText();
// Creates the bar or removes it, as shown asks, and sets the OPT_STATUS_BAR
// bit of Options to whether a bar is there, so that a bar that could not be
// made is not saved as shown. The caller lays the frame out anew.
void showStatusBar(bool shown);
// Removes the bar when there is one, else creates it, as showStatusBar does.
void toggleStatusBar();
// The frame's WM_MENUSELECT: the highlighted item's help text, and the
// solved text again when the menu closes.
void showMenuHelp(WPARAM wParam, LPARAM lParam);
