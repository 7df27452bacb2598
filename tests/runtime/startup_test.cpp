// The shipped game's own start-up, through a probe program linked the same
// way: what WinMain is handed and what the process's exit code carries.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/runtime/probe_report.h"

namespace {

// Starts the probe with commandLine, the show command given in its start-up
// record when show is not negative, and returns its exit code.
DWORD runProbe(std::string commandLine, int show)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (show >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(show);
    }
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(DZ_STARTUP_PROBE, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start " << DZ_STARTUP_PROBE << ": error " << GetLastError();
        return 0;
    }
    DWORD exitCode = 0;
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the probe did not end";
        TerminateProcess(process.hProcess, 0);
    }
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

constexpr DWORD ALWAYS = PROBE_INSTANCE | PROBE_NO_PREVIOUS | PROBE_CONSTRUCTED | PROBE_MEMORY;

TEST(GameStartup, HandsOnTheArgumentsAndTheShowCommandAndExitsWithWinMainsResult)
{
    // The program's name may be quoted and hold blanks; what follows it and
    // its blanks reaches WinMain unchanged.
    EXPECT_EQ(runProbe(std::string("\"C:\\a folder\\the probe.exe\"   ") + PROBE_ARGUMENTS,
                       SW_SHOWMINNOACTIVE),
              ALWAYS | PROBE_GIVEN_ARGUMENTS | (SW_SHOWMINNOACTIVE << PROBE_SHOW_SHIFT));
    EXPECT_EQ(runProbe(std::string("probe ") + PROBE_ARGUMENTS, SW_HIDE),
              ALWAYS | PROBE_GIVEN_ARGUMENTS | (SW_HIDE << PROBE_SHOW_SHIFT));
}

TEST(GameStartup, WithoutArgumentsOrShowCommand)
{
    // No show command in the start-up record: the default one.
    EXPECT_EQ(runProbe("probe", -1),
              ALWAYS | PROBE_NO_ARGUMENTS | (SW_SHOWDEFAULT << PROBE_SHOW_SHIFT));
    EXPECT_EQ(runProbe("\"probe\"  \t", SW_SHOWNORMAL),
              ALWAYS | PROBE_NO_ARGUMENTS | (SW_SHOWNORMAL << PROBE_SHOW_SHIFT));
}

}  // namespace
