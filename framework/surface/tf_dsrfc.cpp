#include "framework/surface/tf_dsrfc.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "platform/bmp.h"
#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/resources.h"

namespace {
const char* const SRC = "TF_DSRFC_w";

const char* text_or_empty(const char* s) { return s ? s : ""; }

// Puts the named picture (scaled to w x h when non-zero) into an existing surface.
HRESULT refill(IDirectDrawSurface* srf, const char* name, int w, int h, const char* no_handle,
               const char* copy_failed) {
    HBITMAP bmp = DDFindBitmap(name, w, h);
    if (!bmp) {
        OutputDebugStringA(no_handle);
        return E_FAIL;
    }
    HRESULT hr = DDCopyBitmap(srf, bmp, 0, 0, 0, 0);
    if (hr != DD_OK) OutputDebugStringA(copy_failed);
    DeleteObject(bmp);
    return hr;
}

// Colour table of a BMP (file header included) into the first entries of the palette.
void palette_from_bmp(const uint8_t* data, size_t size, PALETTEENTRY* pal) {
    const size_t FILE_HEADER = 14;
    plat_BmpHeader hd;
    if (!plat_ReadBmpHeader(data, size, &hd)) return;
    if (hd.infoSize < 40 || hd.bpp > 8 || hd.infoSize > size - FILE_HEADER) return;
    size_t n = hd.coloursUsed ? hd.coloursUsed : (size_t(1) << hd.bpp);
    // A lying header must not read past the data or write past the palette.
    size_t in_table = (size - FILE_HEADER - hd.infoSize) / 4;
    n = std::min({n, in_table, size_t(256)});
    const uint8_t* table = data + FILE_HEADER + hd.infoSize;
    for (size_t i = 0; i < n; ++i) {
        pal[i].peBlue = table[4 * i];
        pal[i].peGreen = table[4 * i + 1];
        pal[i].peRed = table[4 * i + 2];
        pal[i].peFlags = 0;
    }
}
}  // namespace

tf_CDas_Surface::tf_CDas_Surface() : tf_CDas_Surface("noname") {}

tf_CDas_Surface::tf_CDas_Surface(const char* nazov_) { snprintf(nazov, sizeof nazov, "%s", text_or_empty(nazov_)); }

tf_CDas_Surface::~tf_CDas_Surface() {
    RELEASE_SURFACE();
    free(subor_nazov);
}

void tf_CDas_Surface::set_name(const char* subor) {
    // Copy before freeing: the caller may pass our own kept name.
    char* copy = subor ? strdup(subor) : nullptr;
    free(subor_nazov);
    subor_nazov = copy;
}

void tf_CDas_Surface::load_own_size(IDirectDraw* dd, const char* failure) {
    RELEASE_SURFACE();
    lpDDS = DDCreateBitmapSurface(dd, subor_nazov, 0, 0, &sir, &vys);
    if (!lpDDS) {
        TF_LOG(TF_LOG_ERR, failure);
        TF_LOG("subor:", text_or_empty(subor_nazov));
    }
}

void tf_CDas_Surface::NAHRAJ_SURFACE(IDirectDraw* dd, const char* subor) {
    set_name(subor);
    load_own_size(dd, "tf_CDas_Surface::NAHRAJ_SURFACE() - Neuspesne nahratie SURFACE");
    stretch = 0;
}

void tf_CDas_Surface::NAHRAJ_SURFACE(const char* subor) { NAHRAJ_SURFACE(tf_lpDD, subor); }

void tf_CDas_Surface::NAHRAJ_SURFACE_2_stretch(IDirectDraw* dd, const char* subor, int sir_, int vys_) {
    set_name(subor);
    RELEASE_SURFACE();
    lpDDS = DDCreateBitmapSurface_stretch(dd, subor_nazov, sir_, vys_);
    if (!lpDDS) {
        TF_LOG(TF_LOG_ERR, "tf_CDas_Surface::NAHRAJ_SURFACE_2_stretch() - Neuspesne nahratie SURFACE");
        TF_LOG("subor:", text_or_empty(subor_nazov));
        TF_LOG("sir,vys:", sir_, vys_);
    }
    sir = sir_;
    vys = vys_;
    stretch = 1;
}

