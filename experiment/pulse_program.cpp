#include "pulse_program.h"

#include <string.h>

#include "../driver/velkora.h"

/* Flow codes of an instruction. */
enum { FLOW_CONTINUE = 0, FLOW_END = 1, FLOW_LOOP = 2, FLOW_END_LOOP = 3 };

/* Lead-in and closing instructions last one microsecond. */
static const double FIXED_DURATION_NS = 1000.0;

static int32_t is_sinc(const char *shape)
{
    return strcmp(shape, "Sinc") == 0 || strcmp(shape, "sinc") == 0;
}

void write_pulse_program(const ScanParameters *params, double acq_time_ms)
{
    /* Durations keep the grouping of their unit conversions: a single
     * factor of 1e9 for the repetition delay would differ in the last bit. */
    const double pulse_ns = params->pulse_time * 1000.0;
    const double transient_ns = params->trans_time * 1000.0;
    const double acquisition_ns = acq_time_ms * 1000000.0;
    const double repetition_ns = (params->repetition_delay * 1000.0) * 1000000.0;
    const int32_t sinc = is_sinc(params->shape) ? 1 : 0;

    kx_start_programming(KX_BANK_PULSE_PROGRAM);
    /* lead_in */
    kx_inst_vorn_shape(0, 1, 0, 0, 0, 1, 0, 0, 0, 0, FLOW_CONTINUE, 0, FIXED_DURATION_NS);
    /* excitation_pulse, first of the scan loop */
    const int32_t loop_start = kx_inst_vorn_shape(0, 1, 0, 0, 1, 0, 0, sinc, 0, 1, FLOW_LOOP,
                                                  params->num_scans, pulse_ns);
    /* transient_wait */
    kx_inst_vorn_shape(0, 1, 0, 0, 0, 0, 0, 0, 0, 0, FLOW_CONTINUE, 0, transient_ns);
    /* acquisition */
    kx_inst_vorn_shape(0, 1, 0, 0, 0, 0, 1, 0, 0, 2, FLOW_CONTINUE, 0, acquisition_ns);
    /* repetition_wait, back to the excitation pulse */
    kx_inst_vorn_shape(0, 1, 0, 0, 0, 1, 1, 0, 0, 0, FLOW_END_LOOP, loop_start, repetition_ns);
    /* lead_out */
    kx_inst_vorn_shape(0, 1, 0, 0, 0, 0, 0, 0, 0, 0, FLOW_CONTINUE, 0, FIXED_DURATION_NS);
    /* program_end */
    kx_inst_vorn_shape(0, 1, 0, 0, 0, 0, 0, 0, 0, 0, FLOW_END, 0, FIXED_DURATION_NS);
    kx_stop_programming();
}
