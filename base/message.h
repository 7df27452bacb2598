// Message boxes with texts from the string table.
#pragma once

#include <windows.h>

// A modal box with an OK button and no icon: text textId, caption captionId.
void showMessage(HWND owner, int textId, int captionId);
// The same box with Yes and No buttons; true when the answer is Yes.
bool askYesNo(HWND owner, int textId, int captionId);

// The string-table text id as the caller's buffer holds it, and its length;
// empty and 0 when the table has no such string.
int loadText(int id, char* buffer, int size);
