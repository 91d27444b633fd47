#include "tools/artgen/encode.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/bmp.h"
#include "platform/bytes.h"
#include "platform/ddraw.h"
#include "platform/pixel.h"

namespace artgen {

namespace {
void put_tag(std::vector<uint8_t>& v, const char* tag) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(tag[i]));
}

constexpr size_t COLOURS = 256;

struct Palette {
    std::vector<uint16_t> colours;              // at most COLOURS
    std::array<uint8_t, 65536> index_of = {};  // of every value that occurs
};

int distance(uint16_t a, uint16_t b) {
    uint8_t x[3], y[3];
    plat_PixelsToBgr(&a, 1, x);
    plat_PixelsToBgr(&b, 1, y);
    int d = 0;
    for (int i = 0; i < 3; ++i) d += (x[i] - y[i]) * (x[i] - y[i]);
    return d;
}

Palette choose_palette(IDirectDrawSurface* s, const std::vector<uint16_t>& keep) {
    std::vector<uint32_t> count(65536, 0);
    for (int y = 0; y < s->Height(); ++y)
        for (int x = 0; x < s->Width(); ++x) ++count[s->Row(y)[x]];
    std::vector<uint16_t> used;
    for (uint32_t v = 0; v < 65536; ++v)
        if (count[v]) used.push_back(static_cast<uint16_t>(v));
    std::stable_sort(used.begin(), used.end(), [&](uint16_t a, uint16_t b) { return count[a] > count[b]; });
    Palette p;
    for (uint16_t k : keep)
        if (count[k]) p.colours.push_back(k);
    for (uint16_t v : used)
        if (p.colours.size() < COLOURS && std::find(p.colours.begin(), p.colours.end(), v) == p.colours.end())
            p.colours.push_back(v);
    for (uint16_t v : used) {
        size_t best = 0;
        int best_d = -1;
        for (size_t i = 0; i < p.colours.size(); ++i) {
            const bool kept = std::find(keep.begin(), keep.end(), p.colours[i]) != keep.end();
            if (kept && p.colours[i] != v) continue;
            const int d = distance(v, p.colours[i]);
            if (best_d < 0 || d < best_d) best = i, best_d = d;
        }
        p.index_of[v] = static_cast<uint8_t>(best);
    }
    return p;
}

// One row in RLE8: runs of two or more as (count, index); stretches without runs in absolute
// mode (0, n, n indices, padded to a 16-bit boundary) when they are at least three long.
void encode_row(const std::vector<uint8_t>& row, std::vector<uint8_t>& out) {
    const size_t n = row.size();
    const auto run_at = [&](size_t i) {
        size_t r = 1;
        while (i + r < n && r < 255 && row[i + r] == row[i]) ++r;
        return r;
    };
    for (size_t i = 0; i < n;) {
        const size_t r = run_at(i);
        if (r >= 2) {
            out.push_back(static_cast<uint8_t>(r));
            out.push_back(row[i]);
            i += r;
            continue;
        }
        size_t lit = 1;
        while (i + lit < n && lit < 255 && run_at(i + lit) < 3) ++lit;
        if (lit < 3) {
            for (size_t k = 0; k < lit; ++k) out.insert(out.end(), {1, row[i + k]});
        } else {
            out.insert(out.end(), {0, static_cast<uint8_t>(lit)});
            out.insert(out.end(), row.begin() + static_cast<ptrdiff_t>(i), row.begin() + static_cast<ptrdiff_t>(i + lit));
            if (lit % 2) out.push_back(0);
        }
        i += lit;
    }
    out.insert(out.end(), {0, 0});  // end of the row
}
}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<double>& samples) {
    const uint32_t data = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> v;
    put_tag(v, "RIFF");
    plat_AppendLE(v, 36 + data, 4);
    put_tag(v, "WAVE");
    put_tag(v, "fmt ");
    plat_AppendLE(v, 16, 4);
    plat_AppendLE(v, 1, 2);  // PCM
    plat_AppendLE(v, 1, 2);  // mono
    plat_AppendLE(v, SAMPLE_RATE, 4);
    plat_AppendLE(v, SAMPLE_RATE * 2, 4);  // bytes a second
    plat_AppendLE(v, 2, 2);                // bytes a frame
    plat_AppendLE(v, 16, 2);
    put_tag(v, "data");
    plat_AppendLE(v, data, 4);
    for (double x : samples) {
        const double scaled = std::floor(std::clamp(x, -1.0, 1.0) * 32767 + 0.5);
        plat_AppendLE(v, static_cast<uint32_t>(static_cast<int32_t>(scaled)) & 0xFFFF, 2);
    }
    return v;
}

std::vector<uint8_t> EncodeBmp8(IDirectDrawSurface* srf, std::vector<uint16_t> keep) {
    if (!srf) return {};
    const int w = srf->Width(), h = srf->Height();
    const Palette p = choose_palette(srf, keep);
    std::vector<uint8_t> pixels, row(static_cast<size_t>(w));
    for (int y = h - 1; y >= 0; --y) {  // the bottom row first
        for (int x = 0; x < w; ++x) row[static_cast<size_t>(x)] = p.index_of[srf->Row(y)[x]];
        encode_row(row, pixels);
    }
    pixels.insert(pixels.end(), {0, 1});  // end of the picture
    std::vector<uint8_t> v;
    plat_AppendBmpHeaders(v, w, h, 8, 1, static_cast<uint32_t>(p.colours.size()),  // RLE8
                          static_cast<uint32_t>(pixels.size()));
    for (uint16_t c : p.colours) {
        uint8_t bgr[3];
        plat_PixelsToBgr(&c, 1, bgr);
        v.insert(v.end(), {bgr[0], bgr[1], bgr[2], 0});
    }
    v.insert(v.end(), pixels.begin(), pixels.end());
    return v;
}

}  // namespace artgen
