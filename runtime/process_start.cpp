// The shipped game's own start of the process, in place of the C runtime's.
// The game calls nothing of that runtime, and the usual start-up code would
// import msvcrt.dll, which a retail Windows 95 does not have. The linker
// makes gameStart the program's entry point; it does what WinMain's callers
// do: hands WinMain the module, the command line after the program's name and
// the show command the starting program asked for, and ends the process with
// WinMain's result. What else that start-up code does has no use here: the
// game reads no arguments or environment, uses no thread-local data and does
// no floating-point arithmetic, so the processor's floating-point state stays
// as the system sets it.
#include <windows.h>

namespace {

// What follows the program's own name, which may be quoted, and the blanks
// after it.
LPSTR argumentsAfterProgramName(LPSTR line)
{
    bool quoted = false;
    while (*line && (quoted || (*line != ' ' && *line != '\t'))) {
        if (*line == '"')
            quoted = !quoted;
        ++line;
    }
    while (*line == ' ' || *line == '\t')
        ++line;
    return line;
}

int startupShowCommand()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

// The constructors of objects with static storage, which the linker gathers
// between a leading -1 and a closing null, run last to first as the compiler's
// own start-up runs them. The game has none today; a new one still works.
// Nothing registers destructors: a static object that needs one at exit
// cannot be linked, since atexit is not there.
using Constructor = void (*)();
extern "C" Constructor __CTOR_LIST__[];

void runStaticConstructors()
{
    int count = 0;
    while (__CTOR_LIST__[count + 1])
        ++count;
    for (int i = count; i >= 1; --i)
        __CTOR_LIST__[i]();
}

}  // namespace

extern "C" void gameStart()
{
    runStaticConstructors();
    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr,
                                          argumentsAfterProgramName(GetCommandLineA()),
                                          startupShowCommand())));
}
