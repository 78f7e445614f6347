#include "board_setup.h"

#include "../driver/velkora.h"
#include "../gateway/mex_api.h"
#include "sinc_shape.h"

/* The sinc pulse spans three zero crossings on each side of its centre. */
static const int32_t SINC_ZERO_CROSSINGS = 3;
/* Receiver filter option the board is always set up with. */
static const int32_t FILTER_OPTIONS = 256;

static void write_phase_cycle(int32_t bank)
{
    kx_start_programming(bank);
    kx_set_phase(0.0);
    kx_set_phase(90.0);
    kx_set_phase(180.0);
    kx_set_phase(270.0);
    kx_stop_programming();
}

int32_t set_up_board(const ScanParameters *params, double *acq_time_ms)
{
    kx_set_defaults();
    kx_core_clock(params->adc_freq);
    kx_overflow(1, 0);
    kx_scan_count(1);

    SincShapeTable shape;
    fill_sinc_shape(shape, SINC_ZERO_CROSSINGS);
    kx_dds_load(shape, KX_SHAPE_MEMORY);
    kx_set_amp(params->amplitude, 0);

    kx_start_programming(KX_BANK_FREQUENCY);
    kx_set_freq(params->SF);
    kx_stop_programming();

    write_phase_cycle(KX_BANK_PHASE_51);
    write_phase_cycle(KX_BANK_PHASE_50);

    kx_start_programming(KX_BANK_TX_PHASE);
    kx_set_phase(params->tx_phase);
    kx_stop_programming();

    const double sw_mhz = params->SW / 1000.0;
    const int32_t decimation = kx_setup_filters(sw_mhz, params->num_scans, FILTER_OPTIONS);
    if (decimation <= 0) {
        /* The acquisition window would be infinite or negative. */
        mexPrintf("Error: receiver filter set-up failed\n");
        return -1;
    }
    kx_set_num_points(params->num_points);

    const double actual_sw_hz = (params->adc_freq * 1000000.0) / (double)decimation;
    mexPrintf("Actual SW used is %f kHz (desired was %f kHz)\n", actual_sw_hz / 1000.0,
              sw_mhz * 1000.0);
    *acq_time_ms = ((double)params->num_points * 1000.0) / actual_sw_hz;
    mexPrintf("Acquisition time is %f ms\n", *acq_time_ms);
    return 0;
}
