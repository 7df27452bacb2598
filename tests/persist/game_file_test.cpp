// Loading and saving real files in a temporary folder, the Save command's
// choice and the Open and Save As dialogs, answered in-process.
#include "persist_fixture.h"

#include "file_dialog_answer.h"
#include "modal_watch.h"
#include "persist/game_file_seam.h"
#include "persist/save_image.h"

namespace {

const std::string CORRUPTED = "Error: File seems to be corrupted";
const std::string CANNOT_READ = "Error: Could not read file";
const std::string CANNOT_WRITE = "Error: Could not create/write file";

using Summaries = std::vector<std::string>;

class GameFileTest : public PersistTest {
protected:
    TempFolder folder;

    // The image of the game now running, written to name in the folder.
    std::string saveImageOfCurrentGame(const std::string& name)
    {
        const SaveImage image = encodeSavedGame(capturedGame());
        const std::string file = folder.at(name);
        writeBytes(file, Bytes(image.begin(), image.end()));
        return file;
    }
};

TEST_F(GameFileTest, SaveAndLoadRestoreEveryFixedSlot)
{
    for (int32_t fixed = -1; fixed <= 11; ++fixed) {
        SCOPED_TRACE("fixedSlot " + std::to_string(fixed));
        const std::string file = folder.at("game" + std::to_string(fixed + 1) + ".sav");
        setGame(fixed + 3, fixed, 4);
        selectedSlot = 16;
        const GameState saved = GameState::now();
        ModalWatch watch;

        saveGame(file.c_str());
        const Bytes bytes = readBytes(file);
        ASSERT_EQ(bytes.size(), 450u);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14),
                  (Bytes{'d', 'o', 'm', 'i', 'n', 'o', 'z', 'a', 'r', 'v', 'e', 'k', 0, 1}));
        if (fixed == 10) {
            EXPECT_EQ(Bytes(bytes.begin() + 446, bytes.end()), (Bytes{0x0a, 0, 0, 0}));
        }

        setGame(0, 2, 0);
        selectedSlot = 21;
        forgetFileName();
        loadGame(file.c_str());
        GameState expected = saved;
        expected.selectedSlot = 21;   // a load leaves the selection to its caller
        expected.hasFileName = true;
        expected.fileName = file;
        EXPECT_EQ(GameState::now(), expected);
        EXPECT_EQ(watch.summaries(), Summaries{});
    }
    EXPECT_EQ(folder.names().size(), 13u);
}

TEST_F(GameFileTest, SaveReplacesAnExistingFileAndLeavesNoOtherFile)
{
    const std::string file = folder.at("game.sav");
    writeBytes(file, Bytes(1000, 0x55));
    setGame(5, 1, 2);
    ModalWatch watch;
    saveGame(file.c_str());
    const SaveImage image = encodeSavedGame(capturedGame());
    EXPECT_EQ(readBytes(file), Bytes(image.begin(), image.end()));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"game.sav"});
    EXPECT_EQ(watch.summaries(), Summaries{});
}

TEST_F(GameFileTest, LongerFileLoadsSilently)
{
    setGame(4, 9, 7);
    const GameState fromFile = GameState::now();
    const std::string file = saveImageOfCurrentGame("long.sav");
    Bytes bytes = readBytes(file);
    bytes.push_back(0x1a);
    writeBytes(file, bytes);

    setGame(1, -1, 0);
    ModalWatch watch;
    loadGame(file.c_str());
    GameState expected = fromFile;
    expected.hasFileName = true;
    expected.fileName = file;
    EXPECT_EQ(GameState::now(), expected);
    EXPECT_EQ(watch.summaries(), Summaries{});
}

