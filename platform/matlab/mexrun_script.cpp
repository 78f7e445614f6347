#include "mexrun_script.h"

#include <cctype>
#include <charconv>

namespace mexhost {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool is_name_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

bool is_name_char(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// Cuts the comment (a % outside quotes) and the blanks around the rest.
std::string code_of(const std::string &line)
{
    bool quoted = false;
    std::size_t end = line.size();
    for (std::size_t k = 0; k < line.size(); ++k) {
        if (line[k] == '\'') {
            quoted = !quoted;
        } else if (line[k] == '%' && !quoted) {
            end = k;
            break;
        }
    }
    std::size_t begin = 0;
    while (begin < end && is_blank(line[begin])) {
        ++begin;
    }
    while (end > begin && is_blank(line[end - 1])) {
        --end;
    }
    return line.substr(begin, end - begin);
}

// Reads one argument starting at text[pos]; pos moves past it.
bool read_argument(const std::string &text, std::size_t &pos, ScriptArgument &argument,
                   std::string &error)
{
    if (text[pos] == '\'') {
        argument.kind = ScriptArgument::TEXT;
        for (++pos; pos < text.size(); ++pos) {
            if (text[pos] != '\'') {
                argument.text += text[pos];
            } else if (pos + 1 < text.size() && text[pos + 1] == '\'') {
                argument.text += '\'';
                ++pos;
            } else {
                ++pos;
                return true;
            }
        }
        error = "unterminated text";
        return false;
    }
    std::size_t end = pos;
    while (end < text.size() && !is_blank(text[end])) {
        ++end;
    }
    const std::string token = text.substr(pos, end - pos);
    pos = end;
    if (token == "[]") {
        argument.kind = ScriptArgument::EMPTY;
        return true;
    }
    // from_chars reads the digits itself, the same whichever C runtime
    // the host is built against; it takes no leading plus.
    const char *first = token.data();
    const char *last = token.data() + token.size();
    if (first != last && *first == '+') {
        ++first;
    }
    argument.kind = ScriptArgument::NUMBER;
    const auto parsed = std::from_chars(first, last, argument.number);
    if (first == last || parsed.ec != std::errc() || parsed.ptr != last) {
        error = "not a number, text or []: " + token;
        return false;
    }
    return true;
}

}  // namespace

ScriptLine parse_script_line(const std::string &line)
{
    ScriptLine parsed;
    parsed.source = code_of(line);
    const std::string &text = parsed.source;
    if (text.empty()) {
        parsed.blank = true;
        return parsed;
    }
    std::size_t pos = 0;
    if (text[0] == '[') {
        const std::size_t close = text.find(']');
        int nlhs = -1;
        const auto digits = std::from_chars(text.data() + 1, text.data() + (close == std::string::npos ? 1 : close), nlhs);
        if (close == std::string::npos || digits.ec != std::errc() ||
            digits.ptr != text.data() + close || nlhs < 0) {
            parsed.error = "the output count must be [N] with N a whole number";
            return parsed;
        }
        parsed.call.nlhs = nlhs;
        pos = close + 1;
        while (pos < text.size() && is_blank(text[pos])) {
            ++pos;
        }
    }
    if (pos >= text.size() || !is_name_start(text[pos])) {
        parsed.error = "expected a command name";
        return parsed;
    }
    const std::size_t name_start = pos;
    while (pos < text.size() && is_name_char(text[pos])) {
        ++pos;
    }
    parsed.call.command = text.substr(name_start, pos - name_start);
    while (true) {
        const std::size_t before = pos;
        while (pos < text.size() && is_blank(text[pos])) {
            ++pos;
        }
        if (pos >= text.size()) {
            break;
        }
        if (pos == before) {
            parsed.error = "arguments must be separated by blanks";
            return parsed;
        }
        ScriptArgument argument;
        if (!read_argument(text, pos, argument, parsed.error)) {
            return parsed;
        }
        parsed.call.arguments.push_back(argument);
    }
    return parsed;
}

}  // namespace mexhost
