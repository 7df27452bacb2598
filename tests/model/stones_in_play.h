// A census of the game's stones, for tests and the fuzz target that check no
// stone is ever created or lost.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "model/stones.h"

using StoneValues = std::pair<int, int>;

// Every stone on the board and in the tray, each written smaller value first,
// sorted.
inline std::vector<StoneValues> stonesInPlay()
{
    std::vector<StoneValues> stones;
    auto add = [&](const Stone& stone) {
        if (!isEmptyStone(stone))
            stones.push_back(std::minmax<int>(stone.first.value, stone.second.value));
    };
    std::for_each(board.begin(), board.end(), add);
    std::for_each(tray.begin(), tray.end(), add);
    std::sort(stones.begin(), stones.end());
    return stones;
}

// How many of the 28 tray slots hold a stone.
inline int stonesInTray()
{
    return static_cast<int>(std::count_if(tray.begin(), tray.end(),
                                          [](const Stone& stone) { return !isEmptyStone(stone); }));
}
