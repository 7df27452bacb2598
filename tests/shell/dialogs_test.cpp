// The Properties and About dialogs and the Link control through the real
// procedures. A dialog is driven from a timer that its own modal loop
// dispatches once the dialog is filled; home page launches are recorded in
// place of the browser.
#include "game_window_fixture.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/resource_ids.h"
#include "shell/link_control.h"

namespace {

using Act = std::function<void(HWND)>;
const Act* pendingAct = nullptr;
HWND pendingDialog = nullptr;

void CALLBACK actOnDialog(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    const Act* act = std::exchange(pendingAct, nullptr);
    if (!act || !IsWindow(pendingDialog))
        return;
    (*act)(pendingDialog);
    // A dialog the test left open is cancelled, not left to the watchdog.
    if (IsWindowVisible(pendingDialog))
        PostMessageA(pendingDialog, WM_COMMAND, IDCANCEL, 0);
}

// Sends the menu command that opens a dialog and calls act with the dialog
// from inside its modal loop. Returns how many dialogs and boxes came up.
size_t runDialog(WORD commandId, const Act& act)
{
    pendingAct = &act;
    ModalWatch watch([](const SeenBox& box) {
        pendingDialog = box.window;
        SetTimer(nullptr, 0, 20, actOnDialog);
        return 0;
    });
    SendMessageA(frameWindow, WM_COMMAND, commandId, 0);
    pendingAct = nullptr;
    return watch.boxes().size();
}

void click(HWND dialog, int id)
{
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

void pressCloseBox(HWND dialog)
{
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    pumpMessages();
}

// Escape, handed to the dialog manager as the modal loop hands it a key.
void pressEscape(HWND dialog)
{
    HWND focus = GetFocus();
    MSG key = {IsChild(dialog, focus) ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
    IsDialogMessageA(dialog, &key);
    pumpMessages();
}

// The board, the tray, the selection and the start stone, byte for byte.
std::string gameBytes()
{
    std::string bytes(reinterpret_cast<const char*>(&board), sizeof board);
    bytes.append(reinterpret_cast<const char*>(&tray), sizeof tray);
    return bytes + std::to_string(selectedSlot) + "/" + std::to_string(fixedSlot);
}

// The dialog's own uncovering reaches only the part it lay over, which
// never holds the view's bottom-right corner; a repaint of the view does.
bool wholeViewRepaintRequested()
{
    RECT client;
    GetClientRect(boardView, &client);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool requested = GetUpdateRgn(boardView, region, FALSE) != NULLREGION &&
                           PtInRegion(region, client.right - 1, client.bottom - 1);
    DeleteObject(region);
    return requested;
}

// ---- Properties ----------------------------------------------------------------

struct PropertiesSeen {
    std::string checked;   // ids of the checked boxes and buttons, ascending
    bool uniqueGamesEnabled = true;
    RECT rect = {};
    POINT clientOrigin = {};
    bool stillOpen = false;
};

class PropertiesTest : public GameWindowTest {
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        command(CMD_NEW);
    }

    // Fresh windows with these options (the bar follows bit 8) and a game.
    void startGame(uint32_t options)
    {
        closeWindows();
        openWindows(options);
        command(CMD_NEW);
        settle();
    }

    // Properties from the menu: clicks the controls, then finish(dialog).
    static PropertiesSeen useProperties(const std::vector<int>& clicks, const Act& finish)
    {
        PropertiesSeen seen;
        EXPECT_EQ(runDialog(CMD_PROPERTIES, [&](HWND dialog) {
                      for (int id = IDC_UNIQUE_GAMES; id <= IDC_NO_DOUBLES; ++id)
                          if (SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0))
                              seen.checked += (seen.checked.empty() ? "" : " ") +
                                              std::to_string(id);
                      seen.uniqueGamesEnabled =
                          IsWindowEnabled(GetDlgItem(dialog, IDC_UNIQUE_GAMES));
                      GetWindowRect(dialog, &seen.rect);
                      ClientToScreen(dialog, &seen.clientOrigin);
                      for (int id : clicks)
                          click(dialog, id);
                      finish(dialog);
                      seen.stillOpen = IsWindowVisible(dialog);
                  }),
                  1u);
        return seen;
    }
    static void pressOk(const std::vector<int>& clicks)
    {
        useProperties(clicks, [](HWND dialog) { click(dialog, IDOK); });
    }
};

// The boxes show the settings, "Show Statusbar" whether the bar exists (not
// bit 8); OK writes back what the controls then hold, each control its own
// setting, and carries the disabled box's bit and the bits above 16 along.
TEST_F(PropertiesTest, ShowsTheSettingsAndOkWritesBackEachControl)
{
    const struct {
        uint32_t optionsAtStart;   // the bar exists when bit 8 is set here
        uint32_t options;          // and the dialog opens with these
        uint8_t tileSet;
        std::vector<int> clicks;
        std::string checked;
        uint32_t optionsAfter;
        uint8_t tileSetAfter;
    } cases[] = {
        {12, 12, 0, {}, "7002 7004 7007", 12, 0},
        {0xFFFF0033, 0xFFFF0033, 1, {}, "7001 7003 7006 7008", 0xFFFF0033, 1},
        {12, 4, 2, {}, "7002 7005 7007", 12, 2},   // the bar counts, not bit 8
        {4, 12, 5, {}, "7002", 4, 5},              // motif 5 checks no button
        {12, 12, 0, {IDC_ASK_ON_EXIT}, "7002 7004 7007", 13, 0},
        {12, 12, 0, {IDC_START_STONE}, "7002 7004 7007", 8, 0},
        {12, 12, 0, {IDC_NO_DOUBLES}, "7002 7004 7007", 28, 0},
        {12, 12, 5, {IDC_CHINESE}, "7002 7007", 12, 1},
        {12, 12, 1, {IDC_SYMBOLS}, "7002 7006 7007", 12, 2},
        {12, 12, 2, {IDC_DOMINOES}, "7002 7005 7007", 12, 0},
        {0x80000003, 0x80000003, 0, {IDC_ASK_ON_EXIT, IDC_START_STONE, IDC_NO_DOUBLES, IDC_SYMBOLS},
         "7001 7003 7004", 0x80000016, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.options << std::dec << " motif "
                                        << int(c.tileSet) << " clicks " << c.clicks.size());
        startGame(c.optionsAtStart);
        Options = c.options;
        TileSet = c.tileSet;
        HWND barBefore = statusBar;
        const std::string game = gameBytes();

        const PropertiesSeen seen = useProperties(c.clicks, [](HWND d) { click(d, IDOK); });
        EXPECT_EQ(seen.checked, c.checked);
        EXPECT_FALSE(seen.uniqueGamesEnabled);
        // The template's (0, 0) is where the dialog's client area begins.
        POINT frameOrigin = {0, 0};
        ClientToScreen(frameWindow, &frameOrigin);
        EXPECT_EQ(seen.clientOrigin.x, frameOrigin.x);
        EXPECT_EQ(seen.clientOrigin.y, frameOrigin.y);

        EXPECT_EQ(Options, c.optionsAfter);
        EXPECT_EQ(TileSet, c.tileSetAfter);
        EXPECT_EQ(statusBar, barBefore);
        EXPECT_TRUE(wholeViewRepaintRequested());
        EXPECT_EQ(gameBytes(), game);
    }
}

// Cancel, the close box and Escape discard every change and repaint
// nothing; Help does nothing and the dialog stays.
TEST_F(PropertiesTest, CancelCloseEscapeAndHelpChangeNothing)
{
    const struct {
        const char* how;
        Act finish;
        bool staysOpen;
    } cases[] = {
        {"Cancel", [](HWND dialog) { click(dialog, IDCANCEL); }, false},
        {"close box", pressCloseBox, false},
        {"Escape", pressEscape, false},
        {"Help", [](HWND dialog) { click(dialog, IDHELP); pumpMessages(); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Options = DEFAULT_OPTIONS | 0x100;
        TileSet = TILESET_SYMBOLS;
        HWND barBefore = statusBar;
        const std::string game = gameBytes();
        settle();

        const PropertiesSeen seen = useProperties(
            {IDC_ASK_ON_EXIT, IDC_START_STONE, IDC_NO_DOUBLES, IDC_SHOW_STATUS_BAR, IDC_DOMINOES},
            c.finish);
        EXPECT_EQ(seen.stillOpen, c.staysOpen);
        EXPECT_EQ(Options, DEFAULT_OPTIONS | 0x100);
        EXPECT_EQ(TileSet, TILESET_SYMBOLS);
        EXPECT_EQ(statusBar, barBefore);
        EXPECT_TRUE(IsWindow(barBefore));
        EXPECT_FALSE(wholeViewRepaintRequested());
        EXPECT_EQ(gameBytes(), game);
        RECT view;
        GetWindowRect(boardView, &view);
        EXPECT_FALSE(PtInRect(&seen.rect, POINT{view.right - 3, view.bottom - 3}))
            << "the corner the repaint check looks at lay under the dialog";
    }
}

// Clearing "Show Statusbar" removes the bar at once and the view takes its
// place; setting it again brings bar, text and layout back.
TEST_F(PropertiesTest, ShowStatusbarRemovesAndRestoresTheBar)
{
    RECT frameClient, viewBefore, view;
    GetClientRect(frameWindow, &frameClient);
    GetClientRect(boardView, &viewBefore);
    const int32_t originYBefore = boardOriginY;
    ASSERT_NE(statusBar, nullptr);

    pressOk({IDC_SHOW_STATUS_BAR});
    EXPECT_EQ(Options, DEFAULT_OPTIONS & ~OPT_STATUS_BAR);
    EXPECT_EQ(statusBar, nullptr);
    GetWindowRect(boardView, &view);
    EXPECT_EQ(view.bottom - view.top, frameClient.bottom);
    EXPECT_GT(boardOriginY, originYBefore);

    pressOk({IDC_SHOW_STATUS_BAR});
    EXPECT_EQ(Options, DEFAULT_OPTIONS);
    ASSERT_NE(statusBar, nullptr);
    EXPECT_EQ(statusText(), "Try to figure it out.");
    GetClientRect(boardView, &view);
    EXPECT_TRUE(EqualRect(&view, &viewBefore));
    EXPECT_EQ(boardOriginY, originYBefore);
}

// ---- About -----------------------------------------------------------------------

// Commands from the watched link, counted as a loop takes them from the
// queue: the link posts them.
int linkCommandsPosted = 0;
HWND watchedLink = nullptr;

LRESULT CALLBACK countLinkCommands(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg.message == WM_COMMAND &&
        msg.wParam == IDC_HOMEPAGE_LINK && reinterpret_cast<HWND>(msg.lParam) == watchedLink &&
        msg.hwnd == GetParent(watchedLink))
        ++linkCommandsPosted;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool linkClassExists()
{
    WNDCLASSA linkClass;
    return GetClassInfoA(instance, LINK_CLASS_NAME, &linkClass) != 0;
}

// The text's colour: of the control's own pixels, the commonest colour after
// the background's.
std::string textColour(HWND link)
{
    RECT client;
    GetClientRect(link, &client);
    std::map<COLORREF, int> counts;
    HDC dc = GetDC(link);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            ++counts[GetPixel(dc, x, y)];
    ReleaseDC(link, dc);
    std::vector<std::pair<int, COLORREF>> byCount;
    for (const auto& [colour, count] : counts)
        byCount.push_back({count, colour});
    std::sort(byCount.rbegin(), byCount.rend());
    const COLORREF text = byCount.size() > 1 ? byCount[1].second : CLR_INVALID;
    const std::map<COLORREF, std::string> names = {
        {0x000000, "black"}, {0xFF0000, "blue"}, {0xFFFFFF, "white"}};
    return names.count(text) ? names.at(text) : std::to_string(text);
}

using AboutTest = GameWindowTest;

// Each time centred on the screen with the class "Link" there only while it
// is open, and each way of closing it ends it.
TEST_F(AboutTest, OpensCentredAgainAndAgainAndEachWayOfClosingEndsIt)
{
    const struct {
        const char* how;
        Act press;
    } cases[] = {
        {"OK", [](HWND dialog) { click(dialog, IDOK); }},
        {"Escape", pressEscape},
        {"close box", pressCloseBox},
    };
    EXPECT_FALSE(linkClassExists());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        bool classWhileOpen = false, stillOpen = true;
        std::string linkText(128, '\0');
        RECT rect = {};
        HWND owner = nullptr;
        EXPECT_EQ(runDialog(CMD_ABOUT, [&](HWND dialog) {
                      classWhileOpen = linkClassExists();
                      linkText.resize(GetWindowTextA(GetDlgItem(dialog, IDC_HOMEPAGE_LINK),
                                                     linkText.data(), 128));
                      GetWindowRect(dialog, &rect);
                      owner = GetParent(dialog);
                      c.press(dialog);
                      stillOpen = IsWindowVisible(dialog);
                  }),
                  1u);
        EXPECT_TRUE(classWhileOpen);
        EXPECT_EQ(linkText, "http://www.ludwerk.de/");
        EXPECT_EQ(owner, frameWindow);
        EXPECT_FALSE(stillOpen);
        EXPECT_FALSE(linkClassExists());

        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(frameWindow, MONITOR_DEFAULTTOPRIMARY), &monitor);
        EXPECT_NEAR(rect.left + rect.right, monitor.rcWork.left + monitor.rcWork.right, 2);
        EXPECT_NEAR(rect.top + rect.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 2);
    }
}

// The pointer over the dialog's link: colour, capture, the clicks that open
// the home page while the dialog stays open, and no click once another window
// has taken the capture.
TEST_F(AboutTest, LinkFollowsThePointerAndAClickOpensTheHomePage)
{
    HomepageLaunches browser;
    enum Where { INSIDE, RIGHT_OF_IT, LEFT_ABOVE };
    constexpr UINT CAPTURE_TAKEN = WM_APP;   // not a message: SetCapture(dialog)
    const struct {
        const char* step;
        UINT message;
        Where where;
        const char* colour;
        bool captured;
        int commands;   // posted so far
    } steps[] = {
        {"move onto it", WM_MOUSEMOVE, INSIDE, "blue", true, 0},
        {"move off to the right", WM_MOUSEMOVE, RIGHT_OF_IT, "black", false, 0},
        {"move back onto it", WM_MOUSEMOVE, INSIDE, "blue", true, 0},
        {"press on it", WM_LBUTTONDOWN, INSIDE, "white", true, 0},
        {"drag off to the left", WM_MOUSEMOVE, LEFT_ABOVE, "white", true, 0},
        {"release off it", WM_LBUTTONUP, LEFT_ABOVE, "black", false, 0},
        {"move onto it again", WM_MOUSEMOVE, INSIDE, "blue", true, 0},
        {"press", WM_LBUTTONDOWN, INSIDE, "white", true, 0},
        {"release on it", WM_LBUTTONUP, INSIDE, "blue", false, 1},
        // A press that began elsewhere: the link only sees the pointer come in.
        {"move onto it from a press outside", WM_MOUSEMOVE, INSIDE, "blue", true, 1},
        {"release on it after all", WM_LBUTTONUP, INSIDE, "blue", false, 2},
        // Another window takes the capture (a message box, Alt+Tab): the
        // link forgets the pointer and the press; a later release is no click.
        {"move onto it once more", WM_MOUSEMOVE, INSIDE, "blue", true, 2},
        {"the dialog takes the capture", CAPTURE_TAKEN, INSIDE, "black", false, 2},
        {"release on it without a move", WM_LBUTTONUP, INSIDE, "black", false, 2},
        {"move onto it yet again", WM_MOUSEMOVE, INSIDE, "blue", true, 2},
        {"press on it once more", WM_LBUTTONDOWN, INSIDE, "white", true, 2},
        {"the dialog takes the capture while pressed", CAPTURE_TAKEN, INSIDE, "black", false, 2},
        {"release on it without a move again", WM_LBUTTONUP, INSIDE, "black", false, 2},
    };

    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, countLinkCommands, nullptr, GetCurrentThreadId());
    linkCommandsPosted = 0;
    std::string colourAtStart;
    bool stillOpen = false;
    runDialog(CMD_ABOUT, [&](HWND dialog) {
        HWND link = watchedLink = GetDlgItem(dialog, IDC_HOMEPAGE_LINK);
        RECT client;
        GetClientRect(link, &client);
        UpdateWindow(dialog);
        colourAtStart = textColour(link);
        for (const auto& s : steps) {
            SCOPED_TRACE(s.step);
            const POINT at = s.where == INSIDE        ? POINT{2, 2}
                             : s.where == RIGHT_OF_IT ? POINT{client.right + 4, 2}
                                                      : POINT{-3, -2};
            if (s.message == CAPTURE_TAKEN)
                SetCapture(dialog);
            else
                SendMessageA(link, s.message, s.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                             MAKELPARAM(at.x, at.y));
            pumpMessages();
            EXPECT_EQ(textColour(link), s.colour);
            EXPECT_EQ(GetCapture() == link, s.captured);
            EXPECT_EQ(linkCommandsPosted, s.commands);
            EXPECT_EQ(browser.launches().size(), static_cast<size_t>(s.commands));
        }
        ReleaseCapture();
        stillOpen = IsWindowVisible(dialog);
    });
    UnhookWindowsHookEx(hook);
    watchedLink = nullptr;

