// The twelve inputs of ExciteAcquire as a MATLAB user types them.
#pragma once

#include <string>
#include <vector>

#include "host.h"

struct ExperimentInputs {
    double num_points = 1024;
    double SF = 21.3;
    double SW = 50;
    double pulse_time = 10;
    double trans_time = 20;
    double repetition_delay = 0.005159;
    double num_scans = 4;
    double tx_phase = 90;
    double bypass_fir = 0;
    double adc_freq = 75;
    double amplitude = 0.5;
    std::string shape = "hard";

    // Owns the arrays; pointers() hands them to a call.
    std::vector<mexhost::Array> arrays() const
    {
        std::vector<mexhost::Array> inputs;
        for (double value : {num_points, SF, SW, pulse_time, trans_time, repetition_delay,
                             num_scans, tx_phase, bypass_fir, adc_freq, amplitude}) {
            inputs.push_back(mexhost::scalar(value));
        }
        inputs.push_back(mexhost::text(shape));
        return inputs;
    }
};

inline std::vector<const mxArray *> pointers(const std::vector<mexhost::Array> &arrays)
{
    std::vector<const mxArray *> raw;
    for (const mexhost::Array &array : arrays) {
        raw.push_back(array.get());
    }
    return raw;
}
