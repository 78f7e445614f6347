#include "argument_decoder.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

class ByteReader {
public:
    ByteReader(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }

    double raw_double()
    {
        std::uint8_t bytes[8];
        for (std::uint8_t &b : bytes) {
            b = byte();
        }
        double value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    void fill(void *storage, std::size_t bytes)
    {
        auto *out = static_cast<std::uint8_t *>(storage);
        for (std::size_t k = 0; k < bytes; ++k) {
            out[k] = byte();
        }
    }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Values at the edges of what the commands check and convert.
const double INTERESTING[] = {
    0.0, -0.0, 1.0, -1.0, 0.5, 1.5, 0.9, 1.9, 2.0,
    16384.0, 16385.0, 16384.7, 0.065, 0.06499999999999999, 1.0000000001, 1.0 + 0x1p-23,
    std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
    std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
    std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
    2147483647.0, 2147483648.0, -2147483648.0, -2147483649.0, 1e39, -1e-50,
    21.3, 50.0, 10.0, 20.0, 0.005159, 4.0, 90.0, 75.0, 1024.0,
};

// Shape names, accepted and near misses; the last has a zero inside.
const std::string NAMES[] = {"hard", "Hard", "sinc", "Sinc", "HARD", "hard ", "har", "hardx", "",
                             std::string("sinc\0x", 6)};

const int NUMERIC_CLASSES[] = {
    mexhost::DOUBLE_CLASS, mexhost::SINGLE_CLASS, mexhost::INT8_CLASS,  mexhost::UINT8_CLASS,
    mexhost::INT16_CLASS,  mexhost::UINT16_CLASS, mexhost::INT32_CLASS, mexhost::UINT32_CLASS,
    mexhost::INT64_CLASS,  mexhost::UINT64_CLASS, mexhost::LOGICAL_CLASS,
};

template <typename T, std::size_t N>
const T &pick(const T (&table)[N], std::uint8_t index)
{
    return table[index % N];
}

mexhost::Array decode_numeric(ByteReader &in)
{
    const int class_id = pick(NUMERIC_CLASSES, in.byte());
    const std::size_t rows = in.byte() % 5;
    const std::size_t columns = in.byte() % 5;
    const bool complex = class_id != mexhost::LOGICAL_CLASS && (in.byte() & 1) != 0;
    mexhost::Array array = mexhost::numeric(class_id, rows, columns, complex);
    const std::size_t bytes = rows * columns * mexhost::element_size(class_id);
    if (bytes != 0) {
        in.fill(mexhost::real_data(array.get()), bytes);
        if (complex) {
            in.fill(mexhost::imaginary_data(array.get()), bytes);
        }
    }
    return array;
}

mexhost::Array decode_char(ByteReader &in)
{
    const std::size_t rows = in.byte() % 4;
    const std::size_t columns = in.byte() % 9;
    std::string characters(rows * columns, '\0');
    for (char &c : characters) {
        c = static_cast<char>(in.byte());
    }
    return mexhost::char_matrix(rows, columns, characters);
}

// Containers hold scalars or nothing: the commands never look inside them.
mexhost::Array decode_container(ByteReader &in, bool is_struct)
{
    const std::size_t rows = in.byte() % 3;
    const std::size_t columns = in.byte() % 3;
    mexhost::Array array = is_struct ? mexhost::structure(rows, columns, {"a", "b"})
                                     : mexhost::cell(rows, columns);
    for (mxArray *&element : array->elements) {
        if (in.byte() & 1) {
            element = mexhost::scalar(pick(INTERESTING, in.byte())).release();
        }
    }
    return array;
}

// Sizes no real array of ours could hold: up to 2^32 x 2^32 elements.
mexhost::Array decode_huge_char(ByteReader &in)
{
    const std::size_t rows = std::size_t{1} << (in.byte() % 33);
    const std::size_t columns = std::size_t{1} << (in.byte() % 33);
    return mexhost::unbacked(mexhost::CHAR_CLASS, rows, columns);
}

mexhost::Array decode_array(ByteReader &in)
{
    switch (in.byte() % 10) {
    case 0: return mexhost::scalar(in.raw_double());
    case 1: return mexhost::scalar(pick(INTERESTING, in.byte()));
    case 2: return mexhost::text(pick(NAMES, in.byte()));
    case 3:
    case 4: return decode_numeric(in);
    case 5: return decode_char(in);
    case 6: return decode_container(in, false);
    case 7: return decode_container(in, true);
    case 8: return mexhost::empty();
    default: return decode_huge_char(in);
    }
}

}  // namespace

std::vector<const mxArray *> DecodedCall::pointers() const
{
    std::vector<const mxArray *> raw;
    for (const mexhost::Array &input : inputs) {
        raw.push_back(input.get());
    }
    return raw;
}

DecodedCall decode_call(const std::uint8_t *data, std::size_t size)
{
    ByteReader in(data, size);
    DecodedCall call;
    call.nlhs = in.byte() % 4;
    const int nrhs = in.byte() % 15;
    for (int k = 0; k < nrhs; ++k) {
        call.inputs.push_back(decode_array(in));
    }
    return call;
}
