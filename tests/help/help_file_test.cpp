// The compiled help file as the help viewer reads it, through the system's
// own reader of compiled help files (itss.dll, which HTML Help uses): the
// window the help opens in (its caption, a contents pane that shows and a
// place on a 640 x 480 screen), the full-text search behind its Search tab,
// its index, its default topic and title, and that every page its contents
// and index lead to is in the file, which the help compiler does not check.
#include "chm_stamp.h"
#include "help_file_path.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

// The system's reader of compiled help files; only the methods up to the
// one called are declared, in the order of its table. Outside the anonymous
// namespace: there the compiler would take the abstract class for the
// object's whole type and turn every call into a pure virtual one.
struct IITStorage : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD,
                                                                   IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD,
                                                     IStorage**) = 0;
};

namespace {

constexpr CLSID CLSID_ITStorage = {
    0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
constexpr IID IID_IITStorage = {
    0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

using Bytes = std::vector<uint8_t>;

// The window properties and the members of a window definition that the
// file marks as given (HTML Help's HHWIN_PROP_ and HHWIN_PARAM_ bits).
constexpr uint32_t PROP_TRI_PANE = 0x20;
constexpr uint32_t PROP_TAB_SEARCH = 0x400;
constexpr uint32_t PROP_CHANGE_TITLE = 0x2000;
constexpr uint32_t PARAM_PROPERTIES = 0x2;
constexpr uint32_t PARAM_RECT = 0x10;
constexpr uint32_t PARAM_NAV_WIDTH = 0x20;

// #SYSTEM entry codes.
constexpr uint16_t SYSTEM_DEFAULT_TOPIC = 2;
constexpr uint16_t SYSTEM_TITLE = 3;
constexpr uint16_t SYSTEM_FLAGS = 4;
constexpr uint16_t SYSTEM_DEFAULT_WINDOW = 5;
// In the flags entry, after the language and the DBCS flag: 1 when the file
// holds a full-text search index.
constexpr size_t SYSTEM_FLAGS_FULL_TEXT_SEARCH = 8;

// The smallest screen the game runs on, less a taskbar along its bottom.
constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480 - 30;
// Room for the contents' topic names, and for a page beside them.
constexpr int LEAST_PANE_WIDTH = 150;
constexpr int LEAST_PAGE_WIDTH = 300;
constexpr int LEAST_HEIGHT = 300;

uint32_t dword(const Bytes& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<uint32_t>(bytes[at + 3]) << 24;
}

// The members of a window definition that the tests read, as the file
// stores them: 32-bit, little-endian, strings as offsets into #STRINGS.
struct WindowEntry {
    uint32_t name, validMembers, properties, caption;
    int32_t left, top, right, bottom;
    int32_t navWidth;
    uint32_t toc, index, file, home;
};

WindowEntry windowEntryAt(const Bytes& windows, size_t at)
{
    auto field = [&](size_t offset) { return dword(windows, at + offset); };
    auto number = [&](size_t offset) { return static_cast<int32_t>(field(offset)); };
    return {.name = field(0x08), .validMembers = field(0x0C), .properties = field(0x10),
            .caption = field(0x14), .left = number(0x20), .top = number(0x24),
            .right = number(0x28), .bottom = number(0x2C), .navWidth = number(0x4C),
            .toc = field(0x60), .index = field(0x64), .file = field(0x68), .home = field(0x6C)};
}
constexpr size_t WINDOW_ENTRY_LEAST_SIZE = 0x70;

// The help file opened as the help viewer opens it.
class HelpFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        char system[MAX_PATH];
        const UINT length = GetSystemDirectoryA(system, MAX_PATH);
        ASSERT_TRUE(length > 0 && length < MAX_PATH);
        library = LoadLibraryA((std::string(system) + "\\itss.dll").c_str());
        ASSERT_TRUE(library) << "itss.dll did not load from " << system;
        using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
        auto getClassObject = reinterpret_cast<GetClassObject>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "DllGetClassObject")));
        ASSERT_TRUE(getClassObject);
        IClassFactory* factory = nullptr;
        ASSERT_TRUE(SUCCEEDED(getClassObject(CLSID_ITStorage, IID_IClassFactory,
                                             reinterpret_cast<void**>(&factory))));
        IITStorage* reader = nullptr;
        const HRESULT made =
            factory->CreateInstance(nullptr, IID_IITStorage, reinterpret_cast<void**>(&reader));
        factory->Release();
        ASSERT_TRUE(SUCCEEDED(made));
        const std::string path = helpFilePath();
        const std::wstring widePath(path.begin(), path.end());
        const HRESULT opened = reader->StgOpenStorage(
            widePath.c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, &storage);
        reader->Release();
        ASSERT_TRUE(SUCCEEDED(opened)) << DZ_HELP_FILE << " did not open";
        systemFile = read(L"#SYSTEM");
        strings = read(L"#STRINGS");
        ASSERT_TRUE(systemFile) << "no #SYSTEM file";
        ASSERT_EQ(nullptr, readChmSystemEntries(systemFile->data(), systemFile->size(), entries));
    }

    void TearDown() override
    {
        if (storage)
            storage->Release();
        if (library)
            FreeLibrary(library);
        CoUninitialize();
    }

    // The whole of one stored file, or nothing when there is none.
    std::optional<Bytes> read(const std::wstring& name) const
    {
        IStream* stream = nullptr;
        if (FAILED(storage->OpenStream(name.c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                       &stream)))
            return std::nullopt;
        Bytes bytes;
        uint8_t buffer[4096];
        ULONG got = 0;
        while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &got)) && got > 0)
            bytes.insert(bytes.end(), buffer, buffer + got);
        stream->Release();
        return bytes;
    }

    bool holds(const std::string& name) const
    {
        const std::optional<Bytes> bytes = read(std::wstring(name.begin(), name.end()));
        return bytes && !bytes->empty();
    }

    // The data of the first #SYSTEM entry with that code, as text without
    // its terminating NUL; nothing when there is no such entry.
    std::optional<std::string> systemText(uint16_t code) const
    {
        for (const ChmSystemEntry& entry : entries)
            if (entry.code == code)
                return std::string(reinterpret_cast<const char*>(entry.data),
                                   strnlen(reinterpret_cast<const char*>(entry.data), entry.length));
        return std::nullopt;
    }

    std::string string(uint32_t offset) const
    {
        if (!strings || offset >= strings->size())
            return "";
        const char* text = reinterpret_cast<const char*>(strings->data() + offset);
        return std::string(text, strnlen(text, strings->size() - offset));
    }

    // The window definition named by the default window, the one the game's
    // help opens in.
    std::optional<WindowEntry> defaultWindow() const
    {
        const std::optional<std::string> name = systemText(SYSTEM_DEFAULT_WINDOW);
        const std::optional<Bytes> windows = read(L"#WINDOWS");
        if (!name || !windows || windows->size() < 8)
            return std::nullopt;
        const uint32_t count = dword(*windows, 0), size = dword(*windows, 4);
        if (size < WINDOW_ENTRY_LEAST_SIZE)
            return std::nullopt;
        for (uint32_t i = 0; i < count && 8 + (i + 1) * size <= windows->size(); ++i) {
            const WindowEntry entry = windowEntryAt(*windows, 8 + i * size);
            if (string(entry.name) == *name)
                return entry;
        }
        return std::nullopt;
    }

    // The pages a sitemap file (contents or index) links to.
    std::vector<std::string> sitemapPages(const std::string& name) const
    {
        const std::optional<Bytes> bytes = read(std::wstring(name.begin(), name.end()));
        std::vector<std::string> pages;
        if (!bytes)
            return pages;
        const std::string text(bytes->begin(), bytes->end());
        const std::string local = "<param name=\"Local\" value=\"";
        for (size_t at = text.find(local); at != std::string::npos; at = text.find(local, at)) {
            at += local.size();
            pages.push_back(text.substr(at, text.find('"', at) - at));
        }
        return pages;
    }

    HMODULE library = nullptr;
    IStorage* storage = nullptr;
    std::optional<Bytes> systemFile, strings;
    std::vector<ChmSystemEntry> entries;
};

