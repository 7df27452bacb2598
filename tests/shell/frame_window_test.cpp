// The frame window's commands, close question and menu states, and the
// status bar's texts, through the real window procedures.
#include "game_window_fixture.h"

#include <cstring>
#include <vector>

#include "base/resource_ids.h"
#include "file_dialog_answer.h"
#include "persist/game_file.h"
#include "shell/about_dialog.h"
#include "shell/help.h"
#include "tests/model/stones_in_play.h"

namespace {

// The platform's own captions: the program gives the file dialogs none.
bool hasFileDialogCaption(const SeenBox& box, WORD command)
{
    return box.caption == (command == CMD_OPEN ? "Open" : "Save As");
}

class CommandTest : public GameWindowTest {
protected:
    // Runs a file command whose one dialog is answered with file.
    static void answerFileCommand(WORD id, const std::string& file)
    {
        DialogAnswer dialog;
        dialog.name = file;
        ModalWatch watch(dialog.answer());
        command(id);
        EXPECT_EQ(dialog.fileDialogs, 1) << id;
        EXPECT_EQ(watch.boxes().size(), 1u) << id;
    }
};

// Only notification codes 0 (menu), 1 (accelerator) and 2 (start-up) act.
TEST_F(CommandTest, NewActsOnlyOnItsThreeNotificationCodes)
{
    for (WORD code : {0, 1, 2}) {
        resetGame();
        command(CMD_NEW, code);
        EXPECT_EQ(stonesInTray(), 11) << "code " << code;
    }
    for (WORD code : {3, 0x300}) {
        resetGame();
        command(CMD_NEW, code);
        EXPECT_EQ(stonesInTray(), 0) << "code " << code;
    }
}

// A loaded figure that no stones fill: New tells the player in a box owned
// by the frame, and the empty game is repainted.
TEST_F(CommandTest, NewOnAFigureNoStonesFillSaysSo)
{
    for (int s = 0; s < BOARD_SLOTS; ++s) {
        board[s].first = StoneHalf{s * 1000, 0, 0};
        board[s].second = StoneHalf{s * 1000 + 33, 0, 0};
    }
    ModalWatch watch;
    command(CMD_NEW);
    EXPECT_EQ(watch.summaries(), std::vector<std::string>{"Error: Could not generate game"});
    ASSERT_EQ(watch.boxes().size(), 1u);
    EXPECT_EQ(watch.boxes()[0].owner, frameWindow);
    EXPECT_EQ(stonesInTray(), 0);
    EXPECT_TRUE(repaintRequested());
}

// Open, Save without a file name and Save As each bring up a file dialog
// owned by the frame; Save with a name writes without one.
TEST_F(CommandTest, FileCommandsReachTheirDialogs)
{
    command(CMD_NEW);
    for (WORD id : {CMD_OPEN, CMD_SAVE, CMD_SAVE_AS}) {
        ModalWatch watch([](const SeenBox&) { return IDCANCEL; });
        command(id);
        ASSERT_EQ(watch.boxes().size(), 1u) << id;
        EXPECT_TRUE(hasFileDialogCaption(watch.boxes()[0], id)) << watch.boxes()[0].caption;
        EXPECT_EQ(watch.boxes()[0].owner, frameWindow);
    }
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "dzshell_save_command.sav";
    DeleteFileA(file.c_str());
    rememberFileName(file.c_str());
    ModalWatch watch;
    command(CMD_SAVE);
    EXPECT_TRUE(watch.boxes().empty());
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 450u);
    DeleteFileA(file.c_str());
}

// New, Save As and Open through the real dialogs: the saved game comes back.
TEST_F(CommandTest, SaveAsAndOpenThroughTheDialogsBringTheGameBack)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "dzshell_round_trip.sav";
    DeleteFileA(file.c_str());
    command(CMD_NEW);
    const Board savedBoard = board;
    const Tray savedTray = tray;
    const int32_t savedFixed = fixedSlot;
    answerFileCommand(CMD_SAVE_AS, file);
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 450u);

    do
        command(CMD_NEW);
    while (std::memcmp(&tray, &savedTray, sizeof tray) == 0);
    settle();
    answerFileCommand(CMD_OPEN, file);
    EXPECT_EQ(std::memcmp(&board, &savedBoard, sizeof board), 0);
    EXPECT_EQ(std::memcmp(&tray, &savedTray, PLAY_TRAY_SLOTS * sizeof(Stone)), 0);
    EXPECT_EQ(fixedSlot, savedFixed);
    EXPECT_TRUE(hasFileName);
    EXPECT_TRUE(repaintRequested());
    DeleteFileA(file.c_str());
}

