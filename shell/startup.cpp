// Start-up, the message loop and shutdown.
#include "shell/startup.h"

#include <commctrl.h>

#include "base/message.h"
#include "base/resource_ids.h"
#include "base/settings.h"
#include "base/shell_state.h"
#include "model/generator.h"
#include "model/shell_hooks.h"
#include "persist/game_file.h"
#include "persist/settings_store.h"
#include "shell/board_view.h"
#include "shell/frame_window.h"
#include "shell/help.h"
#include "shell/status_bar.h"

namespace {

constexpr char FRAME_CLASS_NAME[] = "FitBaumUhr";
constexpr char BOARD_VIEW_CLASS_NAME[] = "BaumKuchenKlasse";
constexpr int FRAME_WIDTH = 480;
constexpr int FRAME_HEIGHT = 360;
constexpr int INITIAL_VIEW_SIZE = 100;   // replaced by the first layout
constexpr int TITLE_SIZE = 128;
constexpr WPARAM STARTUP_NEW_GAME = MAKEWPARAM(CMD_NEW, FROM_STARTUP);

static_assert(sizeof(void*) != 4 || sizeof(WNDCLASSEXA) == 48);

ATOM frameClassAtom = 0;
ATOM boardViewClassAtom = 0;
HACCEL accelerators = nullptr;

ATOM registerClass(const char* name, WNDPROC procedure, HICON icon, const char* menu)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszMenuName = menu;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

// Returns the exit code that the quit request carries; 1 should the loop
// fail to get a message.
int runMessageLoop()
{
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (got == -1)
            return 1;
        if (!TranslateAcceleratorA(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

void installShellHooks()
{
    setShellHooks(ShellHooks{
        [] { showMessage(frameWindow, IDS_YOU_MADE_IT, IDS_CONGRATULATIONS); },
        [] { showMessage(frameWindow, IDS_CANNOT_GENERATE, IDS_ERROR); },
        repaintBoardView,
        forgetFileName,
    });
}

bool registerWindowClasses()
{
    frameClassAtom = registerClass(FRAME_CLASS_NAME, frameWindowProc,
                                   LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM)),
                                   MAKEINTRESOURCEA(IDM_MAIN_MENU));
    if (!frameClassAtom)
        return false;
    boardViewClassAtom = registerClass(BOARD_VIEW_CLASS_NAME, boardViewWindowProc, nullptr, nullptr);
    return boardViewClassAtom != 0;
}

bool createMainWindows()
{
    char title[TITLE_SIZE];
    loadText(IDS_PROGRAM_TITLE, title, sizeof title);
    // Centred on the primary screen; truncated toward zero, so negative on a
    // screen smaller than the window.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - FRAME_WIDTH) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - FRAME_HEIGHT) / 2;
    frameWindow = CreateWindowExA(0, MAKEINTATOM(frameClassAtom), title,
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, FRAME_WIDTH,
                                  FRAME_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (!frameWindow)
        return false;
    boardView = CreateWindowExA(WS_EX_CLIENTEDGE, MAKEINTATOM(boardViewClassAtom), nullptr,
                                WS_CHILD | WS_VISIBLE, 0, 0, INITIAL_VIEW_SIZE, INITIAL_VIEW_SIZE,
                                frameWindow, nullptr, instance, nullptr);
    if (!boardView)
        return false;
    statusBar = nullptr;
    showStatusBar((Options & OPT_STATUS_BAR) != 0);
    relayoutFrame();
    return true;
}

bool unregisterWindowClasses()
{
    const bool frameGone = UnregisterClassA(MAKEINTATOM(frameClassAtom), instance);
    const bool viewGone = UnregisterClassA(MAKEINTATOM(boardViewClassAtom), instance);
    frameClassAtom = 0;
    boardViewClassAtom = 0;
    return frameGone && viewGone;
}

// Releases what start-up acquired, after the loop and when the windows could
// not be made alike: a window left over, the classes, the bitmaps and the
// help library.
void releaseShell()
{
    if (frameWindow && IsWindow(frameWindow))
        DestroyWindow(frameWindow);
    unregisterWindowClasses();
    freeBitmaps();
    freeHelpLibrary();
    frameWindow = nullptr;
    boardView = nullptr;
    statusBar = nullptr;
}

int runGame(HINSTANCE module)
{
    seedRandom(GetTickCount());
    loadSettings();
    InitCommonControls();
    instance = module;
    accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_ACCELERATORS));
    loadHelpLibrary();
    registerWindowClasses();
    loadBitmaps();
    installShellHooks();
    if (!createMainWindows()) {
        releaseShell();
        return 1;
    }
    // Posted, so the first game is made once the loop runs, ahead of the
    // first paint.
    PostMessageA(frameWindow, WM_COMMAND, STARTUP_NEW_GAME, 0);
    const int exitCode = runMessageLoop();
    releaseShell();
    saveSettings();
    return exitCode;
}
