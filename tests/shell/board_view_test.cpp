// The board view through its real window procedure: layout, the composed
// pixels of each kind of half, GDI hygiene, the hit test and what each click
// outcome shows.
#include "game_window_fixture.h"

#include <cstring>
#include <vector>

#include "base/tile_sheet.h"
#include "model/rules.h"
#include "shell/gdi.h"

namespace {

struct Origins {
    int32_t boardX, boardY, trayX, trayY;
    bool operator==(const Origins&) const = default;
};

Origins origins()
{
    return {boardOriginX, boardOriginY, trayOriginX, trayOriginY};
}

void PrintTo(const Origins& o, std::ostream* os)
{
    *os << "board (" << o.boardX << ", " << o.boardY << ") tray (" << o.trayX << ", " << o.trayY
        << ")";
}

using LayoutTest = GameWindowTest;

TEST_F(LayoutTest, OriginsFollowTheClientSizeWithTruncatingDivision)
{
    closeWindows();
    openWindows(DEFAULT_OPTIONS & ~OPT_STATUS_BAR);
    const struct {
        int width, height;
        Origins expected;
    } cases[] = {
        {362, 221, {0, 0, 221, -7}},     {800, 400, {109, 89, 548, 82}},
        {359, 220, {0, 0, 221, -7}},     {358, 219, {-1, -1, 218, -8}},
        {0, 0, {-90, -110, -49, -117}},
    };
    for (const auto& c : cases) {
        SendMessageA(frameWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.width, c.height));
        EXPECT_EQ(origins(), c.expected) << c.width << " x " << c.height;
        RECT view;
        GetWindowRect(boardView, &view);
        EXPECT_EQ(view.right - view.left, c.width);
        EXPECT_EQ(view.bottom - view.top, c.height);
    }
}

// The view gives up the bar's height; the bar is a full-width strip below it.
TEST_F(LayoutTest, StatusBarTakesItsStripBelowTheView)
{
    ASSERT_NE(statusBar, nullptr);
    RECT bar;
    GetWindowRect(statusBar, &bar);
    const int barHeight = bar.bottom - bar.top;
    ASSERT_GT(barHeight, 0);
    resizeClient(800, 400);
    RECT view;
    GetWindowRect(boardView, &view);
    EXPECT_EQ(view.bottom - view.top, 400 - barHeight);
    POINT barCorner = {0, 0};
    MapWindowPoints(statusBar, frameWindow, &barCorner, 1);
    EXPECT_EQ(barCorner.y, 400 - barHeight);
    if (barHeight == 20) {
        EXPECT_EQ(boardOriginY, 79);
        EXPECT_EQ(trayOriginY, 72);
    }
}

// Minimizing lays out a 0 x 0 client and drops the back buffer; restoring
// lays out again and the next paint makes a buffer of the restored size.
TEST_F(LayoutTest, MinimizeAndRestore)
{
    paintNow();
    const Origins before = origins();
    ASSERT_NE(backBuffer, nullptr);
    ShowWindow(frameWindow, SW_MINIMIZE);
    pumpMessages();
    EXPECT_EQ(backBuffer, nullptr);
    EXPECT_EQ(boardOriginX, -90);
    ShowWindow(frameWindow, SW_RESTORE);
    pumpMessages();
    EXPECT_EQ(origins(), before);
    paintNow();
    ASSERT_NE(backBuffer, nullptr);
    BITMAP buffer;
    GetObjectA(backBuffer, sizeof buffer, &buffer);
    RECT client;
    GetClientRect(boardView, &client);
    EXPECT_EQ(buffer.bmWidth, client.right);
    EXPECT_EQ(buffer.bmHeight, client.bottom);
}

