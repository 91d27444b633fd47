// The page's background in its five modes, and drawing the whole page.
#include "book/px_pozadie.h"

#include <algorithm>

#include "book/px_herec.h"
#include "book/px_plocha.h"
#include "book/px_stav.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"

namespace {
const char* const SRC = "PX_POZADIE";
constexpr DWORD PAGE_FILL = 500;  // raw pixel value

// Centre mode along one axis: a smaller picture is centred, a larger one shows its middle.
void centre_axis(int screen, int picture, LONG* src_from, LONG* src_to, LONG* dst) {
    if (picture <= screen) {
        *dst = (screen - picture) / 2;
        *src_from = 0;
        *src_to = picture;
    } else {
        *dst = 0;
        *src_from = (picture - screen) / 2;
        *src_to = *src_from + screen;
    }
}

bool has_picture() {
    return background_path && background_surface && background_surface->lpDDS && background_surface->sir > 0 &&
           background_surface->vys > 0;
}

// The background covers every pixel of the back buffer, which makes the fill wasted work.
bool covers(IDirectDrawSurface* back) {
    if (!has_picture()) return false;
    if (background_mode == PX_BG_STRETCH) return true;  // scaled over the whole buffer, never keyed
    const bool opaque = background_surface->TC == 0;
    DDSURFACEDESC desc = {};
    desc.dwSize = sizeof desc;
    const bool screen_sized = back->GetSurfaceDesc(&desc) == DD_OK && desc.dwWidth <= DWORD(PX_Strana_sir()) &&
                              desc.dwHeight <= DWORD(PX_Strana_vys());
    if (background_mode == PX_BG_TILE) return opaque && screen_sized;
    const bool part = background_mode == PX_BG_SIMPLE || background_mode == PX_BG_CENTER;
    return part && opaque && screen_sized && background_dst.x == 0 && background_dst.y == 0 &&
           background_src.right - background_src.left >= PX_Strana_sir() &&
           background_src.bottom - background_src.top >= PX_Strana_vys();
}

// Whole pictures from the top left; the last column and row show only what fits. Only the
// first row of pictures is drawn picture by picture: every later one is a copy of the whole
// row of pictures above it, which takes one long copy per line instead of one per picture.
void draw_tiles(IDirectDrawSurface* back, tf_CDas_Surface* s) {
    const int W = PX_Strana_sir(), H = PX_Strana_vys();
    const int first = std::min(s->vys, H);
    for (int left = 0; left < W; left += s->sir) s->Zobraz_Rect(back, left, 0, RECT{0, 0, std::min(s->sir, W - left), first});
    for (int top = first; top < H; top += s->vys) {
        RECT above = {0, top - s->vys, W, top - s->vys + std::min(s->vys, H - top)};
        tf_RetryWhileBusy([&] { return back->BltFast(0, top, back, &above, DDBLTFAST_NOCOLORKEY); });
    }
}
}  // namespace

void PRIPRAV_POZADIE(bool load) {
    if (load) {
        if (!background_surface) {
            TF_LOG("PRIPRAV_POZADIE: chyba surface pozadia", TF_LOG_RETURN);
            return;
        }
        if (!background_path) {
            background_surface->RELEASE_SURFACE();
            return;
        }
        // The display is 16-bit: a picture's palette would change nothing, so none is made.
        background_surface->NAHRAJ_SURFACE(background_path);
    }
    if (!has_picture()) return;
    const int W = PX_Strana_sir(), H = PX_Strana_vys();
    const int bw = background_surface->sir, bh = background_surface->vys;
    switch (background_mode) {
    case PX_BG_SIMPLE:
        background_dst = {0, 0};
        background_src = {0, 0, std::min(W, bw), std::min(H, bh)};
        break;
    case PX_BG_CENTER:
        centre_axis(W, bw, &background_src.left, &background_src.right, &background_dst.x);
        centre_axis(H, bh, &background_src.top, &background_src.bottom, &background_dst.y);
        break;
    case PX_BG_STRETCH:
        background_src = {0, 0, bw, bh};
        break;
    default:
        break;
    }
}

void ZOBRAZ_STRANU(IDirectDrawSurface* back) {
    if (!back) return;
    // The objects clip to the screen: while the page is drawn, its own size is the screen.
    const int screen_w = tf_ScreenW, screen_h = tf_ScreenH;
    tf_ScreenW = PX_Strana_sir();
    tf_ScreenH = PX_Strana_vys();
    if (!covers(back)) DDSURFACE_ZMAZ(back, PAGE_FILL);
    if (has_picture()) {
        tf_CDas_Surface* s = background_surface;
        switch (background_mode) {
        case PX_BG_SIMPLE:
        case PX_BG_CENTER:
            s->Zobraz_Rect(back, background_dst.x, background_dst.y, background_src);
            break;
        case PX_BG_STRETCH:
            s->Zobraz_Stretch_4(back);
            break;
        case PX_BG_TILE:
            draw_tiles(back, s);
            break;
        default:
            break;
        }
    }
    for (int i = 0; i < REG.count; ++i)
        if (auto* o = static_cast<CHerec*>(REG.GET(i))) o->ZOBRAZ(back);
    tf_ScreenW = screen_w;
    tf_ScreenH = screen_h;
}