// Whatever is wrong with the file, the running game, its selection and its
// file name stay exactly as they were.
TEST_F(GameFileTest, BadFilesChangeNothing)
{
    setGame(6, 3, 5);
    const SaveImage image = encodeSavedGame(capturedGame());
    const Bytes good(image.begin(), image.end());
    struct BadFile {
        std::string what;
        Bytes bytes;
    };
    std::vector<BadFile> cases = {
        {"empty", {}},
        {"13 bytes", Bytes(good.begin(), good.begin() + 13)},
        {"229 bytes", Bytes(good.begin(), good.begin() + 229)},
        {"230 bytes", Bytes(good.begin(), good.begin() + 230)},
        {"445 bytes", Bytes(good.begin(), good.begin() + 445)},
        {"449 bytes", Bytes(good.begin(), good.begin() + 449)},
    };
    for (int i = 0; i < 14; ++i) {
        Bytes bytes = good;
        bytes[i] = i == 13 ? 0x02 : bytes[i] ^ 0x20;
        cases.push_back({"magic byte " + std::to_string(i), bytes});
    }

    // Once for a game with no file yet, once for one loaded from a file.
    for (const char* earlierName : {"", "C:\\earlier.sav"}) {
        for (const BadFile& c : cases) {
            SCOPED_TRACE(c.what + (*earlierName ? " after a load" : " in a new game"));
            setGame(2, 8, 9);
            selectedSlot = 13;
            solved = true;
            if (*earlierName)
                rememberFileName(earlierName);
            else
                forgetFileName();
            const GameState before = GameState::now();
            const std::string file = folder.at("bad.sav");
            writeBytes(file, c.bytes);

            ModalWatch watch;
            loadGame(file.c_str());
            EXPECT_EQ(watch.summaries(), Summaries{CORRUPTED});
            if (!watch.boxes().empty()) {
                EXPECT_EQ(watch.boxes()[0].owner, frameWindow);
            }
            EXPECT_EQ(GameState::now(), before);
        }
    }
}

TEST_F(GameFileTest, MissingFileIsReportedAndChangesNothing)
{
    setGame(3, 0, 1);
    rememberFileName("C:\\earlier.sav");
    const GameState before = GameState::now();
    ModalWatch watch;
    loadGame(folder.at("missing.sav").c_str());
    EXPECT_EQ(watch.summaries(), Summaries{CANNOT_READ});
    EXPECT_EQ(GameState::now(), before);
}

