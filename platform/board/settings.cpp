#include "settings.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "board.h"

namespace velkora_sim {

namespace {

const char DEFAULT_VERSION[] = "velkora-sim 1.0";

// The variable's text, or null when it is unset or empty.
const char *variable(const char *name)
{
    const char *text = std::getenv(name);
    return (text != nullptr && *text != '\0') ? text : nullptr;
}

std::optional<std::int32_t> integer_variable(const char *name)
{
    const char *text = variable(name);
    if (text == nullptr) {
        return std::nullopt;
    }
    errno = 0;
    char *end = nullptr;
    const long long value = std::strtoll(text, &end, 0);
    // Accepts the signed range and, for status words written in hex, the
    // unsigned one: 0x80000004 is the word with its high bit set.
    if (errno != 0 || *end != '\0' || value < INT32_MIN || value > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<double> real_variable(const char *name)
{
    const char *text = variable(name);
    if (text == nullptr) {
        return std::nullopt;
    }
    char *end = nullptr;
    const double value = std::strtod(text, &end);
    if (*end != '\0' || std::isnan(value)) {
        return std::nullopt;
    }
    return value;
}

// A value of name that accepted allows, else fallback.
template <typename Accept>
double real_setting(const char *name, double fallback, Accept accepted)
{
    const std::optional<double> value = real_variable(name);
    return value && accepted(*value) ? *value : fallback;
}

std::optional<std::uint64_t> seed_variable(const char *name)
{
    const char *text = variable(name);
    if (text == nullptr || *text == '-') {
        return std::nullopt;
    }
    errno = 0;
    char *end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);
    if (errno != 0 || *end != '\0') {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(value);
}

void read_sample(Sample &sample)
{
    const Sample defaults;
    const auto finite = [](double v) { return std::isfinite(v); };
    const auto positive = [](double v) { return v > 0.0; };
    const auto positive_finite = [](double v) { return v > 0.0 && std::isfinite(v); };
    const auto not_negative_finite = [](double v) { return v >= 0.0 && std::isfinite(v); };
    sample.resonance_mhz = real_setting("VELKORA_SIM_RESONANCE_MHZ", defaults.resonance_mhz, finite);
    sample.t2_ms = real_setting("VELKORA_SIM_T2_MS", defaults.t2_ms, positive);
    sample.b1_90_us = real_setting("VELKORA_SIM_B1_90_US", defaults.b1_90_us, positive_finite);
    sample.signal_counts = real_setting("VELKORA_SIM_SIGNAL", defaults.signal_counts, finite);
    sample.noise_counts =
        real_setting("VELKORA_SIM_NOISE", defaults.noise_counts, not_negative_finite);
}

}  // namespace

void read_environment()
{
    Board &b = board();
    const char *version = std::getenv("VELKORA_SIM_VERSION");
    b.env_version = version != nullptr ? std::optional<std::string>(version) : std::nullopt;
    b.env_decimation = integer_variable("VELKORA_SIM_DECIMATION");
    b.env_first_address = integer_variable("VELKORA_SIM_FIRST_ADDRESS");
    b.env_status = integer_variable("VELKORA_SIM_STATUS");
    b.env_scan_count = integer_variable("VELKORA_SIM_SCAN_COUNT");
    const char *data = std::getenv("VELKORA_SIM_DATA");
    b.env_data_pattern = data != nullptr && std::string(data) == "pattern";
    b.env_speedup = real_setting("VELKORA_SIM_SPEEDUP", 1.0,
                                 [](double v) { return v > 0.0 && std::isfinite(v); });
    read_sample(b.env_sample);
    b.env_seed = seed_variable("VELKORA_SIM_SEED");
}

const char *version_text()
{
    const Controls &c = controls();
    if (c.null_version) {
        return nullptr;
    }
    if (c.version) {
        return c.version->c_str();
    }
    const Board &b = board();
    return b.env_version ? b.env_version->c_str() : DEFAULT_VERSION;
}

std::int32_t choose_decimation(double spectral_width_mhz)
{
    if (controls().decimation) {
        return *controls().decimation;
    }
    if (board().env_decimation) {
        return *board().env_decimation;
    }
    const double clock = board().core_clock_mhz > 0.0 ? board().core_clock_mhz
                                                      : DEFAULT_CORE_CLOCK_MHZ;
    const double ratio = std::nearbyint(clock / spectral_width_mhz);
    // A width of zero, a negative one or NaN asks for more than the
    // receiver can narrow: it gets its narrowest filter.
    if (!(spectral_width_mhz > 0.0) || !(ratio <= MAX_DECIMATION)) {
        return MAX_DECIMATION;
    }
    return ratio < MIN_DECIMATION ? MIN_DECIMATION : static_cast<std::int32_t>(ratio);
}

std::int32_t first_instruction_address()
{
    if (controls().first_address) {
        return *controls().first_address;
    }
    return board().env_first_address.value_or(0);
}

}  // namespace velkora_sim
