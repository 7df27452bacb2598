// Message boxes with texts from the string table.
#include "base/message.h"

#include "base/shell_state.h"

namespace {
constexpr int MESSAGE_TEXT_SIZE = 256;
}

void loadText(int id, char* buffer, int size)
{
    // Before start-up records the module, texts come from the program's own.
    HINSTANCE module = instance ? instance : GetModuleHandleA(nullptr);
    if (LoadStringA(module, id, buffer, size) <= 0 && size > 0)
        buffer[0] = '\0';
}

void showMessage(HWND owner, int textId, int captionId)
{
    char text[MESSAGE_TEXT_SIZE];
    char caption[MESSAGE_TEXT_SIZE];
    loadText(textId, text, sizeof text);
    loadText(captionId, caption, sizeof caption);
    MessageBoxA(owner, text, caption, MB_OK);
}
