// The simulated board: what the driver calls have written, kept for the
// life of the process so that every command loaded into one host sees the
// same board, as they would see the one card in the instrument.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "program.h"
#include "sample.h"

namespace velkora_sim {

// One started program, with everything it acquires frozen at kx_start:
// what it returns later depends on this record and the time alone.
struct Run {
    std::vector<Instruction> program;
    Schedule schedule;
    double started_s = 0.0;
    std::optional<double> stopped_s;  // set by kx_stop
    double speedup = 1.0;

    Sample sample;
    double offset_hz = 0.0;         // resonance minus transmit frequency
    double tx_phase_degrees = 0.0;
    double amplitude = 0.0;
    double shape_area = 0.0;        // mean of the shape memory
    double sample_rate_hz = 0.0;    // 0 when the receiver has no decimation
    std::int32_t num_points = 0;
    std::uint64_t noise_seed = 0;
};

// Values that tests steer; unset fields fall back to the environment read
// at kx_init, then to the library's defaults.
struct Controls {
    std::optional<std::string> version;
    bool null_version = false;
    std::optional<std::int32_t> decimation;
    std::optional<std::int32_t> first_address;
    std::optional<double> clock_seconds;  // a clock that stands still until set
};

struct Board {
    // Library
    bool open = false;
    bool debug = false;

    // Settings taken from the environment at the last kx_init
    std::optional<std::string> env_version;
    std::optional<std::int32_t> env_decimation;
    std::optional<std::int32_t> env_first_address;
    std::optional<std::int32_t> env_status;
    std::optional<std::int32_t> env_scan_count;
    bool env_data_pattern = false;
    double env_speedup = 1.0;
    Sample env_sample;
    std::optional<std::uint64_t> env_seed;

    // Transmitter and receiver set-up
    bool defaults_set = false;
    double core_clock_mhz = 0.0;
    std::int32_t overflow_reset = 0;
    std::int32_t scan_count_reset = 0;
    std::vector<float> shape_memory;  // empty until kx_dds_load
    std::int32_t shape_selector = 0;
    float amplitude = 0.0f;
    std::int32_t amplitude_register = 0;
    std::map<std::int32_t, std::vector<double>> banks;  // frequency and phase banks
    std::optional<std::int32_t> open_bank;
    double filter_sw_mhz = 0.0;
    std::int32_t filter_scans = 0;
    std::int32_t filter_options = 0;
    std::int32_t decimation = 0;
    std::int32_t num_points = 0;

    // Pulse program
    std::vector<Instruction> program;
    std::int32_t first_program_address = 0;
    std::int32_t next_address = 0;

    // The program running or last run; none after power-up and set-up.
    std::optional<Run> run;
    bool halted = false;          // kx_stop with no run to stop
    std::string refused_because;  // why the last kx_start did not start
    std::uint64_t runs_started = 0;

    // Where the last kx_get_data wrote, so tests can see that it wrote
    // into the caller's arrays.
    const std::int32_t *last_first_buffer = nullptr;
    const std::int32_t *last_second_buffer = nullptr;
};

// The one board of this process.
Board &board();

// Forgets everything, controls included: a board fresh from power-up.
void reset_board();

Controls &controls();

}  // namespace velkora_sim
