// What kx_get_data reads: the receiver's sums of the completed acquisition
// windows, noise added, as saturated 32-bit samples.
#pragma once

#include <cstdint>

namespace velkora_sim {

// Fills count samples of each channel. The sums of n identical windows are
// formed in closed form, so the cost does not grow with the scans done.
void acquired_data(std::int32_t count, std::int32_t *first, std::int32_t *second);

// The nearest 32-bit sample: clamped at the ends of the range, 0 for NaN.
std::int32_t saturated_sample(double value);

}  // namespace velkora_sim
