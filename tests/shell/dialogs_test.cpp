// The Properties and About dialogs and the Link control, through the real
// dialog procedures. A dialog is driven from a timer that its own modal loop
// dispatches, once the dialog has been filled; the home page launch goes to a
// recording script instead of a browser.
#include "game_window_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <new>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <tlhelp32.h>

#include "base/resource_ids.h"
#include "shell/about_dialog.h"
#include "shell/link_control.h"

// Allocation fails on demand, to see a Link refuse its creation.
namespace {
bool failNothrowNew = false;
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (failNothrowNew)
        return nullptr;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}

namespace {

// ---- Driving a modal dialog ----------------------------------------------

struct DialogRun {
    std::function<void(HWND)> act;
    HWND dialog = nullptr;
};
DialogRun* pendingRun = nullptr;

void CALLBACK actOnDialog(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    DialogRun* run = std::exchange(pendingRun, nullptr);
    if (!run || !IsWindow(run->dialog))
        return;
    run->act(run->dialog);
    // A dialog the test left open is cancelled, not left to the watchdog.
    if (IsWindow(run->dialog) && IsWindowVisible(run->dialog))
        PostMessageA(run->dialog, WM_COMMAND, IDCANCEL, 0);
}

// Calls open, which runs a modal dialog, and act with that dialog from inside
// its modal loop. Returns how many dialogs and boxes came up.
size_t runDialog(const std::function<void()>& open, std::function<void(HWND)> act)
{
    DialogRun run{std::move(act)};
    ModalWatch watch([&run](const SeenBox& box) {
        if (run.dialog)
            return IDCANCEL;
        run.dialog = box.window;
        pendingRun = &run;
        SetTimer(nullptr, 0, 20, actOnDialog);
        return 0;
    });
    open();
    pendingRun = nullptr;
    return watch.boxes().size();
}

bool isChecked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) != 0;
}

void click(HWND dialog, int id)
{
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

// The checked boxes and radio buttons, by id, ascending.
std::string checkedControls(HWND dialog)
{
    std::string ids;
    for (int id = IDC_UNIQUE_GAMES; id <= IDC_NO_DOUBLES; ++id)
        if (isChecked(dialog, id))
            ids += (ids.empty() ? "" : " ") + std::to_string(id);
    return ids;
}

// The close box: the system command that the caption's button sends.
void pressCloseBox(HWND dialog)
{
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    pumpMessages();
}

// Escape, as the dialog's modal loop hands a key to the dialog manager.
void pressEscape(HWND dialog)
{
    HWND focus = GetFocus();
    if (!focus || (focus != dialog && !IsChild(dialog, focus)))
        focus = dialog;
    MSG key = {focus, WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
    IsDialogMessageA(dialog, &key);
    pumpMessages();
}

// ---- The game around the dialogs -------------------------------------------

struct GameSnapshot {
    Board board;
    Tray tray;
    SlotIndex selected;
    int32_t fixed;

    static GameSnapshot now() { return {::board, ::tray, selectedSlot, fixedSlot}; }
    bool operator==(const GameSnapshot& other) const
    {
        return std::memcmp(&board, &other.board, sizeof board) == 0 &&
               std::memcmp(&tray, &other.tray, sizeof tray) == 0 && selected == other.selected &&
               fixed == other.fixed;
    }
};

// True when the whole board view waits for a repaint. The dialog's own
// uncovering only reaches the part it lay over, which never holds the view's
// bottom-right corner.
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
    std::string checked;
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
        startGame(DEFAULT_OPTIONS);
    }

    // Fresh windows with these options (the bar follows bit 8), a new game.
    void startGame(uint32_t options)
    {
        closeWindows();
        openWindows(options);
        command(CMD_NEW);
        settle();
    }

    // Properties from the menu: clicks the controls, then finish(dialog).
    PropertiesSeen useProperties(const std::vector<int>& clicks,
                                 const std::function<void(HWND)>& finish)
    {
        PropertiesSeen seen;
        const size_t boxes = runDialog([] { command(CMD_PROPERTIES); }, [&](HWND dialog) {
            seen.checked = checkedControls(dialog);
            seen.uniqueGamesEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_UNIQUE_GAMES));
            GetWindowRect(dialog, &seen.rect);
            ClientToScreen(dialog, &seen.clientOrigin);
            for (int id : clicks)
                click(dialog, id);
            finish(dialog);
            seen.stillOpen = IsWindowVisible(dialog);
        });
        EXPECT_EQ(boxes, 1u);
        return seen;
    }
    PropertiesSeen pressOk(const std::vector<int>& clicks = {})
    {
        return useProperties(clicks, [](HWND dialog) { click(dialog, IDOK); });
    }
};

