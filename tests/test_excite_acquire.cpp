// ExciteAcquire end to end: the module loaded as MATLAB loads it, driving
// the simulated board, checked against values worked out by hand (and the
// hexadecimal forms by a separate Python computation).
#include <cmath>
#include <fstream>
#include <limits>

#include "support/command_session.h"
#include "support/experiment_inputs.h"

namespace {

const char *const DDS_PREFIX = "kx_dds_load ";

std::string expected_dds_line()
{
    std::ifstream table(TEST_DATA_DIR "/sinc_table.txt");
    std::string line = "kx_dds_load";
    for (std::string sample; std::getline(table, sample);) {
        line += " " + sample;
    }
    return line + " 626688 -> 0";
}

class ExciteAcquireTest : public CommandSession {
protected:
    mexhost::CallResult run(const ExperimentInputs &inputs, int nlhs = 0)
    {
        auto arrays = inputs.arrays();
        return mexhost::call(command(EXCITE_ACQUIRE_MODULE), nlhs, pointers(arrays));
    }
};

TEST_F(ExciteAcquireTest, HardPulseSendsEveryValueToTheLastBit)
{
    setenv("VELKORA_SIM_VERSION", "7.3.1 test", 1);
    const auto result = run(ExperimentInputs{});
    ASSERT_FALSE(result.error);

    const std::vector<std::string> expected = {
        "kx_init -> 0",
        "kx_get_version -> 7.3.1 test",
        "kx_set_defaults -> 0",
        "kx_core_clock 0x1.2cp+6 -> 0",
        "kx_overflow 1 0 -> 0",
        "kx_scan_count 1 -> 0",
        expected_dds_line(),
        "kx_set_amp 0x1p-1 0 -> 0",
        "kx_start_programming 1 -> 0",
        "kx_set_freq 0x1.54ccccccccccdp+4 -> 0",
        "kx_stop_programming -> 0",
        "kx_start_programming 51 -> 0",
        "kx_set_phase 0x0p+0 -> 0",
        "kx_set_phase 0x1.68p+6 -> 0",
        "kx_set_phase 0x1.68p+7 -> 0",
        "kx_set_phase 0x1.0ep+8 -> 0",
        "kx_stop_programming -> 0",
        "kx_start_programming 50 -> 0",
        "kx_set_phase 0x0p+0 -> 0",
        "kx_set_phase 0x1.68p+6 -> 0",
        "kx_set_phase 0x1.68p+7 -> 0",
        "kx_set_phase 0x1.0ep+8 -> 0",
        "kx_stop_programming -> 0",
        "kx_start_programming 2 -> 0",
        "kx_set_phase 0x1.68p+6 -> 0",
        "kx_stop_programming -> 0",
        // 75 MHz / 0.05 MHz: the receiver decimates by 1500.
        "kx_setup_filters 0x1.999999999999ap-5 4 256 -> 1500",
        "kx_set_num_points 1024 -> 0",
        "kx_start_programming 0 -> 0",
        "kx_inst_vorn_shape 0 1 0 0 0 1 0 0 0 0 0 0 0x1.f4p+9 -> 0",
        "kx_inst_vorn_shape 0 1 0 0 1 0 0 0 0 1 2 4 0x1.388p+13 -> 1",
        "kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 0 0 0x1.388p+14 -> 2",
        // 1024 points at 50 kHz: 20.48 ms.
        "kx_inst_vorn_shape 0 1 0 0 0 0 1 0 0 2 0 0 0x1.388p+24 -> 3",
        // 0.005159 s x 1000 x 1000000 is one ulp above 0.005159 x 1e9 (0x1.3ae16p+22).
        "kx_inst_vorn_shape 0 1 0 0 0 1 1 0 0 0 3 1 0x1.3ae1600000001p+22 -> 4",
        "kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 0 0 0x1.f4p+9 -> 5",
        "kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 1 0 0x1.f4p+9 -> 6",
        "kx_stop_programming -> 0",
        "kx_start -> 0",
        "kx_close -> 0",
    };
    EXPECT_EQ(journal(), expected);
}

TEST_F(ExciteAcquireTest, SincPulseAtTheLimitsFollowsTheReturnedLoopAddress)
{
    setenv("VELKORA_SIM_FIRST_ADDRESS", "40", 1);
    ExperimentInputs inputs;
    inputs.num_points = 16384;
    inputs.SF = 100.5;
    inputs.SW = 200;
    inputs.pulse_time = 0.065;
    inputs.trans_time = 0.065;
    inputs.repetition_delay = 0;
    inputs.num_scans = 1;
    inputs.tx_phase = -45.5;
    inputs.bypass_fir = -7;
    inputs.adc_freq = 80;
    inputs.amplitude = 1.0000000001;  // single precision: exactly 1
    inputs.shape = "Sinc";
    const auto result = run(inputs);
    ASSERT_FALSE(result.error);

    const auto lines = journal();
    ASSERT_EQ(lines.size(), 39u);
    EXPECT_EQ(lines[3], "kx_core_clock 0x1.4p+6 -> 0");
    EXPECT_EQ(lines[7], "kx_set_amp 0x1p+0 0 -> 0");
    EXPECT_EQ(lines[9], "kx_set_freq 0x1.92p+6 -> 0");
    EXPECT_EQ(lines[24], "kx_set_phase -0x1.6cp+5 -> 0");
    EXPECT_EQ(lines[26], "kx_setup_filters 0x1.999999999999ap-3 1 256 -> 400");
    EXPECT_EQ(lines[27], "kx_set_num_points 16384 -> 0");
    const std::vector<std::string> program(lines.begin() + 29, lines.begin() + 36);
    const std::vector<std::string> expected_program = {
        "kx_inst_vorn_shape 0 1 0 0 0 1 0 0 0 0 0 0 0x1.f4p+9 -> 40",
        "kx_inst_vorn_shape 0 1 0 0 1 0 0 1 0 1 2 1 0x1.04p+6 -> 41",
        "kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 0 0 0x1.04p+6 -> 42",
        // 16384 points at 200 kHz: 81.92 ms.
        "kx_inst_vorn_shape 0 1 0 0 0 0 1 0 0 2 0 0 0x1.388p+26 -> 43",
        "kx_inst_vorn_shape 0 1 0 0 0 1 1 0 0 0 3 41 0x0p+0 -> 44",
        "kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 0 0 0x1.f4p+9 -> 45",
        "kx_inst_vorn_shape 0 1 0 0 0 0 0 0 0 0 1 0 0x1.f4p+9 -> 46",
    };
    EXPECT_EQ(program, expected_program);
    EXPECT_EQ(result.printed.substr(result.printed.find("bypass")), "bypass fir= -7\n"
              "adc_freq=   80.000000 MHz\n"
              "amplitude value=   1.000000\n"
              "Using velkora library version velkora-sim 1.0\n"
              "Actual SW used is 200.000000 kHz (desired was 200.000000 kHz)\n"
              "Acquisition time is 81.920000 ms\n"
              "\n\n");
}

TEST_F(ExciteAcquireTest, PrintsTheReportByteForByte)
{
    const auto result = run(ExperimentInputs{});
    EXPECT_EQ(result.printed,
              "num_points  1024\n"
              "SF=         21.300000 MHz\n"
              "SW=         50.000000 kHz\n"
              "pulse_time= 10.000000 us\n"
              "trans_time= 20.000000 us\n"
              "repetition_delay = 0.005159 s\n"
              "num_scans=  4\n"
              "tx phase=   90.000000 degrees\n"
              "bypass fir= 0\n"
              "adc_freq=   75.000000 MHz\n"
              "amplitude value=   0.500000\n"
              "Using velkora library version velkora-sim 1.0\n"
              "Actual SW used is 50.000000 kHz (desired was 50.000000 kHz)\n"
              "Acquisition time is 20.480000 ms\n"
              "\n\n");
}

TEST_F(ExciteAcquireTest, HardAndSincDifferOnlyInTheShapeArgumentOfThePulse)
{
    std::vector<std::vector<std::string>> journals;
    for (const char *shape : {"Hard", "hard", "Sinc", "sinc"}) {
        clear_journal();
        ExperimentInputs inputs;
        inputs.shape = shape;
        ASSERT_FALSE(run(inputs).error) << shape;
        journals.push_back(journal());
    }
    EXPECT_EQ(journals[0], journals[1]);
    EXPECT_EQ(journals[2], journals[3]);
    auto sinc = journals[0];
    sinc[30] = "kx_inst_vorn_shape 0 1 0 0 1 0 0 1 0 1 2 4 0x1.388p+13 -> 1";
    EXPECT_EQ(journals[2], sinc);
}

TEST_F(ExciteAcquireTest, BypassFirChangesNothingSentToTheBoard)
{
    ExperimentInputs inputs;
    inputs.bypass_fir = 1;
    run(inputs);
    const auto with_one = journal();
    clear_journal();
    inputs.bypass_fir = 0;
    run(inputs);
    EXPECT_EQ(journal(), with_one);
}

struct ShapeCase {
    const char *label;
    mexhost::Array (*make)();
};

TEST_F(ExciteAcquireTest, RefusesOtherShapesBeforeTouchingTheBoard)
{
    const ShapeCase refused[] = {
        {"HARD", [] { return mexhost::text("HARD"); }},
        {"SINC", [] { return mexhost::text("SINC"); }},
        {"trailing blank", [] { return mexhost::text("hard "); }},
        {"prefix", [] { return mexhost::text("har"); }},
        {"longer", [] { return mexhost::text("hardx"); }},
        {"empty text", [] { return mexhost::text(""); }},
        {"number", [] { return mexhost::scalar(1); }},
        {"two-row char", [] { return mexhost::char_matrix(2, 2, "hrad"); }},
        {"cell", [] { return mexhost::cell(1, 1); }},
    };
    for (const ShapeCase &shape : refused) {
        clear_journal();
        ExperimentInputs inputs;
        inputs.num_points = 0;  // also a bad parameter: the shape error wins
        auto arrays = inputs.arrays();
        arrays[11] = shape.make();
        const auto result = mexhost::call(command(EXCITE_ACQUIRE_MODULE), 0, pointers(arrays));
        EXPECT_EQ(result.error.value_or("none"),
                  "Shape must be specified as being 'hard' or 'sinc'")
            << shape.label;
        EXPECT_EQ(result.printed, "") << shape.label;
        EXPECT_TRUE(journal().empty()) << shape.label;
        EXPECT_EQ(mexhost::live_allocations(), 0u) << shape.label;
    }
}

TEST_F(ExciteAcquireTest, RefusesAShapeTooLargeToCountBeforeAllocating)
{
    // 65536 x 32768 characters: one more than fits a 32-bit length.
    ExperimentInputs inputs;
    auto arrays = inputs.arrays();
    arrays[11] = mexhost::unbacked(mexhost::CHAR_CLASS, 65536, 32768);
    const auto result = mexhost::call(command(EXCITE_ACQUIRE_MODULE), 0, pointers(arrays));
    EXPECT_EQ(result.error.value_or("none"), "Shape must be specified as being 'hard' or 'sinc'");
    EXPECT_TRUE(journal().empty());
}

TEST_F(ExciteAcquireTest, RefusesFewerThanTwelveInputs)
{
    ExperimentInputs inputs;
    auto arrays = inputs.arrays();
    for (std::size_t count : {0u, 1u, 11u}) {
        std::vector<const mxArray *> some = pointers(arrays);
        some.resize(count);
        const auto result = mexhost::call(command(EXCITE_ACQUIRE_MODULE), 0, some);
        EXPECT_EQ(result.error.value_or("none"), "ExciteAcquire needs 12 inputs") << count;
    }
    EXPECT_TRUE(journal().empty());
}

TEST_F(ExciteAcquireTest, IgnoresExtraInputsAndCreatesNoOutputs)
{
    run(ExperimentInputs{});
    const auto twelve = journal();
    clear_journal();

    auto arrays = ExperimentInputs{}.arrays();
    arrays.push_back(mexhost::text("extra"));
    arrays.push_back(mexhost::scalar(99));
    const auto result = mexhost::call(command(EXCITE_ACQUIRE_MODULE), 3, pointers(arrays));
    EXPECT_EQ(journal(), twelve);
    for (const auto &output : result.outputs) {
        EXPECT_EQ(output, nullptr);
    }
    EXPECT_FALSE(result.wrote_past_outputs);
    EXPECT_EQ(mexhost::live_allocations(), 0u);
}

struct CheckCase {
    const char *label;
    void (*change)(ExperimentInputs &);
    const char *message;  // null: accepted
};

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double INF = std::numeric_limits<double>::infinity();

const char POINTS[] = "Error: Maximum number of points is 16384\n";
const char SCANS[] = "Error: there must be at least one scan\n";
const char PULSE[] = "Error: pulse time is too small to work with board\n";
const char TRANSIENT[] = "Error: transient time is too small to work with board\n";
const char AMPLITUDE[] = "Error: amplitude value out of range\n";

TEST_F(ExciteAcquireTest, ChecksParametersAgainstTheBoardLimits)
{
    const CheckCase cases[] = {
        {"1 point", [](ExperimentInputs &p) { p.num_points = 1; }, nullptr},
        {"16384 points", [](ExperimentInputs &p) { p.num_points = 16384; }, nullptr},
        {"16384.7 points", [](ExperimentInputs &p) { p.num_points = 16384.7; }, nullptr},
        {"0 points", [](ExperimentInputs &p) { p.num_points = 0; }, POINTS},
        {"-5 points", [](ExperimentInputs &p) { p.num_points = -5; }, POINTS},
        {"16385 points", [](ExperimentInputs &p) { p.num_points = 16385; }, POINTS},
        {"0.9 points", [](ExperimentInputs &p) { p.num_points = 0.9; }, POINTS},
        {"NaN points", [](ExperimentInputs &p) { p.num_points = NaN; }, POINTS},
        {"Inf points", [](ExperimentInputs &p) { p.num_points = INF; }, POINTS},
        {"1 scan", [](ExperimentInputs &p) { p.num_scans = 1; }, nullptr},
        {"1.9 scans", [](ExperimentInputs &p) { p.num_scans = 1.9; }, nullptr},
        {"0 scans", [](ExperimentInputs &p) { p.num_scans = 0; }, SCANS},
        {"-1 scans", [](ExperimentInputs &p) { p.num_scans = -1; }, SCANS},
        {"0.5 scans", [](ExperimentInputs &p) { p.num_scans = 0.5; }, SCANS},
        {"2^31 scans", [](ExperimentInputs &p) { p.num_scans = 2147483648.0; }, SCANS},
        {"pulse 0.065", [](ExperimentInputs &p) { p.pulse_time = 0.065; }, nullptr},
        {"pulse below 0.065", [](ExperimentInputs &p) { p.pulse_time = std::nextafter(0.065, 0.0); },
         PULSE},
        {"pulse NaN", [](ExperimentInputs &p) { p.pulse_time = NaN; }, PULSE},
        {"pulse -Inf", [](ExperimentInputs &p) { p.pulse_time = -INF; }, PULSE},
        {"pulse +Inf", [](ExperimentInputs &p) { p.pulse_time = INF; }, nullptr},
        {"transient 0.065", [](ExperimentInputs &p) { p.trans_time = 0.065; }, nullptr},
        {"transient below 0.065",
         [](ExperimentInputs &p) { p.trans_time = std::nextafter(0.065, 0.0); }, TRANSIENT},
        {"transient NaN", [](ExperimentInputs &p) { p.trans_time = NaN; }, TRANSIENT},
        {"transient +Inf", [](ExperimentInputs &p) { p.trans_time = INF; }, nullptr},
        {"amplitude 0", [](ExperimentInputs &p) { p.amplitude = 0; }, nullptr},
        {"amplitude -0", [](ExperimentInputs &p) { p.amplitude = -0.0; }, nullptr},
        {"amplitude 1", [](ExperimentInputs &p) { p.amplitude = 1; }, nullptr},
        // 1 + 2^-25 and the tie 1 + 2^-24 round to 1.0f; 1 + 2^-23 is the next float.
        {"amplitude 1+2^-25", [](ExperimentInputs &p) { p.amplitude = 1.0 + 0x1p-25; }, nullptr},
        {"amplitude 1+2^-24", [](ExperimentInputs &p) { p.amplitude = 1.0 + 0x1p-24; }, nullptr},
        {"amplitude 1+2^-23", [](ExperimentInputs &p) { p.amplitude = 1.0 + 0x1p-23; }, AMPLITUDE},
        {"amplitude -1e-50 (single: -0)", [](ExperimentInputs &p) { p.amplitude = -1e-50; }, nullptr},
        {"amplitude -1e-6", [](ExperimentInputs &p) { p.amplitude = -1e-6; }, AMPLITUDE},
        {"amplitude 1e39", [](ExperimentInputs &p) { p.amplitude = 1e39; }, AMPLITUDE},
        {"amplitude NaN", [](ExperimentInputs &p) { p.amplitude = NaN; }, AMPLITUDE},
        {"unchecked values", [](ExperimentInputs &p) {
             p.SF = -1; p.tx_phase = NaN; p.adc_freq = 1e6; p.repetition_delay = -2; },
         nullptr},
    };
    for (const CheckCase &check : cases) {
        clear_journal();
        ExperimentInputs inputs;
        check.change(inputs);
        const auto result = run(inputs);
        EXPECT_FALSE(result.error) << check.label;
        if (check.message != nullptr) {
            EXPECT_EQ(result.printed, check.message) << check.label;
            EXPECT_EQ(calls(), (std::vector<std::string>{"kx_init", "kx_close"})) << check.label;
        } else {
            EXPECT_EQ(result.printed.rfind("num_points ", 0), 0u) << check.label;
            EXPECT_EQ(calls().at(calls().size() - 2), "kx_start") << check.label;
        }
    }
}

TEST_F(ExciteAcquireTest, ReportsOnlyTheFirstFailingCheck)
{
    ExperimentInputs inputs;
    inputs.amplitude = 2;
    inputs.trans_time = 0;
    EXPECT_EQ(run(inputs).printed, TRANSIENT);
    inputs.pulse_time = 0;
    EXPECT_EQ(run(inputs).printed, PULSE);
    inputs.num_scans = 0;
    EXPECT_EQ(run(inputs).printed, SCANS);
    inputs.num_points = 0;
    EXPECT_EQ(run(inputs).printed, POINTS);
}

TEST_F(ExciteAcquireTest, DerivesSpectralWidthAndAcquisitionFromTheDecimation)
{
    struct Case {
        const char *decimation;
        const char *lines;
        const char *acquisition;
    } cases[] = {
        {"1000",
         "Actual SW used is 10.000000 kHz (desired was 10.000000 kHz)\n"
         "Acquisition time is 10.000000 ms\n",
         "kx_inst_vorn_shape 0 1 0 0 0 0 1 0 0 2 0 0 0x1.312dp+23 -> 3"},
        {"800",
         "Actual SW used is 12.500000 kHz (desired was 10.000000 kHz)\n"
         "Acquisition time is 8.000000 ms\n",
         "kx_inst_vorn_shape 0 1 0 0 0 0 1 0 0 2 0 0 0x1.e848p+22 -> 3"},
    };
    for (const Case &c : cases) {
        clear_journal();
        setenv("VELKORA_SIM_DECIMATION", c.decimation, 1);
        ExperimentInputs inputs;
        inputs.adc_freq = 10;
        inputs.SW = 10;
        inputs.num_points = 100;
        const auto result = run(inputs);
        EXPECT_NE(result.printed.find(c.lines), std::string::npos) << result.printed;
        EXPECT_EQ(journal().at(32), c.acquisition);
    }
}

TEST_F(ExciteAcquireTest, StopsBeforeTheProgramWhenTheReceiverGivesNoDecimation)
{
    for (const char *decimation : {"0", "-3"}) {
        clear_journal();
        setenv("VELKORA_SIM_DECIMATION", decimation, 1);
        const auto result = run(ExperimentInputs{});
        EXPECT_FALSE(result.error);
        const std::string tail = "Using velkora library version velkora-sim 1.0\n"
                                 "Error: receiver filter set-up failed\n";
        EXPECT_EQ(result.printed.substr(result.printed.size() - tail.size()), tail);
        const auto sequence = calls();
        EXPECT_EQ(sequence.at(sequence.size() - 2), "kx_setup_filters") << decimation;
        EXPECT_EQ(sequence.back(), "kx_close") << decimation;
    }
}

TEST_F(ExciteAcquireTest, PrintsANullVersionAsEmptyText)
{
    velkora_sim::controls().null_version = true;
    const auto result = run(ExperimentInputs{});
    EXPECT_NE(result.printed.find("\nUsing velkora library version \nActual SW"),
              std::string::npos);
}

}  // namespace
