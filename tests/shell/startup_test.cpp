// The whole program in-process: start-up, the first game from the posted New
// command, the message loop with its accelerators, a normal close, the help
// windows closed and the settings written at the end; the settings written
// when the session ends with the game open; and the early exit when the
// windows cannot be made.
#include "game_window_fixture.h"

#include <optional>
#include <string>
#include "base/resource_ids.h"
#include "base/settings.h"
#include "base/shell_state.h"
#include "model/stones.h"
#include "shell/board_view.h"
#include "shell/help.h"
#include "shell/startup.h"
#include "shell/status_bar.h"
#include "tests/model/stones_in_play.h"

namespace {

constexpr char KEY_PATH[] = "Software\\Ludwerk\\Domino Zarvek";

void deleteSettingsKey()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, KEY_PATH);
}

void storeSettings(DWORD options, DWORD tileSet)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, KEY_PATH, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Options", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&options), 4);
    RegSetValueExA(key, "TileSet", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&tileSet), 4);
    RegCloseKey(key);
}

std::optional<DWORD> storedValue(const char* name)
{
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, KEY_PATH, name, RRF_RT_ANY, &type, &value, &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

// What the running program showed, read from inside its own message loop.
struct SeenRunning {
    WPARAM firstCommand = 0;
    int trayStonesAtFirstCommand = -1;
    RECT frame = {};
    std::string title;
    bool viewHasClientEdge = false;
    bool hasStatusBar = false;
    std::string statusText;
    int trayStones = 0;
};

SeenRunning seen;
HHOOK messageHook = nullptr;
bool pressHelpKey = true;

LRESULT CALLBACK onGetMessage(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg.message == WM_COMMAND &&
        seen.firstCommand == 0) {
        seen.firstCommand = msg.wParam;
        seen.trayStonesAtFirstCommand = stonesInTray();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK lookAndClose(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    GetWindowRect(frameWindow, &seen.frame);
    char text[128] = "";
    GetWindowTextA(frameWindow, text, sizeof text);
    seen.title = text;
    seen.viewHasClientEdge = (GetWindowLongA(boardView, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
    seen.hasStatusBar = statusBar != nullptr;
    text[0] = '\0';
    if (statusBar)
        GetWindowTextA(statusBar, text, sizeof text);
    seen.statusText = text;
    seen.trayStones = stonesInTray();
    // F1 as the keyboard delivers it, through the loop's accelerators, then
    // the close; the help entry records instead of opening the help.
    htmlHelpEntry = recordHelpCall;
    if (pressHelpKey)
        PostMessageA(frameWindow, WM_KEYDOWN, VK_F1, 1);
    PostMessageA(frameWindow, WM_CLOSE, 0, 0);
}

int runWhileWatching()
{
    seen = SeenRunning{};
    helpCalls.clear();
    resetGame();
    resetSettings();
    messageHook = SetWindowsHookExA(WH_GETMESSAGE, onGetMessage, nullptr, GetCurrentThreadId());
    SetTimer(nullptr, 0, 300, lookAndClose);
    const int exitCode = runGame(GetModuleHandleA(nullptr));
    UnhookWindowsHookEx(messageHook);
    return exitCode;
}

// A first run finds no key: defaults, a status bar, and at the end the key
// holds the defaults. A later run follows and keeps what is stored.
TEST(Startup, RunsTheFirstGameAndWritesTheSettingsAtTheEnd)
{
    const struct {
        std::optional<DWORD> storedOptions;
        DWORD storedTileSet;
        bool statusBar;
        DWORD optionsAtEnd, tileSetAtEnd;
        int stones;
        bool helpKey;
    } runs[] = {
        {std::nullopt, 0, true, 12, 0, 11, true},
        {4 | 16 | 0x100, 258, false, 4 | 16 | 0x100, 2, 11, true},
        {8, 1, true, 8, 1, 12, false},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE("stored options " + std::to_string(run.storedOptions.value_or(999)));
        deleteSettingsKey();
        if (run.storedOptions)
            storeSettings(*run.storedOptions, run.storedTileSet);
        pressHelpKey = run.helpKey;
        EXPECT_EQ(runWhileWatching(), 0);

        const int x = (GetSystemMetrics(SM_CXSCREEN) - 480) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - 360) / 2;
        EXPECT_EQ(seen.frame.left, x);
        EXPECT_EQ(seen.frame.top, y);
        EXPECT_EQ(seen.frame.right - seen.frame.left, 480);
        EXPECT_EQ(seen.frame.bottom - seen.frame.top, 360);
        EXPECT_EQ(seen.title, "Domino Zarvek");
        EXPECT_TRUE(seen.viewHasClientEdge);
        EXPECT_EQ(seen.hasStatusBar, run.statusBar);
        EXPECT_EQ(seen.statusText, run.statusBar ? "Try to figure it out." : "");
        // The game comes from the posted New command (notification code 2),
        // once the loop runs.
        EXPECT_EQ(seen.firstCommand, 0x000203ECu);
        EXPECT_EQ(seen.trayStonesAtFirstCommand, 0);
        EXPECT_EQ(seen.trayStones, run.stones);
        // F1 opened the contents; shutdown closed the help windows while the
        // library was still loaded. A run that never showed the help asks the
        // library for nothing.
        if (run.helpKey) {
            ASSERT_EQ(helpCalls.size(), 2u);
            EXPECT_TRUE(helpCalls[0].ends_with("\\dzarvek.chm::/index.html")) << helpCalls[0];
            EXPECT_EQ(helpCalls[1], "close all");
        } else {
            EXPECT_EQ(helpCalls, std::vector<std::string>{});
        }

        EXPECT_EQ(storedValue("Options"), run.optionsAtEnd);
        EXPECT_EQ(storedValue("TileSet"), run.tileSetAtEnd);
        EXPECT_EQ(frameWindow, nullptr);
        EXPECT_EQ(backBuffer, nullptr);
        EXPECT_EQ(sheetBitmap, nullptr);
    }
}

using SessionEndTest = GameWindowTest;

// Logging off with the game open: the platform's question is answered
// without the close question, and the end of the session writes what the
// normal end writes, since the process may go before the loop returns. A
// session that goes on writes nothing.
TEST_F(SessionEndTest, TheEndOfTheSessionWritesTheSettings)
{
    deleteSettingsKey();
    Options |= OPT_ASK_ON_EXIT;
    command(CMD_NEW);
    TileSet = TILESET_SYMBOLS;
    command(CMD_STATUS_BAR);
    ModalWatch watch;
    EXPECT_TRUE(SendMessageA(frameWindow, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    SendMessageA(frameWindow, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_EQ(storedValue("Options"), std::nullopt);
    SendMessageA(frameWindow, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(watch.boxes().empty());
    EXPECT_EQ(storedValue("Options"), 1u | 4u);   // asked on exit, start stone; the bar went
    EXPECT_EQ(storedValue("TileSet"), 2u);
    deleteSettingsKey();
}

HHOOK refusingHook = nullptr;

LRESULT CALLBACK refuseFrameWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        if (!create->lpcs->hwndParent)
            return 1;   // the frame window cannot be made
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Startup, WithoutItsWindowsTheGameEndsAtOnceAndWritesNothing)
{
    deleteSettingsKey();
    resetSettings();
    refusingHook = SetWindowsHookExA(WH_CBT, refuseFrameWindow, nullptr, GetCurrentThreadId());
    const int exitCode = runGame(GetModuleHandleA(nullptr));
    UnhookWindowsHookEx(refusingHook);
    EXPECT_EQ(exitCode, 1);
    // What start-up had acquired is released all the same.
    WNDCLASSEXA frameClass = {};
    frameClass.cbSize = sizeof frameClass;
    EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), "FitBaumUhr", &frameClass));
    EXPECT_EQ(sheetBitmap, nullptr);
    EXPECT_EQ(storedValue("Options"), std::nullopt);
    HKEY key;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, KEY_PATH, 0, KEY_READ, &key), ERROR_SUCCESS);
}

}  // namespace
