// libmx stand-in: arrays, their values and MATLAB's allocator.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

#include "host.h"

namespace mexhost {

namespace {

std::set<mxArray *> &all_arrays()
{
    static std::set<mxArray *> arrays;
    return arrays;
}

// Arrays and blocks created inside the current call, which MATLAB frees
// when the call ends unless an array went to an output slot.
std::vector<mxArray *> &call_arrays()
{
    static std::vector<mxArray *> arrays;
    return arrays;
}

std::vector<void *> &call_blocks()
{
    static std::vector<void *> blocks;
    return blocks;
}

bool in_call = false;

std::size_t storage_units(std::size_t bytes)
{
    return (bytes + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t);
}

mxArray *new_array(int class_id, std::size_t rows, std::size_t columns, bool complex, bool backed)
{
    auto *array = new mxArray_tag;
    array->class_id = class_id;
    array->rows = rows;
    array->columns = columns;
    array->complex = complex;
    if (backed) {
        const std::size_t bytes = rows * columns * element_size(class_id);
        array->real.resize(storage_units(bytes));
        if (complex) {
            array->imaginary.resize(storage_units(bytes));
        }
    }
    all_arrays().insert(array);
    if (in_call) {
        call_arrays().push_back(array);
    }
    return array;
}

void destroy_array(mxArray *array)
{
    if (array == nullptr || all_arrays().erase(array) == 0) {
        return;
    }
    for (mxArray *element : array->elements) {
        destroy_array(element);
    }
    delete array;
}

template <typename T>
double first_as_double(const mxArray *array)
{
    T value;
    std::memcpy(&value, array->real.data(), sizeof value);
    return static_cast<double>(value);
}

}  // namespace

std::size_t element_size(int class_id)
{
    switch (class_id) {
    case LOGICAL_CLASS:
    case INT8_CLASS:
    case UINT8_CLASS:
        return 1;
    case CHAR_CLASS:
    case INT16_CLASS:
    case UINT16_CLASS:
        return 2;
    case SINGLE_CLASS:
    case INT32_CLASS:
    case UINT32_CLASS:
        return 4;
    case DOUBLE_CLASS:
    case INT64_CLASS:
    case UINT64_CLASS:
        return 8;
    default:
        return 0;
    }
}

void ArrayDeleter::operator()(mxArray *array) const { destroy_array(array); }

Array numeric(int class_id, std::size_t rows, std::size_t columns, bool complex)
{
    return Array(new_array(class_id, rows, columns, complex, true));
}

Array scalar(double value)
{
    Array array = numeric(DOUBLE_CLASS, 1, 1);
    std::memcpy(real_data(array.get()), &value, sizeof value);
    return array;
}

Array char_matrix(std::size_t rows, std::size_t columns, const std::string &column_major)
{
    Array array = numeric(CHAR_CLASS, rows, columns);
    auto *characters = static_cast<std::uint16_t *>(real_data(array.get()));
    const std::size_t count = std::min(rows * columns, column_major.size());
    for (std::size_t k = 0; k < count; ++k) {
        characters[k] = static_cast<unsigned char>(column_major[k]);
    }
    return array;
}

Array text(const std::string &characters) { return char_matrix(1, characters.size(), characters); }

Array empty() { return numeric(DOUBLE_CLASS, 0, 0); }

Array cell(std::size_t rows, std::size_t columns)
{
    Array array(new_array(CELL_CLASS, rows, columns, false, false));
    array->elements.assign(rows * columns, nullptr);
    return array;
}

Array structure(std::size_t rows, std::size_t columns, const std::vector<std::string> &fields)
{
    Array array(new_array(STRUCT_CLASS, rows, columns, false, false));
    array->field_names = fields;
    array->elements.assign(rows * columns * fields.size(), nullptr);
    return array;
}

Array unbacked(int class_id, std::size_t rows, std::size_t columns)
{
    return Array(new_array(class_id, rows, columns, false, false));
}

void *real_data(const mxArray *array)
{
    return array->real.empty() ? nullptr : const_cast<std::max_align_t *>(array->real.data());
}

void *imaginary_data(const mxArray *array)
{
    return array->imaginary.empty() ? nullptr
                                    : const_cast<std::max_align_t *>(array->imaginary.data());
}

std::vector<std::int32_t> int32_values(const mxArray *array)
{
    std::vector<std::int32_t> values(array->rows * array->columns);
    if (array->class_id == INT32_CLASS && !values.empty()) {
        std::memcpy(values.data(), array->real.data(), values.size() * sizeof(std::int32_t));
    }
    return values;
}

std::size_t live_arrays() { return all_arrays().size(); }

std::size_t live_allocations() { return call_blocks().size(); }

void begin_call()
{
    call_arrays().clear();
    in_call = true;
}

void end_call(const std::vector<mxArray *> &kept)
{
    in_call = false;
    for (mxArray *array : call_arrays()) {
        if (std::find(kept.begin(), kept.end(), array) == kept.end()) {
            destroy_array(array);
        }
    }
    call_arrays().clear();
    for (void *block : call_blocks()) {
        std::free(block);
    }
    call_blocks().clear();
}

}  // namespace mexhost

