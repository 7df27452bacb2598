// The installed shell hooks.
#include "model/shell_hooks.h"

namespace {
ShellHooks installed = {};
}

void setShellHooks(const ShellHooks& hooks)
{
    installed = hooks;
}

void shellShowMessage(int textId, int captionId)
{
    if (installed.showMessage)
        installed.showMessage(textId, captionId);
}

void shellRepaintBoard()
{
    if (installed.repaintBoard)
        installed.repaintBoard();
}

void shellForgetFileName()
{
    if (installed.forgetFileName)
        installed.forgetFileName();
}
