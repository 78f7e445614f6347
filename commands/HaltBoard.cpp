/*
 * HaltBoard - stop the board.
 *
 *   HaltBoard
 *
 * Ends a running experiment. Takes no inputs (any given are ignored),
 * returns nothing and prints nothing. The board keeps its program,
 * registers and data.
 */
#include "../driver/velkora.h"
#include "../gateway/mex_api.h"

static void halt_board(void)
{
    kx_init();
    kx_stop();
    kx_close();
}

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[])
{
    (void)nlhs;
    (void)plhs;
    (void)nrhs;
    (void)prhs;
    halt_board();
}
