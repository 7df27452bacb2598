// The About dialog: picture, name and version, and the link that opens the
// maker's home page while the dialog stays open; the home page launch.
#include "shell/about_dialog.h"

#include <shellapi.h>

#include "base/resource_ids.h"
#include "base/shell_state.h"
#include "shell/link_control.h"

HomepageLaunch homepageLaunch = ShellExecuteA;

void openHomepage(HWND owner)
{
    homepageLaunch(owner, "open", HOMEPAGE_ADDRESS, "", "", SW_SHOWNORMAL);
}

void showAbout()
{
    registerLinkClass();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), frameWindow, aboutDialogProc, 0);
    unregisterLinkClass();
}

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;   // the focus goes to the first tab stop, OK
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL:   // also Escape and the close box
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case IDC_HOMEPAGE_LINK:
        // The dialog's parent is its owner, the frame window.
        openHomepage(GetParent(dialog));
        return FALSE;
    }
    return FALSE;
}
