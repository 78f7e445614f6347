// Loads a command's module by path, as MATLAB does when the command is
// first called: its own namespace, its API version checked.
#pragma once

#include <string>

#include "host.h"

namespace mexhost {

struct Module {
    void *handle = nullptr;
    MexFunction function = nullptr;
    unsigned built_by_rev = 0;
    unsigned target_api_version = 0;
};

// Throws std::runtime_error with the reason when the module cannot be
// loaded or lacks an export.
Module load_module(const std::string &path);

}  // namespace mexhost
