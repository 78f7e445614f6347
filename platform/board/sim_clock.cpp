#include "sim_clock.h"

#include <chrono>

#include "board.h"

namespace velkora_sim {

double now_seconds()
{
    if (controls().clock_seconds) {
        return *controls().clock_seconds;
    }
    const auto since_origin = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since_origin).count();
}

}  // namespace velkora_sim
