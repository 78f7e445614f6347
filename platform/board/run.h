// Running the pulse program in simulated time. No thread advances it: the
// status, the scan count and the data are worked out from the time elapsed
// whenever they are read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board.h"

namespace velkora_sim {

// Starts the program in the pulse-program bank with the registers as they
// are now. Returns false, keeping the board as it was, when the program is
// malformed; board().refused_because says why.
bool start_run();

// Freezes the run where it stands; with no run, leaves the board stopped.
void stop_run();

// What the set-up's first call does: forgets the run and its data.
void reset_run();

// Simulated nanoseconds since the start of run, up to its stop.
double elapsed_ns(const Run &run);

// Passes of each segment of the run completed so far.
std::vector<std::int64_t> run_progress(const Run &run);

// The status word and the scan-loop passes completed, as the board reports
// them (or as VELKORA_SIM_STATUS and VELKORA_SIM_SCAN_COUNT force them).
std::int32_t status_word();
std::int32_t completed_scans();

// Status bits.
constexpr std::int32_t STATUS_STOPPED = 1;
constexpr std::int32_t STATUS_RESET = 2;
constexpr std::int32_t STATUS_RUNNING = 4;
constexpr std::int32_t STATUS_WAITING = 8;

}  // namespace velkora_sim