// What the dialog shows comes from the settings and from whether the bar
// exists (not from bit 8); OK without a change writes back what it showed.
TEST_F(PropertiesTest, ShowsTheSettingsAndOkWithoutChangesKeepsThem)
{
    const struct {
        uint32_t optionsAtStart;   // the bar exists when bit 8 is set here
        uint32_t optionsOpening;   // then Options is set to this
        uint8_t tileSet;
        std::string checked;
        uint32_t optionsAfter;
    } cases[] = {
        {12, 12, 0, "7002 7004 7007", 12},
        {0xFFFF0033, 0xFFFF0033, 1, "7001 7003 7006 7008", 0xFFFF0033},
        {12, 4, 2, "7002 7005 7007", 12},   // bar without bit 8: the bar counts
        {4, 12, 5, "7002", 4},              // bit 8 without bar; motif 5 shows no button
        {0x00010000, 0x00010000, 0, "7004", 0x00010000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.checked);
        startGame(c.optionsAtStart);
        Options = c.optionsOpening;
        TileSet = c.tileSet;
        HWND barBefore = statusBar;
        const GameSnapshot game = GameSnapshot::now();

        const PropertiesSeen seen = pressOk();
        EXPECT_EQ(seen.checked, c.checked);
        EXPECT_FALSE(seen.uniqueGamesEnabled);
        // The template's (0, 0) is where the dialog's client area begins.
        POINT frameOrigin = {0, 0};
        ClientToScreen(frameWindow, &frameOrigin);
        EXPECT_EQ(seen.clientOrigin.x, frameOrigin.x);
        EXPECT_EQ(seen.clientOrigin.y, frameOrigin.y);

        EXPECT_EQ(Options, c.optionsAfter);
        EXPECT_EQ(TileSet, c.tileSet);
        EXPECT_EQ(statusBar, barBefore);
        EXPECT_TRUE(wholeViewRepaintRequested());
        EXPECT_TRUE(GameSnapshot::now() == game);
    }
}

// Each box changes its own bit and each radio button the motif; the disabled
// box's bit and the bits above 16 pass through; the running game stays.
TEST_F(PropertiesTest, EachControlChangesOnlyItsOwnSetting)
{
    const struct {
        uint32_t options;
        uint8_t tileSet;
        std::vector<int> clicks;
        uint32_t optionsAfter;
        uint8_t tileSetAfter;
    } cases[] = {
        {12, 0, {IDC_ASK_ON_EXIT}, 13, 0},
        {12, 0, {IDC_START_STONE}, 8, 0},
        {12, 0, {IDC_NO_DOUBLES}, 28, 0},
        {12, 0, {IDC_CHINESE}, 12, 1},
        {12, 1, {IDC_SYMBOLS}, 12, 2},
        {12, 2, {IDC_DOMINOES}, 12, 0},
        {12, 5, {IDC_CHINESE}, 12, 1},
        {0xFFFF0032, 2, {IDC_ASK_ON_EXIT}, 0xFFFF0033, 2},
        {0x80000003, 0, {IDC_ASK_ON_EXIT, IDC_START_STONE, IDC_NO_DOUBLES, IDC_SYMBOLS},
         0x80000016, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.options << " clicks " << c.clicks.size()
                                        << " first " << std::dec << c.clicks[0]);
        startGame(c.options);
        TileSet = c.tileSet;
        HWND barBefore = statusBar;
        const GameSnapshot game = GameSnapshot::now();

        pressOk(c.clicks);
        EXPECT_EQ(Options, c.optionsAfter);
        EXPECT_EQ(TileSet, c.tileSetAfter);
        EXPECT_EQ(statusBar, barBefore);
        EXPECT_TRUE(wholeViewRepaintRequested());
        EXPECT_TRUE(GameSnapshot::now() == game);
    }
}

