// The CBT hook behind ModalWatch.
#include "modal_watch.h"

namespace {

ModalWatch* active = nullptr;
constexpr int MESSAGE_BOX_TEXT_ID = 0xFFFF;
constexpr UINT WATCHDOG_MS = 10000;

std::string windowText(HWND window)
{
    char text[1024] = "";
    if (window)
        GetWindowTextA(window, text, sizeof text);
    return text;
}

bool isDialogWindow(HWND window)
{
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

BOOL CALLBACK collectChild(HWND child, LPARAM lParam)
{
    auto& box = *reinterpret_cast<SeenBox*>(lParam);
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (!(style & WS_VISIBLE))
        return TRUE;
    if (lstrcmpiA(className, "Button") == 0) {
        const LONG kind = style & BS_TYPEMASK;
        if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)
            box.buttons.push_back(GetDlgCtrlID(child));
    } else if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
        // Wine's box keeps its icon control, visible but empty, when it
        // shows no icon: only a control that holds one counts.
        if (SendMessageA(child, STM_GETICON, 0, 0) != 0)
            box.hasIcon = true;
    }
    return TRUE;
}

// A lambda cannot stand in here: on 32-bit Windows the callback must be
// __stdcall.
BOOL CALLBACK cancelDialog(HWND window, LPARAM)
{
    if (isDialogWindow(window) && IsWindowVisible(window))
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

SeenBox readBox(HWND window)
{
    SeenBox box{window, windowText(window), windowText(GetDlgItem(window, MESSAGE_BOX_TEXT_ID)),
                GetWindow(window, GW_OWNER), false, {}};
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&box));
    return box;
}

}  // namespace

ModalWatch::ModalWatch() : ModalWatch([](const SeenBox&) { return IDOK; }) {}

ModalWatch::ModalWatch(Answer answer)
    : answer(std::move(answer)),
      hook(SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId())),
      // A box that is never answered would hang the test: cancel it instead.
      watchdog(SetTimer(nullptr, 0, WATCHDOG_MS, onWatchdog))
{
    active = this;
}

ModalWatch::~ModalWatch()
{
    KillTimer(nullptr, watchdog);
    UnhookWindowsHookEx(hook);
    active = nullptr;
}

std::vector<std::string> ModalWatch::summaries() const
{
    std::vector<std::string> lines;
    for (const SeenBox& box : seen)
        lines.push_back(box.caption + ": " + box.text);
    return lines;
}

LRESULT CALLBACK ModalWatch::onCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && active) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const bool known = [&] {
            for (const SeenBox& box : active->seen)
                if (box.window == window)
                    return true;
            return false;
        }();
        if (!known && isDialogWindow(window)) {
            active->seen.push_back(readBox(window));
            const int button = active->answer(active->seen.back());
            if (button != 0)
                PostMessageA(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK ModalWatch::onWatchdog(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), cancelDialog, 0);
}

void pumpMessages(DWORD limitMs)
{
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < limitMs && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
