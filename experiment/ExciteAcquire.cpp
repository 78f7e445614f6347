/*
 * ExciteAcquire - program the board for an excitation-and-acquisition
 * experiment and start it.
 *
 *   ExciteAcquire(num_points, SF, SW, pulse_time, trans_time, repetition_delay,
 *                 num_scans, tx_phase, bypass_fir, adc_freq, amplitude, shape)
 *
 *   num_points        points to acquire, 1 to 16384
 *   SF                transmit frequency, MHz
 *   SW                spectral width, kHz
 *   pulse_time        excitation pulse length, us (at least 0.065)
 *   trans_time        wait before acquisition, us (at least 0.065)
 *   repetition_delay  wait at the end of each scan, s
 *   num_scans         number of scans, at least 1
 *   tx_phase          transmit phase, degrees
 *   bypass_fir        reported only
 *   adc_freq          ADC clock, MHz
 *   amplitude         transmit amplitude, 0 to 1
 *   shape             'hard' or 'sinc' ('Hard' and 'Sinc' too)
 *
 * The command returns as soon as the board runs; BoardState follows it,
 * FetchSamples reads the data and HaltBoard stops it.
 */
#include <stdint.h>
#include <string.h>

#include "../gateway/mex_api.h"
#include "../gateway/mex_convert.h"
#include "scan_parameters.h"

enum { NUM_INPUTS = 12 };

static int is_known_shape(const char *name)
{
    return strcmp(name, "Hard") == 0 || strcmp(name, "hard") == 0 || strcmp(name, "Sinc") == 0 ||
           strcmp(name, "sinc") == 0;
}

static const char SHAPE_MESSAGE[] = "Shape must be specified as being 'hard' or 'sinc'";

/* Reads input 12 into a zero-terminated buffer from MATLAB's allocator;
 * MATLAB releases it when the command returns. */
static const char *read_shape_name(const mxArray *input)
{
    const size_t rows = mxGetM(input);
    const size_t columns = mxGetN(input);
    /* The buffer length, count plus terminator, must fit 32 bits. */
    const size_t max_count = (size_t)INT32_MAX - 1;
    if (columns != 0 && rows > max_count / columns) {
        mexErrMsgTxt(SHAPE_MESSAGE);
    }
    const size_t length = rows * columns + 1;
    if (length > (size_t)INT32_MAX) {
        mexErrMsgTxt(SHAPE_MESSAGE);
    }
    char *buffer = (char *)mxCalloc(length, 1);
    mxGetString_730(input, buffer, length);
    return buffer;
}

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[])
{
    (void)nlhs;
    (void)plhs;
    if (nrhs < NUM_INPUTS) {
        mexErrMsgTxt("ExciteAcquire needs 12 inputs");
    }

    ScanParameters params;
    params.num_points = truncate_to_int32(mxGetScalar(prhs[0]));
    params.SF = mxGetScalar(prhs[1]);
    params.SW = mxGetScalar(prhs[2]);
    params.pulse_time = mxGetScalar(prhs[3]);
    params.trans_time = mxGetScalar(prhs[4]);
    params.repetition_delay = mxGetScalar(prhs[5]);
    params.num_scans = truncate_to_int32(mxGetScalar(prhs[6]));
    params.tx_phase = mxGetScalar(prhs[7]);
    params.bypass_fir = truncate_to_int32(mxGetScalar(prhs[8]));
    params.adc_freq = mxGetScalar(prhs[9]);
    params.amplitude = (float)mxGetScalar(prhs[10]);
    params.shape = read_shape_name(prhs[11]);

    if (!is_known_shape(params.shape)) {
        mexErrMsgTxt(SHAPE_MESSAGE);
    }
    run_experiment(&params);
}
