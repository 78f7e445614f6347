#include "hex_float.h"

#include <cmath>
#include <cstdint>
#include <cstring>

std::string hex_float(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int biased_exponent = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);

    std::string text = negative ? "-" : "";
    if (biased_exponent == 0x7ff) {
        return text + (mantissa != 0 ? "nan" : "inf");
    }
    if (biased_exponent == 0 && mantissa == 0) {
        return text + "0x0p+0";
    }
    const bool subnormal = biased_exponent == 0;
    const int exponent = subnormal ? -1022 : biased_exponent - 1023;
    text += subnormal ? "0x0" : "0x1";

    static const char digits[] = "0123456789abcdef";
    std::string fraction;
    for (int shift = 48; shift >= 0; shift -= 4) {
        fraction += digits[(mantissa >> shift) & 0xf];
    }
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    text += exponent < 0 ? "p-" : "p+";
    text += std::to_string(exponent < 0 ? -exponent : exponent);
    return text;
}
