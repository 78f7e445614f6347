#include "free_induction.h"

#include <cmath>

namespace velkora_sim {

namespace {

const double PI = 3.14159265358979323846;

// Magnetisation in the frame turning at the transmit frequency, in units of
// its equilibrium value.
struct Magnetisation {
    double x = 0.0, y = 0.0, z = 1.0;
};

// Turns m by angle about the axis in the transverse plane at phase (the
// transmitter's B1 direction): Rodrigues' formula with n = (cos, sin, 0).
void rotate(Magnetisation &m, double angle, double phase)
{
    const double nx = std::cos(phase), ny = std::sin(phase);
    const double c = std::cos(angle), s = std::sin(angle);
    const double along = nx * m.x + ny * m.y;
    const Magnetisation r = {
        m.x * c + (ny * m.z) * s + nx * along * (1.0 - c),
        m.y * c - (nx * m.z) * s + ny * along * (1.0 - c),
        m.z * c + (nx * m.y - ny * m.x) * s,
    };
    m = r;
}

// One step of free precession: the transverse part turns at the offset
// (positive offset: anticlockwise, +x towards +y) and decays with T2.
struct Precession {
    double re = 1.0, im = 0.0;
};

Precession precession(const Run &run, double seconds)
{
    const double decay = std::exp(-seconds / (run.sample.t2_ms / 1000.0));
    const double turn = 2.0 * PI * run.offset_hz * seconds;
    return {decay * std::cos(turn), decay * std::sin(turn)};
}

void precess(Magnetisation &m, const Precession &p)
{
    const double x = m.x * p.re - m.y * p.im;
    const double y = m.x * p.im + m.y * p.re;
    m.x = x;
    m.y = y;
}

// One window: sample k at k / sample rate after the window opens. The
// receiver's reference lags the transmitter by 90°, so a 90° pulse of phase
// 0 reads as a positive first channel.
void add_window(const Run &run, Magnetisation m, double weight, std::size_t points, double *real,
                double *imag)
{
    const Precession step = precession(run, 1.0 / run.sample_rate_hz);
    const double scale = weight * run.sample.signal_counts;
    for (std::size_t k = 0; k < points; ++k) {
        real[k] += scale * -m.y;
        imag[k] += scale * m.x;
        precess(m, step);
    }
}

}  // namespace

double flip_angle(const Run &run, const Instruction &instruction)
{
    const double pulses_of_90 = instruction.duration_ns / (run.sample.b1_90_us * 1000.0);
    const double area = shaped(instruction) ? run.shape_area : 1.0;
    return (PI / 2.0) * run.amplitude * pulses_of_90 * area;
}

void add_noiseless_signal(const Run &run, const std::vector<std::int64_t> &passes,
                          std::size_t points, double *real, double *imag)
{
    if (!(run.sample_rate_hz > 0.0)) {
        return;
    }
    const double phase = run.tx_phase_degrees * (PI / 180.0);
    Magnetisation m;
    for (std::size_t s = 0; s < run.schedule.segments.size(); ++s) {
        const Segment &segment = run.schedule.segments[s];
        if (segment.loop) {
            m = Magnetisation{};  // each scan starts from full magnetisation
        }
        for (std::size_t i = segment.first; i <= segment.last; ++i) {
            const Instruction &instruction = run.program[i];
            if (transmits(instruction)) {
                // The pulse acts at its end: offset and decay during it are
                // left out.
                rotate(m, flip_angle(run, instruction), phase);
                continue;
            }
            if (acquires(instruction) && passes[s] > 0) {
                add_window(run, m, static_cast<double>(passes[s]), points, real, imag);
            }
            precess(m, precession(run, instruction.duration_ns * 1e-9));
        }
    }
}

}  // namespace velkora_sim