// Cancel, the close box and Escape discard every change, repaint nothing and
// leave the game alone; Help does nothing and the dialog stays.
TEST_F(PropertiesTest, CancelCloseEscapeAndHelpChangeNothing)
{
    const struct {
        const char* how;
        std::function<void(HWND)> finish;
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
        const GameSnapshot game = GameSnapshot::now();
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
        EXPECT_TRUE(GameSnapshot::now() == game);
        // The view's corner stood clear of the dialog, so the check above means something.
        RECT view;
        GetWindowRect(boardView, &view);
        EXPECT_FALSE(PtInRect(&seen.rect, POINT{view.right - 3, view.bottom - 3}));
    }
}

// Clearing "Show Statusbar" removes the bar at once and the view takes its
// place; setting it again brings bar, text and layout back.
TEST_F(PropertiesTest, ShowStatusbarRemovesAndRestoresTheBar)
{
    RECT frameClient, viewBefore;
    GetClientRect(frameWindow, &frameClient);
    GetClientRect(boardView, &viewBefore);
    const int32_t originYBefore = boardOriginY;
    ASSERT_NE(statusBar, nullptr);

    pressOk({IDC_SHOW_STATUS_BAR});
    EXPECT_EQ(Options, DEFAULT_OPTIONS & ~OPT_STATUS_BAR);
    EXPECT_EQ(statusBar, nullptr);
    RECT view;
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

// ---- The home page launch, recorded ------------------------------------------

using WineUnixName = char*(CDECL*)(const WCHAR*);

// Points the prefix's browser list at a shell script that appends its
// argument to a file, and puts the list back afterwards.
class BrowserRecorder {
public:
    BrowserRecorder()
    {
        // Through void*, as a FARPROC is no function of this type.
        auto unixName = reinterpret_cast<WineUnixName>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
        if (!unixName)
            return;
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        scriptPath = std::string(folder) + "dz_browser.sh";
        recordPath = std::string(folder) + "dz_browser.txt";
        DeleteFileA(recordPath.c_str());
        std::ofstream(scriptPath, std::ios::binary)
            << "printf '%s\\n' \"$1\" >> '" << toUnix(unixName, recordPath) << "'\n";

        RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
        DWORD size = sizeof saved;
        hadValue = RegQueryValueExA(key, "Browsers", nullptr, &savedType,
                                    reinterpret_cast<BYTE*>(saved), &size) == ERROR_SUCCESS;
        savedSize = size;
        const std::string browsers = "/bin/sh \"" + toUnix(unixName, scriptPath) + "\"";
        RegSetValueExA(key, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(browsers.c_str()),
                       static_cast<DWORD>(browsers.size() + 1));
        ready = true;
    }

    ~BrowserRecorder()
    {
        if (key) {
            if (hadValue)
                RegSetValueExA(key, "Browsers", 0, savedType, reinterpret_cast<BYTE*>(saved),
                               savedSize);
            else
                RegDeleteValueA(key, "Browsers");
            RegCloseKey(key);
        }
        if (!scriptPath.empty()) {
            DeleteFileA(scriptPath.c_str());
            DeleteFileA(recordPath.c_str());
        }
    }

    bool ready = false;

    std::vector<std::string> launches() const
    {
        std::vector<std::string> lines;
        std::ifstream file(recordPath);
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }

    // The browser starts in a process of its own: waits (bounded) until it
    // has recorded count launches, woken by changes in the folder, and until
    // the launcher has ended. A launcher still alive would take the next
    // launch's request over and drop it.
    std::vector<std::string> waitForLaunches(size_t count) const
    {
        const std::string folder = recordPath.substr(0, recordPath.find_last_of('\\'));
        HANDLE change = FindFirstChangeNotificationA(
            folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE |
                                       FILE_NOTIFY_CHANGE_LAST_WRITE);
        const DWORD start = GetTickCount();
        while (launches().size() < count && GetTickCount() - start < LAUNCH_LIMIT_MS) {
            if (change == INVALID_HANDLE_VALUE ||
                WaitForSingleObject(change, LAUNCH_LIMIT_MS) != WAIT_OBJECT_0)
                break;
            FindNextChangeNotification(change);
        }
        if (change != INVALID_HANDLE_VALUE)
            FindCloseChangeNotification(change);
        waitForLaunchersToEnd();
        return launches();
    }

private:
    static constexpr DWORD LAUNCH_LIMIT_MS = 20000;

    static void waitForLaunchersToEnd()
    {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot, &entry); more;
             more = Process32Next(snapshot, &entry)) {
            if (lstrcmpiA(entry.szExeFile, "winebrowser.exe") != 0)
                continue;
            if (HANDLE launcher = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
                WaitForSingleObject(launcher, LAUNCH_LIMIT_MS);
                CloseHandle(launcher);
            }
        }
        CloseHandle(snapshot);
    }

    static std::string toUnix(WineUnixName unixName, const std::string& path)
    {
        std::wstring wide(path.begin(), path.end());
        char* name = unixName(wide.c_str());
        std::string result = name ? name : "";
        HeapFree(GetProcessHeap(), 0, name);
        return result;
    }

    std::string scriptPath, recordPath;
    HKEY key = nullptr;
    bool hadValue = false;
    DWORD savedType = REG_SZ;
    DWORD savedSize = 0;
    char saved[1024] = {};
};

