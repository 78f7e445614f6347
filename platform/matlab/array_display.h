// How mexrun shows an array a command returned: its name, MATLAB class and
// size on one line, then its values in column-major order, eight to a line.
//
//   out1 = int32 1x1
//     4
//
// Numbers are written by the C++ library's own shortest round-trip form,
// so the text is the same on every platform. Char arrays show their text in
// quotes; cells and structs only their class and size.
#pragma once

#include <string>

#include "mx_array.h"

namespace mexhost {

std::string class_name(int class_id);

std::string display_array(const std::string &name, const mxArray *array);

}  // namespace mexhost
