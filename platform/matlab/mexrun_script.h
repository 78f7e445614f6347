// The lines of a mexrun script: one command call per line, written as in
// MATLAB's command syntax with the output count in front.
//
//   [2] BoardState
//   ExciteAcquire 1024 21.3 50 10 20 0.1 4 0 0 75 0.5 'hard'
//
// An argument is a decimal number (Inf and NaN too), a quoted text
// ('it''s' holds a quote) or [] for an empty double. % starts a comment.
#pragma once

#include <string>
#include <vector>

namespace mexhost {

struct ScriptArgument {
    enum Kind { NUMBER, TEXT, EMPTY } kind = NUMBER;
    double number = 0.0;
    std::string text;
};

struct ScriptCall {
    int nlhs = 0;
    std::string command;
    std::vector<ScriptArgument> arguments;
};

struct ScriptLine {
    bool blank = false;   // nothing but blanks or a comment
    std::string error;    // why the line is not a call; empty when it is one
    std::string source;   // the line without its comment and outer blanks
    ScriptCall call;
};

ScriptLine parse_script_line(const std::string &line);

}  // namespace mexhost
