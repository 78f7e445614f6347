#include "sinc_shape.h"

#include <math.h>

/* The board's shape tables have always been computed with this eight-digit
 * pi; with the full-precision value most samples differ in their last bits. */
static const double SHAPE_PI = 3.1415926;

void fill_sinc_shape(SincShapeTable table, int32_t zero_crossings)
{
    const double step = (double)zero_crossings * (SHAPE_PI + SHAPE_PI);
    for (int32_t i = -KX_SHAPE_SAMPLES / 2; i < KX_SHAPE_SAMPLES / 2; ++i) {
        /* Multiplying by 2^-10 is exact, so x is the product as grouped here. */
        const double x = ((double)i * step) * 0.0009765625;
        table[i + KX_SHAPE_SAMPLES / 2] = (x == 0.0) ? 1.0f : (float)(sin(x) / x);
    }
}
