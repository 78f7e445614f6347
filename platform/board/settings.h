// What the board reports where the real one would answer from hardware:
// steered by tests in-process (Controls) or by VELKORA_SIM_* variables read
// at kx_init.
#pragma once

#include <cstdint>

namespace velkora_sim {

// Reads the VELKORA_SIM_* variables into the board.
void read_environment();

// The version text kx_get_version returns (may be null when a test asks).
const char *version_text();

// The decimation the receiver chooses for the requested spectral width.
std::int32_t choose_decimation(double spectral_width_mhz);

// The address of the first instruction after kx_start_programming 0.
std::int32_t first_instruction_address();

// The receiver's limits and the clock assumed before kx_core_clock.
constexpr std::int32_t MIN_DECIMATION = 4;
constexpr std::int32_t MAX_DECIMATION = 65535;
constexpr double DEFAULT_CORE_CLOCK_MHZ = 75.0;

}  // namespace velkora_sim
