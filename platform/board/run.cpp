#include "run.h"

#include <chrono>
#include <limits>

#include "../../driver/velkora.h"

#include "noise.h"
#include "settings.h"
#include "sim_clock.h"

namespace velkora_sim {

namespace {

double first_or_zero(std::int32_t bank)
{
    const auto found = board().banks.find(bank);
    return found != board().banks.end() && !found->second.empty() ? found->second.front() : 0.0;
}

double shape_memory_mean()
{
    const std::vector<float> &shape = board().shape_memory;
    if (shape.empty()) {
        return 0.0;
    }
    double sum = 0.0;
    for (float sample : shape) {
        sum += static_cast<double>(sample);
    }
    return sum / static_cast<double>(shape.size());
}

// Without VELKORA_SIM_SEED every run draws noise of its own.
std::uint64_t fresh_seed()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return mix_keys(static_cast<std::uint64_t>(ticks), board().runs_started);
}

}  // namespace

bool start_run()
{
    Board &b = board();
    Run run;
    if (!compile_program(b.program, b.first_program_address, run.schedule, b.refused_because)) {
        return false;
    }
    b.refused_because.clear();
    ++b.runs_started;
    run.program = b.program;
    run.started_s = now_seconds();
    run.speedup = b.env_speedup;
    run.sample = b.env_sample;
    run.offset_hz = (run.sample.resonance_mhz - first_or_zero(KX_BANK_FREQUENCY)) * 1000000.0;
    run.tx_phase_degrees = first_or_zero(KX_BANK_TX_PHASE);
    run.amplitude = static_cast<double>(b.amplitude);
    run.shape_area = shape_memory_mean();
    const double clock_mhz = b.core_clock_mhz > 0.0 ? b.core_clock_mhz : DEFAULT_CORE_CLOCK_MHZ;
    run.sample_rate_hz = b.decimation > 0 ? clock_mhz * 1000000.0 / b.decimation : 0.0;
    run.num_points = b.num_points > 0 ? b.num_points : 0;
    run.noise_seed = b.env_seed ? *b.env_seed : fresh_seed();
    b.run = run;
    b.halted = false;
    return true;
}

void stop_run()
{
    Board &b = board();
    if (b.run) {
        if (!b.run->stopped_s) {
            b.run->stopped_s = now_seconds();
        }
    } else {
        b.halted = true;
    }
}

void reset_run()
{
    board().run.reset();
    board().halted = false;
}

double elapsed_ns(const Run &run)
{
    const double end = run.stopped_s ? *run.stopped_s : now_seconds();
    const double seconds = end > run.started_s ? end - run.started_s : 0.0;
    return seconds * run.speedup * 1e9;
}

std::vector<std::int64_t> run_progress(const Run &run)
{
    return completed_passes(run.schedule, elapsed_ns(run));
}

std::int32_t status_word()
{
    const Board &b = board();
    if (b.env_status) {
        return *b.env_status;
    }
    if (!b.run) {
        return b.halted ? STATUS_STOPPED : STATUS_RESET;
    }
    if (b.run->stopped_s || elapsed_ns(*b.run) >= b.run->schedule.total_ns) {
        return STATUS_STOPPED;
    }
    return STATUS_RUNNING;
}

std::int32_t completed_scans()
{
    const Board &b = board();
    if (b.env_scan_count) {
        return *b.env_scan_count;
    }
    if (!b.run) {
        return 0;
    }
    const std::vector<std::int64_t> passes = run_progress(*b.run);
    std::int64_t scans = 0;
    for (std::size_t s = 0; s < passes.size(); ++s) {
        if (b.run->schedule.segments[s].loop) {
            scans += passes[s];
        }
    }
    const std::int64_t most = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(scans < most ? scans : most);
}

}  // namespace velkora_sim
