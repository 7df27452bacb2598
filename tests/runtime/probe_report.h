// What the start-up probe reports in its exit code, shared by the probe and
// the test that starts it: one bit for each check the probe made of what its
// start-up gave it, and the show command it was handed in bits 8 to 15.
#pragma once

constexpr char PROBE_ARGUMENTS[] = "alpha \"b c\"  d";

constexpr unsigned PROBE_INSTANCE = 0x01;         // WinMain's module is the exe's
constexpr unsigned PROBE_NO_PREVIOUS = 0x02;      // and no previous instance
constexpr unsigned PROBE_GIVEN_ARGUMENTS = 0x04;  // the arguments were PROBE_ARGUMENTS
constexpr unsigned PROBE_NO_ARGUMENTS = 0x08;     // the arguments were empty
constexpr unsigned PROBE_CONSTRUCTED = 0x10;      // a static object's constructor ran
constexpr unsigned PROBE_MEMORY = 0x20;           // the memory functions gave what they should
constexpr unsigned PROBE_SHOW_SHIFT = 8;
