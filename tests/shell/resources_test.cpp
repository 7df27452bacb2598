// The compiled resources, read back from this program's own module: every
// text, the menu, the shortcuts, both dialog templates field by field, the
// icon, the bitmaps and the version record.
#include "base/resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

HMODULE module()
{
    return GetModuleHandleA(nullptr);
}

struct ResourceBytes {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

ResourceBytes findResource(LPCSTR type, int id)
{
    HRSRC found = FindResourceA(module(), MAKEINTRESOURCEA(id), type);
    if (!found)
        return {};
    return {static_cast<const BYTE*>(LockResource(LoadResource(module(), found))),
            SizeofResource(module(), found)};
}

template <typename T>
T readAt(const BYTE* data, size_t offset)
{
    T value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

// ---------------------------------------------------------------------------
// Inventory

// Resource types and names are all numbers here; a type maps to the names
// it holds.
using Inventory = std::map<int, std::vector<int>>;

int number(LPCSTR resource)
{
    return static_cast<int>(reinterpret_cast<ULONG_PTR>(resource));
}

BOOL CALLBACK collectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param)
{
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
    return TRUE;
}

BOOL CALLBACK collectName(HMODULE, LPCSTR type, LPSTR name, LONG_PTR param)
{
    auto& inventory = *reinterpret_cast<std::pair<Inventory, std::vector<WORD>>*>(param);
    EXPECT_TRUE(IS_INTRESOURCE(name)) << "resource " << name << " is named, not numbered";
    if (IS_INTRESOURCE(name))
        inventory.first[number(type)].push_back(number(name));
    EnumResourceLanguagesA(module(), type, name, collectLanguage,
                           reinterpret_cast<LONG_PTR>(&inventory.second));
    return TRUE;
}

TEST(ResourceInventory, ExactlyTheProgramsResourcesAllLanguageNeutral)
{
    std::pair<Inventory, std::vector<WORD>> found;
    for (LPCSTR type : {RT_STRING, RT_MENU, RT_ACCELERATOR, RT_DIALOG, RT_GROUP_ICON, RT_ICON,
                        RT_BITMAP, RT_VERSION})
        EnumResourceNamesA(module(), type, collectName, reinterpret_cast<LONG_PTR>(&found));
    for (auto& [type, names] : found.first)
        std::sort(names.begin(), names.end());

    // Strings are stored in blocks of 16: block n holds ids 16(n-1)..16n-1.
    const Inventory expected = {
        {number(RT_STRING), {63, 69, 76, 313, 314}},
        {number(RT_MENU), {3001}},
        {number(RT_ACCELERATOR), {8001}},
        {number(RT_DIALOG), {6001, 6002}},
        {number(RT_GROUP_ICON), {4001}},
        {number(RT_ICON), {1, 2}},
        {number(RT_BITMAP), {2001, 2002, 2003}},
        {number(RT_VERSION), {1}},
    };
    EXPECT_EQ(found.first, expected);
    // One language per resource, and that one neutral.
    EXPECT_EQ(found.second, std::vector<WORD>(16, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)));
}

// ---------------------------------------------------------------------------
// String table

struct ExpectedText {
    int id;
    const char* text;
};

const ExpectedText STRINGS[] = {
    {1001, "Exits Domino Zarvek"},
    {1002, "Loads a previously saved game"},
    {1003, "Saves the current game"},
    {1004, "Starts a new game"},
    {1005, "Displays the settings for Domino Zarvek"},
    {1101, "Turns the statusbar on-/off"},
    {1201, "Displays help on Domino Zarvek explaining the rules of play, giving tips & hints, etc."},
    {1202, "Displays informations about Domino Zarvek"},
    {1203, "Opens the Ludwerk homepage with your favourite browser"},
    {5001, "Domino Zarvek"},
    {5002, "Software\\Ludwerk\\Domino Zarvek"},
    {5003, "Could not read file"},
    {5004, "Error"},
    {5005, "File seems to be corrupted"},
    {5006, "Could not create/write file"},
    {5007, "Could not generate game"},
    {5008, "You made it!"},
    {5009, "Try to figure it out."},
    {5010, "This stone doesn't fit here."},
    {5011, "Congratulations"},
    {5012, "This stone is fixed and can't be moved therefore."},
    {5013, "Do you want to close the running game?"},
    {5014, "dzarvek.chm::/index.html"},
    {5015, "Untitled"},
};

