// Help: the HTML Help control, loaded at start-up when it is there, and the
// Contents command that shows the help file beside the program.
#pragma once

#include <windows.h>

using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCSTR file, UINT command, DWORD_PTR data);

// HtmlHelpA of the help library, or htmlHelpStub when help is unavailable.
extern HtmlHelpFunction htmlHelpEntry;
// Takes HtmlHelpA's place when there is no help: does nothing.
HWND WINAPI htmlHelpStub(HWND owner, LPCSTR file, UINT command, DWORD_PTR data);

// Loads the HTML Help control from the system folder, never from the
// program's or the current folder, and picks htmlHelpEntry.
void loadHelpLibrary();
// Closes every help window the library opened, then frees it.
void freeHelpLibrary();

// The Contents command: the help file's start page.
void showHelpContents();