// Exit, like every close, asks while the option is set and the game is not
// solved; No keeps the window and the game.
TEST_F(CommandTest, CloseQuestionDecidesWhetherTheWindowGoes)
{
    const struct {
        uint32_t options;
        bool solvedGame;
        int answer;
        bool asked, closed;
    } cases[] = {
        {DEFAULT_OPTIONS | OPT_ASK_ON_EXIT, false, IDNO, true, false},
        {DEFAULT_OPTIONS | OPT_ASK_ON_EXIT, false, IDYES, true, true},
        {DEFAULT_OPTIONS | OPT_ASK_ON_EXIT, true, IDYES, false, true},
        {DEFAULT_OPTIONS, false, IDYES, false, true},
    };
    for (const auto& c : cases) {
        closeWindows();
        openWindows(c.options);
        command(CMD_NEW);
        solved = c.solvedGame;
        const Tray before = tray;
        ModalWatch watch([&](const SeenBox&) { return c.answer; });
        command(CMD_EXIT);
        std::vector<std::string> expectedBoxes;
        if (c.asked)
            expectedBoxes.push_back("Domino Zarvek: Do you want to close the running game?");
        EXPECT_EQ(watch.summaries(), expectedBoxes);
        if (c.asked) {
            EXPECT_EQ(watch.boxes()[0].buttons, (std::vector<int>{IDYES, IDNO}));
        }
        EXPECT_EQ(IsWindow(frameWindow) == FALSE, c.closed);
        MSG quit;
        EXPECT_EQ(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE, c.closed);
        if (!c.closed)
            EXPECT_EQ(std::memcmp(&tray, &before, sizeof tray), 0);
        else
            frameWindow = nullptr;
    }
}

class MenuTest : public GameWindowTest {
protected:
    // The popup of the menu bar at position, as the frame refreshes it.
    static HMENU openPopup(int position)
    {
        HMENU popup = GetSubMenu(GetMenu(frameWindow), position);
        SendMessageA(frameWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                     MAKELPARAM(position, 0));
        return popup;
    }
    static UINT itemState(HMENU popup, UINT id) { return GetMenuState(popup, id, MF_BYCOMMAND); }
};

TEST_F(MenuTest, StatusbarTwiceRestoresTheBarTheLayoutAndTheOption)
{
    const uint32_t optionsBefore = Options;
    RECT viewBefore;
    GetClientRect(boardView, &viewBefore);
    const int32_t originBefore = boardOriginY;
    EXPECT_TRUE(itemState(openPopup(1), CMD_STATUS_BAR) & MF_CHECKED);

    command(CMD_STATUS_BAR);
    EXPECT_EQ(statusBar, nullptr);
    EXPECT_EQ(Options, optionsBefore & ~OPT_STATUS_BAR);
    EXPECT_FALSE(itemState(openPopup(1), CMD_STATUS_BAR) & MF_CHECKED);
    RECT frameClient, view;
    GetClientRect(frameWindow, &frameClient);
    GetWindowRect(boardView, &view);
    EXPECT_EQ(view.bottom - view.top, frameClient.bottom);

    command(CMD_STATUS_BAR);
    ASSERT_NE(statusBar, nullptr);
    EXPECT_EQ(statusText(), "Try to figure it out.");
    EXPECT_EQ(Options, optionsBefore);
    EXPECT_TRUE(itemState(openPopup(1), CMD_STATUS_BAR) & MF_CHECKED);
    RECT viewAfter;
    GetClientRect(boardView, &viewAfter);
    EXPECT_TRUE(EqualRect(&viewAfter, &viewBefore));
    EXPECT_EQ(boardOriginY, originBefore);
}

// Without the help library Contents is greyed and does nothing; with it the
// help file beside the program opens, whatever the current folder.
TEST_F(MenuTest, ContentsFollowsTheHelpLibrary)
{
    htmlHelpEntry = htmlHelpStub;
    EXPECT_TRUE(itemState(openPopup(2), CMD_HELP_CONTENTS) & MF_GRAYED);
    command(CMD_HELP_CONTENTS);

    htmlHelpEntry = recordHelpCall;
    helpCalls.clear();
    EXPECT_FALSE(itemState(openPopup(2), CMD_HELP_CONTENTS) & MF_GRAYED);
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string expected = program;
    expected = expected.substr(0, expected.rfind('\\') + 1) + "dzarvek.chm::/index.html";
    char windowsFolder[MAX_PATH];
    GetWindowsDirectoryA(windowsFolder, MAX_PATH);
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(windowsFolder);
    command(CMD_HELP_CONTENTS, 1);
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(helpCalls, std::vector<std::string>{expected});
    htmlHelpEntry = htmlHelpStub;
}

