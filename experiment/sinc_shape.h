#ifndef EXPERIMENT_SINC_SHAPE_H
#define EXPERIMENT_SINC_SHAPE_H

#include <stdint.h>

#include "../driver/velkora.h"

/* 1024 single-precision samples of sin(x)/x, entry 512 at x = 0. */
typedef float SincShapeTable[KX_SHAPE_SAMPLES];

/* Fills all entries with sin(x)/x for x from -zero_crossings*pi in equal
 * steps up to just short of +zero_crossings*pi. */
void fill_sinc_shape(SincShapeTable table, int32_t zero_crossings);

#endif