    EXPECT_EQ(colourAtStart, "black");
    EXPECT_TRUE(stillOpen);
    const std::string shown = "open http://www.ludwerk.de/, show 1";   // SW_SHOWNORMAL
    EXPECT_EQ(browser.launches(), (std::vector<std::string>{shown, shown}));
}

// ---- The Link control on its own ------------------------------------------------

class LinkTest : public testing::Test {
protected:
    void SetUp() override
    {
        instance = GetModuleHandleA(nullptr);
        registerLinkClass();
    }
    void TearDown() override
    {
        if (link)
            DestroyWindow(link);
        unregisterLinkClass();
    }

    HWND link = nullptr;
};

// The text is read into 128 characters: the 127th is drawn, nothing after it.
TEST_F(LinkTest, TextLongerThan127CharactersIsDrawnCut)
{
    const std::string text = std::string(126, 'i') + "M" + std::string(40, 'W');
    link = CreateWindowExA(0, LINK_CLASS_NAME, text.c_str(), WS_POPUP | WS_VISIBLE, 0, 0, 1000, 40,
                           nullptr, nullptr, instance, nullptr);
    ASSERT_NE(link, nullptr);
    UpdateWindow(link);
    RECT client;
    GetClientRect(link, &client);
    HDC dc = GetDC(link);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SIZE before127th, through127th;
    GetTextExtentPoint32A(dc, text.c_str(), 126, &before127th);
    GetTextExtentPoint32A(dc, text.c_str(), 127, &through127th);
    ReleaseDC(link, dc);
    ASSERT_LT(through127th.cx + 20, client.right) << "the uncut text would not show";

    InvalidateRect(link, nullptr, FALSE);
    UpdateWindow(link);
    dc = GetDC(link);
    int rightmostInk = -1;
    for (int x = 0; x < client.right; ++x)
        for (int y = 0; y < client.bottom; ++y)
            if (GetPixel(dc, x, y) != 0xFFFFFF)
                rightmostInk = x;
    ReleaseDC(link, dc);
    EXPECT_GE(rightmostInk, before127th.cx);
    EXPECT_LT(rightmostInk, through127th.cx);
}

// After WM_DESTROY has freed the state, the window no longer points at it:
// later messages, and the real destruction, find nothing and do nothing.
TEST_F(LinkTest, MessagesAfterDestroyFindNoState)
{
    link = CreateWindowExA(0, LINK_CLASS_NAME, "http://www.ludwerk.de/", WS_POPUP | WS_VISIBLE, 0,
                           0, 100, 20, nullptr, nullptr, instance, nullptr);
    ASSERT_NE(link, nullptr);
    EXPECT_NE(GetWindowLongPtrA(link, 0), 0);
    SendMessageA(link, WM_DESTROY, 0, 0);
    const LONG_PTR left = GetWindowLongPtrA(link, 0);
    // A freed state left behind is unhooked here, so the fault fails the
    // test instead of crashing it.
    if (left != 0)
        SetWindowLongPtrA(link, 0, 0);
    ASSERT_EQ(left, 0);

    SendMessageA(link, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 1);
    SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    InvalidateRect(link, nullptr, TRUE);
    UpdateWindow(link);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(link, &update, FALSE));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetWindowLongPtrA(link, 0), 0);
    EXPECT_TRUE(DestroyWindow(link));
    link = nullptr;
}

}  // namespace
