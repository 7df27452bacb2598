// What the Windows persistence tests share: a private temporary folder, a
// frame window that owns the dialogs, a record of the repaints the model was
// asked for, and a record of the game's whole state.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/shell_hooks.h"
#include "model/stones.h"
#include "modal_watch.h"
#include "persist/game_file.h"
#include "base/shell_state.h"

using Bytes = std::vector<uint8_t>;

// A new folder under the temporary folder, removed with all it holds. When
// no folder can be made, the test that wanted it fails at once.
class TempFolder {
public:
    TempFolder()
    {
        constexpr int ATTEMPTS = 100;
        char base[MAX_PATH];
        if (GetTempPathA(MAX_PATH, base) == 0)
            throw std::runtime_error("no temporary folder");
        const unsigned start = GetTickCount();
        for (unsigned n = start; n != start + ATTEMPTS; ++n) {
            path = std::string(base) + "dzpersist" + std::to_string(GetCurrentProcessId()) + "_" +
                   std::to_string(n);
            if (CreateDirectoryA(path.c_str(), nullptr))
                return;
        }
        throw std::runtime_error("cannot make a folder under " + std::string(base));
    }
    ~TempFolder()
    {
        for (const std::string& name : names()) {
            const std::string file = at(name);
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(path.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string at(const std::string& name) const { return path + "\\" + name; }

    // The names of the files in the folder, sorted.
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileA(at("*").c_str(), &data);
        if (search == INVALID_HANDLE_VALUE)
            return found;
        do {
            if (std::strcmp(data.cFileName, ".") != 0 && std::strcmp(data.cFileName, "..") != 0)
                found.push_back(data.cFileName);
        } while (FindNextFileA(search, &data));
        FindClose(search);
        std::sort(found.begin(), found.end());
        return found;
    }

    std::string path;
};

inline Bytes readBytes(const std::string& file)
{
    Bytes bytes;
    HANDLE h = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    uint8_t buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.insert(bytes.end(), buffer, buffer + got);
    CloseHandle(h);
    return bytes;
}

inline void writeBytes(const std::string& file, const Bytes& bytes)
{
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << file;
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    ASSERT_EQ(written, bytes.size()) << file;
}

// A game that differs from a fresh one in every part a file holds: values
// depend on seed, board slot 0 lies off the figure, and emptyTraySlot is the
// one empty tray slot among 0..11.
inline void setGame(int seed, int32_t fixed, int emptyTraySlot)
{
    resetGame();
    board[0].first.x = 1000 + seed;
    for (int i = 0; i < BOARD_SLOTS; ++i) {
        board[i].first.value = uint8_t((i + seed) % 7 + 1);
        board[i].second.value = uint8_t((3 * i + seed) % 7 + 1);
    }
    for (int t = 0; t < PLAY_TRAY_SLOTS; ++t) {
        tray[t] = traySlotLayout(t);
        tray[t].first.value = uint8_t((t + 2 * seed) % 7 + 1);
        tray[t].second.value = uint8_t((5 * t + seed) % 7 + 1);
    }
    tray[emptyTraySlot].first.value = 0;
    tray[emptyTraySlot].second.value = 0;
    fixedSlot = fixed;
}

// Everything a load or a save might touch.
struct GameState {
    Board board;
    Tray tray;
    SlotIndex selectedSlot;
    int32_t fixedSlot;
    bool solved;
    bool hasFileName;
    std::string fileName;

    static GameState now()
    {
        return {::board, ::tray, ::selectedSlot, ::fixedSlot, ::solved, ::hasFileName,
                currentFileName};
    }
    bool operator==(const GameState& o) const
    {
        return std::memcmp(board.data(), o.board.data(), sizeof board) == 0 &&
               std::memcmp(tray.data(), o.tray.data(), sizeof tray) == 0 &&
               selectedSlot == o.selectedSlot && fixedSlot == o.fixedSlot && solved == o.solved &&
               hasFileName == o.hasFileName && fileName == o.fileName;
    }
};

inline void PrintTo(const GameState& s, std::ostream* os)
{
    *os << "{selected " << s.selectedSlot << ", fixed " << s.fixedSlot << ", solved " << s.solved
        << ", file " << (s.hasFileName ? "" : "(none) ") << s.fileName << ", board/tray ...}";
}

// A visible frame window, installed as the shell's, a repaint hook that
// counts, and a fresh game with no file name.
class PersistTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerClasses();
        frameWindow = CreateWindowExA(0, FRAME_CLASS, "Domino Zarvek", WS_OVERLAPPEDWINDOW,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 480, 360, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(frameWindow, nullptr);
        ShowWindow(frameWindow, SW_SHOW);
        setShellHooks(ShellHooks{nullptr, nullptr, [] { ++repaintRequests; }, nullptr});
        pumpAll();
        resetGame();
        forgetFileName();
    }
    void TearDown() override
    {
        setShellHooks(ShellHooks{});
        DestroyWindow(frameWindow);
        frameWindow = nullptr;
        resetGame();
        forgetFileName();
    }

    // Handles whatever is pending and forgets the repaints asked for so far,
    // so that a later request shows.
    void pumpAll()
    {
        pumpMessages();
        repaintRequests = 0;
    }
    bool repaintRequested() const { return repaintRequests > 0; }

private:
    static constexpr char FRAME_CLASS[] = "DzPersistTestFrame";
    static inline int repaintRequests = 0;
    static void registerClasses()
    {
        static bool registered = false;
        if (registered)
            return;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = FRAME_CLASS;
        RegisterClassA(&wc);
        registered = true;
    }
};