TEST(StringTable, EveryTextFitsTheSmallestCallersBuffer)
{
    for (const ExpectedText& expected : STRINGS) {
        SCOPED_TRACE(expected.id);
        // 128 characters is the smallest buffer any caller passes.
        char text[128] = "";
        const int length = LoadStringA(module(), expected.id, text, sizeof text);
        EXPECT_STREQ(text, expected.text);
        EXPECT_EQ(length, static_cast<int>(std::strlen(expected.text)));
    }
}

TEST(StringTable, IdsWithoutTextGiveNothing)
{
    // Save As has no menu help; the others are neighbours of real texts or
    // ids of other resource types.
    for (int id : {0, 1000, 1006, 1100, 1204, 3001, 5000, 5016, 6001}) {
        SCOPED_TRACE(id);
        char text[128];
        EXPECT_EQ(LoadStringA(module(), id, text, sizeof text), 0);
    }
}

// ---------------------------------------------------------------------------
// Menu

struct ExpectedItem {
    const char* text;   // nullptr: a separator
    UINT id;
};

struct ExpectedPopup {
    const char* text;
    std::vector<ExpectedItem> items;
};

const ExpectedPopup MENU_BAR[] = {
    {"&File",
     {{"&New\tCtrl+N", 1004},
      {"&Open...", 1002},
      {"&Save...\tCtrl+S", 1003},
      {"Save &as...", 1006},
      {nullptr, 0},
      {"&Properties...", 1005},
      {nullptr, 0},
      {"E&xit", 1001}}},
    {"&View", {{"&Statusbar", 1101}}},
    {"&Help",
     {{"&Contents\tF1", 1201}, {nullptr, 0}, {"&About", 1202}, {"&Ludwerk Homepage", 1203}}},
};

struct MenuItem {
    UINT type;
    UINT state;
    UINT id;
    HMENU submenu;
    std::string text;
};

MenuItem readMenuItem(HMENU menu, int position)
{
    char text[256] = "";
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info));
    return {info.fType, info.fState, info.wID, info.hSubMenu, text};
}

TEST(MainMenu, PopupsItemsIdsAndSeparators)
{
    HMENU bar = LoadMenuA(module(), MAKEINTRESOURCEA(IDM_MAIN_MENU));
    ASSERT_TRUE(bar);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    for (int p = 0; p < 3; ++p) {
        const ExpectedPopup& expected = MENU_BAR[p];
        SCOPED_TRACE(expected.text);
        const MenuItem popup = readMenuItem(bar, p);
        EXPECT_EQ(popup.text, expected.text);
        EXPECT_EQ(popup.type, static_cast<UINT>(MFT_STRING));
        EXPECT_EQ(popup.state, 0u);
        ASSERT_TRUE(popup.submenu);
        ASSERT_EQ(GetMenuItemCount(popup.submenu), static_cast<int>(expected.items.size()));
        for (size_t i = 0; i < expected.items.size(); ++i) {
            SCOPED_TRACE(i);
            const ExpectedItem& want = expected.items[i];
            const MenuItem item = readMenuItem(popup.submenu, static_cast<int>(i));
            EXPECT_FALSE(item.submenu);
            if (want.text) {
                // Nothing greyed or checked in the resource. (The platform
                // reports separators as greyed whatever the resource says.)
                EXPECT_EQ(item.state, 0u);
                EXPECT_EQ(item.type, static_cast<UINT>(MFT_STRING));
                EXPECT_EQ(item.text, want.text);
                EXPECT_EQ(item.id, want.id);
            } else {
                EXPECT_EQ(item.type, static_cast<UINT>(MFT_SEPARATOR));
            }
        }
    }
    DestroyMenu(bar);
}

// ---------------------------------------------------------------------------
// Accelerators

TEST(Accelerators, CtrlNCtrlSAndF1WithoutMenuFlash)
{
    HACCEL table = LoadAcceleratorsA(module(), MAKEINTRESOURCEA(IDA_ACCELERATORS));
    ASSERT_TRUE(table);
    ASSERT_EQ(CopyAcceleratorTableA(table, nullptr, 0), 3);
    ACCEL entries[3];
    ASSERT_EQ(CopyAcceleratorTableA(table, entries, 3), 3);

    const ACCEL expected[3] = {
        {FVIRTKEY | FCONTROL, 0x4E, 1004},
        {FVIRTKEY | FCONTROL, 0x53, 1003},
        {FVIRTKEY | FNOINVERT, VK_F1, 1201},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].fVirt, expected[i].fVirt);
        EXPECT_EQ(entries[i].key, expected[i].key);
        EXPECT_EQ(entries[i].cmd, expected[i].cmd);
    }
    DestroyAcceleratorTable(table);
}

