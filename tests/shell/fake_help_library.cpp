// A stand-in "hhctrl.ocx" that the tests place beside the test program and in
// the current folder: the game must never load it in place of the system's.
#include <windows.h>

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpA(HWND, LPCSTR, UINT, DWORD_PTR)
{
    return nullptr;
}