// A save that cannot be completed leaves any earlier file as it was and no
// temporary file behind, and the next Save tries the same name again.
TEST_F(GameFileTest, FailedSavesKeepThePreviousFile)
{
    const Bytes earlier(450, 0x42);
    const struct {
        std::string what;
        std::string name;
        bool existing;
        bool readOnly;
        bool heldOpen;
    } cases[] = {
        {"folder that does not exist", "no such folder\\game.sav", false, false, false},
        {"read-only file", "readonly.sav", true, true, false},
        {"file held open by another program", "busy.sav", true, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = folder.at(c.name);
        if (c.existing)
            writeBytes(file, earlier);
        if (c.readOnly)
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
        HANDLE holder = c.heldOpen ? CreateFileA(file.c_str(), GENERIC_READ,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                 OPEN_EXISTING, 0, nullptr)
                                   : INVALID_HANDLE_VALUE;
        const std::vector<std::string> filesBefore = folder.names();
        setGame(7, 4, 3);
        selectedSlot = 12;
        forgetFileName();

        ModalWatch watch;
        saveGame(file.c_str());
        EXPECT_EQ(watch.summaries(), Summaries{CANNOT_WRITE});
        EXPECT_TRUE(hasFileName);
        EXPECT_EQ(std::string(currentFileName), file);

        // The Save command goes straight to the same name: no dialog.
        board[1].first.value = 0;
        saveGameCommand();
        EXPECT_EQ(watch.summaries(), (Summaries{CANNOT_WRITE, CANNOT_WRITE}));
        EXPECT_EQ(std::string(currentFileName), file);
        EXPECT_EQ(selectedSlot, 12);

        if (holder != INVALID_HANDLE_VALUE)
            CloseHandle(holder);
        EXPECT_EQ(folder.names(), filesBefore);
        if (c.existing) {
            EXPECT_EQ(readBytes(file), earlier);
        }
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// Writes the first 100 bytes, then fails, or reports those 100 as all it
// wrote.
BOOL failAfter100Bytes(HANDLE file, const void* data, DWORD, DWORD* written)
{
    WriteFile(file, data, 100, written, nullptr);
    return FALSE;
}

BOOL stopAfter100Bytes(HANDLE file, const void* data, DWORD, DWORD* written)
{
    return WriteFile(file, data, 100, written, nullptr);
}

// A save whose write breaks off part-way touches the earlier file not at all:
// the bytes go to a new file, which is removed again.
TEST_F(GameFileTest, WriteBrokenOffPartWayKeepsTheEarlierFileWhole)
{
    const Bytes earlier = [] {
        Bytes bytes(450);
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<uint8_t>(i * 7);
        return bytes;
    }();
    const struct {
        const char* what;
        SaveWriteStep step;
    } cases[] = {
        {"write fails", failAfter100Bytes},
        {"write comes up short", stopAfter100Bytes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = folder.at("game.sav");
        writeBytes(file, earlier);
        setGame(8, 2, 5);
        saveWriteStep = c.step;
        ModalWatch watch;
        saveGame(file.c_str());
        saveWriteStep = writeWithWriteFile;

        EXPECT_EQ(watch.summaries(), Summaries{CANNOT_WRITE});
        EXPECT_EQ(readBytes(file), earlier);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"game.sav"});
    }
}

// The file that replaces another takes over its attributes: a hidden file
// stays hidden.
TEST_F(GameFileTest, ReplacedFileKeepsItsAttributes)
{
    const DWORD given[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM,
                           FILE_ATTRIBUTE_NORMAL};
    for (DWORD attributes : given) {
        SCOPED_TRACE(attributes);
        const std::string file = folder.at("kept.sav");
        writeBytes(file, Bytes(450, 0x42));
        ASSERT_TRUE(SetFileAttributesA(file.c_str(), attributes));
        const DWORD before = GetFileAttributesA(file.c_str());
        ASSERT_EQ(before & attributes, attributes & ~DWORD{FILE_ATTRIBUTE_NORMAL});
        setGame(1, 3, 2);
        ModalWatch watch;
        saveGame(file.c_str());
        EXPECT_EQ(watch.summaries(), Summaries{});
        const SaveImage image = encodeSavedGame(capturedGame());
        EXPECT_EQ(readBytes(file), Bytes(image.begin(), image.end()));
        EXPECT_EQ(GetFileAttributesA(file.c_str()), before);
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_EQ(folder.names(), std::vector<std::string>{"kept.sav"});
}

TEST_F(GameFileTest, ForgettingTheFileNameGivesUntitled)
{
    rememberFileName("C:\\some.sav");
    forgetFileName();
    EXPECT_FALSE(hasFileName);
    EXPECT_STREQ(currentFileName, "Untitled");
}

TEST_F(GameFileTest, SaveCommandOfANewGameOpensTheDialog)
{
    setGame(1, 2, 3);
    DialogAnswer dialog;
    dialog.cancel = true;
    ModalWatch watch(dialog.answer());
    saveGameCommand();
    EXPECT_EQ(dialog.fileDialogs, 1);
    EXPECT_FALSE(hasFileName);
    EXPECT_EQ(folder.names(), std::vector<std::string>{});
}

// After a save or a successful load the Save command writes silently and,
// unlike Save As, keeps the selection and asks for no repaint.
TEST_F(GameFileTest, SaveCommandAfterSaveOrLoadWritesSilently)
{
    for (bool afterLoad : {false, true}) {
        SCOPED_TRACE(afterLoad ? "after a load" : "after a save");
        setGame(2, 5, 6);
        const std::string file = folder.at("current.sav");
        if (afterLoad) {
            saveImageOfCurrentGame("current.sav");
            ModalWatch quiet;
            loadGame(file.c_str());
            ASSERT_EQ(quiet.summaries(), Summaries{});
        } else {
            saveGame(file.c_str());
        }
        board[2].first.value = 0;
        board[2].second.value = 0;
        fixedSlot = 11;
        selectedSlot = 14;
        pumpAll();

        DialogAnswer dialog;
        ModalWatch watch(dialog.answer());
        saveGameCommand();
        EXPECT_EQ(dialog.fileDialogs, 0);
        EXPECT_EQ(watch.summaries(), Summaries{});
        const SaveImage image = encodeSavedGame(capturedGame());
        EXPECT_EQ(readBytes(file), Bytes(image.begin(), image.end()));
        EXPECT_EQ(selectedSlot, 14);
        EXPECT_FALSE(repaintRequested());
        EXPECT_EQ(folder.names(), std::vector<std::string>{"current.sav"});
    }
}

TEST_F(GameFileTest, OpenDialogLoadsTheTypedNameWithItsExtension)
{
    setGame(4, 6, 3);
    const GameState fromFile = GameState::now();
    const std::string file = saveImageOfCurrentGame("typed.sav");
    setGame(0, 1, 8);
    selectedSlot = 12;
    pumpAll();

    DialogAnswer dialog;
    dialog.name = folder.at("typed");
    ModalWatch watch(dialog.answer());
    openGameDialog();
    EXPECT_EQ(dialog.fileDialogs, 1);
    EXPECT_EQ(watch.boxes().size(), 1u);

    GameState expected = fromFile;
    expected.selectedSlot = 15;   // tray slot 3, the first empty one
    expected.hasFileName = true;
    expected.fileName = file;
    EXPECT_EQ(GameState::now(), expected);
    EXPECT_TRUE(repaintRequested());
}

TEST_F(GameFileTest, OpenDialogOnAMissingFileStillReparksAndRepaints)
{
    setGame(4, 6, 2);
    selectedSlot = 12;
    forgetFileName();
    GameState expected = GameState::now();
    expected.selectedSlot = 14;
    pumpAll();

    DialogAnswer dialog;
    dialog.name = folder.at("nothing");
    ModalWatch watch(dialog.answer());
    openGameDialog();
    EXPECT_EQ(dialog.fileDialogs, 1);
    ASSERT_EQ(watch.boxes().size(), 2u);
    EXPECT_EQ(watch.summaries()[1], CANNOT_READ);
    EXPECT_EQ(GameState::now(), expected);
    EXPECT_TRUE(repaintRequested());
}

TEST_F(GameFileTest, SaveAsDialogSavesUnderTheTypedNameWithItsExtension)
{
    setGame(5, -1, 7);
    selectedSlot = 13;
    pumpAll();
    DialogAnswer dialog;
    dialog.name = folder.at("typed");
    ModalWatch watch(dialog.answer());
    saveGameAsDialog();

    EXPECT_EQ(dialog.fileDialogs, 1);
    EXPECT_EQ(dialog.overwriteQuestions, 0);
    EXPECT_EQ(watch.boxes().size(), 1u);
    const SaveImage image = encodeSavedGame(capturedGame());
    EXPECT_EQ(readBytes(folder.at("typed.sav")), Bytes(image.begin(), image.end()));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"typed.sav"});
    EXPECT_TRUE(hasFileName);
    EXPECT_EQ(std::string(currentFileName), folder.at("typed.sav"));
    EXPECT_EQ(selectedSlot, 19);   // tray slot 7, the first empty one
    EXPECT_TRUE(repaintRequested());
}

TEST_F(GameFileTest, SaveAsDialogAsksBeforeReplacingAFile)
{
    writeBytes(folder.at("old.sav"), Bytes(450, 0x11));
    setGame(2, 0, 0);
    DialogAnswer dialog;
    dialog.name = folder.at("old.sav");
    ModalWatch watch(dialog.answer());
    saveGameAsDialog();
    EXPECT_EQ(dialog.overwriteQuestions, 1);
    const SaveImage image = encodeSavedGame(capturedGame());
    EXPECT_EQ(readBytes(folder.at("old.sav")), Bytes(image.begin(), image.end()));
}

TEST_F(GameFileTest, DialogsShowOneFilterAndAHelpButton)
{
    for (bool open : {true, false}) {
        SCOPED_TRACE(open ? "Open" : "Save As");
        DialogAnswer dialog;
        dialog.cancel = true;
        ModalWatch watch(dialog.answer());
        open ? openGameDialog() : saveGameAsDialog();
        EXPECT_EQ(dialog.fileDialogs, 1);
        EXPECT_EQ(dialog.dialogOwner, frameWindow);
        EXPECT_EQ(dialog.filterShown, "Domino Zarvek (*.sav)");
        EXPECT_EQ(dialog.filterCount, 1);
        EXPECT_TRUE(dialog.helpShown);
        EXPECT_FALSE(dialog.readOnlyShown);
    }
}

TEST_F(GameFileTest, CancelledDialogsChangeNothing)
{
    setGame(3, 2, 1);
    selectedSlot = 12;
    rememberFileName("C:\\earlier.sav");
    const GameState before = GameState::now();
    for (bool open : {true, false}) {
        SCOPED_TRACE(open ? "Open" : "Save As");
        pumpAll();
        DialogAnswer dialog;
        dialog.cancel = true;
        ModalWatch watch(dialog.answer());
        open ? openGameDialog() : saveGameAsDialog();
        EXPECT_EQ(dialog.fileDialogs, 1);
        EXPECT_EQ(GameState::now(), before);
        EXPECT_FALSE(repaintRequested());
    }
    EXPECT_EQ(folder.names(), std::vector<std::string>{});
}

}  // namespace