// ---- About -----------------------------------------------------------------------

// Commands that reach the dialog from its link, counted as the loop takes
// them from the queue: the link posts them.
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

// The colour the text shows in: the commonest colour of the control's own
// pixels other than the background, its commonest colour.
COLORREF textColour(HWND link)
{
    RECT client;
    GetClientRect(link, &client);
    std::map<COLORREF, int> counts;
    HDC dc = GetDC(link);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            ++counts[GetPixel(dc, x, y)];
    ReleaseDC(link, dc);
    if (counts.size() < 2)
        return CLR_INVALID;
    std::vector<std::pair<int, COLORREF>> byCount;
    for (const auto& [colour, count] : counts)
        byCount.push_back({count, colour});
    std::sort(byCount.rbegin(), byCount.rend());
    return byCount[1].second;
}

std::string colourName(COLORREF colour)
{
    switch (colour) {
    case 0x000000: return "black";
    case 0xFF0000: return "blue";
    case 0xFFFFFF: return "white";
    }
    std::ostringstream other;
    other << std::hex << colour;
    return other.str();
}

using AboutTest = GameWindowTest;

// Centred on the screen; the class "Link" is there only while the dialog is
// open, so the dialog opens again after it was closed.
TEST_F(AboutTest, OpensCentredTwiceAndTheLinkClassLivesOnlyMeanwhile)
{
    EXPECT_FALSE(linkClassExists());
    for (int round = 0; round < 2; ++round) {
        bool classWhileOpen = false;
        std::string linkText;
        RECT rect = {};
        HWND owner = nullptr;
        const size_t boxes = runDialog([] { command(CMD_ABOUT); }, [&](HWND dialog) {
            classWhileOpen = linkClassExists();
            char text[128] = "";
            GetWindowTextA(GetDlgItem(dialog, IDC_HOMEPAGE_LINK), text, sizeof text);
            linkText = text;
            GetWindowRect(dialog, &rect);
            owner = GetParent(dialog);
            click(dialog, IDOK);
        });
        EXPECT_EQ(boxes, 1u) << "round " << round;
        EXPECT_TRUE(classWhileOpen);
        EXPECT_EQ(linkText, "http://www.ludwerk.de/");
        EXPECT_EQ(owner, frameWindow);
        EXPECT_FALSE(linkClassExists());

        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(frameWindow, MONITOR_DEFAULTTOPRIMARY), &monitor);
        EXPECT_NEAR(rect.left + rect.right, monitor.rcWork.left + monitor.rcWork.right, 2);
        EXPECT_NEAR(rect.top + rect.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 2);
    }
}

