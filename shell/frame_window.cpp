// The frame window: command dispatch, the close question, the settings
// written when the session ends, and the states of the Contents and
// Statusbar menu items. Layout and menu help are passed on to the board view
// and the status bar.
#include "shell/frame_window.h"

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

constexpr int QUESTION_TEXT_SIZE = 128;

// Notification codes of the commands we act on: the menu, an accelerator,
// and the New command that start-up posts.
constexpr WORD FROM_MENU = 0;
constexpr WORD FROM_ACCELERATOR = 1;
constexpr WORD FROM_STARTUP = 2;

void showProperties()
{
    if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PROPERTIES), frameWindow,
                        propertiesDialogProc, 0) == IDOK)
        InvalidateRect(boardView, nullptr, FALSE);
}

void toggleStatusBarCommand()
{
    Options ^= OPT_STATUS_BAR;
    toggleStatusBar();
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
    if (!(Options & OPT_ASK_ON_EXIT) || solved)
        return true;
    char question[QUESTION_TEXT_SIZE];
    char title[QUESTION_TEXT_SIZE];
    loadText(IDS_CLOSE_RUNNING, question, sizeof question);
    loadText(IDS_PROGRAM_TITLE, title, sizeof title);
    return MessageBoxA(frameWindow, question, title, MB_YESNO) == IDYES;
}

void setItemState(HMENU popup, UINT command, UINT state)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
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

LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        layoutViews(LOWORD(lParam), HIWORD(lParam));
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
