// The About dialog (template 6002) with its link to the maker's home page,
// and the home page launch it shares with the Help menu.
#pragma once

#include <windows.h>

// The About command: the Link class exists only while the dialog is open.
void showAbout();

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Opens the maker's home page in the player's browser, shown normally: a
// browser started hidden would show the player nothing.
void openHomepage(HWND owner);

// The launch, with ShellExecuteA's arguments; replaceable so that a test can
// record it. The program keeps the default, ShellExecuteA.
using HomepageLaunch = HINSTANCE(WINAPI*)(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                          LPCSTR directory, INT show);
extern HomepageLaunch homepageLaunch;
