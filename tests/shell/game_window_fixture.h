// What the game window tests share: the real window classes, windows and
// bitmaps as start-up makes them (without its message loop), answered boxes,
// and reading the board view's pixels and the status bar's text.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/settings.h"
#include "base/shell_state.h"
#include "model/shell_hooks.h"
#include "model/stones.h"
#include "modal_watch.h"
#include "shell/about_dialog.h"
#include "shell/board_view.h"
#include "shell/startup.h"
#include "shell/status_bar.h"

// The home page launches while it lives, recorded in place of the browser as
// "verb address, show N", with a note when the frame does not own one.
class HomepageLaunches {
public:
    HomepageLaunches() : previous(std::exchange(homepageLaunch, record)) { seen().clear(); }
    ~HomepageLaunches() { homepageLaunch = previous; }
    const std::vector<std::string>& launches() const { return seen(); }

private:
    static std::vector<std::string>& seen()
    {
        static std::vector<std::string> launches;
        return launches;
    }
    static HINSTANCE WINAPI record(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT show)
    {
        seen().push_back(std::string(verb) + " " + file + ", show " + std::to_string(show) +
                         (owner == frameWindow ? "" : ", not owned by the frame"));
        return reinterpret_cast<HINSTANCE>(33);   // success
    }
    HomepageLaunch previous;
};

// The calls that reach the help entry once recordHelpCall takes its place:
// each as the file it names, the request to close every help window as
// "close all", with whether the help library was still loaded then.
inline std::vector<std::string> helpCalls;

inline HWND WINAPI recordHelpCall(HWND owner, LPCSTR file, UINT command, DWORD_PTR data)
{
    constexpr UINT HH_CLOSE_ALL = 0x12;
    if (command == HH_CLOSE_ALL && !owner && !file && !data)
        helpCalls.push_back(GetModuleHandleA("hhctrl.ocx") ? "close all"
                                                            : "close all, library freed");
    else
        helpCalls.push_back(std::string(file ? file : "no file") +
                            (owner || command || data ? " (with arguments)" : ""));
    return nullptr;
}

class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override { openWindows(DEFAULT_OPTIONS); }
    void TearDown() override { closeWindows(); }

    // A fresh program state with these options, and its windows.
    void openWindows(uint32_t options)
    {
        resetGame();
        resetSettings();
        Options = options;
        instance = GetModuleHandleA(nullptr);
        ASSERT_TRUE(registerWindowClasses());
        loadBitmaps();
        installShellHooks();
        ASSERT_TRUE(createMainWindows());
        settle();
    }

    void closeWindows()
    {
        releaseShell();
        dropQuitRequest();
        setShellHooks(ShellHooks{});
    }

    // Delivers what is pending (paints included), then forgets any repaint
    // request, so that the next one can be seen.
    void settle()
    {
        pumpMessages();
        UpdateWindow(boardView);
        ValidateRect(boardView, nullptr);
    }

    bool repaintRequested() const
    {
        RECT r;
        return GetUpdateRect(boardView, &r, FALSE) != 0;
    }

    // Paints the board view now and reads a pixel of its client area.
    void paintNow()
    {
        InvalidateRect(boardView, nullptr, FALSE);
        UpdateWindow(boardView);
    }
    COLORREF viewPixel(int x, int y) const
    {
        HDC dc = GetDC(boardView);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(boardView, dc);
        return colour;
    }

    std::string statusText() const
    {
        char text[1024] = "";
        if (statusBar)
            GetWindowTextA(statusBar, text, sizeof text);
        return text;
    }

    // A click of the left button at a point of the board view: the press
    // there, then the release.
    static void clickView(int x, int y)
    {
        SendMessageA(boardView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(boardView, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    // The top-left corner of a board or tray half's cell in the view.
    static POINT boardCell(int slot, bool second)
    {
        const StoneHalf& h = second ? board[slot].second : board[slot].first;
        return {boardOriginX + h.x, boardOriginY + h.y};
    }
    static POINT trayCell(int slot, bool second)
    {
        const StoneHalf& h = second ? tray[slot].second : tray[slot].first;
        return {trayOriginX + h.x, trayOriginY + h.y};
    }
    static void clickSlotCell(SlotIndex slot)
    {
        const POINT p = slot < FIRST_TRAY_INDEX ? boardCell(slot, false)
                                                : trayCell(slot - FIRST_TRAY_INDEX, false);
        clickView(p.x + 10, p.y + 10);
    }

    // Gives the frame a client area of width x height, as the player would.
    static void resizeClient(int width, int height)
    {
        RECT outer, client;
        GetWindowRect(frameWindow, &outer);
        GetClientRect(frameWindow, &client);
        SetWindowPos(frameWindow, nullptr, 0, 0, width + (outer.right - outer.left) - client.right,
                     height + (outer.bottom - outer.top) - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER);
    }

    // Tray slots 0..11 at their places in the grid of a new game, empty.
    static void layOutTrayGrid()
    {
        for (int t = 0; t < PLAY_TRAY_SLOTS; ++t)
            tray[t] = traySlotLayout(t);
    }

    // The command as the menu sends it.
    static void command(WORD id, WORD code = 0)
    {
        SendMessageA(frameWindow, WM_COMMAND, MAKEWPARAM(id, code), 0);
    }

private:
    // A close that went through posts the quit request to this thread.
    static void dropQuitRequest()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
};
