// libFuzzer target for the load path: arbitrary bytes go through the decoder;
// whatever it accepts must restore into the game and encode back to exactly
// the first 450 bytes it was given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "persist/save_image.h"

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
    restoreGame(game);
    const SaveImage again = encodeSavedGame(capturedGame());
    if (std::memcmp(again.data(), data, again.size()) != 0)
        std::abort();
    return 0;
}
