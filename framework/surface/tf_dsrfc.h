// One picture on an owned off-screen surface, and the loader routines beneath it.
#pragma once
#include <cstdint>

#include "framework/surface/tf_faza.h"
#include "platform/ddraw.h"
#include "platform/gdi.h"

class tf_CDas_Surface {
public:
    tf_CDas_Surface();
    explicit tf_CDas_Surface(const char* nazov_);
    virtual ~tf_CDas_Surface();
    tf_CDas_Surface(const tf_CDas_Surface&) = delete;
    tf_CDas_Surface& operator=(const tf_CDas_Surface&) = delete;

    void NAHRAJ_SURFACE(IDirectDraw* dd, const char* subor);
    void NAHRAJ_SURFACE(const char* subor);
    void NAHRAJ_SURFACE_2_stretch(IDirectDraw* dd, const char* subor, int sir_, int vys_);
    void NAHRAJ_SURFACE_2_stretch(const char* subor, int sir_, int vys_);
    void RENAHRAJ_SURFACE();
    HRESULT RESTORE_SURFACE();
    void RELEASE_SURFACE();
    void TC_NASTAV(int x, int y);
    void BC_NASTAV(int x, int y);

    void ZOBRAZ(IDirectDrawSurface* ciel, int x, int y);
    void ZOBRAZ(int x, int y);
    void ZOBRAZ_ALPHA(IDirectDrawSurface* ciel, int x, int y, DWORD alpha);
    void Zobraz_Rect(IDirectDrawSurface* ciel, int x, int y, RECT zdroj);
    void Zobraz_Rect(int x, int y, RECT zdroj);
    void Zobraz_Center(IDirectDrawSurface* ciel);
    void Zobraz_Center();
    void Zobraz_Stretch_1(IDirectDrawSurface* ciel, RECT ciel_rect, RECT zdroj);
    void Zobraz_Stretch_2(IDirectDrawSurface* ciel, RECT ciel_rect);
    void Zobraz_Stretch_3(IDirectDrawSurface* ciel, RECT zdroj);
    void Zobraz_Stretch_4(IDirectDrawSurface* ciel);

    // Phases (tf_faza.cpp).
    tf_TFAZA ZAMERAJ_FAZU(int x, int y);
    tf_TFAZA ZAMERAJ_FAZU_CS();
    void ZOBRAZ_FAZU(IDirectDrawSurface* ciel, int x, int y, tf_TFAZA faza, int orez);
    void ZOBRAZ_FAZU_Z(IDirectDrawSurface* ciel, int x, int y, tf_TFAZA faza, int orez);
    // The picture's pixel that ZOBRAZ_FAZU_Z shows at (dx, dy) from where it draws the phase,
    // or false where it draws nothing.
    static bool BOD_FAZY_Z(const tf_TFAZA& faza, int dx, int dy, int* sx, int* sy);
    void ZOBRAZ_FAZU_2(IDirectDrawSurface* ciel, int L, int P, int H, int D, int x, int y, tf_TFAZA faza);

    char* subor_nazov = nullptr;
    IDirectDrawSurface* lpDDS = nullptr;
    int sir = 0;
    int vys = 0;
    uint16_t TC = 0;
    uint16_t BC = 0;
    uint8_t stretch = 0;
    char nazov[31];

private:
    // One draw attempt; DDERR_SURFACELOST restores this picture (which then shows at the
    // next redraw), DDERR_WASSTILLDRAWING tries again.
    template <class Attempt>
    void draw_with_recovery(Attempt attempt);
    DWORD fast_flags() const;
    void set_name(const char* subor);
    // Loads subor_nazov at its own size into sir, vys; logs `failure` when nothing came of it.
    void load_own_size(IDirectDraw* dd, const char* failure);
    // The raw pixel at (x, y) into *out; false when locking fails or the point lies outside (logged).
    bool read_pixel(int x, int y, uint16_t* out);
};

// Runs `attempt` (returning an HRESULT) again while it finds a surface busy, at most
// TF_BUSY_TRIES times, and returns its last result: a surface that its own caller keeps
// locked never becomes free, and that must not hang the program.
constexpr int TF_BUSY_TRIES = 100;
template <class Attempt>
HRESULT tf_RetryWhileBusy(Attempt attempt) {
    HRESULT hr = DDERR_WASSTILLDRAWING;
    for (int tries = 0; tries < TF_BUSY_TRIES && hr == DDERR_WASSTILLDRAWING; ++tries) hr = attempt();
    return hr;
}

template <class Attempt>
void tf_CDas_Surface::draw_with_recovery(Attempt attempt) {
    tf_RetryWhileBusy([&] {
        const HRESULT hr = attempt();
        return hr == DDERR_SURFACELOST ? RESTORE_SURFACE() : hr;
    });
}

// The named picture as a bitmap: the program's resource first, else the BMP file; w, h
// non-zero scale it while loading. Null when neither is found.
HBITMAP DDFindBitmap(const char* name, int w, int h);
// A plain off-screen surface of w x h; null for a non-positive size or when none can be made.
IDirectDrawSurface* DDCreateOffscreenSurface(IDirectDraw* dd, int w, int h);
HRESULT DDCopyBitmap(IDirectDrawSurface* srf, HBITMAP bmp, int x, int y, int dx, int dy);
IDirectDrawSurface* DDCreateBitmapSurface(IDirectDraw* dd, const char* name, int w, int h, int* out_w, int* out_h);
IDirectDrawSurface* DDCreateBitmapSurface_stretch(IDirectDraw* dd, const char* name, int w, int h);
HRESULT DDRefillBitmap(IDirectDrawSurface* srf, const char* name);
HRESULT DDRefillBitmap_stretch(IDirectDrawSurface* srf, const char* name, int w, int h);
DWORD DDPixelFromColor(IDirectDrawSurface* srf, COLORREF colour);
IDirectDrawPalette* DDLoadPalette(IDirectDraw* dd, const char* name);
// The whole surface, or only the rectangle, filled with the raw colour.
HRESULT DDSURFACE_ZMAZ(IDirectDrawSurface* srf, DWORD colour, RECT* rect = nullptr);
