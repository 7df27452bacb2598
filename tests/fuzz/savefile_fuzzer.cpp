// libFuzzer target for the load path and the game behind it: arbitrary bytes
// go through the decoder; whatever it accepts must restore into the game and
// encode back to exactly the first 450 bytes it was given. Then the loaded
// game is played as the Open command leaves it: the selection re-parked, a
// click on every slot index, the win check, and a new game on the loaded
// figure. Clicks neither create nor lose a stone, the selection stays a slot
// index, and the new game holds twelve different stones of the set or none.
// Byte 450, when given, picks the options of the new game; byte 451 its seed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "base/settings.h"
#include "model/generator.h"
#include "model/rules.h"
#include "persist/save_image.h"
#include "tests/model/stones_in_play.h"

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool selectionIsASlotIndex()
{
    return selectedSlot >= 0 && selectedSlot < SLOT_INDEX_COUNT;
}

void playLoadedGame()
{
    parkSelection();
    require(selectionIsASlotIndex());
    const std::vector<StoneValues> loaded = stonesInPlay();
    for (SlotIndex i = 0; i < SLOT_INDEX_COUNT; ++i) {
        clickSlot(i);
        require(selectionIsASlotIndex());
        require(stonesInPlay() == loaded);
    }
    checkSolved();
}

void newGameOnLoadedFigure(bool withoutDoubles)
{
    const Board figure = board;
    newGame();
    require(selectionIsASlotIndex());
    for (int s = 0; s < BOARD_SLOTS; ++s) {
        require(figure[s].first.x == board[s].first.x && figure[s].first.y == board[s].first.y);
        require(figure[s].second.x == board[s].second.x &&
                figure[s].second.y == board[s].second.y);
    }
    const std::vector<StoneValues> stones = stonesInPlay();
    require(stones.empty() || stones.size() == PLAY_TRAY_SLOTS);
    require(std::set<StoneValues>(stones.begin(), stones.end()).size() == stones.size());
    for (const auto& [low, high] : stones) {
        require(low >= 1 && high <= 7);
        require(!(withoutDoubles && low == high));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SavedGame game{};
    if (!decodeSavedGame(data, size, game)) {
        // Refused only for a reason: too short or not our magic.
        if (size >= SAVE_FILE_SIZE &&
            std::memcmp(data, SaveFileMagic.data(), SaveFileMagic.size()) == 0)
            std::abort();
        return 0;
    }
    resetGame();
    restoreGame(game);
    const SaveImage again = encodeSavedGame(capturedGame());
    if (std::memcmp(again.data(), data, again.size()) != 0)
        std::abort();

    playLoadedGame();
    Options = size > SAVE_FILE_SIZE ? data[SAVE_FILE_SIZE] : DEFAULT_OPTIONS;
    seedRandom(size > SAVE_FILE_SIZE + 1 ? data[SAVE_FILE_SIZE + 1] : 1);
    newGameOnLoadedFigure((Options & OPT_NO_DOUBLES) != 0);
    return 0;
}
