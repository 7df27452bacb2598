// Saving where the system has no rename that replaces a file, as on Windows
// 95, 98 and ME, whose MoveFileExA answers ERROR_CALL_NOT_IMPLEMENTED: the
// save goes through plain renames, and whichever of them fails, the player
// keeps a complete file, old or new.
#include "persist_fixture.h"

#include "modal_watch.h"
#include "persist/game_file_seam.h"
#include "persist/save_image.h"

namespace {

const std::string CANNOT_WRITE = "Error: Could not create/write file";
using Summaries = std::vector<std::string>;
using Names = std::vector<std::string>;

BOOL WINAPI moveNotImplemented(const char*, const char*, DWORD)
{
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

BOOL WINAPI moveDenied(const char*, const char*, DWORD)
{
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

// The plain renames, counted; the ones numbered in failing (from 1) fail.
struct Renames {
    static inline int made = 0;
    static inline std::vector<int> failing;

    static BOOL WINAPI step(const char* from, const char* to)
    {
        ++made;
        if (std::find(failing.begin(), failing.end(), made) != failing.end()) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        return renameWithMoveFile(from, to);
    }
};

class FileReplacementTest : public PersistTest {
protected:
    TempFolder folder;
    const Bytes earlier = Bytes(450, 0x42);

    void SetUp() override
    {
        PersistTest::SetUp();
        saveMoveStep = moveNotImplemented;
        saveRenameStep = Renames::step;
        Renames::made = 0;
        Renames::failing.clear();
        setGame(5, 6, 7);
    }
    void TearDown() override
    {
        saveMoveStep = moveWithMoveFileEx;
        saveRenameStep = renameWithMoveFile;
        PersistTest::TearDown();
    }

    static Bytes imageOfTheGame()
    {
        const SaveImage image = encodeSavedGame(capturedGame());
        return Bytes(image.begin(), image.end());
    }
};

TEST_F(FileReplacementTest, NewAndExistingFilesAreSavedThroughPlainRenames)
{
    const std::string file = folder.at("game.sav");
    ModalWatch watch;
    saveGame(file.c_str());
    EXPECT_EQ(watch.summaries(), Summaries{});
    EXPECT_EQ(readBytes(file), imageOfTheGame());
    EXPECT_EQ(Renames::made, 1);   // the new file simply takes the name
    EXPECT_EQ(folder.names(), Names{"game.sav"});

    writeBytes(file, earlier);
    Renames::made = 0;
    saveGame(file.c_str());
    EXPECT_EQ(watch.summaries(), Summaries{});
    EXPECT_EQ(readBytes(file), imageOfTheGame());
    EXPECT_EQ(Renames::made, 2);   // the old file aside, the new one in
    EXPECT_EQ(folder.names(), Names{"game.sav"});
}

TEST_F(FileReplacementTest, AFailingRenameKeepsTheOldFileAndLeavesNoOtherFile)
{
    const struct {
        const char* what;
        std::vector<int> failing;
        int made;
    } cases[] = {
        {"the old file cannot step aside", {1}, 1},
        {"the new file cannot take the name: the old one is put back", {2}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = folder.at("game.sav");
        writeBytes(file, earlier);
        Renames::made = 0;
        Renames::failing = c.failing;
        ModalWatch watch;
        saveGame(file.c_str());
        EXPECT_EQ(watch.summaries(), Summaries{CANNOT_WRITE});
        EXPECT_EQ(Renames::made, c.made);
        EXPECT_EQ(readBytes(file), earlier);
        EXPECT_EQ(folder.names(), Names{"game.sav"});
    }
}

// Even when the old file cannot be put back either, it is not lost: it
// stays whole under the spare name.
TEST_F(FileReplacementTest, WhenNothingCanBePutBackTheOldFileSurvivesUnderTheSpareName)
{
    const std::string file = folder.at("game.sav");
    writeBytes(file, earlier);
    Renames::failing = {2, 3};
    ModalWatch watch;
    saveGame(file.c_str());
    EXPECT_EQ(watch.summaries(), Summaries{CANNOT_WRITE});
    const Names left = folder.names();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_NE(left[0], "game.sav");
    EXPECT_EQ(readBytes(folder.at(left[0])), earlier);
}

TEST_F(FileReplacementTest, ANewFileThatCannotTakeItsNameLeavesNothing)
{
    Renames::failing = {1};
    ModalWatch watch;
    saveGame(folder.at("game.sav").c_str());
    EXPECT_EQ(watch.summaries(), Summaries{CANNOT_WRITE});
    EXPECT_EQ(folder.names(), Names{});
}

// With the system's own renames: a file another program holds open cannot
// step aside, and stays as it was.
TEST_F(FileReplacementTest, AFileHeldOpenStaysAsItWas)
{
    saveRenameStep = renameWithMoveFile;
    const std::string file = folder.at("busy.sav");
    writeBytes(file, earlier);
    HANDLE holder = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ModalWatch watch;
    saveGame(file.c_str());
    CloseHandle(holder);
    EXPECT_EQ(watch.summaries(), Summaries{CANNOT_WRITE});
    EXPECT_EQ(readBytes(file), earlier);
    EXPECT_EQ(folder.names(), Names{"busy.sav"});
}

// The plain renames stand in only for a rename the system does not have: a
// replacing rename that is refused is a failed save.
TEST_F(FileReplacementTest, ARefusedReplacingRenameIsNotRetriedWithPlainRenames)
{
    saveMoveStep = moveDenied;
    const std::string file = folder.at("game.sav");
    writeBytes(file, earlier);
    ModalWatch watch;
    saveGame(file.c_str());
    EXPECT_EQ(watch.summaries(), Summaries{CANNOT_WRITE});
    EXPECT_EQ(Renames::made, 0);
    EXPECT_EQ(readBytes(file), earlier);
    EXPECT_EQ(folder.names(), Names{"game.sav"});
}

}  // namespace
