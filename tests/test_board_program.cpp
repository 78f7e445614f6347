// The simulated board at the level of its driver calls: the status word
// through a board's life, the programs it refuses to start and why, and the
// noise generator every platform must draw alike.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "board.h"
#include "support/board_environment.h"
#include "noise.h"
#include "velkora.h"

namespace {

struct Step {
    int32_t flow, data;
    double ns;
};

void write_program(const std::vector<Step> &steps)
{
    kx_start_programming(KX_BANK_PULSE_PROGRAM);
    for (const Step &s : steps) {
        kx_inst_vorn_shape(0, 1, 0, 0, 0, 0, 0, 0, 0, 0, s.flow, s.data, s.ns);
    }
    kx_stop_programming();
}

void at_time(double seconds) { velkora_sim::controls().clock_seconds = seconds; }

class BoardProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        fresh_board_library();
        at_time(0.0);
        kx_init();
    }
};

// A lead-in, a loop of two 1 us instructions run three times, an end:
// 1 us, then scans ending at 3, 5 and 7 us, then the end at 8 us.
const std::vector<Step> THREE_SCANS = {
    {0, 0, 1000}, {2, 3, 1000}, {3, 1, 1000}, {1, 0, 1000},
};

TEST_F(BoardProgram, StatusFollowsTheBoardThroughItsLife)
{
    const auto expect = [](int32_t status, int32_t scans, const char *when) {
        EXPECT_EQ(kx_read_status(), status) << when;
        EXPECT_EQ(kx_scan_count(0), scans) << when;
    };
    expect(2, 0, "after power-up");
    kx_stop();
    expect(1, 0, "stopped with nothing running");
    kx_set_defaults();
    expect(2, 0, "after set-up");
    write_program(THREE_SCANS);
    expect(2, 0, "programmed, not started");

    EXPECT_EQ(kx_start(), 0);
    kx_close();
    expect(4, 0, "started, library closed");
    at_time(3.5e-6);
    expect(4, 1, "in the second scan");
    at_time(7.5e-6);
    expect(4, 3, "all scans done, end instruction running");
    at_time(8.5e-6);
    expect(1, 3, "program ended");

    kx_init();
    kx_set_defaults();
    expect(2, 0, "set up again");
    kx_start();
    expect(4, 0, "restarted");
    at_time(14e-6);
    kx_stop();
    kx_stop();
    at_time(1.0);
    expect(1, 2, "stopped during the third scan");
}

TEST_F(BoardProgram, RefusesAMalformedProgramAndSaysWhy)
{
    velkora_sim::controls().first_address = 40;
    struct Case {
        const char *label;
        std::vector<Step> program;
        const char *why;
    } cases[] = {
        {"close without open", {{0, 0, 1}, {3, 40, 1}, {1, 0, 1}},
         "the loop closed at address 41 was never opened"},
        {"target below", {{2, 4, 1}, {3, 39, 1}, {1, 0, 1}},
         "the loop closed at address 41 goes back to address 39, outside the program"},
        {"target beyond", {{2, 4, 1}, {3, 43, 1}, {1, 0, 1}},
         "the loop closed at address 41 goes back to address 43, outside the program"},
        {"target not the opening", {{0, 0, 1}, {2, 4, 1}, {0, 0, 1}, {3, 40, 1}, {1, 0, 1}},
         "the loop closed at address 43 goes back to address 40, not to its opening at address 41"},
        {"no end", {{0, 0, 1}, {0, 0, 1}}, "no instruction ends the program"},
        {"empty", {}, "no instruction ends the program"},
        {"loop left open", {{2, 4, 1}, {0, 0, 1}}, "no instruction ends the program"},
        {"end inside a loop", {{2, 4, 1}, {1, 0, 1}},
         "the program ends at address 41 inside the loop opened at address 40"},
        {"nested", {{2, 2, 1}, {2, 2, 1}, {3, 41, 1}, {3, 40, 1}, {1, 0, 1}},
         "the loop opened at address 41 lies inside the loop opened at address 40; loops do not nest"},
        {"no passes", {{2, 0, 1}, {3, 40, 1}, {1, 0, 1}},
         "the loop opened at address 40 has 0 passes"},
        {"negative time", {{0, 0, 1}, {1, 0, -5}}, "the instruction at address 41 lasts -5 ns"},
        {"NaN time", {{1, 0, std::nan("")}}, "the instruction at address 40 lasts NaN ns"},
        {"endless time", {{1, 0, HUGE_VAL}}, "the instruction at address 40 lasts Inf ns"},
        {"unknown flow", {{7, 0, 1}, {1, 0, 1}},
         "the instruction at address 40 has the unknown flow code 7"},
    };
    kx_set_debug(1);
    for (const Case &c : cases) {
        kx_set_defaults();
        write_program(c.program);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(kx_start(), -1) << c.label;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  std::string("kx_start -> -1\nkx_start: program not started: ") + c.why + "\n")
            << c.label;
        EXPECT_EQ(kx_read_status(), 2) << c.label;
    }
    kx_set_debug(0);

    // A refused program leaves the run before it going.
    write_program({{0, 0, 1000}, {2, 2, 1000}, {3, 41, 1000}, {1, 0, 1000}});
    EXPECT_EQ(kx_start(), 0);
    write_program({{0, 0, 1}});
    EXPECT_EQ(kx_start(), -1);
    at_time(3.5e-6);
    EXPECT_EQ(kx_read_status(), 4);
    EXPECT_EQ(kx_scan_count(0), 1);
}

TEST_F(BoardProgram, LoopAddressesWrapWithTheInstructionCounter)
{
    velkora_sim::controls().first_address = INT32_MAX;
    write_program({{2, 5, 1000}, {3, INT32_MAX, 1000}, {1, 0, 1000}});
    EXPECT_EQ(kx_start(), 0);
    at_time(1.0);
    EXPECT_EQ(kx_scan_count(0), 5);
}

TEST(BoardNoise, DrawsTheSameNumbersOnEveryPlatform)
{
    // Worked out with an independent Python transcription of splitmix64 and
    // the polar method, using the platform's own logarithm.
    EXPECT_EQ(velkora_sim::mix_keys(1, 2), 0xbcd9dbb49673066bULL);
    struct Case {
        uint64_t key;
        double first, second;
    } cases[] = {
        {0, 0.9845279121083984, -0.17586928586197706},
        {1, 0.42945220538400686, 1.5857725335739927},
        {12345, -0.38146739652238154, -0.3068863204103459},
    };
    for (const Case &c : cases) {
        double first = 0.0, second = 0.0;
        velkora_sim::normal_pair(c.key, first, second);
        EXPECT_NEAR(first, c.first, 1e-15) << c.key;
        EXPECT_NEAR(second, c.second, 1e-15) << c.key;
    }
}

TEST(BoardNoise, OwnLogarithmAgreesWithTheLibrary)
{
    for (double x : {1e-300, 2.2e-16, 1e-3, 0.5, 0.70710678118654752, 0.7071067811865476, 0.9,
                     1.0 - 0x1p-53, 1.0, 1.5, 2.0, 1e300, 4.9406564584124654e-324}) {
        const double expected = std::log(x);
        EXPECT_NEAR(velkora_sim::natural_log(x), expected, 1e-15 * std::fabs(expected) + 1e-300)
            << x;
    }
}

}  // namespace
