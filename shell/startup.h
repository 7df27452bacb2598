// Start-up and shutdown: the program from its first step to its exit code.
#pragma once

#include <windows.h>

// What the model asks of the shell (the win, a failed generation, a repaint,
// a new game's file name), with the texts and windows the shell chooses.
void installShellHooks();

// The frame class "FitBaumUhr" and the board view class "BaumKuchenKlasse";
// true when both were registered.
bool registerWindowClasses();
// The centred 480 x 360 frame window, the board view, the status bar when
// the options ask for it, and the first layout; true when the frame and the
// view exist.
bool createMainWindows();
// Both classes, by atom; true when both went.
bool unregisterWindowClasses();
// Destroys a frame window that is left, unregisters the classes, frees the
// bitmaps and the help library, and forgets the windows' handles.
void releaseShell();

// Everything WinMain does: start-up, the message loop and shutdown. Returns
// the exit code: 0 after a normal close, 1 when the windows cannot be made.
int runGame(HINSTANCE module);