// ---------------------------------------------------------------------------
// Dialog templates

// A name or ordinal field of a template; ordinals are written "#n".
constexpr const char* BUTTON = "#128";
constexpr const char* STATIC = "#130";
// The template's id field is 32 bits wide: -1 marks a control without an id.
constexpr DWORD NO_ID = 0xFFFFFFFF;

struct DialogControl {
    DWORD id;
    std::string className;
    std::string text;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu, className, caption;
    WORD pointSize = 0;
    std::string typeface;
    std::vector<DialogControl> controls;
};

// Reads the extended template (DLGTEMPLATEEX, then one DLGITEMTEMPLATEEX per
// control) as the dialog manager would.
class TemplateReader {
public:
    explicit TemplateReader(ResourceBytes bytes) : bytes(bytes) {}

    DialogTemplate read()
    {
        DialogTemplate dialog;
        EXPECT_EQ(word(), 1) << "dlgVer";
        EXPECT_EQ(word(), 0xFFFF) << "signature of an extended template";
        EXPECT_EQ(dword(), 0u) << "helpID";
        dialog.exStyle = dword();
        dialog.style = dword();
        const int count = word();
        dialog.x = shortValue();
        dialog.y = shortValue();
        dialog.cx = shortValue();
        dialog.cy = shortValue();
        dialog.menu = nameOrOrdinal();
        dialog.className = nameOrOrdinal();
        dialog.caption = nameOrOrdinal();
        if (dialog.style & DS_SETFONT) {
            dialog.pointSize = word();
            word();     // weight
            offset += 2; // italic, character set
            dialog.typeface = nameOrOrdinal();
        }
        for (int i = 0; i < count && offset < bytes.size; ++i) {
            offset = (offset + 3) & ~size_t{3};
            DialogControl control;
            EXPECT_EQ(dword(), 0u) << "helpID";
            control.exStyle = dword();
            control.style = dword();
            control.x = shortValue();
            control.y = shortValue();
            control.cx = shortValue();
            control.cy = shortValue();
            control.id = dword();
            control.className = nameOrOrdinal();
            control.text = nameOrOrdinal();
            const WORD extra = word();
            EXPECT_EQ(extra, 0) << "creation data of control " << i;
            offset += extra;
            dialog.controls.push_back(control);
        }
        EXPECT_LE(offset, bytes.size);
        return dialog;
    }

private:
    WORD word()
    {
        const WORD value = offset + 2 <= bytes.size ? readAt<WORD>(bytes.data, offset) : 0;
        offset += 2;
        return value;
    }
    short shortValue() { return static_cast<short>(word()); }
    DWORD dword()
    {
        const DWORD low = word();
        return low | (DWORD{word()} << 16);
    }
    std::string nameOrOrdinal()
    {
        const WORD first = word();
        if (first == 0xFFFF)
            return "#" + std::to_string(word());
        std::string text;
        for (WORD c = first; c != 0 && offset < bytes.size; c = word())
            text += static_cast<char>(c);
        return text;
    }

    ResourceBytes bytes;
    size_t offset = 0;
};

DialogTemplate readDialog(int id)
{
    const ResourceBytes bytes = findResource(RT_DIALOG, id);
    EXPECT_TRUE(bytes.data) << "dialog " << id;
    return bytes.data ? TemplateReader(bytes).read() : DialogTemplate{};
}

void expectControls(const std::vector<DialogControl>& actual,
                    const std::vector<DialogControl>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const DialogControl& a = actual[i];
        const DialogControl& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(i) + " \"" + e.text + "\"");
        EXPECT_EQ(a.id, e.id);
        EXPECT_EQ(a.className, e.className);
        EXPECT_EQ(a.text, e.text);
        EXPECT_EQ(a.style, e.style) << std::hex << a.style << " != " << e.style;
        EXPECT_EQ(a.exStyle, e.exStyle);
        EXPECT_EQ(a.x, e.x);
        EXPECT_EQ(a.y, e.y);
        EXPECT_EQ(a.cx, e.cx);
        EXPECT_EQ(a.cy, e.cy);
    }
}

