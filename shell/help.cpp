// The optional HTML Help control and the Contents command.
#include "shell/help.h"

#include "base/message.h"
#include "base/resource_ids.h"

HtmlHelpFunction htmlHelpEntry = htmlHelpStub;

namespace {

HMODULE helpLibrary = nullptr;
// Whether the help was asked for: only then can a help window be open.
bool helpShown = false;

constexpr char HELP_LIBRARY_NAME[] = "\\hhctrl.ocx";
constexpr char HTML_HELP_EXPORT[] = "HtmlHelpA";
constexpr int HELP_TOPIC_SIZE = 128;
constexpr UINT HH_DISPLAY_TOPIC_COMMAND = 0;
constexpr UINT HH_CLOSE_ALL_COMMAND = 0x12;

// The folder of the running program, with a trailing backslash; empty when
// it does not fit.
void programFolder(char* folder, DWORD size)
{
    const DWORD length = GetModuleFileNameA(nullptr, folder, size);
    if (length == 0 || length >= size) {
        folder[0] = '\0';
        return;
    }
    // Cut after the last backslash; a name without one leaves nothing.
    DWORD end = length;
    while (end > 0 && folder[end - 1] != '\\')
        --end;
    folder[end] = '\0';
}

}  // namespace

HWND WINAPI htmlHelpStub(HWND, LPCSTR, UINT, DWORD_PTR)
{
    return nullptr;
}

void loadHelpLibrary()
{
    // A full path: a file of that name beside the program or in the current
    // folder is never loaded in its place.
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    htmlHelpEntry = htmlHelpStub;
    if (length == 0 || length + sizeof HELP_LIBRARY_NAME > MAX_PATH)
        return;
    lstrcatA(path, HELP_LIBRARY_NAME);
    helpLibrary = LoadLibraryA(path);
    if (!helpLibrary)
        return;
    auto entry = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(helpLibrary, HTML_HELP_EXPORT)));
    if (entry)
        htmlHelpEntry = entry;
}

// A help window runs on a thread of the library's own: it is closed first,
// so that nothing is left running in the freed code. A run that never showed
// the help has no help window and skips the call, in which the library would
// first set itself up (under Wine that alone took some 40 ms of every end).
void freeHelpLibrary()
{
    if (helpLibrary) {
        if (helpShown)
            htmlHelpEntry(nullptr, nullptr, HH_CLOSE_ALL_COMMAND, 0);
        FreeLibrary(helpLibrary);
    }
    helpLibrary = nullptr;
    helpShown = false;
    htmlHelpEntry = htmlHelpStub;
}

// The topic names the help file relative to the program, which HTML Help
// would resolve against the current folder; the file dialogs move that, and
// the program may be started from anywhere. So the program's folder goes first.
void showHelpContents()
{
    char topic[HELP_TOPIC_SIZE];
    loadText(IDS_HELP_TOPIC, topic, sizeof topic);
    char path[MAX_PATH + HELP_TOPIC_SIZE];
    programFolder(path, MAX_PATH);
    lstrcatA(path, topic);
    helpShown = true;
    htmlHelpEntry(nullptr, path, HH_DISPLAY_TOPIC_COMMAND, 0);
}
