// The DirectDraw subset: RGB565 software surfaces in memory.
#pragma once
#include <vector>

#include "platform/key_runs.h"
#include "platform/win32.h"

#define DD_OK ((HRESULT)0)
#define DDERR_GENERIC E_FAIL
#define DDERR_INVALIDPARAMS ((HRESULT)0x80070057)
#define DDERR_OUTOFMEMORY ((HRESULT)0x8007000E)
#define DDERR_SURFACELOST ((HRESULT)0x887601C2)
#define DDERR_WASSTILLDRAWING ((HRESULT)0x8876021C)
#define DDERR_INVALIDRECT ((HRESULT)0x88760096)
#define DDERR_NOTFOUND ((HRESULT)0x887600FF)
#define DDERR_NOTLOCKED ((HRESULT)0x887602AA)
#define DDERR_UNSUPPORTED ((HRESULT)0x80004001)
#define DDERR_INVALIDMODE ((HRESULT)0x88760078)
#define DDERR_PRIMARYSURFACEALREADYEXISTS ((HRESULT)0x88760234)

// Surface description flags and caps.
#define DDSD_CAPS 0x00000001
#define DDSD_HEIGHT 0x00000002
#define DDSD_WIDTH 0x00000004
#define DDSD_PITCH 0x00000008
#define DDSD_BACKBUFFERCOUNT 0x00000020
#define DDSD_PIXELFORMAT 0x00001000

#define DDSCAPS_BACKBUFFER 0x00000004
#define DDSCAPS_COMPLEX 0x00000008
#define DDSCAPS_FLIP 0x00000010
#define DDSCAPS_OFFSCREENPLAIN 0x00000040
#define DDSCAPS_PRIMARYSURFACE 0x00000200

#define DDSCL_FULLSCREEN 0x00000001
#define DDSCL_NORMAL 0x00000008
#define DDSCL_EXCLUSIVE 0x00000010

#define DDBLTFAST_NOCOLORKEY 0x00000000
#define DDBLTFAST_SRCCOLORKEY 0x00000001
#define DDBLTFAST_WAIT 0x00000010

#define DDBLT_ALPHASRCCONSTOVERRIDE 0x00000080
#define DDBLT_COLORFILL 0x00000400
#define DDBLT_DDFX 0x00000800
#define DDBLT_KEYSRC 0x00008000
#define DDBLT_WAIT 0x01000000

#define DDBLTFX_MIRRORLEFTRIGHT 0x00000002
#define DDBLTFX_MIRRORUPDOWN 0x00000004

#define DDLOCK_WAIT 0x00000001
#define DDLOCK_READONLY 0x00000010
#define DDCKEY_SRCBLT 0x00000008
#define DDPCAPS_8BIT 0x00000004
#define DDEDM_REFRESHRATES 0x00000001

struct DDSCAPS {
    DWORD dwCaps;
};
struct DDCOLORKEY {
    DWORD dwColorSpaceLowValue;
    DWORD dwColorSpaceHighValue;
};
struct DDPIXELFORMAT {
    DWORD dwSize;
    DWORD dwRGBBitCount;
    DWORD dwRBitMask, dwGBitMask, dwBBitMask;
};
struct DDSURFACEDESC {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwHeight;
    DWORD dwWidth;
    LONG lPitch;
    DWORD dwBackBufferCount;
    void* lpSurface;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS ddsCaps;
};
struct DDBLTFX {
    DWORD dwSize;
    DWORD dwDDFX;
    DWORD dwAlphaSrcConst;  // 0 transparent ... 255 opaque
    DWORD dwFillColor;      // raw pixel value
};
struct PALETTEENTRY {
    BYTE peRed, peGreen, peBlue, peFlags;
};

class IDirectDrawPalette {
public:
    explicit IDirectDrawPalette(const PALETTEENTRY* entries);
    DWORD AddRef();
    DWORD Release();
    PALETTEENTRY entries[256];

private:
    DWORD refs = 1;
};

// Blt's scaling: the source offset that destination offset i of dn pixels shows from sn
// source pixels, nearest neighbour sampled at pixel centres. (2i + 1) * sn needs up to 67
// bits for spans of 2^32; pictures' own sizes divide in 64 bits, which is quicker.
inline int64_t plat_StretchSource(int64_t i, int64_t dn, int64_t sn) {
    constexpr int64_t SMALL = int64_t{1} << 30;
    if (i >= 0 && i < SMALL && sn >= 0 && sn < SMALL) return (2 * i + 1) * sn / (2 * dn);
    return static_cast<int64_t>(static_cast<__int128>(2 * i + 1) * sn / (2 * dn));
}

