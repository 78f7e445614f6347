// The simulated board library's own promises: the journal's number format,
// the documented decimation rule, the test controls.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>

#include "board.h"
#include "support/board_environment.h"
#include "hex_float.h"
#include "velkora.h"

namespace {

TEST(HexFloat, MatchesTheCLibraryFormat)
{
    const double values[] = {0.0, -0.0, 1.0, -1.0, 0.5, 1000.0, 21.3, 0.1, 1e300, DBL_MAX,
                             DBL_MIN, 4.9406564584124654e-324, 2.2250738585072009e-308,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), 5159000.000000001};
    for (double value : values) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%a", value);
        EXPECT_EQ(hex_float(value), expected) << expected;
    }
    EXPECT_EQ(hex_float(std::nan("")), "nan");
}

class BoardLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        fresh_board_library();
        kx_init();
    }
};

TEST_F(BoardLibrary, DecimatesByTheNearestWholeRatioWithinTheReceiverLimits)
{
    struct Case {
        double clock_mhz, width_mhz;
        int32_t decimation;
    } cases[] = {
        {75.0, 0.05, 1500},  {10.0, 0.01, 1000}, {10.0, 0.0123, 813},  // 813.008
        {10.0, 4.0, 4},      {10.0, 100.0, 4},   {10.0, 1e-6, 65535},
        {10.0, 0.0, 65535},  {10.0, -1.0, 65535}, {10.0, std::nan(""), 65535},
    };
    for (const Case &c : cases) {
        kx_core_clock(c.clock_mhz);
        EXPECT_EQ(kx_setup_filters(c.width_mhz, 1, 256), c.decimation)
            << c.clock_mhz << " / " << c.width_mhz;
    }
}

TEST_F(BoardLibrary, NumbersInstructionsFromEachStartOfTheProgramBank)
{
    setenv("VELKORA_SIM_FIRST_ADDRESS", "2147483647", 1);
    kx_init();
    kx_start_programming(0);
    EXPECT_EQ(kx_inst_vorn_shape(0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.0), 2147483647);
    EXPECT_EQ(kx_inst_vorn_shape(0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1.0), INT32_MIN);
    unsetenv("VELKORA_SIM_FIRST_ADDRESS");
    kx_init();
    kx_start_programming(0);
    EXPECT_EQ(kx_inst_vorn_shape(0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1.0), 0);
    EXPECT_EQ(velkora_sim::board().program.size(), 1u);
}

TEST_F(BoardLibrary, KeepsWhatTheCallsWrite)
{
    const float shape[KX_SHAPE_SAMPLES] = {0.25f};
    kx_dds_load(shape, KX_SHAPE_MEMORY);
    kx_set_amp(0.75f, 0);
    kx_start_programming(KX_BANK_PHASE_51);
    kx_set_phase(90.0);
    kx_set_phase(180.0);
    kx_stop_programming();
    kx_set_num_points(77);
    const auto &b = velkora_sim::board();
    EXPECT_EQ(b.shape_memory.at(0), 0.25f);
    EXPECT_EQ(b.amplitude, 0.75f);
    EXPECT_EQ(b.banks.at(KX_BANK_PHASE_51), (std::vector<double>{90.0, 180.0}));
    EXPECT_FALSE(b.open_bank);
    EXPECT_EQ(b.num_points, 77);
}

TEST_F(BoardLibrary, ReportsTheVersionTheEnvironmentSets)
{
    setenv("VELKORA_SIM_VERSION", "", 1);
    kx_init();
    EXPECT_STREQ(kx_get_version(), "");
    unsetenv("VELKORA_SIM_VERSION");
    kx_init();
    EXPECT_STREQ(kx_get_version(), "velkora-sim 1.0");
}

}  // namespace
