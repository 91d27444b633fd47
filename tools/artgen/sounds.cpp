// The click of a button and the chime at the end of a book, and the starter books' own
// sounds, synthesised.
#include <algorithm>
#include <cmath>

#include "platform/sound_file.h"
#include "tools/artgen/artgen.h"
#include "tools/artgen/detmath.h"
#include "tools/artgen/encode.h"
#include "tools/artgen/starter.h"

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

// A bird's call: short rising whistles, each gliding from `from_hz` to `to_hz` under a
// rounded swell, at the given start times.
std::vector<double> whistles(const std::vector<double>& starts, double from_hz, double to_hz, double each_s,
                             double length_s) {
    std::vector<double> out(static_cast<size_t>(length_s * SAMPLE_RATE), 0.0);
    const size_t n = static_cast<size_t>(each_s * SAMPLE_RATE);
    for (double start : starts) {
        double phase = 0;
        for (size_t i = 0, at = static_cast<size_t>(start * SAMPLE_RATE); i < n && at + i < out.size(); ++i) {
            const double t = static_cast<double>(i) / static_cast<double>(n);
            phase += 2 * PI * (from_hz + (to_hz - from_hz) * t) / SAMPLE_RATE;
            if (phase > PI) phase -= 2 * PI;
            out[at + i] += 0.35 * Sin(PI * t) * Sin(phase);
        }
    }
    return out;
}

std::vector<uint8_t> encoded(const std::vector<double>& samples, plat_SoundFormat format) {
    std::vector<int16_t> pcm(samples.size());
    std::transform(samples.begin(), samples.end(), pcm.begin(), [](double x) {
        return static_cast<int16_t>(std::floor(std::clamp(x, -1.0, 1.0) * 32767 + 0.5));
    });
    return plat_EncodeSound(pcm, 1, SAMPLE_RATE, format);
}

// A lullaby's first bars: soft notes with a quieter octave, each ringing into the next.
std::vector<double> lullaby() {
    const double C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99, A5 = 880.0;
    const double tune[] = {G5, E5, G5, E5, G5, A5, G5, E5, D5, E5, C5, 0};
    std::vector<Partial> notes;
    for (size_t i = 0; i < std::size(tune); ++i)
        if (tune[i] > 0) {
            const double at = 0.45 * static_cast<double>(i);
            notes.push_back({tune[i], 0.22, 0.5, at});
            notes.push_back({2 * tune[i], 0.05, 0.25, at});
        }
    return ring(notes, 0.45 * static_cast<double>(std::size(tune)), 0.02, 0.3);
}
}  // namespace

std::vector<File> Sounds() {
    // Two calls of three whistles, then a rest, so that the call loops as a meadow's birdsong.
    const std::vector<double> calls = {0.1, 0.22, 0.34, 1.0, 1.12, 1.24};
    return {{"vtaci_spev.wav", encoded(whistles(calls, 2800, 4200, 0.09, 2.4), PLAT_SOUND_WAV16)},
            {"uspavanka.ogg", encoded(lullaby(), PLAT_SOUND_OGG)}};
}

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
