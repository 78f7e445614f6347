// Gaussian noise that every platform draws alike: integer hashing and the
// four correctly rounded operations only, with no call into the C runtime's
// mathematics, so a Windows and a Linux build give the same samples to the
// last bit.
#pragma once

#include <cstdint>

namespace velkora_sim {

// A well-mixed 64-bit key from two values (splitmix64 finalisation).
std::uint64_t mix_keys(std::uint64_t a, std::uint64_t b);

// Two independent standard normal values determined by key alone
// (Marsaglia's polar method on a splitmix64 stream).
void normal_pair(std::uint64_t key, double &first, double &second);

// Natural logarithm of a positive finite x, to within a few units in the
// last place: ample for noise, and the same everywhere.
double natural_log(double x);

}  // namespace velkora_sim
