/*
 * The part of MATLAB's extension interface (libmx, libmex) that the board
 * commands use, declared from its documented contract: 64-bit sizes, opaque
 * arrays, and the versioned import names of the 2017b-and-later API.
 *
 * Everything here has C linkage: MATLAB resolves these symbols by name.
 */
#ifndef GATEWAY_MEX_API_H
#define GATEWAY_MEX_API_H

#include <stddef.h>
#include <stdint.h>

#include "mex_export.h"
#include "host_names.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct mxArray_tag mxArray;

typedef size_t mwSize;

/* Only the values the commands pass; the rest of MATLAB's enumerations
 * are the host's business. */
typedef int mxClassID;
typedef int mxComplexity;
enum { mxINT32_CLASS = 12 };
enum { mxREAL = 0 };

/* libmx */
double mxGetScalar(const mxArray *array);
size_t mxGetM(const mxArray *array);
size_t mxGetN(const mxArray *array);
void *mxCalloc(size_t count, size_t element_size);
int mxGetString_730(const mxArray *array, char *buffer, mwSize buffer_length);
mxArray *mxCreateNumericMatrix_730(mwSize rows, mwSize columns, mxClassID class_id,
                                   mxComplexity complexity);
double *mxGetPr(const mxArray *array);

/* libmex */
int mexPrintf(const char *format, ...);
void mexErrMsgTxt(const char *message);

/* What every module exports. */
MEX_EXPORT void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]);
MEX_EXPORT void mexfilerequiredapiversion(uint32_t *built_by_rev, uint32_t *target_api_version);

#ifdef __cplusplus
}
#endif

#endif