TEST(DialogTemplates, PropertiesDialogControlByControl)
{
    const DialogTemplate dialog = readDialog(IDD_PROPERTIES);
    EXPECT_EQ(dialog.style, 0x90C820C4u);
    EXPECT_EQ(dialog.exStyle, 0x401u);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 240);
    EXPECT_EQ(dialog.cy, 140);
    EXPECT_EQ(dialog.menu, "");
    EXPECT_EQ(dialog.className, "");
    EXPECT_EQ(dialog.caption, "Properties");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");

    expectControls(dialog.controls, {
        {1, BUTTON, "OK", 0x50010300, 0, 20, 116, 50, 14},
        {2, BUTTON, "Cancel", 0x50010300, 0, 95, 120, 50, 14},
        {9, BUTTON, "Help", 0x50010300, 0, 180, 120, 50, 14},
        {NO_ID, BUTTON, "Game", 0x50020007, 0, 4, 4, 116, 64},
        {7001, BUTTON, "Nur &eindeutige Spiele", 0x58010003, 0, 12, 16, 96, 12},
        {7002, BUTTON, "Startstein &legen", 0x50010003, 0, 12, 28, 96, 12},
        {7003, BUTTON, "Ask on e&xit", 0x50010003, 0, 12, 40, 100, 12},
        {7008, BUTTON, "No doubles", 0x50010003, 0, 12, 52, 96, 12},
        {NO_ID, BUTTON, "Motives", 0x50020007, 0, 172, 4, 64, 52},
        {7004, BUTTON, "&Dominoes", 0x50010009, 0, 180, 16, 52, 12},
        {7006, BUTTON, "&Chinese", 0x50010009, 0, 180, 28, 52, 12},
        {7005, BUTTON, "Sym&bols", 0x50010009, 0, 180, 40, 52, 12},
        {NO_ID, BUTTON, "View", 0x50020007, 0, 4, 76, 232, 30},
        {7007, BUTTON, "Show &Statusbar", 0x50010003, 0, 12, 88, 176, 12},
    });
}

TEST(DialogTemplates, AboutDialogControlByControl)
{
    const DialogTemplate dialog = readDialog(IDD_ABOUT);
    EXPECT_EQ(dialog.style, 0x90C808C5u);
    EXPECT_EQ(dialog.exStyle, 0x1u);
    EXPECT_EQ(dialog.x, 42);
    EXPECT_EQ(dialog.y, 13);
    EXPECT_EQ(dialog.cx, 249);
    EXPECT_EQ(dialog.cy, 124);
    EXPECT_EQ(dialog.menu, "");
    EXPECT_EQ(dialog.className, "");
    EXPECT_EQ(dialog.caption, "Domino Zarvek");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");

    // The resource compiler upper-cases a custom class name; class names
    // are compared without case, so "LINK" finds the class "Link".
    expectControls(dialog.controls, {
        {1, BUTTON, "OK", 0x50010F00, 0, 96, 104, 50, 14},
        {NO_ID, STATIC, "#2003", 0x5000100E, 0, 8, 8, 182, 123},
        {NO_ID, STATIC, "Domino Zarvek 0.1a\n\n2002 by Ludwerk", 0x50000000, 0x4, 140, 8, 104, 32},
        {NO_ID, STATIC, "Contact:", 0x50000000, 0x4, 140, 68, 100, 8},
        {1203, "LINK", "http://www.ludwerk.de/", 0x50010100, 0, 140, 76, 96, 8},
        {NO_ID, STATIC, "", 0x50000012, 0x4, 8, 96, 232, 1},
    });
}

// The templates brought to life: what the dialog manager makes of them.
class LiveDialog : public ::testing::Test {
protected:
    static INT_PTR CALLBACK keepDefaults(HWND, UINT message, WPARAM, LPARAM)
    {
        return message == WM_INITDIALOG;
    }

    void SetUp() override
    {
        // Dialog 6002 cannot be created without a class "Link"; a plain
        // stand-in does for reading the template back.
        WNDCLASSA linkClass{};
        linkClass.lpfnWndProc = DefWindowProcA;
        linkClass.hInstance = module();
        linkClass.lpszClassName = "Link";
        ASSERT_TRUE(RegisterClassA(&linkClass));
    }

    void TearDown() override
    {
        if (dialog)
            DestroyWindow(dialog);
        UnregisterClassA("Link", module());
    }

    HWND create(int id, HWND owner = nullptr)
    {
        dialog = CreateDialogParamA(module(), MAKEINTRESOURCEA(id), owner, keepDefaults, 0);
        return dialog;
    }

