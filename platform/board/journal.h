// One line per driver call, in call order: to the file named by
// VELKORA_SIM_JOURNAL, and to standard error while debug mode is on.
#pragma once

#include <string>

namespace velkora_sim {

// Builds one journal line: the function's name, then each argument after a
// blank, then " -> " and the result for a function that has one.
class JournalLine {
public:
    explicit JournalLine(const char *function);
    JournalLine &arg(int value) { return arg(static_cast<long long>(value)); }
    JournalLine &arg(long long value);
    JournalLine &arg(double value);
    JournalLine &result(int value) { return result(static_cast<long long>(value)); }
    JournalLine &result(long long value);
    JournalLine &result(const char *text);
    // Writes the line where it belongs; without a journal and out of debug
    // mode nothing is formatted at all.
    void write(bool debug) const;
    static bool wanted(bool debug);

private:
    std::string text_;
};

// A line for the debug trace alone (standard error in debug mode), saying
// what the journal's call line cannot: why a call did nothing.
void debug_note(bool debug, const std::string &text);

}  // namespace velkora_sim
