// The shell's program-wide handles: the module, the frame window and the
// board view. The frame window owns every message box and file dialog.
#pragma once

#include <windows.h>

extern HINSTANCE instance;
extern HWND frameWindow;
extern HWND boardView;
