// Message boxes with texts from the string table.
#include "base/message.h"

#include "base/shell_state.h"

namespace {

constexpr int MESSAGE_TEXT_SIZE = 256;

int showBox(HWND owner, int textId, int captionId, UINT buttons)
{
    char text[MESSAGE_TEXT_SIZE];
    char caption[MESSAGE_TEXT_SIZE];
    loadText(textId, text, sizeof text);
    loadText(captionId, caption, sizeof caption);
    return MessageBoxA(owner, text, caption, buttons);
}

}  // namespace

int loadText(int id, char* buffer, int size)
{
    // Before start-up records the module, texts come from the program's own.
    HINSTANCE module = instance ? instance : GetModuleHandleA(nullptr);
    const int length = LoadStringA(module, id, buffer, size);
    if (length > 0)
        return length;
    if (size > 0)
        buffer[0] = '\0';
    return 0;
}

void showMessage(HWND owner, int textId, int captionId)
{
    showBox(owner, textId, captionId, MB_OK);
}

bool askYesNo(HWND owner, int textId, int captionId)
{
    return showBox(owner, textId, captionId, MB_YESNO) == IDYES;
}
