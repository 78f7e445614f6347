// A whole measurement on the simulated board, through the command modules
// as MATLAB loads them: ExciteAcquire starts it, BoardState follows it,
// HaltBoard stops it, FetchSamples reads the free induction decay. The
// board's clock is set by the test, never read from the wall.
#include <cmath>
#include <complex>
#include <fstream>
#include <utility>

#include "support/command_session.h"
#include "support/experiment_inputs.h"

namespace {

const double SIGNAL = 100000.0;  // the library's default signal of one 90° scan

class SimulatedBoardTest : public CommandSession {
protected:
    void SetUp() override
    {
        CommandSession::SetUp();
        at_time(0.0);
    }

    static void at_time(double seconds) { velkora_sim::controls().clock_seconds = seconds; }

    // A sample on resonance that does not decay and a receiver without
    // noise: every sample of a window is the first one.
    static void still_sample()
    {
        setenv("VELKORA_SIM_RESONANCE_MHZ", "21.3", 1);
        setenv("VELKORA_SIM_T2_MS", "inf", 1);
        setenv("VELKORA_SIM_NOISE", "0", 1);
    }

    static ExperimentInputs experiment()
    {
        ExperimentInputs inputs;
        inputs.SF = 21.3;
        inputs.pulse_time = 10;  // 90° at amplitude 1
        inputs.trans_time = 0.065;
        inputs.tx_phase = 0;
        inputs.amplitude = 1;
        return inputs;
    }

    // 64 points at 64 kHz make a 1 ms window, and 10 + 20 us + 1 ms +
    // 8.97 ms a scan of exactly 10 ms, after a 1 us lead-in.
    static ExperimentInputs ten_millisecond_scans(double scans)
    {
        ExperimentInputs inputs = experiment();
        inputs.num_points = 64;
        inputs.adc_freq = 64;
        inputs.SW = 64;
        inputs.trans_time = 20;
        inputs.repetition_delay = 0.00897;
        inputs.num_scans = scans;
        return inputs;
    }

    void excite(const ExperimentInputs &inputs)
    {
        auto arrays = inputs.arrays();
        const auto result = mexhost::call(command(EXCITE_ACQUIRE_MODULE), 0, pointers(arrays));
        ASSERT_FALSE(result.error);
    }

    std::pair<int32_t, int32_t> board_state()
    {
        const auto result = mexhost::call(command(BOARD_STATE_MODULE), 2, {});
        return {mexhost::int32_values(result.outputs[0].get()).at(0),
                mexhost::int32_values(result.outputs[1].get()).at(0)};
    }

    std::pair<std::vector<int32_t>, std::vector<int32_t>> fetch()
    {
        const auto result = mexhost::call(command(FETCH_SAMPLES_MODULE), 2, {});
        return {mexhost::int32_values(result.outputs[0].get()),
                mexhost::int32_values(result.outputs[1].get())};
    }

