// The step of a save that writes the image into the new file, replaceable so
// that a test can make a write fail part-way. The program keeps the default,
// which is WriteFile.
#pragma once

#include <windows.h>

using SaveWriteStep = BOOL (*)(HANDLE file, const void* data, DWORD size, DWORD* written);

extern SaveWriteStep saveWriteStep;
BOOL writeWithWriteFile(HANDLE file, const void* data, DWORD size, DWORD* written);
