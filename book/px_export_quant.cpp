#include "book/px_export_quant.h"

#include <algorithm>

#include "platform/surface_copy.h"

namespace {

struct Colour {
    int c[3];  // red, green, blue
    uint32_t n;
};

// A run of the colours: the palette gets one entry for each.
struct Box {
    size_t begin, end;
    double error;  // the squared distances from the box's mean, weighted by the counts
    int axis;      // the channel of the widest spread
};

Box measure(const std::vector<Colour>& cs, size_t begin, size_t end) {
    double sum[3] = {}, sq[3] = {}, n = 0;
    for (size_t i = begin; i < end; ++i) {
        const double w = cs[i].n;
        n += w;
        for (int k = 0; k < 3; ++k) {
            sum[k] += w * cs[i].c[k];
            sq[k] += w * cs[i].c[k] * cs[i].c[k];
        }
    }
    Box b{begin, end, 0.0, 0};
    double widest = -1;
    for (int k = 0; k < 3; ++k) {
        const double spread = sq[k] - sum[k] * sum[k] / n;
        b.error += spread;
        if (spread > widest) {
            widest = spread;
            b.axis = k;
        }
    }
    return b;
}

uint32_t mean(const std::vector<Colour>& cs, const Box& b) {
    double sum[3] = {}, n = 0;
    for (size_t i = b.begin; i < b.end; ++i) {
        n += cs[i].n;
        for (int k = 0; k < 3; ++k) sum[k] += static_cast<double>(cs[i].n) * cs[i].c[k];
    }
    uint32_t rgb = 0;
    for (int k = 0; k < 3; ++k) rgb = rgb << 8 | static_cast<uint32_t>(sum[k] / n + 0.5);
    return rgb;
}

// Halves the box at the weighted median of its widest channel.
std::pair<Box, Box> cut(std::vector<Colour>& cs, const Box& b) {
    const auto first = cs.begin() + static_cast<std::ptrdiff_t>(b.begin);
    const auto last = cs.begin() + static_cast<std::ptrdiff_t>(b.end);
    std::sort(first, last, [&](const Colour& x, const Colour& y) { return x.c[b.axis] < y.c[b.axis]; });
    double total = 0, seen = 0;
    for (size_t i = b.begin; i < b.end; ++i) total += cs[i].n;
    size_t m = b.begin + 1;
    for (size_t i = b.begin; i + 1 < b.end; ++i) {
        seen += cs[i].n;
        m = i + 1;
        if (seen * 2 >= total) break;
    }
    return {measure(cs, b.begin, m), measure(cs, m, b.end)};
}

std::vector<uint32_t> median_cut(std::vector<Colour>& cs, int entries) {
    std::vector<Box> boxes{measure(cs, 0, cs.size())};
    while (static_cast<int>(boxes.size()) < entries) {
        auto worst = std::max_element(boxes.begin(), boxes.end(),
                                      [](const Box& x, const Box& y) { return x.error < y.error; });
        if (worst->end - worst->begin < 2) break;  // every box holds one colour
        const auto [low, high] = cut(cs, *worst);
        *worst = low;
        boxes.push_back(high);
    }
    std::vector<uint32_t> rgb;
    for (const Box& b : boxes) rgb.push_back(mean(cs, b));
    return rgb;
}

int distance(uint32_t a, uint32_t b) {
    int d = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int x = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        d += x * x;
    }
    return d;
}

}  // namespace

uint32_t PX_Rgb(uint16_t c) {
    uint8_t bgr[3];
    plat_PixelsToBgr(&c, 1, bgr);
    return static_cast<uint32_t>(bgr[2]) << 16 | bgr[1] << 8 | bgr[0];
}

PX_Palette::PX_Palette(const std::vector<uint32_t>& counts, int max_entries)
    : index_(PX_RGB565_COLOURS, -1) {
    max_entries = std::clamp(max_entries, 1, 256);
    std::vector<Colour> cs;
    for (size_t v = 0; v < counts.size() && v < PX_RGB565_COLOURS; ++v) {
        if (counts[v] == 0) continue;
        const uint32_t rgb = PX_Rgb(static_cast<uint16_t>(v));
        cs.push_back({{int(rgb >> 16), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)}, counts[v]});
    }
    exact_ = static_cast<int>(cs.size()) <= max_entries;
    if (cs.empty()) {
        rgb_.push_back(0);
    } else if (exact_) {
        for (size_t v = 0; v < counts.size() && v < PX_RGB565_COLOURS; ++v) {
            if (counts[v] == 0) continue;
            index_[v] = static_cast<int16_t>(rgb_.size());
            rgb_.push_back(PX_Rgb(static_cast<uint16_t>(v)));
        }
    } else {
        rgb_ = median_cut(cs, max_entries);
    }
}

int16_t PX_Palette::Look_up(uint16_t c) {
    const uint32_t rgb = PX_Rgb(c);
    int best = 0;
    for (int e = 1; e < Size(); ++e)
        if (distance(rgb_[static_cast<size_t>(e)], rgb) < distance(rgb_[static_cast<size_t>(best)], rgb)) best = e;
    return index_[c] = static_cast<int16_t>(best);
}
