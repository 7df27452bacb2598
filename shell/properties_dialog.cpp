// The Properties dialog. For now it only shows its template and ends on OK
// or Cancel, changing nothing.
#include "shell/properties_dialog.h"

INT_PTR CALLBACK propertiesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
