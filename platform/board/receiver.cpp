#include "receiver.h"

#include <cmath>
#include <vector>

#include "board.h"
#include "noise.h"
#include "run.h"
#include "free_induction.h"

namespace velkora_sim {

namespace {

// Tells the channels apart and sets the high bit of the second:
// k - 8192 and INT32_MIN + k.
void fill_pattern(std::int32_t count, std::int32_t *first, std::int32_t *second)
{
    for (std::int32_t k = 0; k < count; ++k) {
        first[k] = k - 8192;
        second[k] = static_cast<std::int32_t>(0x80000000u + static_cast<std::uint32_t>(k));
    }
}

}  // namespace

std::int32_t saturated_sample(double value)
{
    if (!(value == value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return INT32_MAX;
    }
    if (value <= -2147483648.0) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(std::nearbyint(value));
}

void acquired_data(std::int32_t count, std::int32_t *first, std::int32_t *second)
{
    if (board().env_data_pattern) {
        fill_pattern(count, first, second);
        return;
    }
    for (std::int32_t k = 0; k < count; ++k) {
        first[k] = 0;
        second[k] = 0;
    }
    const Board &b = board();
    if (!b.run || count <= 0) {
        return;
    }
    const Run &run = *b.run;
    const std::vector<std::int64_t> passes = run_progress(run);
    std::int64_t windows = 0;
    for (std::size_t s = 0; s < passes.size(); ++s) {
        windows += passes[s] * run.schedule.segments[s].acquisitions_per_pass;
    }
    const std::size_t points = static_cast<std::size_t>(count < run.num_points ? count : run.num_points);
    if (windows == 0 || points == 0) {
        return;
    }

    std::vector<double> real(points, 0.0), imag(points, 0.0);
    add_noiseless_signal(run, passes, points, real.data(), imag.data());

    // The noise of n windows is one draw of n times the variance of one; a
    // sum gets its own draw, the same however often it is read.
    const double spread = run.sample.noise_counts * std::sqrt(static_cast<double>(windows));
    const std::uint64_t key = mix_keys(run.noise_seed, static_cast<std::uint64_t>(windows));
    for (std::size_t k = 0; k < points; ++k) {
        double a = 0.0, c = 0.0;
        if (spread > 0.0) {
            normal_pair(mix_keys(key, k), a, c);
        }
        first[k] = saturated_sample(real[k] + spread * a);
        second[k] = saturated_sample(imag[k] + spread * c);
    }
}

}  // namespace velkora_sim
