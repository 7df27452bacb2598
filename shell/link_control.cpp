// The Link control: state, painting and the pointer rules.
#include "shell/link_control.h"

#include <new>

#include "base/resource_ids.h"
#include "base/shell_state.h"
#include "shell/gdi.h"

namespace {

constexpr COLORREF HOVER_COLOUR = 0x00FF0000;     // blue, as COLORREF is 0x00BBGGRR
constexpr COLORREF PRESSED_COLOUR = 0x00FFFFFF;   // white
constexpr int LINK_TEXT_SIZE = 128;
constexpr int STATE_SLOT = 0;
// The extra bytes hold the state's address: 4 bytes in the 32-bit program.
static_assert(sizeof(void*) != 4 || sizeof(LONG_PTR) == 4);

LinkState* stateOf(HWND window)
{
    return reinterpret_cast<LinkState*>(GetWindowLongPtrA(window, STATE_SLOT));
}

// The state lives on the process heap rather than in new's memory: the
// runtime's operator new (its nothrow form calls it and catches bad_alloc)
// would link the C++ exception support into the game, most of the exe's
// code, and the game links no C runtime whose malloc it could use.
bool createState(HWND window)
{
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(LinkState));
    if (!memory)
        return false;
    auto* link = new (memory) LinkState{window, nullptr, false, false, false};
    SetWindowLongPtrA(window, STATE_SLOT, reinterpret_cast<LONG_PTR>(link));
    return true;
}

// The slot is cleared before the state goes, so nothing that arrives later
// in the destruction (WM_NCDESTROY included) finds the freed record.
void freeState(HWND window, LinkState* link)
{
    SetWindowLongPtrA(window, STATE_SLOT, 0);
    HeapFree(GetProcessHeap(), 0, link);   // nothing to destroy: LinkState holds only plain values
}

void onPaint(HWND window, const LinkState* link)
{
    if (!link)
        return;   // the default processing validates the window
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    paintLink(*link, dc);
    EndPaint(window, &paint);
}

// x and y are read unsigned: while the control holds the capture, a pointer
// left of or above it has negative coordinates, which then fall outside.
void onMouseMove(LinkState* link, LPARAM lParam)
{
    if (!link)
        return;
    const LONG x = LOWORD(lParam);
    const LONG y = HIWORD(lParam);
    RECT client;
    GetClientRect(link->window, &client);
    link->hover = x >= client.left && x < client.right && y >= client.top && y < client.bottom;
    paintLink(*link, nullptr);
    if (link->hover && !link->captured) {
        // The capture lets the control see the pointer leave.
        link->captured = true;
        SetCapture(link->window);
    } else if (!link->hover && link->captured && !link->pressed) {
        // While the button is held the capture stays, so the release comes here.
        link->captured = false;
        ReleaseCapture();
    }
}

void onButtonDown(LinkState* link)
{
    if (!link)
        return;
    link->pressed = true;
    SetFocus(link->window);
    paintLink(*link, nullptr);
}

// A release over the control is a click, wherever the press began.
void onButtonUp(LinkState* link)
{
    if (!link)
        return;
    HWND parent = GetParent(link->window);
    if (link->hover && parent) {
        // Posted: the parent acts once this message is done.
        const WORD id = LOWORD(GetWindowLongA(link->window, GWL_ID));
        PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(link->window));
    }
    link->pressed = false;
    if (link->captured) {
        link->captured = false;
        ReleaseCapture();
    }
    paintLink(*link, nullptr);
}

// Another window took the capture (a message box, Alt+Tab): the control no
// longer sees the pointer or the release, so it forgets both. Its own
// releases clear captured first and pass here without effect.
void onCaptureTaken(LinkState* link)
{
    if (!link || !link->captured)
        return;
    link->captured = false;
    link->hover = false;
    link->pressed = false;
    paintLink(*link, nullptr);
}

}  // namespace

void registerLinkClass()
{
    WNDCLASSA linkClass = {};
    linkClass.lpfnWndProc = linkWindowProc;
    linkClass.cbWndExtra = sizeof(LONG_PTR);
    linkClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    linkClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN_MENU);
    linkClass.lpszClassName = LINK_CLASS_NAME;
    RegisterClassA(&linkClass);
}

void unregisterLinkClass()
{
    UnregisterClassA(LINK_CLASS_NAME, instance);
}

LRESULT CALLBACK linkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LinkState* link = stateOf(window);
    switch (message) {
    case WM_CREATE:
        if (!createState(window))
            return -1;   // the dialog then fails to open
        break;
    case WM_DESTROY:
        freeState(window, link);
        break;
    case WM_SETFONT:
        // Taken for the next paint; no repaint now, whatever lParam asks.
        if (link)
            link->font = reinterpret_cast<HFONT>(wParam);
        break;
    case WM_SIZE:
        InvalidateRect(window, nullptr, TRUE);
        break;
    case WM_PAINT:
        onPaint(window, link);
        break;
    case WM_MOUSEMOVE:
        onMouseMove(link, lParam);
        break;
    case WM_LBUTTONDOWN:
        onButtonDown(link);
        break;
    case WM_LBUTTONUP:
        onButtonUp(link);
        break;
    case WM_CAPTURECHANGED:
        onCaptureTaken(link);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void paintLink(const LinkState& link, HDC dc)
{
    if (!dc) {
        HDC own = GetDC(link.window);
        if (own) {
            paintLink(link, own);
            ReleaseDC(link.window, own);
        }
        return;
    }
    // The dialog's background shows around and between the letters.
    SetBkMode(dc, TRANSPARENT);
    if (link.hover)
        SetTextColor(dc, HOVER_COLOUR);
    if (link.pressed)
        SetTextColor(dc, PRESSED_COLOUR);   // pressed wins over hover
    const Selection font(dc, link.font);   // none: the DC's default font
    char text[LINK_TEXT_SIZE] = "";
    SendMessageA(link.window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    TextOutA(dc, 0, 0, text, lstrlenA(text));
}
