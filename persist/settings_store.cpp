// The settings' registry store: two REG_DWORD values under one key of
// HKEY_CURRENT_USER, read once at start-up and written at the end.
#include <windows.h>

#include "persist/settings_store.h"
#include "base/message.h"
#include "base/resource_ids.h"

namespace {

constexpr int KEY_PATH_SIZE = 128;
constexpr char OPTIONS_VALUE[] = "Options";
constexpr char TILESET_VALUE[] = "TileSet";

bool isStringType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A value is taken only when all of it was read and it is exactly 4 bytes of
// a type that is not text; anything else leaves the setting as it is.
bool readFourBytes(HKEY key, const char* name, uint32_t& out)
{
    BYTE data[4];
    DWORD type = 0;
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &type, data, &size) != ERROR_SUCCESS ||
        size != sizeof data || isStringType(type))
        return false;
    out = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
    return true;
}

// The key path from the string table. Without it there is no key: an empty
// path would name HKEY_CURRENT_USER itself.
bool loadKeyPath(char (&path)[KEY_PATH_SIZE])
{
    return loadText(IDS_SETTINGS_KEY, path, KEY_PATH_SIZE) > 0;
}

void writeDword(HKEY key, const char* name, uint32_t value)
{
    const BYTE data[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
                          static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 24)};
    RegSetValueExA(key, name, 0, REG_DWORD, data, sizeof data);
}

}  // namespace

void loadSettings()
{
    char path[KEY_PATH_SIZE];
    HKEY key;
    if (!loadKeyPath(path) ||
        RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    uint32_t value;
    if (readFourBytes(key, OPTIONS_VALUE, value))
        Options = value;
    // Any low-order byte is kept; the board view copes with unknown motifs.
    if (readFourBytes(key, TILESET_VALUE, value))
        TileSet = static_cast<uint8_t>(value);
    RegCloseKey(key);
}

void saveSettings()
{
    char path[KEY_PATH_SIZE];
    HKEY key;
    char noClass[] = "";
    if (!loadKeyPath(path) ||
        RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    writeDword(key, OPTIONS_VALUE, Options);
    writeDword(key, TILESET_VALUE, TileSet);
    RegCloseKey(key);
}
