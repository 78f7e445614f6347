/*
 * The board driver library velkora64, as the commands use it.
 *
 * Integers are 32-bit signed, double and float IEEE 754. Results the
 * commands ignore are status codes of the library.
 */
#ifndef DRIVER_VELKORA_H
#define DRIVER_VELKORA_H

#include <stdint.h>

#if defined(_WIN32) && defined(VELKORA_BUILDING_LIBRARY)
#define VELKORA_API __declspec(dllexport)
#elif defined(_WIN32)
#define VELKORA_API __declspec(dllimport)
#elif defined(VELKORA_BUILDING_LIBRARY)
#define VELKORA_API __attribute__((visibility("default")))
#else
#define VELKORA_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Register banks, selected with kx_start_programming. */
enum {
    KX_BANK_PULSE_PROGRAM = 0,
    KX_BANK_FREQUENCY = 1,
    KX_BANK_TX_PHASE = 2,
    KX_BANK_PHASE_50 = 50,
    KX_BANK_PHASE_51 = 51
};

/* Samples in the shape memory, and the selector that loads them. */
enum { KX_SHAPE_SAMPLES = 1024, KX_SHAPE_MEMORY = 0x99000 };

VELKORA_API int32_t kx_init(void);
VELKORA_API int32_t kx_close(void);
VELKORA_API const char *kx_get_version(void);
VELKORA_API int32_t kx_set_defaults(void);
VELKORA_API int32_t kx_core_clock(double clock_mhz);
VELKORA_API int32_t kx_overflow(int32_t reset, int32_t counts);
VELKORA_API int32_t kx_scan_count(int32_t reset);
VELKORA_API int32_t kx_dds_load(const float *samples, int32_t memory);
VELKORA_API int32_t kx_set_amp(float amplitude, int32_t register_index);
VELKORA_API int32_t kx_start_programming(int32_t bank);
VELKORA_API int32_t kx_stop_programming(void);
VELKORA_API int32_t kx_set_freq(double frequency_mhz);
VELKORA_API int32_t kx_set_phase(double phase_degrees);
VELKORA_API int32_t kx_setup_filters(double spectral_width_mhz, int32_t num_scans, int32_t options);
VELKORA_API int32_t kx_set_num_points(int32_t num_points);
VELKORA_API int32_t kx_inst_vorn_shape(int32_t a1, int32_t a2, int32_t a3, int32_t a4, int32_t a5,
                                       int32_t a6, int32_t a7, int32_t a8, int32_t a9, int32_t a10,
                                       int32_t flow, int32_t flow_data, double duration_ns);
VELKORA_API int32_t kx_start(void);
VELKORA_API int32_t kx_stop(void);
VELKORA_API int32_t kx_read_status(void);
VELKORA_API int32_t kx_get_data(int32_t count, int32_t *first, int32_t *second);
VELKORA_API int32_t kx_set_debug(int32_t on);

#ifdef __cplusplus
}
#endif

#endif
