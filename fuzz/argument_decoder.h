// Turns fuzzer bytes into a MATLAB call: how many outputs are asked for,
// and 0 to 14 inputs of any class, shape and value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host.h"

struct DecodedCall {
    int nlhs = 0;
    std::vector<mexhost::Array> inputs;
    std::vector<const mxArray *> pointers() const;
};

// Reads the bytes front to back; a byte past the end reads as zero, so every
// byte string is some call. Layout (see make_seeds.py):
//   nlhs % 4, nrhs % 15, then for each input a kind byte and its payload.
DecodedCall decode_call(const std::uint8_t *data, std::size_t size);