    void halt() { mexhost::call(command(HALT_BOARD_MODULE), 0, {}); }
};

TEST_F(SimulatedBoardTest, NutationFollowsTheSineOfTheFlipAngle)
{
    still_sample();
    // A 10 us hard pulse at amplitude 1 turns by 90°: 5 us steps sweep two
    // whole periods in 45° steps.
    const double s45 = 70710.678118654752;  // 100000 sin 45°
    const double expected[] = {s45,     SIGNAL, s45,  0.0, -s45, -SIGNAL, -s45, 0.0,
                               s45,     SIGNAL, s45,  0.0, -s45, -SIGNAL, -s45, 0.0};
    for (int step = 1; step <= 16; ++step) {
        ExperimentInputs inputs = experiment();
        inputs.pulse_time = 5.0 * step;
        inputs.num_scans = 1;
        excite(inputs);
        at_time(1.0);
        const auto [first, second] = fetch();
        EXPECT_EQ(first[0], std::lround(expected[step - 1])) << inputs.pulse_time << " us";
        EXPECT_EQ(first[1023], first[0]) << inputs.pulse_time << " us";
        EXPECT_EQ(second[0], 0) << inputs.pulse_time << " us";
        at_time(0.0);
    }
}

TEST_F(SimulatedBoardTest, FlipAngleScalesWithAmplitudeAndTheShapeArea)
{
    still_sample();
    // The mean of the loaded sinc table, summed from the independent copy.
    std::ifstream table(TEST_DATA_DIR "/sinc_table.txt");
    double sum = 0.0;
    for (std::string line; std::getline(table, line);) {
        sum += std::strtod(line.c_str(), nullptr);
    }
    const double area = sum / 1024.0;
    ASSERT_NEAR(area, 0.1777, 0.001);  // 2 Si(3 pi) / (6 pi)

    const double pi = std::acos(-1.0);
    struct Case {
        double pulse_us;
        double amplitude;
        const char *shape;
        double expected;
    } cases[] = {
        {20, 0.5, "hard", SIGNAL},
        {10, 0.25, "hard", SIGNAL * std::sin(pi / 8)},
        {40, 0.5, "Hard", 0.0},
        {56, 1, "sinc", SIGNAL * std::sin(pi / 2 * 5.6 * area)},
        {200, 0.5, "Sinc", SIGNAL * std::sin(pi / 2 * 10 * area)},
    };
    for (const Case &c : cases) {
        ExperimentInputs inputs = experiment();
        inputs.pulse_time = c.pulse_us;
        inputs.amplitude = c.amplitude;
        inputs.shape = c.shape;
        inputs.num_scans = 1;
        excite(inputs);
        at_time(1.0);
        EXPECT_NEAR(fetch().first[0], c.expected, 1.0) << c.pulse_us << " us " << c.shape;
        at_time(0.0);
    }
}

TEST_F(SimulatedBoardTest, SignalPhaseFollowsTheTransmitPhase)
{
    still_sample();
    struct Case {
        double tx_phase;
        int32_t first, second;
    } cases[] = {
        {0, 100000, 0}, {90, 0, 100000}, {180, -100000, 0}, {270, 0, -100000}, {-90, 0, -100000},
    };
    for (const Case &c : cases) {
        ExperimentInputs inputs = experiment();
        inputs.tx_phase = c.tx_phase;
        inputs.num_scans = 1;
        excite(inputs);
        at_time(1.0);
        const auto [first, second] = fetch();
        EXPECT_EQ(first[0], c.first) << c.tx_phase;
        EXPECT_EQ(second[0], c.second) << c.tx_phase;
        at_time(0.0);
    }
}

// |DFT| of first + i second over n points; the bin of its largest value.
std::size_t spectral_peak(const std::vector<int32_t> &first, const std::vector<int32_t> &second,
                          std::size_t n)
{
    const double pi = std::acos(-1.0);
    std::vector<std::complex<double>> turns(n);
    for (std::size_t k = 0; k < n; ++k) {
        turns[k] = std::polar(1.0, -2.0 * pi * double(k) / double(n));
    }
    std::size_t peak = 0;
    double highest = -1.0;
    for (std::size_t bin = 0; bin < n; ++bin) {
        std::complex<double> sum = 0.0;
        for (std::size_t k = 0; k < n; ++k) {
            sum += std::complex<double>(first[k], second[k]) * turns[bin * k % n];
        }
        if (std::abs(sum) > highest) {
            highest = std::abs(sum);
            peak = bin;
        }
    }
    return peak;
}

TEST_F(SimulatedBoardTest, SpectrumPeaksAtTheResonanceOffsetFromTheTransmitFrequency)
{
    // 64 MHz / 1000 = 64 kHz over 1024 points: bins of 62.5 Hz. The default
    // sample (T2 20 ms) and noise stay on.
    struct Case {
        const char *resonance_mhz;
        std::size_t bin;
    } cases[] = {
        {"21.305", 80},       // +5 kHz
        {"21.295", 1024 - 80},  // -5 kHz: the upper half holds negative offsets
        {"21.3125", 200},     // +12.5 kHz
    };
    for (const Case &c : cases) {
        setenv("VELKORA_SIM_RESONANCE_MHZ", c.resonance_mhz, 1);
        ExperimentInputs inputs = experiment();
        inputs.adc_freq = 64;
        inputs.SW = 64;
        inputs.num_scans = 2;
        excite(inputs);
        at_time(1.0);
        const auto [first, second] = fetch();
        EXPECT_EQ(spectral_peak(first, second, 1024), c.bin) << c.resonance_mhz;
        at_time(0.0);
    }
}

TEST_F(SimulatedBoardTest, ReceiverSumsTheScansAndSaturates)
{
    still_sample();
    struct Case {
        const char *signal;
        double scans, tx_phase;
        int32_t first;
    } cases[] = {
        {"100000", 1, 0, 100000},
        {"100000", 3, 0, 300000},
        {"100000", 7, 180, -700000},
        {"1e9", 2, 0, 2000000000},
        {"1e9", 3, 0, INT32_MAX},
        {"1e9", 3, 180, INT32_MIN},
    };
    for (const Case &c : cases) {
        setenv("VELKORA_SIM_SIGNAL", c.signal, 1);
        ExperimentInputs inputs = experiment();
        inputs.num_points = 100;
        inputs.num_scans = c.scans;
        inputs.tx_phase = c.tx_phase;
        excite(inputs);
        at_time(1000.0);
        const auto [first, second] = fetch();
        EXPECT_EQ(first[0], c.first) << c.signal << " x " << c.scans;
        EXPECT_EQ(first[99], c.first) << c.signal << " x " << c.scans;
        // Nothing beyond the points of the experiment.
        for (std::size_t k = 100; k < first.size(); ++k) {
            ASSERT_EQ(first[k], 0) << k;
            ASSERT_EQ(second[k], 0) << k;
        }
        at_time(0.0);
    }
}

struct Spread {
    double mean, deviation, within_one;  // within_one: share inside +-1 deviation
};

Spread spread_of(const std::vector<int32_t> &first, const std::vector<int32_t> &second,
                 double expected_deviation)
{
    double sum = 0.0, squares = 0.0, within = 0.0;
    for (const auto *channel : {&first, &second}) {
        for (int32_t value : *channel) {
            sum += value;
            squares += double(value) * value;
            within += std::abs(value) < expected_deviation ? 1.0 : 0.0;
        }
    }
    const double n = 2.0 * first.size();
    return {sum / n, std::sqrt(squares / n - (sum / n) * (sum / n)), within / n};
}

TEST_F(SimulatedBoardTest, NoiseGrowsAsTheSquareRootOfTheScans)
{
    setenv("VELKORA_SIM_SIGNAL", "0", 1);
    setenv("VELKORA_SIM_NOISE", "100", 1);
    setenv("VELKORA_SIM_SEED", "42", 1);
    for (double scans : {1.0, 4.0, 100.0, 1000000.0}) {
        ExperimentInputs inputs = experiment();
        inputs.num_points = 16384;
        inputs.repetition_delay = 0;
        inputs.num_scans = scans;
        excite(inputs);
        at_time(1e9);
        const auto data = fetch();
        const double expected = 100.0 * std::sqrt(scans);
        const Spread s = spread_of(data.first, data.second, expected);
        // Over 32768 values: the deviation is good to about 0.4 %, the mean
        // to 0.006 deviations, the share within one deviation to 0.003.
        EXPECT_NEAR(s.deviation, expected, 0.02 * expected) << scans;
        EXPECT_NEAR(s.mean, 0.0, 0.03 * expected) << scans;
        EXPECT_NEAR(s.within_one, 0.6827, 0.015) << scans;

        // The sum is what it is, however late and often it is read.
        at_time(2e9);
        EXPECT_EQ(fetch(), data) << scans;
        at_time(0.0);
    }
}

TEST_F(SimulatedBoardTest, SeedMakesTheNoiseRepeatable)
{
    setenv("VELKORA_SIM_SEED", "7", 1);
    ExperimentInputs inputs = experiment();
    excite(inputs);
    at_time(10.0);
    const auto first_run = fetch();
    excite(inputs);
    at_time(20.0);
    EXPECT_EQ(fetch(), first_run);

    setenv("VELKORA_SIM_SEED", "8", 1);
    excite(inputs);
    at_time(30.0);
    const auto other_seed = fetch();
    EXPECT_NE(other_seed.first, first_run.first);
    // Only the noise differs: both hold the same decay.
    EXPECT_NEAR(other_seed.first[0], first_run.first[0], 10 * 1000 * 2);
}

TEST_F(SimulatedBoardTest, ScanCountGrowsWithTimeAndStopsAtTheLastScan)
{
    struct Moment {
        double seconds;  // simulated time after the start
        int32_t status, scans;
    } moments[] = {
        {0.0, 4, 0},        {0.005, 4, 0},   {0.0150, 4, 1}, {0.0351, 4, 3},
        {0.040002, 4, 4},   // the four scans are done; the closing instructions are not
        {0.0401, 1, 4},     {100.0, 1, 4},
    };
    for (const char *speedup : {"1", "1000000"}) {
        setenv("VELKORA_SIM_SPEEDUP", speedup, 1);
        const double factor = std::strtod(speedup, nullptr);
        at_time(5.0);
        excite(ten_millisecond_scans(4));
        for (const Moment &m : moments) {
            at_time(5.0 + m.seconds / factor);
            EXPECT_EQ(board_state(), std::make_pair(m.status, m.scans))
                << m.seconds << " s at speed-up " << speedup;
        }
    }
}

TEST_F(SimulatedBoardTest, AMillionScansFinishAtOnceAtFullSpeed)
{
    setenv("VELKORA_SIM_SPEEDUP", "1e9", 1);
    excite(ten_millisecond_scans(1000000));
    // 10^6 scans of 10 ms are 10^4 s: 10 us at this speed.
    // After 9005 s: 1 us of lead-in and 900499.9999 scans.
    at_time(9.005e-6);
    EXPECT_EQ(board_state(), std::make_pair(4, 900499));
    at_time(10.1e-6);
    EXPECT_EQ(board_state(), std::make_pair(1, 1000000));
}

TEST_F(SimulatedBoardTest, HaltBoardFreezesCountAndData)
{
    still_sample();
    excite(ten_millisecond_scans(8));
    at_time(0.025);
    EXPECT_EQ(board_state(), std::make_pair(4, 2));
    halt();
    at_time(10.0);
    EXPECT_EQ(board_state(), std::make_pair(1, 2));
    EXPECT_EQ(fetch().first[0], 200000);

    // The next experiment starts from nothing.
    at_time(20.0);
    excite(ten_millisecond_scans(8));
    EXPECT_EQ(board_state(), std::make_pair(4, 0));
    EXPECT_EQ(fetch().first[0], 0);
}

TEST_F(SimulatedBoardTest, EnvironmentStillForcesStatusCountAndData)
{
    excite(ten_millisecond_scans(8));
    at_time(0.025);
    setenv("VELKORA_SIM_STATUS", "0x80000004", 1);
    setenv("VELKORA_SIM_SCAN_COUNT", "-1", 1);
    setenv("VELKORA_SIM_DATA", "pattern", 1);
    EXPECT_EQ(board_state(), std::make_pair(-2147483644, -1));
    EXPECT_EQ(fetch().first[0], -8192);
}

TEST_F(SimulatedBoardTest, AnExperimentTheBoardCannotTimeDoesNotStart)
{
    auto on = mexhost::scalar(1);
    mexhost::call(command(DRIVER_TRACE_MODULE), 0, {on.get()});
    ExperimentInputs inputs = experiment();
    inputs.repetition_delay = -2;
    ::testing::internal::CaptureStderr();
    excite(inputs);
    const std::string trace = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(trace.find("kx_start -> -1\n"
                         "kx_start: program not started: the instruction at address 4 lasts "
                         "-2e+09 ns\n"),
              std::string::npos)
        << trace;
    at_time(100.0);
    EXPECT_EQ(board_state(), std::make_pair(2, 0));
}

}  // namespace
