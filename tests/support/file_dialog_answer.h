// Answers the platform's file dialogs the way a player does: types a name
// and presses OK, or cancels; says Yes to replacing an existing file.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <string>

#include "modal_watch.h"

// An Open or Save As dialog, as opposed to a message box.
inline bool isFileDialog(const SeenBox& box)
{
    return GetDlgItem(box.window, cmb13) || GetDlgItem(box.window, edt1);
}

// Types name into a file dialog and presses OK (or cancels it); presses Yes
// on the question whether to replace an existing file. Records what the
// dialog showed. Wine activates a file dialog before its controls are filled
// and shown, so the dialog is read and answered a moment later, from a timer
// that its own message loop dispatches.
struct DialogAnswer {
    std::string name;
    bool cancel = false;
    int fileDialogs = 0;
    int overwriteQuestions = 0;
    HWND dialogOwner = nullptr;
    std::string filterShown;
    int filterCount = 0;
    bool helpShown = false;
    bool readOnlyShown = true;

    ModalWatch::Answer answer()
    {
        return [this](const SeenBox& box) {
            if (!isFileDialog(box)) {
                const auto& b = box.buttons;
                if (std::find(b.begin(), b.end(), IDYES) != b.end()) {
                    ++overwriteQuestions;
                    return IDYES;
                }
                return IDOK;
            }
            ++fileDialogs;
            dialogOwner = box.owner;
            pending = this;
            dialog = box.window;
            SetTimer(nullptr, 0, 20, onTimer);
            return 0;
        };
    }

private:
    static inline DialogAnswer* pending = nullptr;
    static inline HWND dialog = nullptr;

    static void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(nullptr, id);
        if (pending && IsWindow(dialog))
            pending->readAndAnswer(dialog);
        pending = nullptr;
    }

    void readAndAnswer(HWND window)
    {
        HWND filter = GetDlgItem(window, cmb1);
        char text[128] = "";
        GetWindowTextA(filter, text, sizeof text);
        filterShown = text;
        filterCount = static_cast<int>(SendMessageA(filter, CB_GETCOUNT, 0, 0));
        HWND help = GetDlgItem(window, pshHelp);
        helpShown = help && IsWindowVisible(help);
        HWND readOnly = GetDlgItem(window, chx1);
        readOnlyShown = readOnly && IsWindowVisible(readOnly);
        if (!cancel)
            SendMessageA(window, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(name.c_str()));
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(cancel ? IDCANCEL : IDOK, BN_CLICKED), 0);
    }
};