TEST_F(AboutTest, OkEscapeAndTheCloseBoxEndIt)
{
    const struct {
        const char* how;
        std::function<void(HWND)> press;
    } cases[] = {
        {"OK", [](HWND dialog) { click(dialog, IDOK); }},
        {"Escape", pressEscape},
        {"close box", pressCloseBox},
    };
    for (const auto& c : cases) {
        bool stillOpen = true;
        runDialog([] { command(CMD_ABOUT); }, [&](HWND dialog) {
            c.press(dialog);
            stillOpen = IsWindowVisible(dialog);
        });
        EXPECT_FALSE(stillOpen) << c.how;
        EXPECT_TRUE(IsWindowEnabled(frameWindow)) << c.how;
    }
}

// The pointer over the link, as the dialog's link sees it: colour, capture,
// and the clicks that open the home page while the dialog stays open.
TEST_F(AboutTest, LinkFollowsThePointerAndAClickOpensTheHomePage)
{
    BrowserRecorder browser;
    if (!browser.ready)
        GTEST_SKIP() << "not running under Wine";

    enum Where { INSIDE, RIGHT_OF_IT, LEFT_ABOVE };
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
    };

    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, countLinkCommands, nullptr, GetCurrentThreadId());
    linkCommandsPosted = 0;
    bool stillOpen = false;
    size_t launchesSeen = 0;
    std::vector<std::string> startColours;
    runDialog([] { command(CMD_ABOUT); }, [&](HWND dialog) {
        HWND link = GetDlgItem(dialog, IDC_HOMEPAGE_LINK);
        watchedLink = link;
        RECT client;
        GetClientRect(link, &client);
        UpdateWindow(dialog);
        startColours.push_back(colourName(textColour(link)));
        for (const auto& s : steps) {
            SCOPED_TRACE(s.step);
            const POINT at = s.where == INSIDE        ? POINT{2, 2}
                             : s.where == RIGHT_OF_IT ? POINT{client.right + 4, 2}
                                                      : POINT{-3, -2};
            SendMessageA(link, s.message, s.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                         MAKELPARAM(at.x, at.y));
            pumpMessages();
            EXPECT_EQ(colourName(textColour(link)), s.colour);
            EXPECT_EQ(GetCapture() == link, s.captured);
            EXPECT_EQ(linkCommandsPosted, s.commands);
            if (static_cast<size_t>(s.commands) > launchesSeen)
                launchesSeen = browser.waitForLaunches(s.commands).size();
        }
        stillOpen = IsWindowVisible(dialog);
    });
    UnhookWindowsHookEx(hook);
    watchedLink = nullptr;

    EXPECT_EQ(startColours, std::vector<std::string>{"black"});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(browser.launches(),
              (std::vector<std::string>{"http://www.ludwerk.de/", "http://www.ludwerk.de/"}));
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

    HWND createLink(const std::string& text, int width = 100)
    {
        link = CreateWindowExA(0, LINK_CLASS_NAME, text.c_str(), WS_POPUP | WS_VISIBLE, 0, 0,
                               width, 40, nullptr, nullptr, instance, nullptr);
        return link;
    }

    HWND link = nullptr;
};

// The text is read into 128 characters: the 127th is drawn, nothing after it.
TEST_F(LinkTest, TextLongerThan127CharactersIsDrawnCut)
{
    const std::string text = std::string(126, 'i') + "M" + std::string(40, 'W');
    ASSERT_NE(createLink(text, 1000), nullptr);
    UpdateWindow(link);
    HDC dc = GetDC(link);
    RECT client;
    GetClientRect(link, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SIZE before127th, through127th;
    GetTextExtentPoint32A(dc, text.c_str(), 126, &before127th);
    GetTextExtentPoint32A(dc, text.c_str(), 127, &through127th);
    ReleaseDC(link, dc);
    ASSERT_LT(through127th.cx + 20, client.right) << "the uncut text would show";

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
    ASSERT_NE(createLink("http://www.ludwerk.de/"), nullptr);
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

// A link whose state cannot be had is not created.
TEST_F(LinkTest, NoStateNoWindow)
{
    failNothrowNew = true;
    HWND refused = createLink("http://www.ludwerk.de/");
    failNothrowNew = false;
    EXPECT_EQ(refused, nullptr);
    if (refused)
        DestroyWindow(refused);
}

}  // namespace
