// Tests start from a board library steered by nothing but what they set.
#pragma once

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "board.h"

extern char **environ;

// Removes every VELKORA_SIM_* variable and powers the board up afresh.
inline void fresh_board_library()
{
    std::vector<std::string> names;
    for (char **entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "VELKORA_SIM_", 12) == 0) {
            names.emplace_back(*entry, std::strcspn(*entry, "="));
        }
    }
    for (const std::string &name : names) {
        unsetenv(name.c_str());
    }
    velkora_sim::reset_board();
}
