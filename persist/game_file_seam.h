// The steps of a save that touch the disk, replaceable so that a test can
// make one fail: the write of the image into the new file, the one rename
// that replaces the target (MoveFileExA), and the plain renames that replace
// it where the system lacks that (Windows 95, 98 and ME). The program keeps
// the defaults, which call the system.
#pragma once

#include <windows.h>

using SaveWriteStep = BOOL (*)(HANDLE file, const void* data, DWORD size, DWORD* written);
using SaveMoveStep = BOOL (WINAPI*)(const char* from, const char* to, DWORD flags);
using SaveRenameStep = BOOL (WINAPI*)(const char* from, const char* to);

extern SaveWriteStep saveWriteStep;
extern SaveMoveStep saveMoveStep;
extern SaveRenameStep saveRenameStep;

BOOL writeWithWriteFile(HANDLE file, const void* data, DWORD size, DWORD* written);
BOOL WINAPI moveWithMoveFileEx(const char* from, const char* to, DWORD flags);
BOOL WINAPI renameWithMoveFile(const char* from, const char* to);
