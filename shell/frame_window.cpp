// The frame window: its layout, command dispatch, the close question, the
// settings written when the session ends, and the states of the Contents and
// Statusbar menu items. Menu help is passed on to the status bar.
#include "shell/frame_window.h"

#include <cstddef>

#include "base/message.h"
#include "base/resource_ids.h"
#include "base/settings.h"
#include "base/shell_state.h"
#include "model/generator.h"
#include "model/stones.h"
#include "persist/game_file.h"
#include "persist/settings_store.h"
#include "shell/about_dialog.h"
#include "shell/board_view.h"
#include "shell/help.h"
#include "shell/properties_dialog.h"
#include "shell/status_bar.h"

namespace {

// The menu item record as Windows 95 and NT 4.0 know it, up to hbmpItem:
// they refuse today's larger record, which would leave the check mark and
// the greying undone there. Later systems accept it too.
constexpr UINT MENU_ITEM_RECORD_SIZE = offsetof(MENUITEMINFOA, hbmpItem);
static_assert(sizeof(void*) != 4 || MENU_ITEM_RECORD_SIZE == 44);

// The status bar along the bottom of the client area, the board view above.
void layoutFrame(int32_t width, int32_t height)
{
    int32_t viewHeight = height;
    if (statusBar) {
        RECT bar;
        GetWindowRect(statusBar, &bar);
        const int32_t barHeight = bar.bottom - bar.top;
        viewHeight -= barHeight;
        MoveWindow(statusBar, 0, viewHeight, width, barHeight, TRUE);
    }
    placeBoardView(width, viewHeight);
}

// OK may have changed the motif and brought or removed the status bar.
void showProperties()
{
    if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PROPERTIES), frameWindow,
                        propertiesDialogProc, 0) == IDOK)
        relayoutFrame();
}

void toggleStatusBarCommand()
{
    toggleStatusBar();
    relayoutFrame();
}

void onCommand(WPARAM wParam)
{
    const WORD code = HIWORD(wParam);
    if (code != FROM_MENU && code != FROM_ACCELERATOR && code != FROM_STARTUP)
        return;
    switch (LOWORD(wParam)) {
    case CMD_EXIT:
        // The same road as every other close, question included.
        SendMessageA(frameWindow, WM_CLOSE, 0, 0);
        break;
    case CMD_OPEN:
        openGameDialog();
        break;
    case CMD_SAVE:
        saveGameCommand();
        break;
    case CMD_NEW:
        newGame();
        break;
    case CMD_PROPERTIES:
        showProperties();
        break;
    case CMD_SAVE_AS:
        saveGameAsDialog();
        break;
    case CMD_STATUS_BAR:
        toggleStatusBarCommand();
        break;
    case CMD_HELP_CONTENTS:
        showHelpContents();
        break;
    case CMD_ABOUT:
        showAbout();
        break;
    case CMD_HOMEPAGE:
        openHomepage(frameWindow);
        break;
    }
}

// True when the window may close: the puzzle is solved, the player did not
// ask to be asked, or answered Yes.
bool playerAgreesToClose()
{
    return !(Options & OPT_ASK_ON_EXIT) || solved ||
           askYesNo(frameWindow, IDS_CLOSE_RUNNING, IDS_PROGRAM_TITLE);
}

void setItemState(HMENU popup, UINT command, UINT state)
{
    MENUITEMINFOA item = {};
    item.cbSize = MENU_ITEM_RECORD_SIZE;
    item.fMask = MIIM_STATE;
    item.fState = state;
    // Fails without effect in a popup that does not hold the item.
    SetMenuItemInfoA(popup, command, FALSE, &item);
}

void refreshMenuStates(HMENU popup)
{
    setItemState(popup, CMD_HELP_CONTENTS, htmlHelpEntry == htmlHelpStub ? MFS_GRAYED : MFS_ENABLED);
    setItemState(popup, CMD_STATUS_BAR, statusBar ? MFS_CHECKED : MFS_UNCHECKED);
}

}  // namespace

void relayoutFrame()
{
    RECT client;
    GetClientRect(frameWindow, &client);
    const WORD width = static_cast<WORD>(client.right - client.left);
    const WORD height = static_cast<WORD>(client.bottom - client.top);
    SendMessageA(frameWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
}

LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        layoutFrame(LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_CLOSE:
        if (!playerAgreesToClose())
            return 0;
        PostQuitMessage(0);
        break;
    case WM_COMMAND:
        onCommand(wParam);
        break;
    case WM_INITMENUPOPUP:
        // Popups of the menu bar only, not the window menu.
        if (HIWORD(lParam) == 0)
            refreshMenuStates(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_MENUSELECT:
        showMenuHelp(wParam, lParam);
        break;
    case WM_ENDSESSION:
        // The session ends with the window open: the process may be ended
        // before the loop returns, so the settings are written now, without
        // the close question.
        if (wParam)
            saveSettings();
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