using namespace mexhost;

extern "C" {

double mxGetScalar(const mxArray *array)
{
    if (array->real.empty()) {
        return 0.0;  // empty, cell or struct
    }
    switch (array->class_id) {
    case DOUBLE_CLASS: return first_as_double<double>(array);
    case SINGLE_CLASS: return first_as_double<float>(array);
    case LOGICAL_CLASS: return first_as_double<std::uint8_t>(array);
    case CHAR_CLASS: return first_as_double<std::uint16_t>(array);
    case INT8_CLASS: return first_as_double<std::int8_t>(array);
    case UINT8_CLASS: return first_as_double<std::uint8_t>(array);
    case INT16_CLASS: return first_as_double<std::int16_t>(array);
    case UINT16_CLASS: return first_as_double<std::uint16_t>(array);
    case INT32_CLASS: return first_as_double<std::int32_t>(array);
    case UINT32_CLASS: return first_as_double<std::uint32_t>(array);
    case INT64_CLASS: return first_as_double<std::int64_t>(array);
    case UINT64_CLASS: return first_as_double<std::uint64_t>(array);
    default: return 0.0;
    }
}

size_t mxGetM(const mxArray *array) { return array->rows; }

size_t mxGetN(const mxArray *array) { return array->columns; }

void *mxCalloc(size_t count, size_t element_size)
{
    void *block = std::calloc(count == 0 ? 1 : count, element_size == 0 ? 1 : element_size);
    if (block != nullptr) {
        call_blocks().push_back(block);
    }
    return block;
}

// Copies the characters, column by column, as bytes; characters beyond one
// byte become '?'. Returns 1, copying nothing, for an array that is not
// char, and 1 as well when the text had to be cut to fit.
int mxGetString_730(const mxArray *array, char *buffer, mwSize buffer_length)
{
    if (array->class_id != CHAR_CLASS || buffer == nullptr || buffer_length == 0) {
        return 1;
    }
    const std::size_t stored = array->real.size() * sizeof(std::max_align_t) / 2;
    const std::size_t count = std::min(array->rows * array->columns, stored);
    const std::size_t copied = std::min(count, static_cast<std::size_t>(buffer_length - 1));
    const auto *characters = static_cast<const std::uint16_t *>(real_data(array));
    for (std::size_t k = 0; k < copied; ++k) {
        buffer[k] = characters[k] > 0xff ? '?' : static_cast<char>(characters[k]);
    }
    buffer[copied] = '\0';
    return copied == array->rows * array->columns ? 0 : 1;
}

mxArray *mxCreateNumericMatrix_730(mwSize rows, mwSize columns, mxClassID class_id,
                                   mxComplexity complexity)
{
    return new_array(class_id, rows, columns, complexity != mxREAL, true);
}

double *mxGetPr(const mxArray *array) { return static_cast<double *>(real_data(array)); }

}  // extern "C"
