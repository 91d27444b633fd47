// The DirectDraw object: off-screen surfaces, the primary surface and palettes; the display
// modes are in display.cpp.
#include "platform/backend.h"
#include "platform/ddraw.h"
#include "platform/display_internal.h"

namespace {

// Larger requests are corrupt sizes rather than pictures; refusing them keeps every pixel
// offset small and the allocation sane.
constexpr DWORD MAX_SIDE = 16384;
constexpr uint64_t MAX_PIXELS = uint64_t{64} << 20;

HRESULT new_surface(DWORD w, DWORD h, DWORD caps, IDirectDrawSurface** out) {
    if (w == 0 || h == 0 || w > MAX_SIDE || h > MAX_SIDE || uint64_t{w} * h > MAX_PIXELS)
        return DDERR_INVALIDPARAMS;
    auto* s = new IDirectDrawSurface(static_cast<int>(w), static_cast<int>(h), caps);
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
    const DWORD caps = desc->ddsCaps.dwCaps;
    if ((desc->dwFlags & DDSD_CAPS) && (caps & DDSCAPS_PRIMARYSURFACE)) return create_primary(*desc, out);
    const DWORD need = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    if ((desc->dwFlags & need) != need) return DDERR_INVALIDPARAMS;
    if (caps & (DDSCAPS_FLIP | DDSCAPS_COMPLEX | DDSCAPS_BACKBUFFER)) return DDERR_UNSUPPORTED;
    if (!(caps & DDSCAPS_OFFSCREENPLAIN)) return DDERR_INVALIDPARAMS;
    return new_surface(desc->dwWidth, desc->dwHeight, DDSCAPS_OFFSCREENPLAIN, out);
}

// Only the flipping chain with one back buffer is made, of the display mode's size.
HRESULT IDirectDraw::create_primary(const DDSURFACEDESC& desc, IDirectDrawSurface** out) {
    const DWORD chain = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    if (!(desc.dwFlags & DDSD_BACKBUFFERCOUNT) || (desc.dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) ||
        desc.ddsCaps.dwCaps != chain || desc.dwBackBufferCount != 1)
        return DDERR_UNSUPPORTED;
    if (!modeW) return DDERR_GENERIC;  // no display mode yet
    if (plat_PrimarySurface()) return DDERR_PRIMARYSURFACEALREADYEXISTS;
    IDirectDrawSurface *front = nullptr, *back = nullptr;
    HRESULT hr = new_surface(modeW, modeH, chain, &front);
    if (hr == DD_OK) hr = new_surface(modeW, modeH, DDSCAPS_BACKBUFFER | DDSCAPS_FLIP | DDSCAPS_COMPLEX, &back);
    if (hr != DD_OK) {
        if (front) front->Release();
        return hr;
    }
    front->attached = back;
    plat_PrimaryCreated(front);
    *out = front;
    return DD_OK;
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
    if (w > 0 && h > 0) new_surface(static_cast<DWORD>(w), static_cast<DWORD>(h), DDSCAPS_OFFSCREENPLAIN, &s);
    return s;
}