    HWND dialog = nullptr;
};

HWND nthChild(HWND parent, int index)
{
    HWND child = GetWindow(parent, GW_CHILD);
    for (int i = 0; i < index && child; ++i)
        child = GetWindow(child, GW_HWNDNEXT);
    return child;
}

TEST_F(LiveDialog, AboutTextShowsThreeLinesAndThePictureIsBitmap2003)
{
    ASSERT_TRUE(create(IDD_ABOUT));

    HWND picture = nthChild(dialog, 1);
    HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_TRUE(shown);
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(shown, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 182);
    EXPECT_EQ(info.bmHeight, 123);
    // The control takes the bitmap's size in pixels, whatever the template
    // says, and so stays clear of the text column and the etched line.
    RECT pictureRect{};
    GetWindowRect(picture, &pictureRect);
    EXPECT_EQ(pictureRect.right - pictureRect.left, 182);
    EXPECT_EQ(pictureRect.bottom - pictureRect.top, 123);
    RECT textRect{}, lineRect{};
    GetWindowRect(nthChild(dialog, 2), &textRect);
    GetWindowRect(nthChild(dialog, 5), &lineRect);
    EXPECT_LE(pictureRect.right, textRect.left);
    EXPECT_LE(pictureRect.bottom, lineRect.top);

    HWND text = nthChild(dialog, 2);
    char shownText[128] = "";
    GetWindowTextA(text, shownText, sizeof shownText);
    EXPECT_STREQ(shownText, "Domino Zarvek 0.1a\n\n2002 by Ludwerk");

    // Laid out as the static lays it out, in its font and width, the text
    // takes exactly three lines, and the control is tall enough for them.
    RECT client{};
    GetClientRect(text, &client);
    HDC dc = GetDC(text);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT needed = {0, 0, client.right, 0};
    DrawTextA(dc, shownText, -1, &needed, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT);
    SelectObject(dc, oldFont);
    ReleaseDC(text, dc);
    EXPECT_EQ(needed.bottom, 3 * metrics.tmHeight);
    EXPECT_LE(needed.bottom, client.bottom);

    char link[128] = "";
    GetWindowTextA(GetDlgItem(dialog, IDC_HOMEPAGE_LINK), link, sizeof link);
    EXPECT_STREQ(link, "http://www.ludwerk.de/");
}

TEST_F(LiveDialog, AboutIsCentredOnTheScreen)
{
    ASSERT_TRUE(create(IDD_ABOUT));
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT box{};
    GetWindowRect(dialog, &box);
    EXPECT_NEAR((box.left + box.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

TEST_F(LiveDialog, PropertiesOpensAtTheOwnersClientOriginWithUniqueGamesDisabled)
{
    HWND owner = CreateWindowExA(0, "Static", "owner", WS_OVERLAPPEDWINDOW, 100, 80, 480, 360,
                                 nullptr, nullptr, module(), nullptr);
    ASSERT_TRUE(owner);
    ASSERT_TRUE(create(IDD_PROPERTIES, owner));
    // The template's (0, 0) places the dialog's client area, not its frame.
    POINT ownerOrigin{0, 0}, dialogOrigin{0, 0};
    ClientToScreen(owner, &ownerOrigin);
    ClientToScreen(dialog, &dialogOrigin);
    EXPECT_EQ(dialogOrigin.x, ownerOrigin.x);
    EXPECT_EQ(dialogOrigin.y, ownerOrigin.y);

    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_UNIQUE_GAMES)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_START_STONE)));
    DestroyWindow(dialog);
    dialog = nullptr;
    DestroyWindow(owner);
}

// ---------------------------------------------------------------------------
// Icon

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupIconEntry) == 14);

