// A program linked like the shipped game, with the game's own start-up and
// memory functions in place of the C runtime, that reports through its exit
// code what it was handed (probe_report.h).
#include <windows.h>

#include <cstddef>
#include <cstring>

#include "tests/runtime/probe_report.h"

namespace {

struct Constructed {
    Constructed() : ran(true) {}
    bool ran;
};
Constructed constructed;

// The sizes go through a volatile, so that the compiler calls the functions
// instead of inlining a copy of known size.
volatile std::size_t eight = 8;

bool memoryFunctionsWork()
{
    char text[] = "abcdefghij";
    std::memmove(text + 2, text, eight);   // up, overlapping
    if (std::memcmp(text, "ababcdefgh", 10) != 0)
        return false;
    std::memmove(text, text + 2, eight);   // down, overlapping
    if (std::memcmp(text, "abcdefghgh", 10) != 0)
        return false;
    char copy[10];
    std::memcpy(copy, text, eight + 2);
    std::memset(copy + 1, 'z', eight - 5);
    if (std::memcmp(copy, "azzzefghgh", eight + 2) != 0)
        return false;
    // Compared as unsigned bytes, with the sign of the first difference.
    const unsigned char low[] = {1, 2, 0x01}, high[] = {1, 2, 0xF0};
    return std::memcmp(low, high, eight - 5) < 0 && std::memcmp(high, low, eight - 5) > 0 &&
           std::memcmp(low, high, eight - 6) == 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show)
{
    unsigned report = static_cast<unsigned>(show) << PROBE_SHOW_SHIFT;
    if (instance == GetModuleHandleA(nullptr))
        report |= PROBE_INSTANCE;
    if (!previous)
        report |= PROBE_NO_PREVIOUS;
    if (lstrcmpA(arguments, PROBE_ARGUMENTS) == 0)
        report |= PROBE_GIVEN_ARGUMENTS;
    if (arguments[0] == '\0')
        report |= PROBE_NO_ARGUMENTS;
    if (constructed.ran)
        report |= PROBE_CONSTRUCTED;
    if (memoryFunctionsWork())
        report |= PROBE_MEMORY;
    return static_cast<int>(report);
}
