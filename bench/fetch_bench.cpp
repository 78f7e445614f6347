// FetchSamples after one scan and after a million: the board sums n equal
// scans in closed form, so both cost the same.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "../driver/velkora.h"
#include "board.h"
#include "host.h"
#include "module.h"

namespace {

void BM_FetchSamplesAfterScans(benchmark::State &state)
{
    unsetenv("VELKORA_SIM_JOURNAL");
    velkora_sim::reset_board();
    velkora_sim::controls().clock_seconds = 0.0;

    std::vector<mexhost::Array> inputs;
    for (double value : {16384.0, 21.3, 50.0, 10.0, 20.0, 0.0, double(state.range(0)), 0.0, 0.0,
                         75.0, 1.0}) {
        inputs.push_back(mexhost::scalar(value));
    }
    inputs.push_back(mexhost::text("hard"));
    std::vector<const mxArray *> arguments;
    for (const auto &input : inputs) {
        arguments.push_back(input.get());
    }
    mexhost::call(mexhost::load_module(EXCITE_ACQUIRE_MODULE).function, 0, arguments);
    velkora_sim::controls().clock_seconds = 1e9;  // every scan done

    const auto fetch = mexhost::load_module(FETCH_SAMPLES_MODULE).function;
    for (auto _ : state) {
        auto result = mexhost::call(fetch, 2, {});
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(std::to_string(kx_scan_count(0)) + " scans");
}
BENCHMARK(BM_FetchSamplesAfterScans)->Arg(1)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