TEST_F(HelpFileTest, OpensAtItsDefaultTopicUnderItsTitle)
{
    const std::optional<std::string> topic = systemText(SYSTEM_DEFAULT_TOPIC);
    ASSERT_TRUE(topic);
    // The topic the game asks for, dzarvek.chm::/index.html.
    EXPECT_EQ("index.html", *topic);
    EXPECT_TRUE(holds(*topic));
    EXPECT_EQ("Domino Zarvek Help", systemText(SYSTEM_TITLE).value_or(""));
}

// The help window keeps its own caption, shows a contents pane wide enough
// for the topics' names beside a page, and fits the smallest screen.
TEST_F(HelpFileTest, DefaultWindowShowsItsContentsOnASmallScreen)
{
    const std::optional<WindowEntry> window = defaultWindow();
    ASSERT_TRUE(window) << "no window definition under the default window's name";
    EXPECT_EQ("Domino Zarvek Help", string(window->caption));
    ASSERT_TRUE(window->validMembers & PARAM_PROPERTIES);
    EXPECT_FALSE(window->properties & PROP_CHANGE_TITLE) << "the caption follows each page's title";
    EXPECT_TRUE(window->properties & PROP_TRI_PANE);

    const std::string toc = string(window->toc);
    EXPECT_TRUE(holds(toc)) << "contents \"" << toc << "\"";
    EXPECT_EQ(systemText(SYSTEM_DEFAULT_TOPIC).value_or("?"), string(window->file));
    EXPECT_EQ(systemText(SYSTEM_DEFAULT_TOPIC).value_or("?"), string(window->home));

    ASSERT_TRUE(window->validMembers & PARAM_RECT);
    const int width = window->right - window->left, height = window->bottom - window->top;
    EXPECT_GE(window->left, 0);
    EXPECT_GE(window->top, 0);
    EXPECT_LE(window->right, SCREEN_WIDTH);
    EXPECT_LE(window->bottom, SCREEN_HEIGHT);
    EXPECT_GE(height, LEAST_HEIGHT);

    ASSERT_TRUE(window->validMembers & PARAM_NAV_WIDTH);
    EXPECT_GE(window->navWidth, LEAST_PANE_WIDTH);
    EXPECT_GE(width - window->navWidth, LEAST_PAGE_WIDTH);
}

