/* Marks the two functions a module exports; everything else stays hidden
 * (modules are built with hidden visibility by default). */
#ifndef GATEWAY_MEX_EXPORT_H
#define GATEWAY_MEX_EXPORT_H

#if defined(_WIN32)
#define MEX_EXPORT __declspec(dllexport)
#else
#define MEX_EXPORT __attribute__((visibility("default")))
#endif

#endif
