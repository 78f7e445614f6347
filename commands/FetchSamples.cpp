/*
 * FetchSamples - read the acquired data from the board.
 *
 *   [first, second] = FetchSamples
 *
 * first   first data channel, 16384-by-1 int32
 * second  second data channel, 16384-by-1 int32
 *
 * Always 16384 samples per channel, whatever number of points the last
 * experiment acquired. Takes no inputs (any given are ignored) and prints
 * nothing. A running experiment keeps running. With one output only the
 * first channel is returned.
 */
#include <stdint.h>

#include "../driver/velkora.h"
#include "../gateway/mex_api.h"

/* Samples per channel: the most points one experiment acquires. */
enum { SAMPLE_COUNT = 16384 };

static void fetch_samples(int32_t *first, int32_t *second)
{
    kx_init();
    kx_get_data(SAMPLE_COUNT, first, second);
    kx_close();
}

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[])
{
    (void)nrhs;
    (void)prhs;
    mxArray *first = mxCreateNumericMatrix_730(SAMPLE_COUNT, 1, mxINT32_CLASS, mxREAL);
    mxArray *second = mxCreateNumericMatrix_730(SAMPLE_COUNT, 1, mxINT32_CLASS, mxREAL);
    /* MATLAB always provides the first slot; the second only when asked
     * for. An array not stored in a slot is freed when the command returns. */
    plhs[0] = first;
    if (nlhs >= 2) {
        plhs[1] = second;
    }
    /* The driver writes straight into the outputs' storage. */
    fetch_samples((int32_t *)mxGetPr(first), (int32_t *)mxGetPr(second));
}
