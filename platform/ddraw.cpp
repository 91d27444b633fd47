// The DirectDraw object: off-screen surfaces and palettes.
#include "platform/ddraw.h"

namespace {

// Larger requests are corrupt sizes rather than pictures; refusing them keeps every pixel
// offset small and the allocation sane.
constexpr DWORD kMaxSide = 16384;
constexpr uint64_t kMaxPixels = uint64_t{64} << 20;

HRESULT NewOffscreen(DWORD w, DWORD h, IDirectDrawSurface** out) {
    if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide || uint64_t{w} * h > kMaxPixels)
        return DDERR_INVALIDPARAMS;
    auto* s = new IDirectDrawSurface(static_cast<int>(w), static_cast<int>(h), DDSCAPS_OFFSCREENPLAIN);
    if (!s->Row(0)) {  // the pixel buffer could not be allocated
        s->Release();
        return DDERR_OUTOFMEMORY;
    }
    *out = s;
    return DD_OK;
}

}  // namespace

DWORD IDirectDraw::AddRef() { return ++refs; }
DWORD IDirectDraw::Release() {
    DWORD left = --refs;
    if (left == 0) delete this;
    return left;
}

HRESULT IDirectDraw::CreateSurface(DDSURFACEDESC* desc, IDirectDrawSurface** out, void*) {
    if (!desc || !out) return DDERR_INVALIDPARAMS;
    *out = nullptr;
    const DWORD need = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    if ((desc->dwFlags & need) != need) return DDERR_INVALIDPARAMS;
    const DWORD caps = desc->ddsCaps.dwCaps;
    if (caps & (DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX | DDSCAPS_BACKBUFFER)) return DDERR_UNSUPPORTED;
    if (!(caps & DDSCAPS_OFFSCREENPLAIN)) return DDERR_INVALIDPARAMS;
    return NewOffscreen(desc->dwWidth, desc->dwHeight, out);
}

HRESULT IDirectDraw::CreatePalette(DWORD flags, PALETTEENTRY* entries, IDirectDrawPalette** out, void*) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = nullptr;
    if (!(flags & DDPCAPS_8BIT) || !entries) return DDERR_INVALIDPARAMS;
    *out = new IDirectDrawPalette(entries);
    return DD_OK;
}

HRESULT DirectDrawCreate(void*, IDirectDraw** out, void*) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = new IDirectDraw();
    return DD_OK;
}

IDirectDrawSurface* plat_CreateTestSurface(int w, int h) {
    IDirectDrawSurface* s = nullptr;
    if (w > 0 && h > 0) NewOffscreen(static_cast<DWORD>(w), static_cast<DWORD>(h), &s);
    return s;
}
