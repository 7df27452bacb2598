// The Properties dialog (template 6001): the options, the motif and the
// status bar.
#pragma once

#include <windows.h>

INT_PTR CALLBACK propertiesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
