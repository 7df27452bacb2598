// The frame window: the program's top-level window and command centre.
#pragma once

#include <windows.h>

LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
