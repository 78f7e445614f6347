/*
 * BoardState - read the board's status word and scan count.
 *
 *   [status, scans] = BoardState
 *
 * status  the board's status word, int32
 * scans   scans the board has completed, int32
 *
 * Takes no inputs (any given are ignored) and prints nothing. A running
 * experiment keeps running. With one output only the status word is
 * returned.
 */
#include <stdint.h>

#include "../driver/velkora.h"
#include "../gateway/mex_api.h"

static void read_board_state(int32_t *status, int32_t *scan_count)
{
    kx_init();
    *status = kx_read_status();
    *scan_count = kx_scan_count(0);
    kx_close();
}

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[])
{
    (void)nrhs;
    (void)prhs;
    mxArray *status = mxCreateNumericMatrix_730(1, 1, mxINT32_CLASS, mxREAL);
    mxArray *scan_count = mxCreateNumericMatrix_730(1, 1, mxINT32_CLASS, mxREAL);
    /* MATLAB always provides the first slot; the second only when asked
     * for. An array not stored in a slot is freed when the command returns. */
    plhs[0] = status;
    if (nlhs >= 2) {
        plhs[1] = scan_count;
    }
    read_board_state((int32_t *)mxGetPr(status), (int32_t *)mxGetPr(scan_count));
}
