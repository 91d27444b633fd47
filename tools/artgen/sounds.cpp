// The click of a button and the chime at the end of a book, synthesised.
#include <cmath>

#include "tools/artgen/artgen.h"
#include "tools/artgen/detmath.h"
#include "tools/artgen/encode.h"

namespace artgen {

namespace {
struct Partial {
    double hz, amplitude, decay_s, start_s;
};

// A sum of decaying sine partials with a short rise against clicks at their starts, and a
// fade over the last `fade_s` seconds so that the sound ends in silence.
std::vector<double> ring(const std::vector<Partial>& partials, double length_s, double rise_s, double fade_s) {
    const size_t n = static_cast<size_t>(length_s * SAMPLE_RATE);
    std::vector<double> out(n, 0.0);
    for (const Partial& p : partials) {
        const size_t first = static_cast<size_t>(p.start_s * SAMPLE_RATE);
        // The sine by rotation and the decay by a constant factor: one product a sample each.
        const double step = 2 * PI * p.hz / SAMPLE_RATE, c = Cos(step), s = Sin(step);
        const double fall = Exp(-1.0 / (p.decay_s * SAMPLE_RATE));
        double re = 1, im = 0, level = p.amplitude;
        for (size_t i = first; i < n; ++i) {
            const double t = static_cast<double>(i - first) / SAMPLE_RATE;
            const double rise = t < rise_s ? t / rise_s : 1;
            out[i] += level * rise * im;
            const double next_re = re * c - im * s;
            im = re * s + im * c;
            re = next_re;
            level *= fall;
        }
    }
    const size_t fade = static_cast<size_t>(fade_s * SAMPLE_RATE);
    for (size_t i = 0; i < fade && i < n; ++i) out[n - 1 - i] *= static_cast<double>(i) / fade;
    return out;
}
}  // namespace

std::vector<uint8_t> ClickSound() {
    // A soft wooden tick: a short high partial over a rounder low one.
    return EncodeWav(ring({{1850, 0.32, 0.0045, 0}, {620, 0.3, 0.009, 0}, {3100, 0.08, 0.002, 0}}, 0.06, 0.0006, 0.01));
}

std::vector<uint8_t> ChimeSound() {
    // Two bell strokes a fourth apart (G5, then C6), each with a soft octave and a bell-like
    // partial above it.
    const double g = 783.99, c6 = 1046.5;
    return EncodeWav(ring({{g, 0.3, 0.22, 0},
                           {2 * g, 0.1, 0.12, 0},
                           {2.76 * g, 0.05, 0.06, 0},
                           {c6, 0.34, 0.3, 0.14},
                           {2 * c6, 0.11, 0.16, 0.14},
                           {2.76 * c6, 0.05, 0.08, 0.14}},
                          0.75, 0.003, 0.12));
}

}  // namespace artgen
