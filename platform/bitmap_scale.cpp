// Scaling a picture while it is loaded: area averaging along an axis that shrinks, bilinear
// along one that grows, one axis after the other. Pictures brought in as RGBA only shrink.
#include <algorithm>
#include <cmath>

#include "platform/gdi_internal.h"
#include "platform/picture_internal.h"

namespace {

struct Tap {
    int index;
    float weight;
};
using Taps = std::vector<std::vector<Tap>>;

// For each of d output positions, the input positions (of s) and their weights.
Taps taps_for(int s, int d) {
    Taps taps(static_cast<size_t>(d));
    const double scale = static_cast<double>(s) / d;
    for (int i = 0; i < d; ++i) {
        std::vector<Tap>& t = taps[static_cast<size_t>(i)];
        if (d > s) {
            const double pos = (i + 0.5) * scale - 0.5;
            const int j = static_cast<int>(std::floor(pos));
            const float f = static_cast<float>(pos - j);
            t.push_back({std::clamp(j, 0, s - 1), 1.0f - f});
            t.push_back({std::clamp(j + 1, 0, s - 1), f});
        } else {
            const double a = i * scale, b = (i + 1) * scale;
            for (int j = static_cast<int>(a); j < s && j < b; ++j) {
                const double overlap = std::min<double>(b, j + 1) - std::max<double>(a, j);
                if (overlap > 1e-9) t.push_back({j, static_cast<float>(overlap / scale)});
            }
        }
    }
    return taps;
}

uint32_t pack(const float* rgb) {
    auto c = [](float v) { return static_cast<uint32_t>(std::clamp(v + 0.5f, 0.0f, 255.0f)); };
    return c(rgb[0]) << 16 | c(rgb[1]) << 8 | c(rgb[2]);
}

}  // namespace

std::vector<uint32_t> plat_ScaleXrgb(const std::vector<uint32_t>& src, int sw, int sh, int dw, int dh) {
    const Taps tx = taps_for(sw, dw), ty = taps_for(sh, dh);
    const size_t rowLen = static_cast<size_t>(dw) * 3;

    // Source rows scaled across, made when first needed and dropped once every later output
    // row starts below them, so only a band of them is held.
    std::vector<std::vector<float>> across(static_cast<size_t>(sh));
    auto row_across = [&](int y) -> const std::vector<float>& {
        std::vector<float>& r = across[static_cast<size_t>(y)];
        if (!r.empty()) return r;
        r.assign(rowLen, 0.0f);
        const uint32_t* in = src.data() + static_cast<size_t>(y) * sw;
        for (int x = 0; x < dw; ++x)
            for (const Tap& t : tx[static_cast<size_t>(x)]) {
                const uint32_t c = in[t.index];
                r[3 * x] += t.weight * static_cast<float>((c >> 16) & 0xFF);
                r[3 * x + 1] += t.weight * static_cast<float>((c >> 8) & 0xFF);
                r[3 * x + 2] += t.weight * static_cast<float>(c & 0xFF);
            }
        return r;
    };

    std::vector<uint32_t> out(static_cast<size_t>(dw) * dh);
    std::vector<float> acc(rowLen);
    int dropped = 0;
    for (int y = 0; y < dh; ++y) {
        const std::vector<Tap>& vt = ty[static_cast<size_t>(y)];
        for (; dropped < vt.front().index; ++dropped) std::vector<float>().swap(across[static_cast<size_t>(dropped)]);
        std::fill(acc.begin(), acc.end(), 0.0f);
        for (const Tap& t : vt) {
            const std::vector<float>& r = row_across(t.index);
            for (size_t i = 0; i < rowLen; ++i) acc[i] += t.weight * r[i];
        }
        for (int x = 0; x < dw; ++x) out[static_cast<size_t>(y) * dw + x] = pack(&acc[3 * static_cast<size_t>(x)]);
    }
    return out;
}

std::vector<uint8_t> plat_ScaleRgbaRows(int sw, int sh, int dw, int dh,
                                        const std::function<const uint8_t*(int)>& source) {
    std::vector<uint8_t> out(static_cast<size_t>(dw) * static_cast<size_t>(dh) * 4);
    const size_t n = static_cast<size_t>(sw) * 4;
    if (dw == sw && dh == sh) {
        for (int y = 0; y < sh; ++y)
            if (const uint8_t* in = source(y)) std::copy_n(in, n, out.begin() + static_cast<ptrdiff_t>(y * n));
        return out;
    }
    const Taps tx = taps_for(sw, dw), ty = taps_for(sh, dh);
    // One output row at a time: the source rows it takes summed whole (colours times alpha),
    // then across.
    std::vector<float> row(n);
    for (int y = 0; y < dh; ++y) {
        std::fill(row.begin(), row.end(), 0.0f);
        for (const Tap& t : ty[static_cast<size_t>(y)]) {
            const uint8_t* in = source(t.index);
            float* r = row.data();
            for (int x = 0; in && x < sw; ++x, in += 4, r += 4) {
                const float a = in[3] * t.weight;
                r[0] += in[0] * a;
                r[1] += in[1] * a;
                r[2] += in[2] * a;
                r[3] += a;
            }
        }
        uint8_t* o = out.data() + static_cast<size_t>(y) * static_cast<size_t>(dw) * 4;
        for (int x = 0; x < dw; ++x, o += 4) {
            float c[4] = {0, 0, 0, 0};
            for (const Tap& t : tx[static_cast<size_t>(x)])
                for (int k = 0; k < 4; ++k) c[k] += row[static_cast<size_t>(t.index) * 4 + k] * t.weight;
            for (int k = 0; k < 3; ++k)
                o[k] = static_cast<uint8_t>(c[3] > 0 ? std::clamp(c[k] / c[3] + 0.5f, 0.0f, 255.0f) : 0);
            o[3] = static_cast<uint8_t>(std::clamp(c[3] + 0.5f, 0.0f, 255.0f));
        }
    }
    return out;
}
