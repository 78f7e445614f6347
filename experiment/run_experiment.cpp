#include "scan_parameters.h"

#include "../driver/velkora.h"
#include "../gateway/mex_api.h"
#include "board_setup.h"
#include "pulse_program.h"

/* 65 ns: the shortest pulse and transient the board can time. */
static const double MIN_DURATION_US = 0.065;

/* Returns the message for the first parameter outside the board's limits,
 * or a null pointer when all are inside. A NaN time or amplitude is no
 * value the board can use, so it fails its check too. */
static const char *first_rejected_parameter(const ScanParameters *p)
{
    if (p->num_points < 1 || p->num_points > MAX_POINTS) {
        return "Error: Maximum number of points is %d\n";
    }
    if (p->num_scans <= 0) {
        return "Error: there must be at least one scan\n";
    }
    if (!(p->pulse_time >= MIN_DURATION_US)) {
        return "Error: pulse time is too small to work with board\n";
    }
    if (!(p->trans_time >= MIN_DURATION_US)) {
        return "Error: transient time is too small to work with board\n";
    }
    if (!(p->amplitude >= 0.0f && p->amplitude <= 1.0f)) {
        return "Error: amplitude value out of range\n";
    }
    return nullptr;
}

static void print_report(const ScanParameters *p)
{
    mexPrintf("num_points  %d\n", p->num_points);
    mexPrintf("SF=         %f MHz\n", p->SF);
    mexPrintf("SW=         %f kHz\n", p->SW);
    mexPrintf("pulse_time= %f us\n", p->pulse_time);
    mexPrintf("trans_time= %f us\n", p->trans_time);
    mexPrintf("repetition_delay = %f s\n", p->repetition_delay);
    mexPrintf("num_scans=  %d\n", p->num_scans);
    mexPrintf("tx phase=   %f degrees\n", p->tx_phase);
    mexPrintf("bypass fir= %d\n", p->bypass_fir);
    mexPrintf("adc_freq=   %f MHz\n", p->adc_freq);
    mexPrintf("amplitude value=   %f\n", (double)p->amplitude);
}

int32_t run_experiment(const ScanParameters *params)
{
    kx_init();

    const char *rejection = first_rejected_parameter(params);
    if (rejection != nullptr) {
        mexPrintf(rejection, (int)MAX_POINTS);
        kx_close();
        return -1;
    }

    print_report(params);
    const char *version = kx_get_version();
    mexPrintf("Using velkora library version %s\n", version != nullptr ? version : "");

    double acq_time_ms = 0.0;
    if (set_up_board(params, &acq_time_ms) != 0) {
        kx_close();
        return -1;
    }
    write_pulse_program(params, acq_time_ms);
    kx_start();
    kx_close();
    mexPrintf("\n\n");
    return 0;
}
