// The Properties dialog: fills its boxes from the settings and the status
// bar, and writes them back on OK. The controls alone hold the player's
// choices until then, so Cancel has nothing to undo.
#include "shell/properties_dialog.h"

#include "base/resource_ids.h"
#include "base/settings.h"
#include "shell/status_bar.h"

namespace {

// The check boxes that stand for one bit each. The status bar's box is set
// from whether the bar exists, and so is not among them.
struct OptionBox {
    int id;
    uint32_t bit;
};
constexpr OptionBox OPTION_BOXES[] = {
    {IDC_ASK_ON_EXIT, OPT_ASK_ON_EXIT},
    {IDC_START_STONE, OPT_START_STONE},
    {IDC_UNIQUE_GAMES, OPT_UNIQUE_GAMES},
    {IDC_NO_DOUBLES, OPT_NO_DOUBLES},
};

// The radio button of each motif; their ids do not follow the motifs' order.
struct MotifButton {
    int id;
    uint8_t motif;
};
constexpr MotifButton MOTIF_BUTTONS[] = {
    {IDC_DOMINOES, TILESET_DOMINOES},
    {IDC_CHINESE, TILESET_CHINESE},
    {IDC_SYMBOLS, TILESET_SYMBOLS},
};

bool isChecked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) != 0;
}

void setChecked(HWND dialog, int id, bool checked)
{
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void fillControls(HWND dialog)
{
    for (const OptionBox& box : OPTION_BOXES)
        setChecked(dialog, box.id, (Options & box.bit) != 0);
    setChecked(dialog, IDC_SHOW_STATUS_BAR, statusBar != nullptr);
    // A motif from the registry that the sheet does not hold checks none.
    for (const MotifButton& button : MOTIF_BUTTONS)
        if (TileSet == button.motif)
            setChecked(dialog, button.id, true);
}

void applyControls(HWND dialog)
{
    for (const MotifButton& button : MOTIF_BUTTONS)
        if (isChecked(dialog, button.id))
            TileSet = button.motif;

    uint32_t options = Options & ~OPT_DIALOG_BITS;   // higher bits pass through
    for (const OptionBox& box : OPTION_BOXES)
        if (isChecked(dialog, box.id))
            options |= box.bit;
    Options = options;
    // Sets the status-bar bit to match; the frame is laid out anew on OK.
    showStatusBar(isChecked(dialog, IDC_SHOW_STATUS_BAR));
}

}  // namespace

INT_PTR CALLBACK propertiesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        fillControls(dialog);
        return TRUE;
    }
    // WM_HELP, from the caption's question mark or F1, is left alone.
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        applyControls(dialog);
        EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL:   // also Escape and the close box
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case IDHELP:
        return FALSE;   // the dialog stays open
    }
    return FALSE;
}
