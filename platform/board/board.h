// The simulated board: what the driver calls have written, kept for the
// life of the process so that every command loaded into one host sees the
// same board, as they would see the one card in the instrument.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velkora_sim {

struct Instruction {
    std::array<std::int32_t, 12> args{};  // arguments 1 to 12; 11 is the flow code
    double duration_ns = 0.0;
};

// Values that tests steer; unset fields fall back to the environment read
// at kx_init, then to the library's defaults.
struct Controls {
    std::optional<std::string> version;
    bool null_version = false;
    std::optional<std::int32_t> decimation;
    std::optional<std::int32_t> first_address;
};

struct Board {
    // Library
    bool open = false;
    bool debug = false;
    int init_calls = 0;
    int close_calls = 0;

    // Settings taken from the environment at the last kx_init
    std::optional<std::string> env_version;
    std::optional<std::int32_t> env_decimation;
    std::optional<std::int32_t> env_first_address;
    std::optional<std::int32_t> env_status;
    std::optional<std::int32_t> env_scan_count;
    bool env_data_pattern = false;

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
    std::int32_t next_address = 0;
    bool started = false;
    bool stopped = false;

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
