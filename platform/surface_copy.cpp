#include "platform/surface_copy.h"

#include <vector>

#include "platform/gdi_internal.h"

HRESULT plat_BltAveraged(IDirectDrawSurface* dst, IDirectDrawSurface* src, const RECT* srcRect) {
    if (!dst || !src) return DDERR_INVALIDPARAMS;
    if (dst->lost || src->lost) return DDERR_SURFACELOST;
    if (dst->locked || src->locked) return DDERR_WASSTILLDRAWING;
    const RECT r = srcRect ? *srcRect : RECT{0, 0, src->Width(), src->Height()};
    if (r.left < 0 || r.top < 0 || r.right > src->Width() || r.bottom > src->Height() || r.right <= r.left ||
        r.bottom <= r.top)
        return DDERR_INVALIDRECT;

    const int sw = r.right - r.left, sh = r.bottom - r.top;
    std::vector<uint32_t> in(static_cast<size_t>(sw) * sh);
    for (int y = 0; y < sh; ++y) {
        const uint16_t* row = src->Row(r.top + y) + r.left;
        uint32_t* out = &in[static_cast<size_t>(y) * sw];
        for (int x = 0; x < sw; ++x) {
            const COLORREF c = plat_From565(row[x]);
            out[x] = static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
    }
    const int dw = dst->Width(), dh = dst->Height();
    const std::vector<uint32_t> scaled = plat_ScaleXrgb(in, sw, sh, dw, dh);
    for (int y = 0; y < dh; ++y) {
        uint16_t* row = dst->Row(y);
        for (int x = 0; x < dw; ++x) row[x] = plat_XrgbTo565(scaled[static_cast<size_t>(y) * dw + x]);
    }
    return DD_OK;
}
