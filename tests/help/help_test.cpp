// The help file as the game opens it: through the system's HTML Help control
// (hhctrl.ocx from the system folder), topic index.html in a help window that
// exists until it is closed. (That every page links only to files that are in
// the help file, the build itself checks.)
#include "help_file_path.h"
#include "modal_watch.h"

#include <windows.h>
#include <htmlhelp.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char system[MAX_PATH];
        const UINT length = GetSystemDirectoryA(system, MAX_PATH);
        ASSERT_TRUE(length > 0 && length < MAX_PATH);
        library = LoadLibraryA((std::string(system) + "\\hhctrl.ocx").c_str());
        ASSERT_TRUE(library) << "hhctrl.ocx did not load from " << system;
        // Through void (*)(): the export's real type is not FARPROC's.
        htmlHelp = reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "HtmlHelpA")));
        ASSERT_TRUE(htmlHelp);
    }

    void TearDown() override
    {
        if (htmlHelp)
            htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
        pumpMessages();
        if (library)
            FreeLibrary(library);
    }

    HWND showTopic(const std::string& topic)
    {
        const std::string target = helpFilePath() + "::/" + topic;
        HWND window = htmlHelp(nullptr, target.c_str(), HH_DISPLAY_TOPIC, 0);
        pumpMessages();
        return window;
    }

    HMODULE library = nullptr;
    HtmlHelpFunction htmlHelp = nullptr;
};

TEST_F(HelpTest, IndexTopicOpensInAHelpWindowThatClosesAgain)
{
    ASSERT_NE(GetFileAttributesA(helpFilePath().c_str()), INVALID_FILE_ATTRIBUTES)
        << helpFilePath() << " is missing";
    HWND window = showTopic("index.html");
    ASSERT_TRUE(window);
    EXPECT_TRUE(IsWindow(window));

    // The help window is a top-level window under the title the help file
    // gives it, and it is the window HTML Help returned.
    HWND found = FindWindowA(nullptr, "Domino Zarvek Help");
    ASSERT_TRUE(found);
    EXPECT_EQ(GetAncestor(window, GA_ROOT), found);

    SendMessageA(found, WM_CLOSE, 0, 0);
    pumpMessages();
    EXPECT_FALSE(IsWindow(found));
    EXPECT_FALSE(FindWindowA(nullptr, "Domino Zarvek Help"));
}

TEST_F(HelpTest, MissingHelpFileOpensNoWindow)
{
    // What the checks above tell apart: a file that is not there gives none.
    std::string missing = helpFilePath();
    missing.replace(missing.rfind('\\') + 1, std::string::npos, "missing.chm");
    ASSERT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(htmlHelp(nullptr, (missing + "::/index.html").c_str(), HH_DISPLAY_TOPIC, 0));
    EXPECT_FALSE(FindWindowA(nullptr, "Domino Zarvek Help"));
}

}  // namespace