// The help library comes from the system folder only: one planted beside the
// program, which is also the current folder here, is never loaded.
TEST_F(MenuTest, HelpLibraryComesFromTheSystemFolder)
{
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder = program;
    folder = folder.substr(0, folder.rfind('\\') + 1);
    ASSERT_NE(GetFileAttributesA((folder + "hhctrl.ocx").c_str()), INVALID_FILE_ATTRIBUTES);
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.c_str());
    loadHelpLibrary();
    SetCurrentDirectoryA(previous);

    ASSERT_NE(htmlHelpEntry, htmlHelpStub);
    HMODULE from = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(htmlHelpEntry), &from);
    char loaded[MAX_PATH] = "";
    GetModuleFileNameA(from, loaded, MAX_PATH);
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(CharLowerA(loaded), std::string(CharLowerA(system)) + "\\hhctrl.ocx");
    EXPECT_EQ(GetModuleHandleA((folder + "hhctrl.ocx").c_str()), nullptr);
    freeHelpLibrary();
    EXPECT_EQ(htmlHelpEntry, htmlHelpStub);
}

// The Homepage command opens the maker's home page in a browser that shows:
// SW_SHOWNORMAL (1), not hidden.
TEST_F(MenuTest, HomepageOpensTheBrowserShownNormally)
{
    HomepageLaunches browser;
    command(CMD_HOMEPAGE);
    EXPECT_EQ(browser.launches(), std::vector<std::string>{"open http://www.ludwerk.de/, show 1"});
}

// The accelerators reach the frame as commands with notification code 1.
TEST_F(MenuTest, CtrlNAndCtrlSReachTheFrame)
{
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_ACCELERATORS));
    ASSERT_NE(accelerators, nullptr);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    resetGame();
    MSG ctrlN = {frameWindow, WM_KEYDOWN, 'N', 1, 0, {}};
    EXPECT_TRUE(TranslateAcceleratorA(frameWindow, accelerators, &ctrlN));
    EXPECT_EQ(stonesInTray(), 11);
    {
        ModalWatch watch([](const SeenBox&) { return IDCANCEL; });
        MSG ctrlS = {frameWindow, WM_KEYDOWN, 'S', 1, 0, {}};
        EXPECT_TRUE(TranslateAcceleratorA(frameWindow, accelerators, &ctrlS));
        ASSERT_EQ(watch.boxes().size(), 1u);
        EXPECT_TRUE(hasFileDialogCaption(watch.boxes()[0], CMD_SAVE));
    }
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

using StatusBarTest = GameWindowTest;

// Highlighting an item shows its help; items without a string empty the bar;
// closing the menu brings the solved or unsolved text back.
TEST_F(StatusBarTest, MenuHelpAndTheTextAfterTheMenu)
{
    HMENU menu = GetMenu(frameWindow);
    const struct {
        WORD item, flags;
        const char* text;
    } items[] = {
        {CMD_EXIT, MF_HILITE, "Exits Domino Zarvek"},
        {CMD_OPEN, MF_HILITE, "Loads a previously saved game"},
        {CMD_SAVE, MF_HILITE, "Saves the current game"},
        {CMD_NEW, MF_HILITE, "Starts a new game"},
        {CMD_PROPERTIES, MF_HILITE, "Displays the settings for Domino Zarvek"},
        {CMD_SAVE_AS, MF_HILITE, ""},
        {CMD_STATUS_BAR, MF_HILITE, "Turns the statusbar on-/off"},
        {CMD_HELP_CONTENTS, MF_HILITE,
         "Displays help on Domino Zarvek explaining the rules of play, giving tips & hints, etc."},
        {CMD_ABOUT, MF_HILITE, "Displays informations about Domino Zarvek"},
        {CMD_HOMEPAGE, MF_HILITE, "Opens the Ludwerk homepage with your favourite browser"},
        {0, MF_POPUP | MF_HILITE, ""},
        {2, MF_POPUP | MF_HILITE, ""},
    };
    for (const auto& item : items) {
        SendMessageA(frameWindow, WM_MENUSELECT, MAKEWPARAM(item.item, item.flags),
                     reinterpret_cast<LPARAM>(menu));
        EXPECT_EQ(statusText(), item.text) << item.item;
    }
    for (bool solvedGame : {false, true}) {
        solved = solvedGame;
        SendMessageA(frameWindow, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        EXPECT_EQ(statusText(), solvedGame ? "You made it!" : "Try to figure it out.");
    }
}

// Without a bar the menu help has nowhere to go, and nothing fails.
TEST_F(StatusBarTest, WithoutABarMenusChangeNothing)
{
    command(CMD_STATUS_BAR);
    ASSERT_EQ(statusBar, nullptr);
    SendMessageA(frameWindow, WM_MENUSELECT, MAKEWPARAM(CMD_NEW, MF_HILITE),
                 reinterpret_cast<LPARAM>(GetMenu(frameWindow)));
    SendMessageA(frameWindow, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(statusBar, nullptr);
}

}  // namespace
