/*
 * DriverTrace - switch the driver library's debug mode.
 *
 *   DriverTrace(1)   debug mode on
 *   DriverTrace(0)   debug mode off
 *
 * Prints a confirmation line. Any other value is refused with an error
 * before the driver library is touched.
 */
#include <stdint.h>

#include "../driver/velkora.h"
#include "../gateway/mex_api.h"
#include "../gateway/mex_convert.h"

static void set_driver_debug(int32_t mode)
{
    kx_init();
    if (mode == 1) {
        mexPrintf("Debug mode enabled \n");
    } else {
        mexPrintf("Debug mode disabled \n");
    }
    kx_set_debug(mode);
    kx_close();
}

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[])
{
    (void)nlhs;
    (void)plhs;
    if (nrhs < 1) {
        mexErrMsgTxt("DriverTrace needs 1 input");
    }
    const double value = mxGetScalar(prhs[0]);
    /* The value itself must be 0 or 1: 0.5 and 1.5 would truncate to a
     * valid mode, NaN compares equal to neither. */
    if (!(value == 0.0 || value == 1.0)) {
        mexErrMsgTxt("Input must be a 1 to enable debug mode or 0 to disable debug mode");
    }
    set_driver_debug(truncate_to_int32(value));
}
