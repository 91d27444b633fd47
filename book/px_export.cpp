#include "book/px_export.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "book/px_export_gif.h"
#include "book/px_export_player.h"
#include "book/px_export_quant.h"

namespace {
constexpr int SHORTEST_PERIOD = 10;  // the timer's own limit
}  // namespace

PX_Frames PX_Export_Frames(const PX_Timing& t) {
    const int period = std::max(t.period_ms, SHORTEST_PERIOD);
    // A timer slower than the frame rate gives one frame per tick, shown for its period.
    const double rate = std::min(static_cast<double>(std::max(t.fps, 1)), 1000.0 / period);
    const int n = std::max(1, static_cast<int>(std::lround(t.seconds * rate)));
    const auto centis = [&](int k) { return static_cast<int>(std::lround(k * 100.0 / rate)); };
    PX_Frames f;
    for (int k = 0; k < n; ++k) {
        f.ticks.push_back(static_cast<int>(std::floor(k * 1000.0 / rate / period + 1e-9)));
        f.delays_cs.push_back(centis(k + 1) - centis(k));
    }
    return f;
}

std::vector<uint8_t> PX_Export_Film(const PX_Film& film, const PX_Progress& progress) {
    const int n = static_cast<int>(film.delays_cs.size());
    std::vector<uint16_t> frame;
    std::vector<uint32_t> counts(PX_RGB565_COLOURS);
    for (int k = 0; k < n; ++k) {
        if (!film.play(k, &frame)) return {};
        for (const uint16_t c : frame) ++counts[c];
        if (progress) progress(k + 1, 2 * n);
    }
    // A palette that is not full keeps an index for the pixels a frame leaves as they were.
    const auto colours = std::count_if(counts.begin(), counts.end(), [](uint32_t c) { return c > 0; });
    PX_Palette palette(counts, colours <= 256 ? 256 : 255);
    std::vector<uint32_t> entries;
    for (int i = 0; i < palette.Size(); ++i) entries.push_back(palette.Rgb(i));

    PX_GifWriter gif(film.w, film.h, entries);
    std::vector<uint8_t> indices(static_cast<size_t>(film.w) * static_cast<size_t>(film.h));
    for (int k = 0; k < n; ++k) {
        if (!film.play(k, &frame) || frame.size() != indices.size()) return {};
        for (size_t i = 0; i < frame.size(); ++i) indices[i] = palette.Index(frame[i]);
        gif.Add(indices, film.delays_cs[static_cast<size_t>(k)]);
        if (progress) progress(n + k + 1, 2 * n);
    }
    return gif.Finish();
}

std::vector<uint8_t> PX_Export_Page(PX_Player& player, const char* page_path, const PX_Frames& frames,
                                    std::vector<std::string>* missing, const PX_Progress& progress) {
    // Each play starts from the page as loaded; the missing pictures are told once.
    const auto play = [&](int k, std::vector<uint16_t>* frame) {
        if (k == 0 && !player.Load(page_path, std::exchange(missing, nullptr))) return false;
        player.Frame(frames.ticks[static_cast<size_t>(k)], frame);
        return true;
    };
    return PX_Export_Film({player.Out_w(), player.Out_h(), frames.delays_cs, play}, progress);
}
