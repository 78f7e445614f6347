// The host side of the MATLAB stand-in: building arguments, calling a
// command the way MATLAB does, and reading what it returned. Tests, the
// demo host and the fuzzers use this; the commands never do.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mx_array.h"

namespace mexhost {

struct ArrayDeleter {
    void operator()(mxArray *array) const;
};
using Array = std::unique_ptr<mxArray, ArrayDeleter>;

// Inputs of every kind a MATLAB user can pass.
Array scalar(double value);
Array numeric(int class_id, std::size_t rows, std::size_t columns, bool complex = false);
Array text(const std::string &characters);  // 1-by-n char row
Array char_matrix(std::size_t rows, std::size_t columns, const std::string &column_major);
Array empty();  // 0-by-0 double
Array cell(std::size_t rows, std::size_t columns);
Array structure(std::size_t rows, std::size_t columns, const std::vector<std::string> &fields);
// An array that claims its size but holds no elements: for the size limits
// of a command, which a real array of billions of elements would test only
// at the cost of gigabytes.
Array unbacked(int class_id, std::size_t rows, std::size_t columns);
// Element storage of a numeric, logical or char array.
void *real_data(const mxArray *array);
void *imaginary_data(const mxArray *array);

// What a command returned.
std::vector<std::int32_t> int32_values(const mxArray *array);

using MexFunction = void (*)(int, mxArray **, int, const mxArray **);

struct CallResult {
    std::optional<std::string> error;  // the MATLAB error, if one was raised
    std::string printed;               // all mexPrintf text of the call
    std::vector<Array> outputs;        // slots 0 .. max(nlhs,1)-1; null where unset
    bool wrote_past_outputs = false;   // a slot beyond those provided was written
};

// One command call as MATLAB makes it: nlhs output slots (at least one, as
// MATLAB always provides room for ans), the inputs, the text printed, the
// error raised. Memory from mxCalloc and arrays the command created but did
// not return are released when the call ends, normally or by error.
CallResult call(MexFunction function, int nlhs, const std::vector<const mxArray *> &inputs);

// Printed text is also copied to standard output while echo is on.
void set_echo(bool on);

// For leak checks: arrays alive and mxCalloc blocks not yet released.
std::size_t live_arrays();
std::size_t live_allocations();

// Hooks between the two stand-in libraries and call().
void begin_call();
void end_call(const std::vector<mxArray *> &kept);
std::string take_printed();

// What mexErrMsgTxt throws; call() catches it.
struct MexError {
    std::string message;
};

}  // namespace mexhost
