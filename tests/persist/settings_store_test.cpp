// The settings against the registry of the test prefix: what a start-up reads
// from each kind of stored value, and what the end writes back.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/shell_state.h"
#include "persist/settings_store.h"

namespace {

const char SETTINGS_KEY[] = "Software\\Ludwerk\\Domino Zarvek";

struct StoredValue {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
};

std::vector<BYTE> dword(uint32_t v)
{
    return {BYTE(v), BYTE(v >> 8), BYTE(v >> 16), BYTE(v >> 24)};
}

bool keyExists()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The type and bytes stored under name, or type REG_NONE when there is none.
StoredValue readValue(const char* name)
{
    StoredValue value{name, REG_NONE, std::vector<BYTE>(64)};
    DWORD size = static_cast<DWORD>(value.data.size());
    if (RegGetValueA(HKEY_CURRENT_USER, SETTINGS_KEY, name, RRF_RT_ANY | RRF_NOEXPAND,
                     &value.type, value.data.data(), &size) != ERROR_SUCCESS)
        return {name, REG_NONE, {}};
    value.data.resize(size);
    return value;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { startOver(); }
    void TearDown() override { startOver(); }

    // No key, as on the first run, and the built-in defaults.
    static void startOver()
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY);
        RegDeleteKeyA(HKEY_CURRENT_USER, SETTINGS_KEY);
        resetSettings();
    }

    void store(const std::vector<StoredValue>& values)
    {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        for (const StoredValue& v : values)
            RegSetValueExA(key, v.name, 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
        RegCloseKey(key);
    }
};

TEST_F(SettingsStoreTest, FirstRunKeepsTheDefaultsAndTheEndCreatesTheKey)
{
    loadSettings();
    EXPECT_EQ(Options, 12u);
    EXPECT_EQ(TileSet, 0);
    EXPECT_FALSE(keyExists()) << "reading must not create the key";

    saveSettings();
    const StoredValue options = readValue("Options");
    const StoredValue tileSet = readValue("TileSet");
    EXPECT_EQ(options.type, DWORD(REG_DWORD));
    EXPECT_EQ(options.data, dword(12));
    EXPECT_EQ(tileSet.type, DWORD(REG_DWORD));
    EXPECT_EQ(tileSet.data, dword(0));
}

// What start-up makes of the stored values, and what the end writes back.
TEST_F(SettingsStoreTest, StoredValuesAreReadAndWrittenBack)
{
    const std::vector<BYTE> abc = {'a', 'b', 'c', 0};
    const struct {
        std::string what;
        std::vector<StoredValue> stored;
        uint32_t options;
        uint8_t tileSet;
    } cases[] = {
        {"both", {{"Options", REG_DWORD, dword(1 | 8 | 16)}, {"TileSet", REG_DWORD, dword(1)}}, 25, 1},
        {"only Options", {{"Options", REG_DWORD, dword(5)}}, 5, 0},
        {"only TileSet", {{"TileSet", REG_DWORD, dword(2)}}, 12, 2},
        {"TileSet 258 keeps its low byte", {{"TileSet", REG_DWORD, dword(258)}}, 12, 2},
        {"TileSet 5 stays 5", {{"TileSet", REG_DWORD, dword(5)}}, 12, 5},
        {"Options with bit 32 and higher bits",
         {{"Options", REG_DWORD, dword(0xffff0000u | 32 | 4)}}, 0xffff0024u, 0},
        {"Options as text", {{"Options", REG_SZ, {'1', '2', '3', '4', '5', 0}}}, 12, 0},
        {"Options as 4 bytes of text", {{"Options", REG_SZ, abc}}, 12, 0},
        {"Options as expandable text", {{"Options", REG_EXPAND_SZ, abc}}, 12, 0},
        {"Options as a QWORD", {{"Options", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}}}, 12, 0},
        {"TileSet of 2 bytes", {{"TileSet", REG_BINARY, {1, 0}}}, 12, 0},
        {"TileSet of no bytes", {{"TileSet", REG_DWORD, {}}}, 12, 0},
        {"Options as 4 binary bytes", {{"Options", REG_BINARY, {1, 0, 0, 0x80}}}, 0x80000001u, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startOver();
        store(c.stored);

        loadSettings();
        EXPECT_EQ(Options, c.options);
        EXPECT_EQ(TileSet, c.tileSet);

        saveSettings();
        const StoredValue options = readValue("Options");
        const StoredValue tileSet = readValue("TileSet");
        EXPECT_EQ(options.type, DWORD(REG_DWORD));
        EXPECT_EQ(options.data, dword(c.options));
        EXPECT_EQ(tileSet.type, DWORD(REG_DWORD));
        EXPECT_EQ(tileSet.data, dword(c.tileSet));
    }
}

// Values named like the settings at the top of HKEY_CURRENT_USER, where a
// missing key path would lead.
bool rootValueExists(const char* name)
{
    return RegQueryValueExA(HKEY_CURRENT_USER, name, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

void deleteRootValues()
{
    RegDeleteValueA(HKEY_CURRENT_USER, "Options");
    RegDeleteValueA(HKEY_CURRENT_USER, "TileSet");
}

// Texts come from a module without the key path (string 5002): then there is
// no key, and neither the start nor the end touches the top of the hive.
TEST_F(SettingsStoreTest, WithoutTheKeyPathNothingIsReadOrWritten)
{
    HMODULE withoutTexts = GetModuleHandleA("kernel32.dll");
    char text[128];
    ASSERT_EQ(LoadStringA(withoutTexts, 5002, text, sizeof text), 0);
    deleteRootValues();
    HKEY root = HKEY_CURRENT_USER;
    const std::vector<BYTE> stored = dword(99);
    RegSetValueExA(root, "Options", 0, REG_DWORD, stored.data(), 4);
    RegSetValueExA(root, "TileSet", 0, REG_DWORD, stored.data(), 4);

    instance = withoutTexts;
    loadSettings();
    EXPECT_EQ(Options, 12u);
    EXPECT_EQ(TileSet, 0);

    deleteRootValues();
    Options = 5;
    saveSettings();
    instance = nullptr;
    EXPECT_FALSE(rootValueExists("Options"));
    EXPECT_FALSE(rootValueExists("TileSet"));
    EXPECT_FALSE(keyExists());
    deleteRootValues();
}

}  // namespace
