#ifndef EXPERIMENT_PULSE_PROGRAM_H
#define EXPERIMENT_PULSE_PROGRAM_H

#include "scan_parameters.h"

/* Writes the seven instructions of the experiment into the pulse-program
 * bank: lead-in, the scan loop (excitation pulse, transient wait,
 * acquisition of acq_time_ms, repetition wait) and two closing ones. */
void write_pulse_program(const ScanParameters *params, double acq_time_ms);

#endif
