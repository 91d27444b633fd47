#include "platform/surface_copy.h"

#include <vector>

#include "platform/gdi_internal.h"
#include "platform/pixel.h"

namespace {

// A pixel's three channels widened to 8 bits, side by side in 21-bit fields of one word, so
// that adding words adds channels. Red and blue lie in one byte each; green's widening
// splits into a part of each byte, so a pixel is the sum of its two bytes' entries.
constexpr int FIELD = 21;
constexpr uint64_t fields(uint64_t r, uint64_t g, uint64_t b) { return r << 2 * FIELD | g << FIELD | b; }
struct Spread {
    uint64_t hi[256], lo[256];
    Spread() : hi(), lo() {
        for (uint32_t v = 0; v < 256; ++v) {
            const uint32_t g_hi = v & 7;  // green's top three bits
            hi[v] = fields(plat_Expand(v >> 3, 5), g_hi << 5 | g_hi >> 1, 0);
            lo[v] = fields(0, (v >> 5) << 2, plat_Expand(v & 31, 5));
        }
    }
};
constexpr int MAX_BLOCK = (1 << FIELD) / 256;  // pixels a field can sum

// Shrinking by whole factors (a 1920 x 1080 page to 480 x 270 frames) averages kx x ky
// blocks in integers, each channel rounded half up as the general scaler rounds it; an
// export's every frame goes this way.
void average_blocks(IDirectDrawSurface* dst, IDirectDrawSurface* src, const RECT& r, int kx, int ky) {
    static const Spread spread;
    const int dw = dst->Width(), dh = dst->Height();
    const uint64_t n = static_cast<uint64_t>(kx * ky), mask = (1u << FIELD) - 1;
    std::vector<uint64_t> sum(static_cast<size_t>(dw));
    for (int y = 0; y < dh; ++y) {
        std::fill(sum.begin(), sum.end(), 0u);
        for (int j = 0; j < ky; ++j) {
            const uint16_t* row = src->Row(r.top + y * ky + j) + r.left;
            for (uint64_t& s : sum)
                for (int i = 0; i < kx; ++i, ++row) s += spread.hi[*row >> 8] + spread.lo[*row & 255];
        }
        uint16_t* out = dst->Row(y);
        for (int x = 0; x < dw; ++x) {
            const auto c = [&](int field) { return ((sum[size_t(x)] >> field * FIELD & mask) + n / 2) / n; };
            out[x] = plat_XrgbTo565(static_cast<uint32_t>(c(2) << 16 | c(1) << 8 | c(0)));
        }
    }
}

}  // namespace

HRESULT plat_BltAveraged(IDirectDrawSurface* dst, IDirectDrawSurface* src, const RECT* srcRect) {
    if (!dst || !src) return DDERR_INVALIDPARAMS;
    if (dst->lost || src->lost) return DDERR_SURFACELOST;
    if (dst->locked || src->locked) return DDERR_WASSTILLDRAWING;
    const RECT r = srcRect ? *srcRect : RECT{0, 0, src->Width(), src->Height()};
    if (r.left < 0 || r.top < 0 || r.right > src->Width() || r.bottom > src->Height() || r.right <= r.left ||
        r.bottom <= r.top)
        return DDERR_INVALIDRECT;

    const int sw = r.right - r.left, sh = r.bottom - r.top;
    const int dw = dst->Width(), dh = dst->Height();
    if (dw > 0 && dh > 0 && sw % dw == 0 && sh % dh == 0 && (sw / dw) * (sh / dh) <= MAX_BLOCK) {
        average_blocks(dst, src, r, sw / dw, sh / dh);
        return DD_OK;
    }
    std::vector<uint32_t> in(static_cast<size_t>(sw) * sh);
    for (int y = 0; y < sh; ++y) {
        const uint16_t* row = src->Row(r.top + y) + r.left;
        uint32_t* out = &in[static_cast<size_t>(y) * sw];
        for (int x = 0; x < sw; ++x) {
            const COLORREF c = plat_From565(row[x]);
            out[x] = static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
    }
    const std::vector<uint32_t> scaled = plat_ScaleXrgb(in, sw, sh, dw, dh);
    for (int y = 0; y < dh; ++y) {
        uint16_t* row = dst->Row(y);
        for (int x = 0; x < dw; ++x) row[x] = plat_XrgbTo565(scaled[static_cast<size_t>(y) * dw + x]);
    }
    return DD_OK;
}
