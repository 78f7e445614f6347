// The driver library's entry points on the simulated board. Each call
// updates the board and leaves one line in the journal.
#include "../../driver/velkora.h"
#include "board.h"
#include "journal.h"
#include "receiver.h"
#include "run.h"
#include "settings.h"

using velkora_sim::Board;
using velkora_sim::JournalLine;
using velkora_sim::board;

namespace {

void journal(const JournalLine &line) { line.write(board().debug); }

bool journal_wanted() { return JournalLine::wanted(board().debug); }

int32_t done(const char *function)
{
    if (journal_wanted()) {
        journal(JournalLine(function).result(0));
    }
    return 0;
}

}  // namespace

extern "C" {

int32_t kx_init(void)
{
    Board &b = board();
    velkora_sim::read_environment();
    b.open = true;
    return done("kx_init");
}

int32_t kx_close(void)
{
    Board &b = board();
    b.open = false;
    return done("kx_close");
}

const char *kx_get_version(void)
{
    const char *version = velkora_sim::version_text();
    if (journal_wanted()) {
        journal(JournalLine("kx_get_version").result(version));
    }
    return version;
}

int32_t kx_set_defaults(void)
{
    board().defaults_set = true;
    velkora_sim::reset_run();
    return done("kx_set_defaults");
}

int32_t kx_core_clock(double clock_mhz)
{
    board().core_clock_mhz = clock_mhz;
    if (journal_wanted()) {
        journal(JournalLine("kx_core_clock").arg(clock_mhz).result(0));
    }
    return 0;
}

int32_t kx_overflow(int32_t reset, int32_t counts)
{
    board().overflow_reset = reset;
    if (journal_wanted()) {
        journal(JournalLine("kx_overflow").arg(reset).arg(counts).result(0));
    }
    return 0;
}

int32_t kx_scan_count(int32_t reset)
{
    Board &b = board();
    int32_t count = 0;
    if (reset != 0) {
        b.scan_count_reset = reset;
    } else {
        count = velkora_sim::completed_scans();
    }
    if (journal_wanted()) {
        journal(JournalLine("kx_scan_count").arg(reset).result(count));
    }
    return count;
}

int32_t kx_dds_load(const float *samples, int32_t memory)
{
    Board &b = board();
    b.shape_memory.assign(samples, samples + KX_SHAPE_SAMPLES);
    b.shape_selector = memory;
    if (journal_wanted()) {
        JournalLine line("kx_dds_load");
        for (float sample : b.shape_memory) {
            line.arg(static_cast<double>(sample));
        }
        journal(line.arg(memory).result(0));
    }
    return 0;
}

int32_t kx_set_amp(float amplitude, int32_t register_index)
{
    board().amplitude = amplitude;
    board().amplitude_register = register_index;
    if (journal_wanted()) {
        journal(JournalLine("kx_set_amp")
                    .arg(static_cast<double>(amplitude))
                    .arg(register_index)
                    .result(0));
    }
    return 0;
}

int32_t kx_start_programming(int32_t bank)
{
    Board &b = board();
    b.open_bank = bank;
    if (bank == KX_BANK_PULSE_PROGRAM) {
        b.program.clear();
        b.first_program_address = velkora_sim::first_instruction_address();
        b.next_address = b.first_program_address;
    } else {
        b.banks[bank].clear();
    }
    if (journal_wanted()) {
        journal(JournalLine("kx_start_programming").arg(bank).result(0));
    }
    return 0;
}

int32_t kx_stop_programming(void)
{
    board().open_bank.reset();
    return done("kx_stop_programming");
}

static int32_t write_bank_value(const char *function, double value)
{
    Board &b = board();
    if (b.open_bank && *b.open_bank != KX_BANK_PULSE_PROGRAM) {
        b.banks[*b.open_bank].push_back(value);
    }
    if (journal_wanted()) {
        journal(JournalLine(function).arg(value).result(0));
    }
    return 0;
}

int32_t kx_set_freq(double frequency_mhz) { return write_bank_value("kx_set_freq", frequency_mhz); }

int32_t kx_set_phase(double phase_degrees) { return write_bank_value("kx_set_phase", phase_degrees); }

int32_t kx_setup_filters(double spectral_width_mhz, int32_t num_scans, int32_t options)
{
    Board &b = board();
    b.filter_sw_mhz = spectral_width_mhz;
    b.filter_scans = num_scans;
    b.filter_options = options;
    b.decimation = velkora_sim::choose_decimation(spectral_width_mhz);
    if (journal_wanted()) {
        journal(JournalLine("kx_setup_filters")
                    .arg(spectral_width_mhz)
                    .arg(num_scans)
                    .arg(options)
                    .result(b.decimation));
    }
    return b.decimation;
}

int32_t kx_set_num_points(int32_t num_points)
{
    board().num_points = num_points;
    if (journal_wanted()) {
        journal(JournalLine("kx_set_num_points").arg(num_points).result(0));
    }
    return 0;
}

int32_t kx_inst_vorn_shape(int32_t a1, int32_t a2, int32_t a3, int32_t a4, int32_t a5, int32_t a6,
                           int32_t a7, int32_t a8, int32_t a9, int32_t a10, int32_t flow,
                           int32_t flow_data, double duration_ns)
{
    Board &b = board();
    velkora_sim::Instruction instruction;
    instruction.args = {a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, flow, flow_data};
    instruction.duration_ns = duration_ns;
    b.program.push_back(instruction);
    const int32_t address = b.next_address;
    // Wraps rather than overflows when a test starts the addresses high.
    b.next_address = static_cast<int32_t>(static_cast<uint32_t>(address) + 1u);
    if (journal_wanted()) {
        JournalLine line("kx_inst_vorn_shape");
        for (int32_t value : instruction.args) {
            line.arg(value);
        }
        journal(line.arg(duration_ns).result(address));
    }
    return address;
}

int32_t kx_start(void)
{
    const bool started = velkora_sim::start_run();
    const int32_t result = started ? 0 : -1;
    if (journal_wanted()) {
        journal(JournalLine("kx_start").result(result));
    }
    if (!started) {
        velkora_sim::debug_note(board().debug,
                                "kx_start: program not started: " + board().refused_because);
    }
    return result;
}

int32_t kx_stop(void)
{
    velkora_sim::stop_run();
    return done("kx_stop");
}

int32_t kx_read_status(void)
{
    const int32_t status = velkora_sim::status_word();
    if (journal_wanted()) {
        journal(JournalLine("kx_read_status").result(status));
    }
    return status;
}

int32_t kx_get_data(int32_t count, int32_t *first, int32_t *second)
{
    velkora_sim::acquired_data(count, first, second);
    board().last_first_buffer = first;
    board().last_second_buffer = second;
    if (journal_wanted()) {
        journal(JournalLine("kx_get_data").arg(count).result(0));
    }
    return 0;
}

int32_t kx_set_debug(int32_t on)
{
    board().debug = on != 0;
    if (journal_wanted()) {
        journal(JournalLine("kx_set_debug").arg(on).result(0));
    }
    return 0;
}

}  // extern "C"
