/* Hosts that export the versioned libmx functions under other names get a
 * mapping here; MATLAB and its stand-ins use the names as declared.
 *
 * GNU Octave (VELKORA_HOST_OCTAVE) exports the 64-bit-size forms of
 * mxGetString and mxCreateNumericMatrix under their plain names. Their
 * calling convention is the one declared in mex_api.h: Octave's sizes are
 * 64-bit (it is built with 64-bit indexing, which cmake/octave.cmake
 * insists on), passed and returned in full registers, and the class and
 * complexity flags are plain ints with MATLAB's numbering. */
#ifndef GATEWAY_HOST_NAMES_H
#define GATEWAY_HOST_NAMES_H

#ifdef VELKORA_HOST_OCTAVE
#define mxGetString_730 mxGetString
#define mxCreateNumericMatrix_730 mxCreateNumericMatrix
#endif

#endif
