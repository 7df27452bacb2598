// Benchmarks of the game window, run under Wine by scripts/bench:
//   game_window_bench first-paint   runs the game and ends it as soon as the
//                                   board view has finished its first paint
//                                   (timed from outside, against bare_window)
//   game_window_bench paint         composes the scene of an 800 x 600 view
//                                   1,000 times and prints the median time
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/settings.h"
#include "base/shell_state.h"
#include "model/generator.h"
#include "shell/board_view.h"
#include "shell/gdi.h"
#include "shell/startup.h"

namespace {

constexpr int PAINTS = 1000;

HHOOK paintHook = nullptr;

// Sees the board view's first WM_PAINT as the loop takes it; the quit request
// posted then is retrieved only after that paint has been dispatched.
LRESULT CALLBACK quitAfterFirstBoardPaint(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_PAINT && boardView &&
        message->hwnd == boardView)
        PostQuitMessage(0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int firstPaint()
{
    paintHook = SetWindowsHookExA(WH_GETMESSAGE, quitAfterFirstBoardPaint, nullptr,
                                  GetCurrentThreadId());
    const int exitCode = runGame(GetModuleHandleA(nullptr));
    UnhookWindowsHookEx(paintHook);
    return exitCode;
}

int paint()
{
    instance = GetModuleHandleA(nullptr);
    Options = DEFAULT_OPTIONS & ~OPT_STATUS_BAR;
    registerWindowClasses();
    loadBitmaps();
    if (!createMainWindows())
        return 1;
    seedRandom(1);
    newGame();
    SendMessageA(frameWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600));

    std::vector<double> micros;
    HDC screen = GetDC(boardView);
    HBITMAP buffer = createCompatibleBitmap(screen, 800, 600);
    {
        MemoryDC scene(screen);
        const Selection selected(scene, buffer);
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        for (int i = 0; i < PAINTS; ++i) {
            QueryPerformanceCounter(&start);
            composeScene(scene, 800, 600);
            QueryPerformanceCounter(&end);
            micros.push_back(1e6 * double(end.QuadPart - start.QuadPart) /
                             double(frequency.QuadPart));
        }
    }
    deleteBitmap(buffer);
    ReleaseDC(boardView, screen);
    DestroyWindow(frameWindow);
    unregisterWindowClasses();
    freeBitmaps();

    std::sort(micros.begin(), micros.end());
    std::printf("paint: median %.0f us, worst %.0f us over %d paints of an 800 x 600 view "
                "(target: median below 1000 us)\n",
                micros[PAINTS / 2], micros.back(), PAINTS);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "first-paint") == 0)
        return firstPaint();
    if (argc == 2 && std::strcmp(argv[1], "paint") == 0)
        return paint();
    std::fprintf(stderr, "usage: game_window_bench first-paint | paint\n");
    return 2;
}
