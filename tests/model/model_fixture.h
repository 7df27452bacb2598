// A fresh game for every test, with the shell hooks recording what the model
// asks of the shell, in order.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/shell_hooks.h"
#include "model/stones.h"
#include "base/settings.h"

inline std::vector<std::string>& shellEvents()
{
    static std::vector<std::string> events;
    return events;
}

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGame();
        resetSettings();
        shellEvents().clear();
        setShellHooks(ShellHooks{
            [] { shellEvents().push_back("win"); },
            [] { shellEvents().push_back("generation failed"); },
            [] { shellEvents().push_back("repaint"); },
            [] { shellEvents().push_back("forget file name"); },
        });
    }
    void TearDown() override { setShellHooks(ShellHooks{}); }
};

// Values as stored: 0 empty, 1..7 for 0..6 pips. (Packed fields are read
// through a copy, such as +stone.first.x: gtest binds its arguments by reference.)
inline void putStone(Stone& stone, uint8_t first, uint8_t second)
{
    stone.first.value = first;
    stone.second.value = second;
}

inline std::pair<int, int> valuesOf(const Stone& stone)
{
    return {stone.first.value, stone.second.value};
}