class PaintingTest : public GameWindowTest {
protected:
    // Reads a pixel of one of the program's bitmaps.
    static COLORREF bitmapPixel(HBITMAP bitmap, int x, int y)
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        const COLORREF colour = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteDC(dc);
        return colour;
    }
    // Every pixel of the cell's face equals the sheet's rectangle there, and
    // the 2-pixel border is black.
    void expectStoneHalf(POINT cell, SheetRect face)
    {
        const POINT at = cell;
        for (int y = 0; y < CELL_SIZE; y += 3)
            for (int x = 0; x < CELL_SIZE; x += 3) {
                const bool border = x < 2 || y < 2 || x > 32 || y > 32;
                const COLORREF expected =
                    border ? RGB(0, 0, 0) : bitmapPixel(sheetBitmap, face.x + x - 2, face.y + y - 2);
                ASSERT_EQ(viewPixel(at.x + x, at.y + y), expected) << "cell pixel " << x << "," << y;
            }
    }

    // The texture inside a dotted border whose phase follows the view's own
    // checkerboard: white where view x + view y has parity phase.
    void expectEmptyHalf(POINT cell, int whiteParity)
    {
        const POINT at = cell;
        for (int y = 0; y < CELL_SIZE; ++y)
            for (int x = 0; x < CELL_SIZE; ++x) {
                const bool border = x < 2 || y < 2 || x > 32 || y > 32;
                const int vx = at.x + x, vy = at.y + y;
                if (vx < 0 || vy < 0)
                    continue;
                const COLORREF expected =
                    !border ? bitmapPixel(textureBitmap, vx % 128, vy % 128)
                    : (x + y) % 2 == whiteParity ? RGB(255, 255, 255)
                                                 : RGB(0, 0, 0);
                ASSERT_EQ(viewPixel(vx, vy), expected) << "cell pixel " << x << "," << y;
            }
    }
};

TEST_F(PaintingTest, EveryKindOfHalfInEveryMotif)
{
    for (uint8_t motif : {TILESET_DOMINOES, TILESET_CHINESE, TILESET_SYMBOLS}) {
        SCOPED_TRACE("motif " + std::to_string(motif));
        TileSet = motif;
        resetGame();
        layOutTrayGrid();
        board[3].first.value = 3;   // two pips, board slot 3 selected
        board[3].second.value = 7;
        tray[5].first.value = 1;    // not selected
        tray[5].second.value = 5;
        selectedSlot = 3;
        paintNow();
        const int band = 35 + 62 * motif;
        expectStoneHalf(boardCell(3, false), {62, band + 31, 31, 31});
        expectStoneHalf(boardCell(3, true), {186, band + 31, 31, 31});
        expectStoneHalf(trayCell(5, false), {0, band, 31, 31});
        expectStoneHalf(trayCell(5, true), {124, band, 31, 31});

        selectedSlot = FIRST_TRAY_INDEX + 5;   // now the tray stone is selected
        paintNow();
        expectStoneHalf(trayCell(5, true), {124, band + 31, 31, 31});
        expectStoneHalf(boardCell(3, false), {62, band, 31, 31});
    }
    // Empty halves: the first takes the even phase, the second the odd.
    expectEmptyHalf(boardCell(0, false), 0);
    expectEmptyHalf(boardCell(0, true), 1);
    expectEmptyHalf(trayCell(0, false), 0);
    expectEmptyHalf(trayCell(0, true), 1);
}

// An empty slot that is selected looks like any other; tray slots 12..27 are
// never drawn, wherever they lie.
TEST_F(PaintingTest, HiddenTraySlotsAndEmptySelectionDrawNothing)
{
    resetGame();
    layOutTrayGrid();
    tray[12].first = {0, 0, 4};
    tray[12].second = {33, 0, 4};
    selectedSlot = FIRST_TRAY_INDEX + 12;
    paintNow();
    expectEmptyHalf(trayCell(0, false), 0);
    selectedSlot = 5;
    paintNow();
    expectEmptyHalf(boardCell(5, false), 0);
}

