// The status bar: a simple common-controls bar with one text.
#include "shell/status_bar.h"

#include <commctrl.h>

#include "base/message.h"
#include "base/resource_ids.h"
#include "base/settings.h"
#include "base/shell_state.h"
#include "model/stones.h"

HWND statusBar = nullptr;

namespace {

constexpr int STATUS_TEXT_SIZE = 128;
constexpr int MENU_HELP_SIZE = 1024;

void setBarText(const char* text)
{
    SendMessageA(statusBar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

}  // namespace

void updateStatusText()
{
    if (!statusBar)
        return;
    char text[STATUS_TEXT_SIZE];
    loadText(solved ? IDS_YOU_MADE_IT : IDS_TRY_IT, text, sizeof text);
    setBarText(text);
}

void showStatusBar(bool shown)
{
    if (shown && !statusBar) {
        statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100,
                                    300, frameWindow, nullptr, instance, nullptr);
        updateStatusText();
    } else if (!shown && statusBar) {
        SendMessageA(statusBar, WM_CLOSE, 0, 0);
        statusBar = nullptr;
    }
    // The setting says what the player sees, also when the bar could not be
    // made.
    Options = statusBar ? Options | OPT_STATUS_BAR : Options & ~OPT_STATUS_BAR;
}

void toggleStatusBar()
{
    showStatusBar(!statusBar);
}

void showMenuHelp(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == 0xFFFF && lParam == 0) {
        updateStatusText();
        return;
    }
    // Items without a string of their own (Save As, the popup titles, the
    // window menu) empty the bar.
    char text[MENU_HELP_SIZE];
    loadText(LOWORD(wParam), text, sizeof text);
    setBarText(text);
}
