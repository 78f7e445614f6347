#include "noise.h"

#include <cmath>

namespace velkora_sim {

namespace {

std::uint64_t splitmix64(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// Uniform on [-1, 1) in steps of 2^-52; the arithmetic is exact.
double symmetric_uniform(std::uint64_t &state)
{
    return static_cast<double>(splitmix64(state) >> 11) * 0x1p-52 - 1.0;
}

}  // namespace

std::uint64_t mix_keys(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t state = a;
    state = splitmix64(state) ^ b;
    return splitmix64(state);
}

double natural_log(double x)
{
    // x = m * 2^e with m in [sqrt(1/2), sqrt(2)); log m = 2 atanh(f) with
    // f = (m - 1) / (m + 1), |f| < 0.172, whose odd series has converged
    // below the last place after eleven terms.
    int exponent = 0;
    double m = std::frexp(x, &exponent);
    if (m < 0.70710678118654752) {
        m *= 2.0;
        exponent -= 1;
    }
    const double f = (m - 1.0) / (m + 1.0);
    const double f2 = f * f;
    double series = 1.0 / 23.0;
    for (int k = 10; k >= 0; --k) {
        series = 1.0 / (2 * k + 1) + f2 * series;
    }
    const double ln2_high = 0x1.62e42fefa3800p-1;  // exact times any exponent
    const double ln2_low = 0x1.ef35793c76730p-45;
    const double e = static_cast<double>(exponent);
    return e * ln2_high + (2.0 * f * series + e * ln2_low);
}

void normal_pair(std::uint64_t key, double &first, double &second)
{
    std::uint64_t state = key;
    for (;;) {
        const double u = symmetric_uniform(state);
        const double v = symmetric_uniform(state);
        const double s = u * u + v * v;
        if (s > 0.0 && s < 1.0) {
            const double factor = std::sqrt(-2.0 * natural_log(s) / s);
            first = u * factor;
            second = v * factor;
            return;
        }
    }
}

}  // namespace velkora_sim
