// The board's wall clock: the host's steady clock, or the time a test sets.
#pragma once

namespace velkora_sim {

// Seconds from an arbitrary origin; never goes back unless a test sets it so.
double now_seconds();

}  // namespace velkora_sim