TEST(ProgramIcon, GroupHoldsA16And32PixelImage)
{
    const ResourceBytes group = findResource(RT_GROUP_ICON, IDI_PROGRAM);
    ASSERT_TRUE(group.data);
    ASSERT_EQ(group.size, 6u + 2 * sizeof(GroupIconEntry));
    EXPECT_EQ(readAt<WORD>(group.data, 0), 0);
    EXPECT_EQ(readAt<WORD>(group.data, 2), 1) << "icons, not cursors";
    ASSERT_EQ(readAt<WORD>(group.data, 4), 2);

    struct {
        int size, colourCount, bitCount, id;
    } const expected[2] = {
        {16, 16, 4, 1},
        {32, 0, 8, 2},   // a colour count of 256 does not fit the byte: 0
    };
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const auto entry = readAt<GroupIconEntry>(group.data, 6 + i * sizeof(GroupIconEntry));
        EXPECT_EQ(entry.width, expected[i].size);
        EXPECT_EQ(entry.height, expected[i].size);
        EXPECT_EQ(entry.colourCount, expected[i].colourCount);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.bitCount, expected[i].bitCount);
        EXPECT_EQ(entry.id, expected[i].id);

        // The image itself: colour and mask stacked, hence double height.
        const ResourceBytes image = findResource(RT_ICON, entry.id);
        ASSERT_TRUE(image.data);
        EXPECT_EQ(image.size, entry.bytesInRes);
        const auto header = readAt<BITMAPINFOHEADER>(image.data, 0);
        EXPECT_EQ(header.biWidth, expected[i].size);
        EXPECT_EQ(header.biHeight, 2 * expected[i].size);
        EXPECT_EQ(header.biBitCount, expected[i].bitCount);
    }

    EXPECT_TRUE(LoadIconA(module(), MAKEINTRESOURCEA(IDI_PROGRAM)));
}

// ---------------------------------------------------------------------------
// Bitmaps

TEST(Bitmaps, SizesAndDepthsStoredBottomUpUncompressed)
{
    struct {
        int id, width, height, bitCount;
    } const expected[] = {
        {IDB_TEXTURE, 128, 128, 8},
        {IDB_TILE_SHEET, 217, 221, 24},
        {IDB_ABOUT_PICTURE, 182, 123, 8},
    };
    for (const auto& want : expected) {
        SCOPED_TRACE(want.id);
        const ResourceBytes bytes = findResource(RT_BITMAP, want.id);
        ASSERT_TRUE(bytes.data);
        ASSERT_GE(bytes.size, sizeof(BITMAPINFOHEADER));
        const auto header = readAt<BITMAPINFOHEADER>(bytes.data, 0);
        EXPECT_EQ(header.biSize, sizeof(BITMAPINFOHEADER));
        EXPECT_EQ(header.biWidth, want.width);
        EXPECT_EQ(header.biHeight, want.height) << "positive: bottom-up";
        EXPECT_EQ(header.biPlanes, 1);
        EXPECT_EQ(header.biBitCount, want.bitCount);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));

        const DWORD paletteSize =
            want.bitCount == 8 ? (header.biClrUsed ? header.biClrUsed : 256) * 4 : 0;
        const DWORD stride = ((want.width * want.bitCount + 31) / 32) * 4;
        EXPECT_EQ(bytes.size, header.biSize + paletteSize + stride * want.height);

        HBITMAP loaded = LoadBitmapA(module(), MAKEINTRESOURCEA(want.id));
        ASSERT_TRUE(loaded);
        BITMAP info{};
        GetObjectA(loaded, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, want.width);
        EXPECT_EQ(info.bmHeight, want.height);
        DeleteObject(loaded);
    }
}

// ---------------------------------------------------------------------------
// Version record

std::vector<BYTE> versionInfo()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module(), path, sizeof path);
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeA(path, &ignored));
    if (block.empty() || !GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()))
        block.clear();
    return block;
}

TEST(VersionRecord, FixedFields)
{
    std::vector<BYTE> block = versionInfo();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00000001u) << "0.1";
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000u) << ".0.0";
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x2u);
    EXPECT_EQ(fixed->dwFileFlags, static_cast<DWORD>(VS_FF_PRERELEASE));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS, 0u);
    EXPECT_EQ(fixed->dwFileDateLS, 0u);
}

TEST(VersionRecord, StringBlockValues)
{
    std::vector<BYTE> block = versionInfo();
    ASSERT_FALSE(block.empty());
    const struct {
        const char* key;
        const char* value;
    } expected[] = {
        {"FileDescription", "Domino Zarvek"},
        {"FileVersion", "0.1"},
        {"eMail", "info@ludwerk.de"},
        {"Website", "http://www.ludwerk.de/"},
        {"LegalCopyright", "Copyright (C) 2002 Ludwerk"},
    };
    for (const auto& want : expected) {
        SCOPED_TRACE(want.key);
        const std::string path = std::string("\\StringFileInfo\\040904E4\\") + want.key;
        char* value = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length));
        EXPECT_STREQ(value, want.value);
    }
    void* translation = nullptr;
    UINT length = 0;
    EXPECT_FALSE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &translation, &length));
}

}  // namespace