void tf_CDas_Surface::NAHRAJ_SURFACE_2_stretch(const char* subor, int sir_, int vys_) {
    NAHRAJ_SURFACE_2_stretch(tf_lpDD, subor, sir_, vys_);
}

void tf_CDas_Surface::RENAHRAJ_SURFACE() {
    if (!subor_nazov) {
        TF_LOG(TF_LOG_ERR, "tf_CDas_Surface::RENAHRAJ_SURFACE() - subor_nazov == NULL");
        return;
    }
    load_own_size(tf_lpDD, "tf_CDas_Surface::RENAHRAJ_SURFACE() - Neuspesne nahratie SURFACE");
}

HRESULT tf_CDas_Surface::RESTORE_SURFACE() {
    if (!lpDDS) return DDERR_INVALIDPARAMS;
    HRESULT hr = lpDDS->Restore();
    if (hr == DD_OK) {
        if (stretch == 1)
            DDRefillBitmap_stretch(lpDDS, subor_nazov, sir, vys);
        else
            DDRefillBitmap(lpDDS, subor_nazov);
    }
    return hr;
}

void tf_CDas_Surface::RELEASE_SURFACE() {
    if (lpDDS) lpDDS->Release();
    lpDDS = nullptr;
}

bool tf_CDas_Surface::read_pixel(int x, int y, uint16_t* out) {
    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    if (lpDDS->Lock(nullptr, &ddsd, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK) return false;
    bool inside = x >= 0 && y >= 0 && x < static_cast<int>(ddsd.dwWidth) && y < static_cast<int>(ddsd.dwHeight);
    if (inside) {
        const unsigned char* base = static_cast<const unsigned char*>(ddsd.lpSurface);
        memcpy(out, base + static_cast<ptrdiff_t>(y) * ddsd.lPitch + 2 * x, 2);
    }
    lpDDS->Unlock(nullptr);
    if (!inside) {
        TF_LOG(TF_LOG_ERR, "tf_CDas_Surface - bod mimo SURFACE");
        TF_LOG("x,y:", x, y);
    }
    return inside;
}

void tf_CDas_Surface::TC_NASTAV(int x, int y) {
    if (!lpDDS) {
        TF_LOG(TF_LOG_ERR, "tf_CDas_Surface::TC_NASTAV() - SURFACE == NULL");
        return;
    }
    if (!read_pixel(x, y, &TC)) return;
    DDCOLORKEY key = {TC, TC};
    lpDDS->SetColorKey(DDCKEY_SRCBLT, &key);
}

void tf_CDas_Surface::BC_NASTAV(int x, int y) {
    if (!lpDDS) {
        TF_LOG(TF_LOG_ERR, "tf_CDas_Surface::BC_NASTAV() - SURFACE == NULL");
        return;
    }
    read_pixel(x, y, &BC);
}

DWORD tf_CDas_Surface::fast_flags() const {
    // A zero TC means no key even when the surface's key is black.
    return TC != 0 ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY;
}

void tf_CDas_Surface::ZOBRAZ(IDirectDrawSurface* ciel, int x, int y) {
    if (!ciel) return;
    draw_with_recovery([&] { return ciel->BltFast(x, y, lpDDS, nullptr, fast_flags()); });
}

void tf_CDas_Surface::ZOBRAZ(int x, int y) { ZOBRAZ(tf_lpDDSBack, x, y); }

void tf_CDas_Surface::ZOBRAZ_ALPHA(IDirectDrawSurface* ciel, int x, int y, DWORD alpha) {
    if (!ciel) return;
    RECT dest = {x, y, x + sir, y + vys};
    DDBLTFX fx = {};
    fx.dwSize = sizeof fx;
    fx.dwAlphaSrcConst = alpha;
    ciel->Blt(&dest, lpDDS, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx);
}

void tf_CDas_Surface::Zobraz_Rect(IDirectDrawSurface* ciel, int x, int y, RECT zdroj) {
    if (!ciel) return;
    draw_with_recovery([&] { return ciel->BltFast(x, y, lpDDS, &zdroj, fast_flags()); });
}

void tf_CDas_Surface::Zobraz_Rect(int x, int y, RECT zdroj) { Zobraz_Rect(tf_lpDDSBack, x, y, zdroj); }

void tf_CDas_Surface::Zobraz_Center(IDirectDrawSurface* ciel) {
    ZOBRAZ(ciel, (tf_ScreenW - sir) / 2, (tf_ScreenH - vys) / 2);
}

void tf_CDas_Surface::Zobraz_Center() { Zobraz_Center(tf_lpDDSBack); }

void tf_CDas_Surface::Zobraz_Stretch_1(IDirectDrawSurface* ciel, RECT ciel_rect, RECT zdroj) {
    if (!ciel) return;
    draw_with_recovery([&] { return ciel->Blt(&ciel_rect, lpDDS, &zdroj, 0, nullptr); });
}

void tf_CDas_Surface::Zobraz_Stretch_2(IDirectDrawSurface* ciel, RECT ciel_rect) {
    if (!ciel) return;
    draw_with_recovery([&] { return ciel->Blt(&ciel_rect, lpDDS, nullptr, 0, nullptr); });
}

void tf_CDas_Surface::Zobraz_Stretch_3(IDirectDrawSurface* ciel, RECT zdroj) {
    if (!ciel) return;
    draw_with_recovery([&] { return ciel->Blt(nullptr, lpDDS, &zdroj, 0, nullptr); });
}

void tf_CDas_Surface::Zobraz_Stretch_4(IDirectDrawSurface* ciel) {
    if (!ciel) return;
    draw_with_recovery([&] { return ciel->Blt(nullptr, lpDDS, nullptr, 0, nullptr); });
}

HBITMAP DDFindBitmap(const char* name, int w, int h) {
    if (!name) return nullptr;
    HANDLE img = LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, w, h, LR_CREATEDIBSECTION);
    if (!img) img = LoadImageA(nullptr, name, IMAGE_BITMAP, w, h, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    return static_cast<HBITMAP>(img);
}

HRESULT DDCopyBitmap(IDirectDrawSurface* srf, HBITMAP bmp, int x, int y, int dx, int dy) {
    if (!bmp || !srf) return E_FAIL;
    srf->Restore();
    HDC image = CreateCompatibleDC(nullptr);
    if (!image) OutputDebugStringA("createcompatible dc failed\n");
    if (image) SelectObject(image, bmp);
    BITMAP bm = {};
    GetObjectA(bmp, sizeof bm, &bm);
    if (dx == 0) dx = bm.bmWidth;
    if (dy == 0) dy = bm.bmHeight;

    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    srf->GetSurfaceDesc(&ddsd);
    HDC dc = nullptr;
    HRESULT hr = srf->GetDC(&dc);
    if (hr == DD_OK) {
        if (image)
            StretchBlt(dc, 0, 0, static_cast<int>(ddsd.dwWidth), static_cast<int>(ddsd.dwHeight), image, x, y, dx, dy,
                       SRCCOPY);
        srf->ReleaseDC(dc);
    }
    if (image) DeleteDC(image);
    return hr;
}

IDirectDrawSurface* DDCreateBitmapSurface(IDirectDraw* dd, const char* name, int w, int h, int* out_w, int* out_h) {
    HBITMAP bmp = DDFindBitmap(name, w, h);
    if (!bmp) return nullptr;
    BITMAP bm = {};
    GetObjectA(bmp, sizeof bm, &bm);
    if (out_w) *out_w = bm.bmWidth;
    if (out_h) *out_h = bm.bmHeight;
    IDirectDrawSurface* srf = DDCreateOffscreenSurface(dd, bm.bmWidth, bm.bmHeight);
    if (srf) DDCopyBitmap(srf, bmp, 0, 0, 0, 0);
    DeleteObject(bmp);
    return srf;
}

IDirectDrawSurface* DDCreateBitmapSurface_stretch(IDirectDraw* dd, const char* name, int w, int h) {
    // A size of zero would mean the picture's own size to the loader; it is no stretch.
    if (w <= 0 || h <= 0) return nullptr;
    HBITMAP bmp = DDFindBitmap(name, w, h);
    if (!bmp) return nullptr;
    IDirectDrawSurface* srf = DDCreateOffscreenSurface(dd, w, h);
    if (srf) DDCopyBitmap(srf, bmp, 0, 0, 0, 0);
    DeleteObject(bmp);
    return srf;
}

HRESULT DDRefillBitmap(IDirectDrawSurface* srf, const char* name) {
    return refill(srf, name, 0, 0, "handle is null\n", "ddcopybitmap failed\n");
}

HRESULT DDRefillBitmap_stretch(IDirectDrawSurface* srf, const char* name, int w, int h) {
    return refill(srf, name, w, h, "$QZ: handle is null\n", "$QZ: DDCopyBitmap failed\n");
}

DWORD DDPixelFromColor(IDirectDrawSurface* srf, COLORREF colour) {
    DWORD result = CLR_INVALID;
    if (!srf) return result;
    HDC dc = nullptr;
    COLORREF saved = CLR_INVALID;
    // The probe pixel is written whatever part of the surface a frame is being composed in.
    const RECT clip = srf->DrawClip();
    srf->SetDrawClip(nullptr);
    if (colour != CLR_INVALID && srf->GetDC(&dc) == DD_OK) {
        saved = GetPixel(dc, 0, 0);
        SetPixel(dc, 0, 0, colour);
        srf->ReleaseDC(dc);
    }
    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    if (tf_RetryWhileBusy([&] { return srf->Lock(nullptr, &ddsd, 0, nullptr); }) == DD_OK) {
        // Only the bytes of the first pixel: a narrow surface may end right after it.
        DWORD bits = ddsd.ddpfPixelFormat.dwRGBBitCount;
        int bytes = static_cast<int>(std::clamp<DWORD>((bits + 7) / 8, 1, 4));
        result = plat_ReadLE(static_cast<const uint8_t*>(ddsd.lpSurface), bytes);
        if (bits < 32) result &= (DWORD(1) << bits) - 1;
        srf->Unlock(nullptr);
    }
    if (colour != CLR_INVALID && srf->GetDC(&dc) == DD_OK) {
        SetPixel(dc, 0, 0, saved);
        srf->ReleaseDC(dc);
    }
    srf->SetDrawClip(&clip);
    return result;
}

IDirectDrawPalette* DDLoadPalette(IDirectDraw* dd, const char* name) {
    PALETTEENTRY pal[256];
    for (int i = 0; i < 256; ++i) {
        pal[i].peRed = static_cast<BYTE>(((i >> 5) & 7) * 255 / 7);
        pal[i].peGreen = static_cast<BYTE>(((i >> 2) & 7) * 255 / 7);
        pal[i].peBlue = static_cast<BYTE>((i & 3) * 255 / 3);
        pal[i].peFlags = 0;
    }
    if (name) {
        if (const plat_Resource* res = plat_FindResource(name)) {
            palette_from_bmp(res->data, res->size, pal);
        } else if (FILE* f = plat_fopen(name, "rb")) {
            // Headers of every BMP version and a full colour table fit in this.
            uint8_t head[14 + 124 + 1024];
            size_t got = fread(head, 1, sizeof head, f);
            fclose(f);
            palette_from_bmp(head, got, pal);
        }
    }
    IDirectDrawPalette* out = nullptr;
    if (!dd || dd->CreatePalette(DDPCAPS_8BIT, pal, &out, nullptr) != DD_OK) return nullptr;
    return out;
}

HRESULT DDSURFACE_ZMAZ(IDirectDrawSurface* srf, DWORD colour, RECT* rect) {
    if (!srf) return DDERR_INVALIDPARAMS;
    DDBLTFX fx = {};
    fx.dwSize = sizeof fx;
    fx.dwFillColor = colour;
    return srf->Blt(rect, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}

IDirectDrawSurface* DDCreateOffscreenSurface(IDirectDraw* dd, int w, int h) {
    if (!dd || w <= 0 || h <= 0) return nullptr;
    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    ddsd.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    ddsd.dwWidth = static_cast<DWORD>(w);
    ddsd.dwHeight = static_cast<DWORD>(h);
    IDirectDrawSurface* srf = nullptr;
    return dd->CreateSurface(&ddsd, &srf, nullptr) == DD_OK ? srf : nullptr;
}

