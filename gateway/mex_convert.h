/* Conversions from the doubles MATLAB passes to the board's integer types. */
#ifndef GATEWAY_MEX_CONVERT_H
#define GATEWAY_MEX_CONVERT_H

#include <stdint.h>

/* Truncates toward zero to 32 bits. A value that has no 32-bit integer
 * (NaN, infinities, anything beyond the range) becomes INT32_MIN, the
 * "integer indefinite" that an x86 conversion yields, so that such a count
 * reaches the range checks as the most negative value instead of as
 * undefined behaviour. */
static inline int32_t truncate_to_int32(double value)
{
    if (value > -2147483649.0 && value < 2147483648.0) {
        return (int32_t)value;
    }
    return INT32_MIN;
}

#endif