// Values a file or the registry can deliver: unknown motifs, values above 7,
// far-off coordinates and selections out of range draw inside the bitmaps.
TEST_F(PaintingTest, HostileRecordsStayInsideTheSheet)
{
    resetGame();
    TileSet = 200;
    board[1].first.value = 250;
    board[1].second.value = 2;
    board[2].first = {INT32_MAX, INT32_MIN, 3};
    board[2].second = {INT32_MIN, INT32_MAX, 3};
    selectedSlot = -70000;
    fixedSlot = 99;
    paintNow();
    expectStoneHalf(boardCell(1, false), {0, 35, 31, 31});   // the plain domino face
    expectStoneHalf(boardCell(1, true), {31, 35, 31, 31});
    EXPECT_EQ(hitTestSlot(INT32_MAX, INT32_MAX), NO_SLOT);
}

// A narrow window lays the tray over the board: the tray is drawn last, so
// its stone shows whole over the board's.
TEST_F(PaintingTest, TrayIsPaintedOverTheBoard)
{
    closeWindows();
    openWindows(DEFAULT_OPTIONS & ~OPT_STATUS_BAR);
    SendMessageA(frameWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 300));
    resetGame();
    layOutTrayGrid();
    board[1].first.value = 2;    // under tray half 0, 11 left of and 7 below it
    board[1].second.value = 2;
    tray[0].first.value = 6;
    tray[0].second.value = 6;
    selectedSlot = 5;
    paintNow();
    expectStoneHalf(trayCell(0, false), {155, 35, 31, 31});   // five pips, dominoes
}

// Neither window's class erases with a brush: the view's pixels come only
// from its one copy of the scene, so nothing flickers.
TEST_F(PaintingTest, FrameAndViewEraseNothing)
{
    EXPECT_EQ(GetClassLongPtrA(frameWindow, GCLP_HBRBACKGROUND), 0);
    EXPECT_EQ(GetClassLongPtrA(boardView, GCLP_HBRBACKGROUND), 0);
}

// The off-screen buffer is made once and kept from paint to paint until the
// view's size changes; a hundred paints leave no GDI object behind.
TEST_F(PaintingTest, PaintsReuseTheBufferAndLeaveNoGdiObjectBehind)
{
    paintNow();
    const HBITMAP buffer = backBuffer;
    ASSERT_NE(buffer, nullptr);
    const int held = liveGdiObjects();
    EXPECT_EQ(held, 3);   // texture, tile sheet and back buffer
    for (int i = 0; i < 100; ++i)
        paintNow();
    EXPECT_EQ(backBuffer, buffer);
    EXPECT_EQ(liveGdiObjects(), held);
    closeWindows();
    EXPECT_EQ(liveGdiObjects(), 0);
    openWindows(DEFAULT_OPTIONS);
}

using PointerTest = GameWindowTest;

// Each half's 35 x 35 cell hits its slot: offset 34 still hits, 35 does not
// hit that cell; the 2-pixel overlap belongs to the first half; the 5-pixel
// gap between stones hits nothing.
TEST_F(PointerTest, CellsHitTheirSlots)
{
    layOutTrayGrid();
    for (int slot = 0; slot < 24; ++slot) {
        for (bool second : {false, true}) {
            const POINT c = slot < 12 ? boardCell(slot, second) : trayCell(slot - 12, second);
            EXPECT_EQ(hitTestSlot(c.x, c.y), slot) << slot;
            EXPECT_EQ(hitTestSlot(c.x + 34, c.y + 34), slot) << slot;
        }
    }
    const POINT slot1 = boardCell(1, false);   // horizontal: (80, 0) and (113, 0)
    EXPECT_EQ(hitTestSlot(slot1.x + 33, slot1.y + 5), 1);
    EXPECT_EQ(hitTestSlot(slot1.x + 34, slot1.y + 5), 1);
    EXPECT_EQ(hitTestSlot(slot1.x + 68, slot1.y + 5), NO_SLOT);   // 113 + 35: past the second
    EXPECT_EQ(hitTestSlot(slot1.x + 5, slot1.y + 35), NO_SLOT);   // gap under the stone
    const POINT tray0 = trayCell(0, false);
    EXPECT_EQ(hitTestSlot(tray0.x + 68, tray0.y + 5), NO_SLOT);   // gap between the columns
    EXPECT_EQ(hitTestSlot(tray0.x + 72, tray0.y + 5), NO_SLOT);
    EXPECT_EQ(hitTestSlot(tray0.x + 73, tray0.y + 5), 13);
}

