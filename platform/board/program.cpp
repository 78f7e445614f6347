#include "program.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace velkora_sim {

namespace {

std::string at(std::int32_t address) { return "address " + std::to_string(address); }

// Written out by hand where C runtimes disagree on the text.
std::string number(double value)
{
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0.0 ? "-Inf" : "Inf";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

bool compile_program(const std::vector<Instruction> &program, std::int32_t first_address,
                     Schedule &schedule, std::string &why)
{
    // Addresses wrap like the board's counter when a program starts high.
    const auto address_of = [first_address](std::size_t index) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(first_address) +
                                         static_cast<std::uint32_t>(index));
    };
    std::vector<Segment> segments;
    std::optional<Segment> open_loop;
    bool ended = false;

    for (std::size_t i = 0; i < program.size() && !ended; ++i) {
        const Instruction &instruction = program[i];
        const std::int32_t address = address_of(i);
        const double duration = instruction.duration_ns;
        if (!(duration >= 0.0) || !std::isfinite(duration)) {
            why = "the instruction at " + at(address) + " lasts " + number(duration) + " ns";
            return false;
        }
        const std::int64_t acquisition = acquires(instruction) ? 1 : 0;
        switch (flow_code(instruction)) {
        case FLOW_CONTINUE:
        case FLOW_END:
            if (open_loop) {
                if (flow_code(instruction) == FLOW_END) {
                    why = "the program ends at " + at(address) + " inside the loop opened at " +
                          at(address_of(open_loop->first));
                    return false;
                }
                open_loop->pass_ns += duration;
                open_loop->acquisitions_per_pass += acquisition;
            } else {
                segments.push_back(Segment{i, i, false, 1, duration, acquisition});
            }
            ended = flow_code(instruction) == FLOW_END;
            break;
        case FLOW_LOOP:
            if (open_loop) {
                why = "the loop opened at " + at(address) + " lies inside the loop opened at " +
                      at(address_of(open_loop->first)) + "; loops do not nest";
                return false;
            }
            if (flow_data(instruction) < 1) {
                why = "the loop opened at " + at(address) + " has " +
                      std::to_string(flow_data(instruction)) + " passes";
                return false;
            }
            open_loop = Segment{i, i, true, flow_data(instruction), duration, acquisition};
            break;
        case FLOW_END_LOOP: {
            if (!open_loop) {
                why = "the loop closed at " + at(address) + " was never opened";
                return false;
            }
            const std::int32_t target = flow_data(instruction);
            const std::uint32_t target_index =
                static_cast<std::uint32_t>(target) - static_cast<std::uint32_t>(first_address);
            if (target_index >= program.size()) {
                why = "the loop closed at " + at(address) + " goes back to " + at(target) +
                      ", outside the program";
                return false;
            }
            if (target_index != open_loop->first) {
                why = "the loop closed at " + at(address) + " goes back to " + at(target) +
                      ", not to its opening at " + at(address_of(open_loop->first));
                return false;
            }
            open_loop->last = i;
            open_loop->pass_ns += duration;
            open_loop->acquisitions_per_pass += acquisition;
            segments.push_back(*open_loop);
            open_loop.reset();
            break;
        }
        default:
            why = "the instruction at " + at(address) + " has the unknown flow code " +
                  std::to_string(flow_code(instruction));
            return false;
        }
    }
    if (!ended) {
        why = "no instruction ends the program";
        return false;
    }

    schedule.segments = segments;
    schedule.total_ns = 0.0;
    for (const Segment &segment : segments) {
        schedule.total_ns += static_cast<double>(segment.passes) * segment.pass_ns;
    }
    return true;
}

std::vector<std::int64_t> completed_passes(const Schedule &schedule, double elapsed_ns)
{
    std::vector<std::int64_t> passes;
    double start = 0.0;
    for (const Segment &segment : schedule.segments) {
        const double end = start + static_cast<double>(segment.passes) * segment.pass_ns;
        std::int64_t done = 0;
        if (elapsed_ns >= end) {
            done = segment.passes;
        } else if (elapsed_ns >= start && segment.pass_ns > 0.0) {
            // Still inside the segment: at most its last pass is under way,
            // whatever the rounding of the division.
            const double whole = std::floor((elapsed_ns - start) / segment.pass_ns);
            done = whole < static_cast<double>(segment.passes)
                       ? static_cast<std::int64_t>(whole)
                       : segment.passes - 1;
        }
        passes.push_back(done);
        start = end;
    }
    return passes;
}

}  // namespace velkora_sim
