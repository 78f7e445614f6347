#include "journal.h"

#include <cstdio>
#include <cstdlib>

#include "hex_float.h"

namespace velkora_sim {

namespace {
const char *journal_path()
{
    const char *path = std::getenv("VELKORA_SIM_JOURNAL");
    return (path != nullptr && *path != '\0') ? path : nullptr;
}
}  // namespace

JournalLine::JournalLine(const char *function) : text_(function) {}

JournalLine &JournalLine::arg(long long value)
{
    text_ += ' ';
    text_ += std::to_string(value);
    return *this;
}

JournalLine &JournalLine::arg(double value)
{
    text_ += ' ';
    text_ += hex_float(value);
    return *this;
}

JournalLine &JournalLine::result(long long value)
{
    text_ += " -> ";
    text_ += std::to_string(value);
    return *this;
}

JournalLine &JournalLine::result(const char *text)
{
    text_ += " -> ";
    text_ += text != nullptr ? text : "(null)";
    return *this;
}

bool JournalLine::wanted(bool debug) { return debug || journal_path() != nullptr; }

void JournalLine::write(bool debug) const
{
    const std::string line = text_ + '\n';
    if (const char *path = journal_path()) {
        // Opened per line so that several hosts and processes can share one
        // journal, and nothing is lost if the host dies.
        if (std::FILE *file = std::fopen(path, "ab")) {
            std::fwrite(line.data(), 1, line.size(), file);
            std::fclose(file);
        }
    }
    if (debug) {
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fflush(stderr);
    }
}

void debug_note(bool debug, const std::string &text)
{
    if (debug) {
        const std::string line = text + '\n';
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fflush(stderr);
    }
}

}  // namespace velkora_sim