// A narrow window lays the tray over the board: the lower half index wins,
// and at the same index the board.
TEST_F(PointerTest, OverlappingBoardAndTrayGoToTheLowerHalfIndex)
{
    closeWindows();
    openWindows(DEFAULT_OPTIONS & ~OPT_STATUS_BAR);
    SendMessageA(frameWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 300));
    ASSERT_EQ(origins(), (Origins{-65, 39, 26, 32}));
    // Tray half 0 at (26, 32) covers board half 2, slot 1's first at (15, 39).
    EXPECT_EQ(hitTestSlot(30, 45), 12);
    // Tray half 0 moved onto board half 0, slot 0's first at (-25, 39).
    tray[0].first.x = -51;
    tray[0].first.y = 7;
    EXPECT_EQ(hitTestSlot(-20, 45), 0);
}

struct Presentation {
    std::vector<std::string> boxes;
    bool repainted;
    std::string status;
};

class ClickTest : public GameWindowTest {
protected:
    Presentation clickAndSee(SlotIndex slot)
    {
        settle();
        SetWindowTextA(statusBar, "unchanged");
        ModalWatch watch;
        clickSlotCell(slot);
        return {watch.summaries(), repaintRequested(), statusText()};
    }
};

// One game, every outcome: selection, deselection, a stone that fits only
// turned, a refusal, the fixed stone, an empty click, and the win.
TEST_F(ClickTest, EachOutcomeIsPresentedAsTheTableSays)
{
    resetGame();
    fixedSlot = 10;
    board[10].first.value = 2;   // the start stone (1, 3) on slot 10
    board[10].second.value = 4;
    layOutTrayGrid();
    tray[0].first.value = 7;   // (6, 0): fits slot 11 nowhere
    tray[0].second.value = 1;
    tray[1].first.value = 4;   // (3, 2): fits slot 11 only turned
    tray[1].second.value = 3;
    selectedSlot = 14;
    const std::string notFit = "Error: This stone doesn't fit here.";
    const std::string fixed = "Error: This stone is fixed and can't be moved therefore.";

    const struct {
        SlotIndex click;
        std::vector<std::string> boxes;
        bool repainted;
        std::string status;
    } steps[] = {
        {12, {}, true, "Try to figure it out."},       // Selected
        {12, {}, true, "Try to figure it out."},       // Deselected
        {5, {}, false, "unchanged"},                   // Nothing
        {12, {}, true, "Try to figure it out."},       // Selected
        {11, {notFit}, false, "unchanged"},            // RefusedNoFit
        {10, {fixed}, false, "unchanged"},             // RefusedFixed
        {13, {}, true, "Try to figure it out."},       // Selected
        {11, {}, true, "Try to figure it out."},       // Moved, turned
        {12, {}, true, "Try to figure it out."},       // Selected
        {23, {}, true, "Try to figure it out."},       // Moved into the tray
    };
    for (const auto& step : steps) {
        const Presentation seen = clickAndSee(step.click);
        EXPECT_EQ(seen.boxes, step.boxes) << "click " << step.click;
        EXPECT_EQ(seen.repainted, step.repainted) << "click " << step.click;
        EXPECT_EQ(seen.status, step.status) << "click " << step.click;
    }
    EXPECT_EQ(board[11].first.value, 3);   // turned: its 3 pips meet the start stone's 3
    EXPECT_EQ(board[11].second.value, 4);
    EXPECT_EQ(tray[11].first.value, 7);
}

