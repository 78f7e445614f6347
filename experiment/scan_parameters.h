/* The twelve inputs of ExciteAcquire after conversion, in input order. */
#ifndef EXPERIMENT_SCAN_PARAMETERS_H
#define EXPERIMENT_SCAN_PARAMETERS_H

#include <stdint.h>

typedef struct ScanParameters {
    int32_t num_points;      /* points to acquire, 1 to MAX_POINTS */
    double SF;               /* transmit frequency, MHz */
    double SW;               /* desired spectral width, kHz */
    double pulse_time;       /* excitation pulse, microseconds */
    double trans_time;       /* wait between pulse and acquisition, microseconds */
    double repetition_delay; /* wait that closes each scan, seconds */
    int32_t num_scans;       /* passes of the scan loop, at least 1 */
    double tx_phase;         /* transmit phase, degrees */
    int32_t bypass_fir;      /* reported only */
    double adc_freq;         /* ADC clock and board core clock, MHz */
    float amplitude;         /* transmit amplitude, 0 to 1 */
    const char *shape;       /* "Hard", "hard", "Sinc" or "sinc" */
} ScanParameters;

/* The most points one acquisition holds, and the length FetchSamples reads. */
enum { MAX_POINTS = 16384 };

/* Programs the board for the experiment and starts it. Prints the report,
 * or one "Error: " line when a parameter is outside the board's limits.
 * Returns 0 when the board was started, -1 otherwise; the driver library is
 * closed again either way. */
int32_t run_experiment(const ScanParameters *params);

#endif
