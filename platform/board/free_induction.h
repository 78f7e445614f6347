// The sample's answer to the pulse program, without noise: the magnetisation
// followed through one pass of each segment, and what the receiver sums.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "board.h"

namespace velkora_sim {

// Adds to real and imag (points values each) the signal of every completed
// acquisition window: passes[s] times the window of one pass of segment s.
void add_noiseless_signal(const Run &run, const std::vector<std::int64_t> &passes,
                          std::size_t points, double *real, double *imag);

// The flip angle, in radians, of the pulse that instruction gives.
double flip_angle(const Run &run, const Instruction &instruction);

}  // namespace velkora_sim
