// Clearing the two build times that a compiled HTML Help file carries: the
// 32-bit stamp of its ITSF header and the time-stamp entry of its #SYSTEM
// file. Our help compiler writes the time of day into both, so without this
// two builds of the same pages never give the same bytes. Nothing reads the
// stamps back (the help viewer matches a help file with its index cache by
// them, and we ship no index cache). Also the walk through the entries of a
// #SYSTEM file, which the help file's tests read too. No platform header here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One entry of a #SYSTEM file: its code (2 the default topic, 3 the title,
// 10 the time stamp, ...) and its data, which lies inside the file's bytes.
struct ChmSystemEntry {
    uint16_t code;
    const uint8_t* data;
    uint16_t length;
};

// The entries of the #SYSTEM file held in size bytes: a 32-bit version, then
// entries of a 16-bit code, a 16-bit length and that many bytes of data,
// little-endian. Fewer than four bytes left at the end are no entry. Returns
// nullptr on success; otherwise says what is wrong (an entry that runs past
// the end) and leaves entries empty.
const char* readChmSystemEntries(const uint8_t* system, size_t size,
                                 std::vector<ChmSystemEntry>& entries);

// Sets both stamps to 0 in place. Returns nullptr on success; otherwise says
// what is wrong with the file and leaves it unchanged. Every offset the file
// gives is checked against its length first.
const char* clearChmTimeStamps(std::vector<uint8_t>& chm);
