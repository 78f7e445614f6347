// A fresh simulated board, a journal file, and the commands loaded from
// their built modules: what every command test starts from.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "board.h"
#include "board_environment.h"
#include "host.h"
#include "module.h"

class CommandSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        fresh_board_library();
        journal_path_ = ::testing::TempDir() + "journal_" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
        std::remove(journal_path_.c_str());
        setenv("VELKORA_SIM_JOURNAL", journal_path_.c_str(), 1);
    }

    void TearDown() override
    {
        unsetenv("VELKORA_SIM_JOURNAL");
        std::remove(journal_path_.c_str());
    }

    static mexhost::MexFunction command(const char *module_path)
    {
        return mexhost::load_module(module_path).function;
    }

    std::vector<std::string> journal() const
    {
        std::vector<std::string> lines;
        std::ifstream in(journal_path_);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    // Journal lines without their results, for comparing call sequences.
    std::vector<std::string> calls() const
    {
        std::vector<std::string> names;
        for (const std::string &line : journal()) {
            names.push_back(line.substr(0, line.find(' ')));
        }
        return names;
    }

    void clear_journal() const { std::remove(journal_path_.c_str()); }

private:
    std::string journal_path_;
};
