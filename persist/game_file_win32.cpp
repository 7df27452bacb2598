// Loading and saving the game, and the Open, Save and Save As commands.
//
// A load reads the whole image into a staging copy and touches the game only
// when it is complete and carries the magic, so a bad file leaves the running
// game and its file name as they were. A save writes a temporary file next to
// the target and renames it over the target only when every byte is on disk,
// so a failed save leaves the previous file intact. Windows 95, 98 and ME
// have no rename that replaces a file: there the old file steps aside first.
#include <windows.h>
#include <commdlg.h>

#include <cstddef>

#include "model/shell_hooks.h"
#include "model/stones.h"
#include "persist/game_file.h"
#include "persist/game_file_seam.h"
#include "persist/save_image.h"
#include "base/message.h"
#include "base/resource_ids.h"
#include "base/shell_state.h"

namespace {

constexpr DWORD FILE_DIALOG_FLAGS =
    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_SHOWHELP | OFN_PATHMUSTEXIST | OFN_LONGNAMES;
static_assert(FILE_DIALOG_FLAGS == 0x200816);

// The record up to and including lpTemplateName: the fields added later are
// not given, so the dialog behaves the same on every version of the platform.
constexpr DWORD FILE_DIALOG_RECORD_SIZE =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
static_assert(sizeof(void*) != 4 || FILE_DIALOG_RECORD_SIZE == 76);

// The one filter; the literal's own NUL ends the list.
constexpr char FILE_DIALOG_FILTER[] = "Domino Zarvek (*.sav)\0*.sav\0";
constexpr char FILE_DIALOG_DEFAULT_EXTENSION[] = "sav";
constexpr char TEMP_FILE_PREFIX[] = "dz";
// What a replaced file hands on to the file that replaces it. Read-only files
// are not replaced at all.
constexpr DWORD KEPT_ATTRIBUTES = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Reads until size bytes have arrived or the file ends; returns how many came.
std::size_t readUpTo(HANDLE file, uint8_t* buffer, std::size_t size)
{
    std::size_t total = 0;
    while (total < size) {
        DWORD got = 0;
        if (!ReadFile(file, buffer + total, static_cast<DWORD>(size - total), &got, nullptr) ||
            got == 0)
            break;
        total += got;
    }
    return total;
}

bool writeAll(HANDLE file, const SaveImage& image)
{
    DWORD written = 0;
    return saveWriteStep(file, image.data(), static_cast<DWORD>(image.size()), &written) &&
           written == image.size();
}

DWORD keptAttributes(DWORD attributes)
{
    const DWORD kept = attributes & KEPT_ATTRIBUTES;
    return kept ? kept : FILE_ATTRIBUTE_NORMAL;
}

// Windows 95, 98 and ME export MoveFileExA but do not implement it.
bool systemReplacesByRename()
{
    return (GetVersion() & 0x80000000) == 0;
}

// A temporary file that cannot be deleted now (another program may have
// opened it meanwhile) is left to go when the system next starts, where the
// system can do that (Windows NT and later).
void removeTemporaryFile(const char* temp)
{
    if (!DeleteFileA(temp) && systemReplacesByRename())
        MoveFileExA(temp, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

// The folder that holds name, for the temporary file: false when name has no
// file part.
bool folderOf(const char* name, char (&folder)[MAX_PATH])
{
    char* filePart = nullptr;
    const DWORD length = GetFullPathNameA(name, MAX_PATH, folder, &filePart);
    if (length == 0 || length >= MAX_PATH || !filePart)
        return false;
    *filePart = '\0';
    return true;
}

// Without a rename that replaces: the old file steps aside to a spare name in
// the same folder, the new file takes the target's name, then the spare goes.
// At every moment the target's name or the spare holds a complete file, old
// or new; when the new file cannot take the name, the old one is put back.
bool replaceByRenames(const char* temp, const char* target, const char* folder, bool replacing)
{
    if (!replacing)
        return saveRenameStep(temp, target);
    char spare[MAX_PATH];
    if (!GetTempFileNameA(folder, TEMP_FILE_PREFIX, 0, spare))
        return false;
    // Only the unique name is wanted: the empty file that reserved it goes.
    if (!DeleteFileA(spare) || !saveRenameStep(target, spare))
        return false;
    if (!saveRenameStep(temp, target)) {
        saveRenameStep(spare, target);
        return false;
    }
    removeTemporaryFile(spare);
    return true;
}

// The finished temporary file takes target's name: in one rename where the
// system has one, else through replaceByRenames (also where the system turns
// out not to implement the one rename).
bool moveOverTarget(const char* temp, const char* target, const char* folder, bool replacing)
{
    if (systemReplacesByRename()) {
        if (saveMoveStep(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
            return false;
    }
    return replaceByRenames(temp, target, folder, replacing);
}

// Writes the image to a new file in target's folder, then renames it over
// target, which hands its attributes on (a hidden file stays hidden). On any
// failure the temporary file goes and target stays as it was.
bool replaceFile(const char* target, const SaveImage& image)
{
    // A read-only file stays as it is. Windows refuses to rename over one, but
    // Wine replaces it, so look first.
    const DWORD attributes = GetFileAttributesA(target);
    const bool replacing = attributes != INVALID_FILE_ATTRIBUTES;
    if (replacing && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;

    char folder[MAX_PATH];
    char temp[MAX_PATH];
    if (!folderOf(target, folder) || !GetTempFileNameA(folder, TEMP_FILE_PREFIX, 0, temp))
        return false;

    bool written = false;
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        written = writeAll(file, image) && FlushFileBuffers(file);
        written = CloseHandle(file) && written;
    }
    if (written && replacing)
        written = SetFileAttributesA(temp, keptAttributes(attributes));
    if (written && moveOverTarget(temp, target, folder, replacing))
        return true;
    removeTemporaryFile(temp);
    return false;
}

OPENFILENAMEA fileDialogRecord(char (&name)[FILE_NAME_SIZE])
{
    name[0] = '\0';
    OPENFILENAMEA record = {};
    record.lStructSize = FILE_DIALOG_RECORD_SIZE;
    record.hwndOwner = frameWindow;
    record.lpstrFilter = FILE_DIALOG_FILTER;
    record.lpstrFile = name;
    record.nMaxFile = FILE_NAME_SIZE;
    record.Flags = FILE_DIALOG_FLAGS;
    record.lpstrDefExt = FILE_DIALOG_DEFAULT_EXTENSION;
    return record;
}

// After either dialog: no stone stays selected, and the board shows the game.
void afterFileDialog()
{
    parkSelection();
    shellRepaintBoard();
}

}  // namespace

BOOL writeWithWriteFile(HANDLE file, const void* data, DWORD size, DWORD* written)
{
    return WriteFile(file, data, size, written, nullptr);
}

BOOL WINAPI moveWithMoveFileEx(const char* from, const char* to, DWORD flags)
{
    return MoveFileExA(from, to, flags);
}

BOOL WINAPI renameWithMoveFile(const char* from, const char* to)
{
    return MoveFileA(from, to);
}

SaveWriteStep saveWriteStep = writeWithWriteFile;
SaveMoveStep saveMoveStep = moveWithMoveFileEx;
SaveRenameStep saveRenameStep = renameWithMoveFile;

void loadGame(const char* name)
{
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        showMessage(frameWindow, IDS_CANNOT_READ, IDS_ERROR);
        return;
    }
    SaveImage image{};
    const std::size_t size = readUpTo(file, image.data(), image.size());
    CloseHandle(file);

    SavedGame loaded;
    if (!decodeSavedGame(image.data(), size, loaded)) {
        showMessage(frameWindow, IDS_FILE_CORRUPTED, IDS_ERROR);
        return;
    }
    restoreGame(loaded);
    rememberFileName(name);
}

void saveGame(const char* name)
{
    // Recorded even if the save fails: the next Save tries the same name.
    rememberFileName(name);
    if (!replaceFile(currentFileName, encodeSavedGame(capturedGame())))
        showMessage(frameWindow, IDS_CANNOT_WRITE, IDS_ERROR);
}

void openGameDialog()
{
    char name[FILE_NAME_SIZE];
    OPENFILENAMEA record = fileDialogRecord(name);
    if (!GetOpenFileNameA(&record))
        return;
    loadGame(name);
    afterFileDialog();
}

void saveGameAsDialog()
{
    char name[FILE_NAME_SIZE];
    OPENFILENAMEA record = fileDialogRecord(name);
    if (!GetSaveFileNameA(&record))
        return;
    saveGame(name);
    afterFileDialog();
}

void saveGameCommand()
{
    if (hasFileName)
        saveGame(currentFileName);
    else
        saveGameAsDialog();
}

void forgetFileName()
{
    hasFileName = false;
    loadText(IDS_UNTITLED, currentFileName, FILE_NAME_SIZE);
}
