#include "host.h"

#include <algorithm>

namespace mexhost {

namespace {
// Output slots beyond those provided, watched for stray writes.
constexpr int GUARD_SLOTS = 8;
}  // namespace

CallResult call(MexFunction function, int nlhs, const std::vector<const mxArray *> &inputs)
{
    const int provided = std::max(nlhs, 1);
    std::vector<mxArray *> slots(static_cast<std::size_t>(provided + GUARD_SLOTS), nullptr);
    std::vector<const mxArray *> arguments(inputs);

    CallResult result;
    take_printed();
    begin_call();
    try {
        function(nlhs, slots.data(), static_cast<int>(arguments.size()),
                 arguments.empty() ? nullptr : arguments.data());
    } catch (const MexError &error) {
        result.error = error.message;
    }
    result.printed = take_printed();

    // After an error MATLAB keeps no output; otherwise it takes the slots
    // it provided and frees everything else the command made.
    std::vector<mxArray *> kept;
    if (!result.error) {
        kept.assign(slots.begin(), slots.begin() + provided);
    }
    result.wrote_past_outputs =
        std::any_of(slots.begin() + provided, slots.end(), [](mxArray *a) { return a != nullptr; });
    end_call(kept);
    for (int slot = 0; slot < provided; ++slot) {
        result.outputs.emplace_back(result.error ? nullptr : slots[static_cast<std::size_t>(slot)]);
    }
    return result;
}

}  // namespace mexhost
