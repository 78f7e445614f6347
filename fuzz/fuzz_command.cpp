// libFuzzer entry for one command (FUZZED_COMMAND names it): decodes a call,
// makes it through the MATLAB stand-in, and checks the outcome against the
// command's contract and for leaks.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "argument_decoder.h"
#include "board.h"
#include "call_contract.h"

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]);

namespace {

std::string journal_path;

std::vector<std::string> journal_calls()
{
    std::vector<std::string> calls;
    std::ifstream in(journal_path);
    for (std::string line; std::getline(in, line);) {
        calls.push_back(line.substr(0, line.find(' ')));
    }
    return calls;
}

[[noreturn]] void fail(const std::string &what, const mexhost::CallResult &result)
{
    std::fprintf(stderr, "%s: %s\nerror: %s\nprinted:\n%s\n", FUZZED_COMMAND, what.c_str(),
                 result.error.value_or("(none)").c_str(), result.printed.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const char *folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    journal_path = std::string(folder) + "/velkora_fuzz_" + std::to_string(getpid()) + ".txt";
    setenv("VELKORA_SIM_JOURNAL", journal_path.c_str(), 1);
    std::atexit([] { std::remove(journal_path.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    velkora_sim::reset_board();
    std::remove(journal_path.c_str());
    const std::size_t arrays_before = mexhost::live_arrays();
    {
        const DecodedCall call = decode_call(data, size);
        const std::size_t arrays_with_inputs = mexhost::live_arrays();
        mexhost::CallResult result = mexhost::call(mexFunction, call.nlhs, call.pointers());
        const std::string violation = contract_violation(FUZZED_COMMAND, result, journal_calls());
        if (!violation.empty()) {
            fail(violation, result);
        }
        if (mexhost::live_allocations() != 0) {
            fail("mxCalloc memory outlived the call", result);
        }
        result.outputs.clear();
        if (mexhost::live_arrays() != arrays_with_inputs) {
            fail("arrays outlived the call", result);
        }
    }
    if (mexhost::live_arrays() != arrays_before) {
        std::abort();
    }
    return 0;
}
