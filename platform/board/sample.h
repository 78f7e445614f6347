// The sample in the simulated probe and the receiver's noise, as set by the
// VELKORA_SIM_* variables; the defaults give a clean free induction decay
// 5 kHz off the transmit frequency of the usual 21.3 MHz experiment.
#pragma once

namespace velkora_sim {

struct Sample {
    double resonance_mhz = 21.305;  // VELKORA_SIM_RESONANCE_MHZ
    double t2_ms = 20.0;            // VELKORA_SIM_T2_MS, decay constant
    double b1_90_us = 10.0;         // VELKORA_SIM_B1_90_US, hard 90° pulse at amplitude 1
    double signal_counts = 100000.0;  // VELKORA_SIM_SIGNAL, one 90° scan
    double noise_counts = 1000.0;     // VELKORA_SIM_NOISE, per scan and channel
};

}  // namespace velkora_sim
