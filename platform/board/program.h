// The pulse program as the board runs it: checked once at kx_start and cut
// into segments, so that where a run stands after any time is worked out in
// a few steps, however many scans it has done.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velkora_sim {

struct Instruction {
    std::array<std::int32_t, 12> args{};  // arguments 1 to 12; 11 is the flow code
    double duration_ns = 0.0;
};

// What the board makes of an instruction's arguments.
enum FlowCode { FLOW_CONTINUE = 0, FLOW_END = 1, FLOW_LOOP = 2, FLOW_END_LOOP = 3 };
inline std::int32_t flow_code(const Instruction &i) { return i.args[10]; }
inline std::int32_t flow_data(const Instruction &i) { return i.args[11]; }
// Argument 5 gates the transmitter; argument 8 shapes the pulse with the
// shape memory; argument 10 set to 2 opens the receiver. The receiver is
// blanked while the transmitter is on.
inline bool transmits(const Instruction &i) { return i.args[4] != 0; }
inline bool shaped(const Instruction &i) { return i.args[7] != 0; }
inline bool acquires(const Instruction &i) { return !transmits(i) && i.args[9] == 2; }

// A loop, run passes times, or one instruction outside any loop (passes 1).
struct Segment {
    std::size_t first = 0;  // indices into the program
    std::size_t last = 0;
    bool loop = false;
    std::int64_t passes = 1;
    double pass_ns = 0.0;
    std::int64_t acquisitions_per_pass = 0;
};

struct Schedule {
    std::vector<Segment> segments;  // in running order, up to the end instruction
    double total_ns = 0.0;
};

// Checks the program whose first instruction has first_address. Returns
// false with the reason in why when the board cannot run it.
bool compile_program(const std::vector<Instruction> &program, std::int32_t first_address,
                     Schedule &schedule, std::string &why);

// Passes of each segment completed elapsed_ns after the start.
std::vector<std::int64_t> completed_passes(const Schedule &schedule, double elapsed_ns);

}  // namespace velkora_sim
