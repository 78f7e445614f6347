// The cost of the sinc table and of one whole ExciteAcquire call against
// the board library with its journal off.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "host.h"
#include "module.h"
#include "sinc_shape.h"

namespace {

void BM_FillSincShape(benchmark::State &state)
{
    SincShapeTable table;
    for (auto _ : state) {
        fill_sinc_shape(table, 3);
        benchmark::DoNotOptimize(table);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillSincShape);

void BM_ExciteAcquireCall(benchmark::State &state)
{
    unsetenv("VELKORA_SIM_JOURNAL");
    const auto module = mexhost::load_module(EXCITE_ACQUIRE_MODULE);
    std::vector<mexhost::Array> inputs;
    for (double value : {1024.0, 21.3, 50.0, 10.0, 20.0, 0.1, 4.0, 0.0, 0.0, 75.0, 0.5}) {
        inputs.push_back(mexhost::scalar(value));
    }
    inputs.push_back(mexhost::text("sinc"));
    std::vector<const mxArray *> arguments;
    for (const auto &input : inputs) {
        arguments.push_back(input.get());
    }
    for (auto _ : state) {
        auto result = mexhost::call(module.function, 0, arguments);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ExciteAcquireCall);

}  // namespace

BENCHMARK_MAIN();
