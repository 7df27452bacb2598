// Clearing the two build times that a compiled HTML Help file carries: the
// 32-bit stamp of its ITSF header and the time-stamp entry of its #SYSTEM
// file. Our help compiler writes the time of day into both, so without this
// two builds of the same pages never give the same bytes. Nothing reads the
// stamps back (the help viewer matches a help file with its index cache by
// them, and we ship no index cache). No platform header here.
#pragma once

#include <cstdint>
#include <vector>

// Sets both stamps to 0 in place. Returns nullptr on success; otherwise says
// what is wrong with the file and leaves it unchanged. Every offset the file
// gives is checked against its length first.
const char* clearChmTimeStamps(std::vector<uint8_t>& chm);
