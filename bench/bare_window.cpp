// The yardstick for the start-up benchmark: the smallest Win32 window
// program that ends at its first paint, built the same way as the game's
// benchmark and loading what the game's platform needs: it imports the same
// system DLLs (drawing, the common controls, the file dialogs, the shell,
// the registry) and loads the HTML Help library at start. The ratio of the two
// start-ups then measures what the game itself adds, not how long Wine takes
// to load those libraries.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

namespace {

// Calls that are never made, but make the linker import each library as the
// game does.
[[gnu::used]] const void* const importedLikeTheGame[] = {
    reinterpret_cast<const void*>(&BitBlt),
    reinterpret_cast<const void*>(&GetOpenFileNameA),
    reinterpret_cast<const void*>(&ShellExecuteA),
    reinterpret_cast<const void*>(&RegOpenKeyExA),
};

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HMODULE loadHelpLibrary()
{
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH - 16);
    if (length == 0 || length >= MAX_PATH - 16)
        return nullptr;
    lstrcatA(path, "\\hhctrl.ocx");
    return LoadLibraryA(path);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    InitCommonControls();
    HMODULE help = loadHelpLibrary();
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "BareWindow";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "BareWindow", "Bare window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                    480, 360, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    if (help)
        FreeLibrary(help);
    return 0;
}
