/* The API version MATLAB reads before it calls mexFunction: these modules
 * use the 64-bit, separate-complex interface of release 2017a and later. */
#include "mex_api.h"

extern "C" void mexfilerequiredapiversion(uint32_t *built_by_rev, uint32_t *target_api_version)
{
    *built_by_rev = 0x2017A;
    *target_api_version = 0;
}
