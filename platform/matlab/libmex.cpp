// libmex stand-in: the command window and MATLAB errors.
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "host.h"

namespace mexhost {

namespace {
std::string &printed()
{
    static std::string text;
    return text;
}
bool echo = false;
}  // namespace

void set_echo(bool on) { echo = on; }

std::string take_printed()
{
    std::string text;
    text.swap(printed());
    return text;
}

}  // namespace mexhost

extern "C" {

int mexPrintf(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length > 0) {
        std::vector<char> line(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(line.data(), line.size(), format, args);
        mexhost::printed().append(line.data(), static_cast<std::size_t>(length));
        if (mexhost::echo) {
            std::fwrite(line.data(), 1, static_cast<std::size_t>(length), stdout);
            std::fflush(stdout);
        }
    }
    va_end(args);
    return length;
}

// Ends the command: control goes back to MATLAB, here to mexhost::call.
void mexErrMsgTxt(const char *message)
{
    throw mexhost::MexError{message != nullptr ? message : ""};
}

}  // extern "C"
