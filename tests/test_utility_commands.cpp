// HaltBoard, BoardState, FetchSamples and DriverTrace, loaded as MATLAB
// loads them, against the simulated board.
#include <cmath>
#include <limits>

#include "support/command_session.h"

namespace {

using Lines = std::vector<std::string>;

class UtilityCommandTest : public CommandSession {};

// Both outputs present, each a real int32 array of the given size.
void expect_int32_outputs(const mexhost::CallResult &result, std::size_t rows)
{
    for (const auto &output : result.outputs) {
        ASSERT_NE(output, nullptr);
        EXPECT_EQ(output->class_id, mexhost::INT32_CLASS);
        EXPECT_EQ(mxGetM(output.get()), rows);
        EXPECT_EQ(mxGetN(output.get()), 1u);
        EXPECT_FALSE(output->complex);
    }
}

TEST_F(UtilityCommandTest, HaltBoardStopsTheBoardWhateverItIsGiven)
{
    auto input = mexhost::text("ignored");
    for (int round = 0; round < 2; ++round) {
        clear_journal();
        const auto result = mexhost::call(command(HALT_BOARD_MODULE), 2, {input.get()});
        EXPECT_FALSE(result.error);
        EXPECT_EQ(result.printed, "");
        EXPECT_EQ(result.outputs[0], nullptr);
        EXPECT_EQ(result.outputs[1], nullptr);
        EXPECT_EQ(journal(), (Lines{"kx_init -> 0", "kx_stop -> 0", "kx_close -> 0"}));
    }
}

TEST_F(UtilityCommandTest, BoardStateReturnsStatusAndScanCountBitForBit)
{
    setenv("VELKORA_SIM_STATUS", "0x80000004", 1);
    setenv("VELKORA_SIM_SCAN_COUNT", "123456", 1);
    auto ignored = mexhost::scalar(7);
    for (const std::vector<const mxArray *> &inputs :
         {std::vector<const mxArray *>{}, std::vector<const mxArray *>{ignored.get()}}) {
        clear_journal();
        const auto result = mexhost::call(command(BOARD_STATE_MODULE), 2, inputs);
        ASSERT_FALSE(result.error);
        ASSERT_NO_FATAL_FAILURE(expect_int32_outputs(result, 1));
        EXPECT_EQ(mexhost::int32_values(result.outputs[0].get()), std::vector<int32_t>{-2147483644});
        EXPECT_EQ(mexhost::int32_values(result.outputs[1].get()), std::vector<int32_t>{123456});
        EXPECT_EQ(result.printed, "");
        EXPECT_EQ(journal(), (Lines{"kx_init -> 0", "kx_read_status -> -2147483644",
                                    "kx_scan_count 0 -> 123456", "kx_close -> 0"}));
    }
}

TEST_F(UtilityCommandTest, FetchSamplesHandsTheOutputsStorageToTheDriver)
{
    setenv("VELKORA_SIM_DATA", "pattern", 1);
    const auto result = mexhost::call(command(FETCH_SAMPLES_MODULE), 2, {});
    ASSERT_FALSE(result.error);
    ASSERT_NO_FATAL_FAILURE(expect_int32_outputs(result, 16384));
    EXPECT_EQ(velkora_sim::board().last_first_buffer, mexhost::real_data(result.outputs[0].get()));
    EXPECT_EQ(velkora_sim::board().last_second_buffer, mexhost::real_data(result.outputs[1].get()));

    const auto first = mexhost::int32_values(result.outputs[0].get());
    const auto second = mexhost::int32_values(result.outputs[1].get());
    EXPECT_EQ(first[0], -8192);
    EXPECT_EQ(first[8192], 0);
    EXPECT_EQ(first[16383], 8191);
    EXPECT_EQ(second[0], -2147483647 - 1);
    EXPECT_EQ(second[16383], -2147467265);
    EXPECT_EQ(journal(), (Lines{"kx_init -> 0", "kx_get_data 16384 -> 0", "kx_close -> 0"}));
}

TEST_F(UtilityCommandTest, SingleOutputCallsFillOnlyTheSlotProvided)
{
    setenv("VELKORA_SIM_STATUS", "4", 1);
    setenv("VELKORA_SIM_DATA", "pattern", 1);
    const std::size_t arrays_before = mexhost::live_arrays();
    {
        const auto state = mexhost::call(command(BOARD_STATE_MODULE), 1, {});
        EXPECT_FALSE(state.wrote_past_outputs);
        ASSERT_EQ(state.outputs.size(), 1u);
        EXPECT_EQ(mexhost::int32_values(state.outputs[0].get()), std::vector<int32_t>{4});

        // nargout 0 (plain "FetchSamples"): MATLAB still provides one slot.
        const auto samples = mexhost::call(command(FETCH_SAMPLES_MODULE), 0, {});
        EXPECT_FALSE(samples.wrote_past_outputs);
        ASSERT_EQ(samples.outputs.size(), 1u);
        EXPECT_EQ(mexhost::int32_values(samples.outputs[0].get()).at(1), -8191);
        EXPECT_EQ(mexhost::live_arrays(), arrays_before + 2);
    }
    EXPECT_EQ(mexhost::live_arrays(), arrays_before);
}

TEST_F(UtilityCommandTest, DriverTraceConfirmsAndPassesTheMode)
{
    struct Case {
        double value;
        const char *printed;
        const char *call;
    } cases[] = {
        {1.0, "Debug mode enabled \n", "kx_set_debug 1 -> 0"},
        {0.0, "Debug mode disabled \n", "kx_set_debug 0 -> 0"},
        {-0.0, "Debug mode disabled \n", "kx_set_debug 0 -> 0"},
    };
    for (const Case &c : cases) {
        clear_journal();
        auto mode = mexhost::scalar(c.value);
        const auto result = mexhost::call(command(DRIVER_TRACE_MODULE), 0, {mode.get()});
        EXPECT_FALSE(result.error);
        EXPECT_EQ(result.printed, c.printed);
        EXPECT_EQ(journal(), (Lines{"kx_init -> 0", c.call, "kx_close -> 0"}));
    }
}

TEST_F(UtilityCommandTest, DriverTraceRefusesAnythingButZeroOrOneBeforeTheDriver)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (double value : {0.5, 1.5, 2.0, -1.0, inf, -inf, std::nan(""), std::nextafter(1.0, 2.0),
                         std::nextafter(1.0, 0.0)}) {
        auto mode = mexhost::scalar(value);
        const auto result = mexhost::call(command(DRIVER_TRACE_MODULE), 0, {mode.get()});
        EXPECT_EQ(result.error.value_or("none"),
                  "Input must be a 1 to enable debug mode or 0 to disable debug mode")
            << value;
        EXPECT_EQ(result.printed, "");
    }
    const auto without_input = mexhost::call(command(DRIVER_TRACE_MODULE), 0, {});
    EXPECT_EQ(without_input.error.value_or("none"), "DriverTrace needs 1 input");
    EXPECT_TRUE(journal().empty());
}

TEST_F(UtilityCommandTest, DebugModeEchoesEveryDriverCallOnStandardError)
{
    auto on = mexhost::scalar(1);
    auto off = mexhost::scalar(0);
    mexhost::call(command(DRIVER_TRACE_MODULE), 0, {on.get()});
    ::testing::internal::CaptureStderr();
    mexhost::call(command(HALT_BOARD_MODULE), 0, {});
    mexhost::call(command(DRIVER_TRACE_MODULE), 0, {off.get()});
    mexhost::call(command(HALT_BOARD_MODULE), 0, {});
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "kx_init -> 0\nkx_stop -> 0\nkx_close -> 0\nkx_init -> 0\n");
}

}  // namespace
