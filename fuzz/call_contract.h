// What any call of a command may end in: a MATLAB error before the driver
// was touched, an "Error: " line after which the board was not started, or
// a normal run whose driver sequence the command allows. Anything else,
// and any crash or sanitizer report, is a fault.
#pragma once

#include <string>
#include <vector>

#include "host.h"

// Returns an empty text when the call kept the contract, else what broke.
std::string contract_violation(const std::string &command, const mexhost::CallResult &result,
                               const std::vector<std::string> &journal_calls);