// A 16-bit RGB565 pixel buffer. Every operation clips against the destination, so
// nothing is written outside a surface whatever the coordinates.
class IDirectDrawSurface {
public:
    DWORD AddRef();
    DWORD Release();
    HRESULT GetSurfaceDesc(DDSURFACEDESC* desc);
    HRESULT GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** out);
    // 1:1 copy of srcRect (whole source when null) to (x, y); keyed with DDBLTFAST_SRCCOLORKEY.
    HRESULT BltFast(LONG x, LONG y, IDirectDrawSurface* src, RECT* srcRect, DWORD flags);
    // Scaled copy, colour fill, constant alpha, mirror; destRect null = whole surface.
    HRESULT Blt(RECT* destRect, IDirectDrawSurface* src, RECT* srcRect, DWORD flags, DDBLTFX* fx);
    HRESULT Lock(RECT* rect, DDSURFACEDESC* desc, DWORD flags, HANDLE event);
    HRESULT Unlock(void* rect);
    HRESULT SetColorKey(DWORD flags, DDCOLORKEY* key);
    HRESULT GetColorKey(DWORD flags, DDCOLORKEY* key);
    // The surface's device context lives from GetDC to the matching ReleaseDC (a GetDC inside
    // another hands out the same context, reset).
    HRESULT GetDC(HDC* out);
    HRESULT ReleaseDC(HDC dc);
    HRESULT Restore();
    HRESULT IsLost();

    // Blits, fills and the device context's drawing reach only this part of the surface until
    // it is set again; null: all of it. Lock and Row are not clipped.
    void SetDrawClip(const RECT* r);
    // The part drawing reaches, within the surface.
    RECT DrawClip() const;

    // Direct access for the platform layer and tests.
    int Width() const { return w; }
    int Height() const { return h; }
    uint16_t* Row(int y) {
        ++writes;  // whoever asks for a writable row may write: see KeyRuns
        return const_cast<uint16_t*>(static_cast<const IDirectDrawSurface*>(this)->Row(y));
    }
    const uint16_t* Row(int y) const {
        return reinterpret_cast<const uint16_t*>(reinterpret_cast<const uint8_t*>(pixels) + static_cast<size_t>(y) * pitch);
    }
    // The runs of pixels that differ from the colour key, row by row in each column window that
    // blits ask for, kept until the pixels or the key change (Row and Lock without
    // DDLOCK_READONLY count as changes); null without a key.
    plat_KeyRuns* KeyRuns() const {
        if (!hasKey) return nullptr;
        runs.Sync(writes, key, h);
        return &runs;
    }
    LONG Pitch() const { return pitch; }
    // Counts the changes of the pixels (writable rows handed out, locks, restores).
    uint64_t Writes() const { return writes; }
    DWORD Caps() const { return caps; }
    bool lost = false;
    bool locked = false;

    IDirectDrawSurface(int w, int h, DWORD caps);
    ~IDirectDrawSurface();

private:
    friend class IDirectDraw;
    DWORD refs = 1;
    DWORD caps;
    int w, h;
    LONG pitch;  // bytes
    uint16_t* pixels;
    bool hasKey = false;
    uint16_t key = 0;
    bool clipped = false;
    RECT clip = {0, 0, 0, 0};
    uint64_t writes = 0;
    mutable plat_KeyRuns runs;
    IDirectDrawSurface* attached = nullptr;  // back buffer of a flipping primary
    HDC dc = nullptr;
    int dcUsers = 0;  // GetDC calls not yet matched by ReleaseDC
};

#define DDENUMRET_CANCEL 0
#define DDENUMRET_OK 1
typedef HRESULT (*LPDDENUMMODESCALLBACK)(DDSURFACEDESC* desc, void* context);

class IDirectDraw {
public:
    DWORD AddRef();
    DWORD Release();
    // Off-screen surfaces, and the primary: DDSD_CAPS | DDSD_BACKBUFFERCOUNT with caps
    // DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX and one back buffer, of the
    // display mode's size (so not before SetDisplayMode), one at a time.
    HRESULT CreateSurface(DDSURFACEDESC* desc, IDirectDrawSurface** out, void* outer);
    HRESULT CreatePalette(DWORD flags, PALETTEENTRY* entries, IDirectDrawPalette** out, void* outer);
    // A display mode is a logical screen size; the window shows it scaled and letterboxed.
    // Exclusive mode needs the window.
    HRESULT SetCooperativeLevel(HWND wnd, DWORD flags);
    // 1 to 16384 pixels a side at 16 bits, else DDERR_INVALIDMODE.
    HRESULT SetDisplayMode(DWORD w, DWORD h, DWORD bpp);
    HRESULT RestoreDisplayMode();  // back to no mode
    // The display's modes, then the common sizes that fit the desktop (each at least 800 wide).
    HRESULT EnumDisplayModes(DWORD flags, DDSURFACEDESC* filter, void* context, LPDDENUMMODESCALLBACK cb);

private:
    HRESULT create_primary(const DDSURFACEDESC& desc, IDirectDrawSurface** out);
    DWORD refs = 1;
    DWORD modeW = 0, modeH = 0;  // none set yet
};

HRESULT DirectDrawCreate(void* guid, IDirectDraw** out, void* outer);

// Test hooks.
// The parts of the back buffer copied to the primary surface and shown, where nothing else of
// the frame changed: one presentation for them all.
HRESULT plat_ShowParts(IDirectDrawSurface* back, const std::vector<RECT>& parts);
void plat_LoseAllSurfaces();                 // every live surface reports DDERR_SURFACELOST
int plat_LiveSurfaceCount();                 // surfaces created and not yet released
IDirectDrawSurface* plat_CreateTestSurface(int w, int h);  // off-screen surface without a DirectDraw object
