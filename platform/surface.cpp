// Surface life cycle, locking, colour keys and loss; the blits are in blit.cpp.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

#include "platform/ddraw.h"
#include "platform/display_internal.h"
#include "platform/gdi.h"

namespace {
std::set<IDirectDrawSurface*>& live_surfaces() {
    static std::set<IDirectDrawSurface*> s;
    return s;
}
}  // namespace

IDirectDrawPalette::IDirectDrawPalette(const PALETTEENTRY* e) { memcpy(entries, e, sizeof entries); }
DWORD IDirectDrawPalette::AddRef() { return ++refs; }
DWORD IDirectDrawPalette::Release() {
    DWORD left = --refs;
    if (left == 0) delete this;
    return left;
}

IDirectDrawSurface::IDirectDrawSurface(int w_, int h_, DWORD caps_) : caps(caps_), w(w_), h(h_) {
    // Rows padded to 4 bytes, like display memory; callers must honour the pitch.
    pitch = static_cast<LONG>((static_cast<size_t>(w) * 2 + 3) & ~size_t(3));
    pixels = static_cast<uint16_t*>(calloc(static_cast<size_t>(pitch) * static_cast<size_t>(h) / 2 + 1, 2));
    live_surfaces().insert(this);
}

IDirectDrawSurface::~IDirectDrawSurface() {
    live_surfaces().erase(this);
    if (caps & DDSCAPS_PRIMARYSURFACE) plat_PrimaryReleased(this);
    if (dc) plat_DestroySurfaceDC(dc);
    if (attached) attached->Release();
    free(pixels);
}

DWORD IDirectDrawSurface::AddRef() { return ++refs; }
DWORD IDirectDrawSurface::Release() {
    DWORD left = --refs;
    if (left == 0) delete this;
    return left;
}

HRESULT IDirectDrawSurface::GetSurfaceDesc(DDSURFACEDESC* desc) {
    if (!desc) return DDERR_INVALIDPARAMS;
    memset(desc, 0, sizeof *desc);
    desc->dwSize = sizeof *desc;
    desc->dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
    desc->dwWidth = static_cast<DWORD>(w);
    desc->dwHeight = static_cast<DWORD>(h);
    desc->lPitch = pitch;
    desc->ddsCaps.dwCaps = caps;
    desc->ddpfPixelFormat = {sizeof(DDPIXELFORMAT), 16, 0xF800, 0x07E0, 0x001F};
    return DD_OK;
}

HRESULT IDirectDrawSurface::GetAttachedSurface(DDSCAPS* c, IDirectDrawSurface** out) {
    if (!out || !c) return DDERR_INVALIDPARAMS;
    if (!attached || !(c->dwCaps & DDSCAPS_BACKBUFFER)) return DDERR_NOTFOUND;
    attached->AddRef();
    *out = attached;
    return DD_OK;
}

HRESULT IDirectDrawSurface::Lock(RECT* rect, DDSURFACEDESC* desc, DWORD flags, HANDLE) {
    if (rect || !desc) return DDERR_INVALIDPARAMS;
    if (lost) return DDERR_SURFACELOST;
    if (locked) return DDERR_WASSTILLDRAWING;
    GetSurfaceDesc(desc);
    desc->lpSurface = pixels;
    locked = true;
    // Nothing reads the pixels while they are locked, so counting the write here is enough.
    if (!(flags & DDLOCK_READONLY)) ++writes;
    return DD_OK;
}

HRESULT IDirectDrawSurface::Unlock(void*) {
    if (!locked) return DDERR_NOTLOCKED;
    locked = false;
    return DD_OK;
}

HRESULT IDirectDrawSurface::SetColorKey(DWORD flags, DDCOLORKEY* k) {
    if (flags != DDCKEY_SRCBLT) return DDERR_UNSUPPORTED;
    hasKey = k != nullptr;
    key = k ? static_cast<uint16_t>(k->dwColorSpaceLowValue) : 0;
    return DD_OK;
}

HRESULT IDirectDrawSurface::GetColorKey(DWORD flags, DDCOLORKEY* k) {
    if (flags != DDCKEY_SRCBLT || !k) return DDERR_INVALIDPARAMS;
    if (!hasKey) return DDERR_NOTFOUND;
    k->dwColorSpaceLowValue = k->dwColorSpaceHighValue = key;
    return DD_OK;
}

HRESULT IDirectDrawSurface::GetDC(HDC* out) {
    if (!out) return DDERR_INVALIDPARAMS;
    if (lost) return DDERR_SURFACELOST;
    if (locked) return DDERR_WASSTILLDRAWING;
    if (dc)
        plat_ResetSurfaceDC(dc);
    else
        dc = plat_CreateSurfaceDC(this);
    ++dcUsers;
    *out = dc;
    return DD_OK;
}

// The context goes with its last user: a picture that was drawn into once does not keep one
// for the rest of the run.
HRESULT IDirectDrawSurface::ReleaseDC(HDC d) {
    if (!dc || d != dc) return DDERR_INVALIDPARAMS;
    if (--dcUsers == 0) {
        plat_DestroySurfaceDC(dc);
        dc = nullptr;
    }
    return DD_OK;
}

HRESULT IDirectDrawSurface::Restore() {
    // A flipping primary brings its back buffer back with it.
    if (attached) attached->Restore();
    if (!lost) return DD_OK;
    // Display memory comes back with undefined contents.
    memset(pixels, 0, static_cast<size_t>(pitch) * static_cast<size_t>(h));
    ++writes;
    lost = false;
    return DD_OK;
}

HRESULT IDirectDrawSurface::IsLost() { return lost ? DDERR_SURFACELOST : DD_OK; }

void plat_LoseAllSurfaces() {
    for (IDirectDrawSurface* s : live_surfaces()) s->lost = true;
}

int plat_LiveSurfaceCount() { return static_cast<int>(live_surfaces().size()); }

void IDirectDrawSurface::SetDrawClip(const RECT* r) {
    clipped = r != nullptr;
    if (r) clip = *r;
}

RECT IDirectDrawSurface::DrawClip() const {
    if (!clipped) return {0, 0, w, h};
    return {std::clamp<LONG>(clip.left, 0, w), std::clamp<LONG>(clip.top, 0, h), std::clamp<LONG>(clip.right, 0, w),
            std::clamp<LONG>(clip.bottom, 0, h)};
}
