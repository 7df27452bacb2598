// The installed shell hooks.
#include "model/shell_hooks.h"

namespace {
ShellHooks installed = {};

void call(void (*hook)())
{
    if (hook)
        hook();
}
}  // namespace

void setShellHooks(const ShellHooks& hooks)
{
    installed = hooks;
}

void shellAnnounceWin()
{
    call(installed.announceWin);
}

void shellReportGenerationFailed()
{
    call(installed.reportGenerationFailed);
}

void shellRepaintBoard()
{
    call(installed.repaintBoard);
}

void shellForgetFileName()
{
    call(installed.forgetFileName);
}