TEST_F(ClickTest, TheLastMoveCongratulatesAndTheBarSaysSo)
{
    resetGame();
    fixedSlot = NO_FIXED_SLOT;
    layOutTrayGrid();
    tray[4].first.value = 1;
    tray[4].second.value = 1;
    selectedSlot = FIRST_TRAY_INDEX + 4;
    const Presentation seen = clickAndSee(0);
    EXPECT_EQ(seen.boxes, std::vector<std::string>{"Congratulations: You made it!"});
    EXPECT_TRUE(seen.repainted);
    EXPECT_EQ(seen.status, "You made it!");
    EXPECT_TRUE(solved);
}

// A release acts only when its press went down in the view: not when the
// press was elsewhere (a drag from outside, a double-click that closed a
// dialog over the board), nor when a move with the button up shows that the
// press was released outside. A press dragged onto another stone acts there.
TEST_F(ClickTest, OnlyAReleaseAfterAPressInTheViewIsAClick)
{
    resetGame();
    fixedSlot = 10;
    board[10].first.value = 2;
    board[10].second.value = 4;
    layOutTrayGrid();
    tray[1].first.value = 4;
    tray[1].second.value = 3;
    selectedSlot = 12;
    const POINT fixedCell = boardCell(10, false), trayStone = trayCell(1, false);
    const LPARAM onFixed = MAKELPARAM(fixedCell.x + 10, fixedCell.y + 10);
    const LPARAM onStone = MAKELPARAM(trayStone.x + 10, trayStone.y + 10);

    const struct {
        const char* step;
        UINT message;
        WPARAM keys;
        LPARAM at;
        bool repainted;
        SlotIndex selected;
    } steps[] = {
        {"release on the stone, pressed elsewhere", WM_LBUTTONUP, 0, onStone, false, 12},
        {"release on the fixed stone, pressed elsewhere", WM_LBUTTONUP, 0, onFixed, false, 12},
        {"press on the stone", WM_LBUTTONDOWN, MK_LBUTTON, onStone, false, 12},
        {"move with the button up", WM_MOUSEMOVE, 0, onStone, false, 12},
        {"release on the stone", WM_LBUTTONUP, 0, onStone, false, 12},
        {"press on the fixed stone", WM_LBUTTONDOWN, MK_LBUTTON, onFixed, false, 12},
        {"drag onto the stone", WM_MOUSEMOVE, MK_LBUTTON, onStone, false, 12},
        {"release there: selected", WM_LBUTTONUP, 0, onStone, true, 13},
        {"a second release", WM_LBUTTONUP, 0, onStone, false, 13},
    };
    for (const auto& s : steps) {
        settle();
        SetWindowTextA(statusBar, "unchanged");
        ModalWatch watch;
        SendMessageA(boardView, s.message, s.keys, s.at);
        EXPECT_EQ(watch.summaries(), std::vector<std::string>{}) << s.step;
        EXPECT_EQ(repaintRequested(), s.repainted) << s.step;
        EXPECT_EQ(statusText(), s.repainted ? "Try to figure it out." : "unchanged") << s.step;
        EXPECT_EQ(selectedSlot, s.selected) << s.step;
    }
}

TEST_F(ClickTest, ClicksOffTheStonesDoNothing)
{
    settle();
    SetWindowTextA(statusBar, "unchanged");
    const Board boardBefore = board;
    clickView(1, 1);
    clickView(0xFFFF, 0xFFFF);   // left of and above the view, read unsigned
    EXPECT_FALSE(repaintRequested());
    EXPECT_EQ(statusText(), "unchanged");
    EXPECT_EQ(std::memcmp(&board, &boardBefore, sizeof board), 0);
}

}  // namespace
