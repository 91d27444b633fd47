#include "book/px_export_quant.h"

#include <algorithm>

#include "platform/pixel.h"

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
    if (end - begin < 2) b.error = 0;  // nothing to cut, whatever the rounding says
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

// Cuts the box across its widest channel where the two halves lose least: the weighted
// squared spread along that channel, summed over both sides, is smallest.
std::pair<Box, Box> cut(std::vector<Colour>& cs, const Box& b) {
    const auto first = cs.begin() + static_cast<std::ptrdiff_t>(b.begin);
    const auto last = cs.begin() + static_cast<std::ptrdiff_t>(b.end);
    const int k = b.axis;
    std::sort(first, last, [k](const Colour& x, const Colour& y) { return x.c[k] < y.c[k]; });
    double n = 0, sum = 0, sq = 0;
    for (size_t i = b.begin; i < b.end; ++i) {
        n += cs[i].n;
        sum += static_cast<double>(cs[i].n) * cs[i].c[k];
        sq += static_cast<double>(cs[i].n) * cs[i].c[k] * cs[i].c[k];
    }
    double ln = 0, lsum = 0, lsq = 0, best = -1;
    size_t m = b.begin + 1;
    for (size_t i = b.begin; i + 1 < b.end; ++i) {
        ln += cs[i].n;
        lsum += static_cast<double>(cs[i].n) * cs[i].c[k];
        lsq += static_cast<double>(cs[i].n) * cs[i].c[k] * cs[i].c[k];
        if (cs[i].c[k] == cs[i + 1].c[k]) continue;  // equal values stay on one side
        const double rn = n - ln, rsum = sum - lsum;
        const double loss = (lsq - lsum * lsum / ln) + (sq - lsq - rsum * rsum / rn);
        if (best < 0 || loss < best) {
            best = loss;
            m = i + 1;
        }
    }
    return {measure(cs, b.begin, m), measure(cs, m, b.end)};
}

int distance(uint32_t a, uint32_t b) {
    int d = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int x = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        d += x * x;
    }
    return d;
}

int nearest(const std::vector<uint32_t>& rgb, uint32_t c) {
    int best = 0;
    for (size_t e = 1; e < rgb.size(); ++e)
        if (distance(rgb[e], c) < distance(rgb[static_cast<size_t>(best)], c)) best = static_cast<int>(e);
    return best;
}

std::vector<uint32_t> median_cut(std::vector<Colour>& cs, int entries) {
    std::vector<Box> boxes{measure(cs, 0, cs.size())};
    while (static_cast<int>(boxes.size()) < entries) {
        auto worst =
            std::max_element(boxes.begin(), boxes.end(), [](const Box& x, const Box& y) { return x.error < y.error; });
        if (worst->end - worst->begin < 2) break;  // every box holds one colour
        const auto [low, high] = cut(cs, *worst);
        *worst = low;
        boxes.push_back(high);
    }
    std::vector<uint32_t> rgb;
    for (const Box& b : boxes) rgb.push_back(mean(cs, b));
    return rgb;
}

}  // namespace

uint32_t PX_Rgb(uint16_t c) {
    const COLORREF v = plat_From565(c);
    return static_cast<uint32_t>(GetRValue(v)) << 16 | GetGValue(v) << 8 | GetBValue(v);
}

PX_Palette::PX_Palette(const std::vector<uint32_t>& counts, int max_entries) : index_(PX_RGB565_COLOURS, -1) {
    max_entries = std::clamp(max_entries, 1, 256);
    std::vector<Colour> cs;
    for (size_t v = 0; v < counts.size() && v < PX_RGB565_COLOURS; ++v) {
        if (counts[v] == 0) continue;
        const uint32_t rgb = PX_Rgb(static_cast<uint16_t>(v));
        cs.push_back({{int(rgb >> 16), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)}, counts[v]});
    }
    if (cs.empty()) {
        rgb_.push_back(0);
    } else if (static_cast<int>(cs.size()) <= max_entries) {
        for (size_t v = 0; v < counts.size() && v < PX_RGB565_COLOURS; ++v) {
            if (counts[v] == 0) continue;
            index_[v] = static_cast<int16_t>(rgb_.size());
            rgb_.push_back(PX_Rgb(static_cast<uint16_t>(v)));
        }
    } else {
        rgb_ = median_cut(cs, max_entries);
    }
}

int16_t PX_Palette::look_up(uint16_t c) { return index_[c] = static_cast<int16_t>(nearest(rgb_, PX_Rgb(c))); }
