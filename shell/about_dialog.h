// The About dialog (template 6002) with its link to the maker's home page.
#pragma once

#include <windows.h>

// The About command: the Link class exists only while the dialog is open.
void showAbout();

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
