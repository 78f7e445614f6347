// A module that asks for another interface version than the one the
// commands are built for: mexrun must refuse to call it, as MATLAB does.
#include <cstdint>

#include "../../gateway/mex_export.h"

extern "C" MEX_EXPORT void mexfilerequiredapiversion(std::uint32_t *built_by_rev,
                                                     std::uint32_t *target_api_version)
{
    *built_by_rev = 0x2016A;
    *target_api_version = 0;
}

extern "C" MEX_EXPORT void mexFunction(int, void **, int, const void **) {}
