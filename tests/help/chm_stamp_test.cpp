// Clearing the build times of a compiled help file: both stamps found and
// cleared through the file's directory, in either header version and across
// listing chunks; damaged or cut files refused without a change and without
// a read outside the file. The walk through a #SYSTEM file's entries.
#include "chm_stamp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

void put(Bytes& b, size_t at, uint64_t value, int width)
{
    if (b.size() < at + width)
        b.resize(at + width);
    for (int i = 0; i < width; ++i)
        b[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void putText(Bytes& b, size_t at, const std::string& text)
{
    if (b.size() < at + text.size())
        b.resize(at + text.size());
    std::copy(text.begin(), text.end(), b.begin() + at);
}

// Most significant 7 bits first, the top bit set on all but the last byte.
void appendEncint(Bytes& b, uint64_t value)
{
    Bytes groups;
    do {
        groups.insert(groups.begin(), value & 0x7F);
        value >>= 7;
    } while (value != 0);
    for (size_t i = 0; i + 1 < groups.size(); ++i)
        groups[i] |= 0x80;
    b.insert(b.end(), groups.begin(), groups.end());
}

struct Entry {
    std::string name;
    uint64_t section;
    uint64_t offset;
    uint64_t length;
};

constexpr size_t CHUNK_SIZE = 0x100;
constexpr size_t DIRECTORY = 0x78;
constexpr size_t ITSP_SIZE = 0x54;
constexpr uint8_t ITSF_TIME[4] = {0x02, 0x97, 0xA2, 0x18};
constexpr uint8_t SYSTEM_TIME[4] = {0x2D, 0xA2, 0x97, 0x02};

// A help file as the compiler lays it out: ITSF header, directory with the
// given listing chunks (chained in order), then section 0.
Bytes makeChm(const std::vector<std::vector<Entry>>& chunks, const Bytes& section0, int version = 3)
{
    Bytes b(0x60);
    putText(b, 0, "ITSF");
    put(b, 4, version, 4);
    put(b, 8, version >= 3 ? 0x60 : 0x58, 4);
    std::copy(std::begin(ITSF_TIME), std::end(ITSF_TIME), b.begin() + 0x10);
    const size_t directoryLength = ITSP_SIZE + chunks.size() * CHUNK_SIZE;
    put(b, 0x48, DIRECTORY, 8);
    put(b, 0x50, directoryLength, 8);
    put(b, 0x58, DIRECTORY + directoryLength, 8);   // read as the content start by version 3 only
    putText(b, DIRECTORY, "ITSP");
    put(b, DIRECTORY + 0x08, ITSP_SIZE, 4);
    put(b, DIRECTORY + 0x10, CHUNK_SIZE, 4);
    put(b, DIRECTORY + 0x20, 0, 4);
    put(b, DIRECTORY + 0x24, chunks.size() - 1, 4);
    put(b, DIRECTORY + 0x2C, chunks.size(), 4);
    for (size_t c = 0; c < chunks.size(); ++c) {
        const size_t start = DIRECTORY + ITSP_SIZE + c * CHUNK_SIZE;
        Bytes entries;
        for (const Entry& e : chunks[c]) {
            appendEncint(entries, e.name.size());
            entries.insert(entries.end(), e.name.begin(), e.name.end());
            appendEncint(entries, e.section);
            appendEncint(entries, e.offset);
            appendEncint(entries, e.length);
        }
        putText(b, start, "PMGL");
        put(b, start + 0x04, CHUNK_SIZE - 0x14 - entries.size(), 4);
        put(b, start + 0x0C, c == 0 ? 0xFFFFFFFF : c - 1, 4);
        put(b, start + 0x10, c + 1 == chunks.size() ? 0xFFFFFFFF : c + 1, 4);
        b.resize(start + CHUNK_SIZE);
        std::copy(entries.begin(), entries.end(), b.begin() + start + 0x14);
    }
    b.insert(b.end(), section0.begin(), section0.end());
    return b;
}

// A #SYSTEM file: version 3, a title entry, the time stamp, one more entry.
Bytes systemFile(bool withTimeStamp = true)
{
    Bytes s;
    put(s, 0, 3, 4);
    const std::string title = "Domino Zarvek Help";
    put(s, s.size(), 3, 2);
    put(s, s.size(), title.size() + 1, 2);
    putText(s, s.size(), title);
    s.push_back(0);
    if (withTimeStamp) {
        put(s, s.size(), 10, 2);
        put(s, s.size(), 4, 2);
        s.insert(s.end(), std::begin(SYSTEM_TIME), std::end(SYSTEM_TIME));
    }
    put(s, s.size(), 9, 2);
    put(s, s.size(), 2, 2);
    put(s, s.size(), 0xBEEF, 2);
    return s;
}

// The #SYSTEM file placed behind a 200-byte page, so that its offset takes a
// two-byte directory integer.
struct Layout {
    Bytes section0;
    Entry system;
};

Layout layout(bool withTimeStamp = true)
{
    Layout l;
    l.section0.assign(200, 0x55);
    const Bytes s = systemFile(withTimeStamp);
    l.system = {"/#SYSTEM", 0, l.section0.size(), s.size()};
    l.section0.insert(l.section0.end(), s.begin(), s.end());
    return l;
}

size_t find(const Bytes& haystack, const uint8_t (&needle)[4])
{
    return std::search(haystack.begin(), haystack.end(), std::begin(needle), std::end(needle)) -
           haystack.begin();
}

// Both stamps read 0 afterwards and no other byte changed.
void expectOnlyStampsCleared(const Bytes& before, const Bytes& after)
{
    ASSERT_EQ(before.size(), after.size());
    Bytes expected = before;
    std::fill_n(expected.begin() + 0x10, 4, 0);
    const size_t systemTime = find(before, SYSTEM_TIME);
    ASSERT_LT(systemTime, before.size());
    std::fill_n(expected.begin() + systemTime, 4, 0);
    EXPECT_EQ(expected, after);
}

TEST(ChmStamp, ClearsBothStampsAndNothingElse)
{
    const Layout l = layout();
    const Bytes before = makeChm({{{"/", 0, 0, 0}, {"/index.html", 0, 0, 200}, l.system}}, l.section0);
    Bytes chm = before;
    EXPECT_EQ(nullptr, clearChmTimeStamps(chm));
    expectOnlyStampsCleared(before, chm);

    // A second pass finds the stamps cleared and keeps them so.
    Bytes again = chm;
    EXPECT_EQ(nullptr, clearChmTimeStamps(again));
    EXPECT_EQ(chm, again);
}

TEST(ChmStamp, FollowsTheChainOfListingChunks)
{
    const Layout l = layout();
    const Bytes before = makeChm({{{"/", 0, 0, 0}, {"/index.html", 0, 0, 200}}, {}, {l.system}}, l.section0);
    Bytes chm = before;
    EXPECT_EQ(nullptr, clearChmTimeStamps(chm));
    expectOnlyStampsCleared(before, chm);
}

TEST(ChmStamp, VersionTwoContentFollowsTheDirectory)
{
    const Layout l = layout();
    Bytes before = makeChm({{l.system}}, l.section0, 2);
    put(before, 0x58, 0, 8);   // no content offset in a version 2 header
    Bytes chm = before;
    EXPECT_EQ(nullptr, clearChmTimeStamps(chm));
    expectOnlyStampsCleared(before, chm);
}

TEST(ChmStamp, RefusesFilesItCannotRead)
{
    const Layout l = layout();
    const Layout noStamp = layout(false);
    struct Case {
        const char* what;
        Bytes chm;
    } cases[] = {
        {"no ITSF signature", makeChm({{l.system}}, l.section0)},
        {"no #SYSTEM entry", makeChm({{{"/index.html", 0, 0, 200}}}, l.section0)},
        {"#SYSTEM in the compressed section", makeChm({{{"/#SYSTEM", 1, 200, 40}}}, l.section0)},
        {"#SYSTEM beyond the end", makeChm({{{"/#SYSTEM", 0, 5000, 40}}}, l.section0)},
        {"#SYSTEM without a time stamp", makeChm({{noStamp.system}}, noStamp.section0)},
        {"a listing chunk that names itself as next", makeChm({{{"/index.html", 0, 0, 200}}}, l.section0)},
        {"a name longer than its chunk", makeChm({{{"/#SYSTEM", 0, 200, 40}}}, l.section0)},
        {"an entry with more #SYSTEM data than the file", makeChm({{l.system}}, l.section0)},
    };
    cases[0].chm[0] = 'X';
    put(cases[5].chm, DIRECTORY + ITSP_SIZE + 0x10, 0, 4);
    cases[6].chm[DIRECTORY + ITSP_SIZE + 0x14] = 0x7F;
    // The title entry of #SYSTEM claims more bytes than the file holds.
    put(cases[7].chm, cases[7].chm.size() - l.system.length + 6, 0x7000, 2);
    for (Case& c : cases) {
        const Bytes before = c.chm;
        EXPECT_NE(nullptr, clearChmTimeStamps(c.chm)) << c.what;
        EXPECT_EQ(before, c.chm) << c.what;
    }
}

TEST(ChmStamp, EveryCutShortFileIsRefusedUnchanged)
{
    const Layout l = layout();
    const Bytes whole = makeChm({{{"/", 0, 0, 0}, l.system}}, l.section0);
    for (size_t length = 0; length < whole.size(); ++length) {
        Bytes cut(whole.begin(), whole.begin() + length);
        const Bytes before = cut;
        EXPECT_NE(nullptr, clearChmTimeStamps(cut)) << "cut to " << length << " bytes";
        EXPECT_EQ(before, cut) << "cut to " << length << " bytes";
    }
}

TEST(ChmSystemEntries, ReadsEveryEntryInOrderAndRefusesOneThatRunsPastTheEnd)
{
    Bytes system = systemFile();
    system.insert(system.end(), {0x01, 0x02, 0x03});   // too short for an entry: not one
    std::vector<ChmSystemEntry> entries;
    ASSERT_EQ(nullptr, readChmSystemEntries(system.data(), system.size(), entries));
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ(3, entries[0].code);
    EXPECT_EQ("Domino Zarvek Help", std::string(reinterpret_cast<const char*>(entries[0].data)));
    EXPECT_EQ(10, entries[1].code);
    EXPECT_EQ(4, entries[1].length);
    EXPECT_EQ(0, std::memcmp(SYSTEM_TIME, entries[1].data, 4));
    EXPECT_EQ(9, entries[2].code);
    EXPECT_EQ(system.data() + system.size() - 5, entries[2].data);

    // The title's length reaches past the end.
    put(system, 6, 0x7000, 2);
    EXPECT_NE(nullptr, readChmSystemEntries(system.data(), system.size(), entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_NE(nullptr, readChmSystemEntries(system.data(), 3, entries));
}

}  // namespace