TEST_F(HelpFileTest, SearchTabHasAFullTextIndexBehindIt)
{
    const std::optional<WindowEntry> window = defaultWindow();
    ASSERT_TRUE(window);
    ASSERT_TRUE(window->properties & PROP_TAB_SEARCH) << "the help offers no Search tab";
    for (const char* name : {"#TOPICS", "#URLTBL", "#URLSTR", "$FIftiMain"})
        EXPECT_TRUE(holds(name)) << "no " << name << " file";
    const auto flags = std::find_if(entries.begin(), entries.end(),
                                    [](const ChmSystemEntry& e) { return e.code == SYSTEM_FLAGS; });
    ASSERT_NE(entries.end(), flags);
    ASSERT_GE(flags->length, SYSTEM_FLAGS_FULL_TEXT_SEARCH + 4);
    EXPECT_EQ(1u, flags->data[SYSTEM_FLAGS_FULL_TEXT_SEARCH]) << "full-text search is off";
}

TEST_F(HelpFileTest, IndexAndContentsLeadOnlyToPagesInTheFile)
{
    const std::optional<WindowEntry> window = defaultWindow();
    ASSERT_TRUE(window);
    const std::string index = string(window->index);
    ASSERT_FALSE(index.empty()) << "the help window has no index";
    ASSERT_TRUE(holds(index)) << "index \"" << index << "\"";
    for (const std::string& sitemap : {index, string(window->toc)}) {
        const std::vector<std::string> pages = sitemapPages(sitemap);
        EXPECT_FALSE(pages.empty()) << sitemap << " leads nowhere";
        // A place in a page (page#name) the help compiler checks itself.
        for (const std::string& target : pages) {
            const std::string page = target.substr(0, target.find('#'));
            EXPECT_TRUE(holds(page)) << sitemap << " leads to " << page << ", which is not in the file";
        }
    }
}

}  // namespace
