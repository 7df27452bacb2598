// Finds the stamps by walking the file's own directory: ITSF header, ITSP
// directory header, the PMGL listing chunks and their entries, then the
// #SYSTEM file in the uncompressed section 0.
#include "chm_stamp.h"

#include <cstring>
#include <string_view>

namespace {

constexpr size_t ITSF_STAMP = 0x10;
constexpr size_t ITSF_DIRECTORY = 0x48;          // offset and length of the directory, 64-bit each
constexpr size_t ITSF_CONTENT_V3 = 0x58;         // start of section 0, version 3 headers only
constexpr size_t ITSP_HEADER_LENGTH = 0x08;
constexpr size_t ITSP_CHUNK_SIZE = 0x10;
constexpr size_t ITSP_FIRST_LISTING = 0x20;
constexpr size_t ITSP_CHUNK_COUNT = 0x2C;
constexpr size_t PMGL_FREE_SPACE = 0x04;
constexpr size_t PMGL_NEXT = 0x10;
constexpr size_t PMGL_ENTRIES = 0x14;
constexpr uint16_t SYSTEM_TIME_STAMP = 10;       // #SYSTEM entry code

// A bounded view of the file: every read says whether it stayed inside.
struct Reader {
    const std::vector<uint8_t>& bytes;

    bool has(uint64_t at, uint64_t count) const
    {
        return at <= bytes.size() && count <= bytes.size() - at;
    }
    bool le(uint64_t at, int width, uint64_t& value) const
    {
        if (!has(at, width))
            return false;
        value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = value << 8 | bytes[at + i];
        return true;
    }
    bool signature(uint64_t at, const char* text) const
    {
        return has(at, 4) && std::memcmp(&bytes[at], text, 4) == 0;
    }
    // The directory's variable-length integers: 7 bits a byte, most
    // significant first, the top bit set on every byte but the last.
    bool encint(uint64_t& at, uint64_t end, uint64_t& value) const
    {
        value = 0;
        for (int i = 0; i < 9; ++i) {
            if (at >= end || !has(at, 1))
                return false;
            const uint8_t b = bytes[at++];
            value = value << 7 | (b & 0x7F);
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
};

struct Entry {
    uint64_t section = 0;
    uint64_t offset = 0;
    uint64_t length = 0;
};

// Looks up one name in the listing chunks, following their chain from the
// first; the chain is walked at most once per chunk, so a loop ends.
const char* findEntry(const Reader& file, std::string_view name, Entry& found)
{
    uint64_t directory, headerLength, chunkSize, chunk, chunkCount;
    if (!file.le(ITSF_DIRECTORY, 8, directory) || !file.signature(directory, "ITSP"))
        return "no directory header";
    if (!file.le(directory + ITSP_HEADER_LENGTH, 4, headerLength) ||
        !file.le(directory + ITSP_CHUNK_SIZE, 4, chunkSize) ||
        !file.le(directory + ITSP_FIRST_LISTING, 4, chunk) ||
        !file.le(directory + ITSP_CHUNK_COUNT, 4, chunkCount))
        return "directory header cut short";
    if (chunkSize <= PMGL_ENTRIES)
        return "directory chunks too small";
    for (uint64_t visited = 0; visited < chunkCount && chunk != 0xFFFFFFFF; ++visited) {
        const uint64_t start = directory + headerLength + chunk * chunkSize;
        uint64_t freeSpace, next;
        if (!file.has(start, chunkSize) || !file.signature(start, "PMGL") ||
            !file.le(start + PMGL_FREE_SPACE, 4, freeSpace) || !file.le(start + PMGL_NEXT, 4, next) ||
            freeSpace > chunkSize - PMGL_ENTRIES)
            return "directory chunk damaged";
        const uint64_t end = start + chunkSize - freeSpace;
        uint64_t at = start + PMGL_ENTRIES;
        while (at < end) {
            uint64_t nameLength;
            if (!file.encint(at, end, nameLength) || nameLength > end - at)
                return "directory entry damaged";
            const std::string_view entryName(reinterpret_cast<const char*>(&file.bytes[at]), nameLength);
            at += nameLength;
            Entry entry;
            if (!file.encint(at, end, entry.section) || !file.encint(at, end, entry.offset) ||
                !file.encint(at, end, entry.length))
                return "directory entry damaged";
            if (entryName == name) {
                found = entry;
                return nullptr;
            }
        }
        chunk = next;
    }
    return "no #SYSTEM file";
}

}  // namespace

const char* readChmSystemEntries(const uint8_t* system, size_t size,
                                 std::vector<ChmSystemEntry>& entries)
{
    entries.clear();
    if (size < 4)
        return "#SYSTEM file cut short";
    size_t at = 4;
    while (size - at >= 4) {
        const uint16_t code = system[at] | system[at + 1] << 8;
        const uint16_t length = system[at + 2] | system[at + 3] << 8;
        at += 4;
        if (length > size - at) {
            entries.clear();
            return "#SYSTEM entry damaged";
        }
        entries.push_back({code, system + at, length});
        at += length;
    }
    return nullptr;
}

const char* clearChmTimeStamps(std::vector<uint8_t>& chm)
{
    const Reader file{chm};
    uint64_t version, content, directory, directoryLength;
    if (!file.signature(0, "ITSF") || !file.le(4, 4, version))
        return "not a compiled help file";
    if (version >= 3) {
        if (!file.le(ITSF_CONTENT_V3, 8, content))
            return "header cut short";
    } else {
        if (!file.le(ITSF_DIRECTORY, 8, directory) || !file.le(ITSF_DIRECTORY + 8, 8, directoryLength))
            return "header cut short";
        content = directory + directoryLength;
    }
    Entry system;
    if (const char* problem = findEntry(file, "/#SYSTEM", system))
        return problem;
    if (system.section != 0 || system.offset > UINT64_MAX - content ||
        !file.has(content + system.offset, system.length) || system.length < 4)
        return "#SYSTEM file outside the file";

    std::vector<ChmSystemEntry> entries;
    if (const char* problem =
            readChmSystemEntries(&chm[content + system.offset], system.length, entries))
        return problem;
    size_t stampAt = 0;
    for (const ChmSystemEntry& entry : entries)
        if (entry.code == SYSTEM_TIME_STAMP && entry.length >= 4)
            stampAt = entry.data - chm.data();
    if (stampAt == 0)
        return "no time stamp in #SYSTEM";
    std::memset(&chm[ITSF_STAMP], 0, 4);
    std::memset(&chm[stampAt], 0, 4);
    return nullptr;
}
