#include "array_display.h"

#include <charconv>
#include <cstdint>
#include <cstring>

#include "host.h"

namespace mexhost {

namespace {

constexpr std::size_t VALUES_PER_LINE = 8;

template <typename T>
std::string number_text(T value)
{
    char digits[64];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, written.ptr);
}

template <typename T>
std::string element_text(const void *data, std::size_t index)
{
    T value;
    std::memcpy(&value, static_cast<const char *>(data) + index * sizeof(T), sizeof value);
    return number_text(value);
}

std::string element_text(int class_id, const void *data, std::size_t index)
{
    switch (class_id) {
    case DOUBLE_CLASS: return element_text<double>(data, index);
    case SINGLE_CLASS: return element_text<float>(data, index);
    case LOGICAL_CLASS:
    case UINT8_CLASS: return element_text<std::uint8_t>(data, index);
    case INT8_CLASS: return element_text<std::int8_t>(data, index);
    case INT16_CLASS: return element_text<std::int16_t>(data, index);
    case UINT16_CLASS: return element_text<std::uint16_t>(data, index);
    case INT32_CLASS: return element_text<std::int32_t>(data, index);
    case UINT32_CLASS: return element_text<std::uint32_t>(data, index);
    case INT64_CLASS: return element_text<std::int64_t>(data, index);
    case UINT64_CLASS: return element_text<std::uint64_t>(data, index);
    default: return "?";
    }
}

std::string char_text(const mxArray *array)
{
    std::string text = "  '";
    const auto *characters = static_cast<const std::uint16_t *>(real_data(array));
    for (std::size_t k = 0; characters != nullptr && k < array->rows * array->columns; ++k) {
        text += characters[k] > 0x7e || characters[k] < 0x20 ? '?' : static_cast<char>(characters[k]);
    }
    return text + "'\n";
}

}  // namespace

std::string class_name(int class_id)
{
    switch (class_id) {
    case CELL_CLASS: return "cell";
    case STRUCT_CLASS: return "struct";
    case LOGICAL_CLASS: return "logical";
    case CHAR_CLASS: return "char";
    case DOUBLE_CLASS: return "double";
    case SINGLE_CLASS: return "single";
    case INT8_CLASS: return "int8";
    case UINT8_CLASS: return "uint8";
    case INT16_CLASS: return "int16";
    case UINT16_CLASS: return "uint16";
    case INT32_CLASS: return "int32";
    case UINT32_CLASS: return "uint32";
    case INT64_CLASS: return "int64";
    case UINT64_CLASS: return "uint64";
    default: return "class " + number_text(class_id);
    }
}

std::string display_array(const std::string &name, const mxArray *array)
{
    std::string text = name + " = " + class_name(array->class_id) + " " +
                       number_text(array->rows) + "x" + number_text(array->columns) +
                       (array->complex ? " complex" : "") + "\n";
    const std::size_t count = array->rows * array->columns;
    if (array->class_id == CHAR_CLASS) {
        return text + char_text(array);
    }
    const void *parts[] = {real_data(array), imaginary_data(array)};
    for (const void *data : parts) {
        if (data == nullptr || element_size(array->class_id) == 0) {
            continue;
        }
        if (data == parts[1]) {
            text += "  imaginary part:\n";
        }
        for (std::size_t k = 0; k < count; ++k) {
            text += (k % VALUES_PER_LINE == 0) ? "  " : " ";
            text += element_text(array->class_id, data, k);
            if (k % VALUES_PER_LINE == VALUES_PER_LINE - 1 || k + 1 == count) {
                text += '\n';
            }
        }
    }
    return text;
}

}  // namespace mexhost
