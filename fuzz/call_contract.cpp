#include "call_contract.h"

#include <algorithm>
#include <map>

namespace {

using Calls = std::vector<std::string>;

std::size_t count(const Calls &calls, const char *name)
{
    return static_cast<std::size_t>(std::count(calls.begin(), calls.end(), name));
}

std::string check_experiment(const mexhost::CallResult &result, const Calls &calls)
{
    if (calls.front() != "kx_init" || calls.back() != "kx_close") {
        return "driver sequence must open with kx_init and end with kx_close";
    }
    if (count(calls, "kx_init") != 1 || count(calls, "kx_close") != 1) {
        return "driver opened or closed more than once";
    }
    const bool refused = result.printed.find("Error: ") != std::string::npos;
    if (refused) {
        if (count(calls, "kx_start") != 0 || count(calls, "kx_inst_vorn_shape") != 0) {
            return "board programmed or started after a refusal";
        }
        return "";
    }
    if (calls.size() < 2 || calls[calls.size() - 2] != "kx_start") {
        return "accepted experiment did not end with kx_start, kx_close";
    }
    if (result.printed.size() < 2 || result.printed.compare(result.printed.size() - 2, 2, "\n\n") != 0) {
        return "accepted experiment did not end its text with two newlines";
    }
    return "";
}

}  // namespace

std::string contract_violation(const std::string &command, const mexhost::CallResult &result,
                               const std::vector<std::string> &calls)
{
    if (result.wrote_past_outputs) {
        return "wrote an output slot the host did not provide";
    }
    if (result.error) {
        if (!calls.empty()) {
            return "MATLAB error raised after the driver was touched";
        }
        return result.printed.empty() ? "" : "printed before raising a MATLAB error";
    }
    if (calls.empty()) {
        return "normal return without touching the driver";
    }
    if (command == "ExciteAcquire") {
        return check_experiment(result, calls);
    }
    static const std::map<std::string, Calls> fixed_sequences = {
        {"HaltBoard", {"kx_init", "kx_stop", "kx_close"}},
        {"BoardState", {"kx_init", "kx_read_status", "kx_scan_count", "kx_close"}},
        {"FetchSamples", {"kx_init", "kx_get_data", "kx_close"}},
        {"DriverTrace", {"kx_init", "kx_set_debug", "kx_close"}},
    };
    if (calls != fixed_sequences.at(command)) {
        return "driver sequence differs from the command's";
    }
    return "";
}
