// A hard-pulse and a sinc-pulse experiment through the command modules on
// the simulated board, as MATLAB would run
//
//   ExciteAcquire(1024, 21.3, 50, 10, 20, 0.1, 4, 0, 0, 75, 0.5, 'hard')
//   ExciteAcquire(1024, 21.3, 50, 200, 20, 0.1, 4, 0, 0, 75, 0.5, 'sinc')
//
// printing what the command window shows, then what reached the board.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "host.h"
#include "module.h"

namespace {

void excite_acquire(mexhost::MexFunction command, double pulse_time_us, const char *shape)
{
    std::cout << ">> ExciteAcquire(1024, 21.3, 50, " << pulse_time_us
              << ", 20, 0.1, 4, 0, 0, 75, 0.5, '" << shape << "')\n";
    std::vector<mexhost::Array> inputs;
    for (double value : {1024.0, 21.3, 50.0, pulse_time_us, 20.0, 0.1, 4.0, 0.0, 0.0, 75.0, 0.5}) {
        inputs.push_back(mexhost::scalar(value));
    }
    inputs.push_back(mexhost::text(shape));
    std::vector<const mxArray *> arguments;
    for (const auto &input : inputs) {
        arguments.push_back(input.get());
    }
    const auto result = mexhost::call(command, 0, arguments);
    if (result.error) {
        std::cout << "Error using ExciteAcquire\n" << *result.error << "\n";
    }
}

}  // namespace

int main()
{
    const std::string journal = "demo_journal.txt";
    std::remove(journal.c_str());
    setenv("VELKORA_SIM_JOURNAL", journal.c_str(), 1);
    mexhost::set_echo(true);

    const auto module = mexhost::load_module(EXCITE_ACQUIRE_MODULE);
    excite_acquire(module.function, 10, "hard");
    excite_acquire(module.function, 200, "sinc");

    std::cout << "---- board journal (" << journal << ") ----\n";
    std::ifstream lines(journal);
    for (std::string line; std::getline(lines, line);) {
        // The 1024 shape samples make one very long line; show its start.
        if (line.size() > 120) {
            line = line.substr(0, 100) + " ... (" + std::to_string(line.size()) + " characters)";
        }
        std::cout << line << "\n";
    }
    return 0;
}
