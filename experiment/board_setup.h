#ifndef EXPERIMENT_BOARD_SETUP_H
#define EXPERIMENT_BOARD_SETUP_H

#include <stdint.h>

#include "scan_parameters.h"

/* Writes defaults, clock, counters, shape memory, amplitude, frequency and
 * phase banks, receiver filters and point count, then prints the spectral
 * width obtained and the acquisition time. Returns 0 and stores the
 * acquisition time in milliseconds, or returns -1 after printing an
 * "Error: " line when the receiver gave no usable decimation. */
int32_t set_up_board(const ScanParameters *params, double *acq_time_ms);

#endif
