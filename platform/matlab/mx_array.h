// The stand-in's arrays. MATLAB keeps its arrays opaque; the commands see
// them only through libmx, and so do the tests, through host.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../../gateway/mex_api.h"

namespace mexhost {

// MATLAB's class numbering, for the classes the stand-in can build.
enum ClassId : int {
    CELL_CLASS = 1,
    STRUCT_CLASS = 2,
    LOGICAL_CLASS = 3,
    CHAR_CLASS = 4,
    DOUBLE_CLASS = 6,
    SINGLE_CLASS = 7,
    INT8_CLASS = 8,
    UINT8_CLASS = 9,
    INT16_CLASS = 10,
    UINT16_CLASS = 11,
    INT32_CLASS = 12,
    UINT32_CLASS = 13,
    INT64_CLASS = 14,
    UINT64_CLASS = 15,
};

// Bytes per element of a numeric, logical or char class; 0 for containers.
std::size_t element_size(int class_id);

}  // namespace mexhost

struct mxArray_tag {
    int class_id = mexhost::DOUBLE_CLASS;
    std::size_t rows = 0;
    std::size_t columns = 0;
    bool complex = false;
    // Numeric, logical and char arrays: elements in column-major order.
    // The storage is 16-byte aligned and zero-filled, like MATLAB's.
    std::vector<std::max_align_t> real;
    std::vector<std::max_align_t> imaginary;
    // Cells and structs: elements (struct: fields of element 0, then of 1...).
    std::vector<mxArray *> elements;
    std::vector<std::string> field_names;
};
