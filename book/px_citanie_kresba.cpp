// What reading draws over the page: a turn (the old page's still sliding away, a soft shadow
// on the page it uncovers), the closing card, and a message at the foot of the screen.
#include <algorithm>
#include <cmath>
#include <string>

#include "book/px_citanie.h"
#include "book/px_sprava.h"
#include "book/px_text.h"
#include "framework/surface/tf_draw.h"
#include "platform/canvas.h"
#include "platform/gdi.h"

namespace {
constexpr int TIEN = 28;          // the shadow's width
constexpr int TIEN_ALFA = 110;    // and its darkest, at the old page's edge
constexpr double PI = 3.14159265358979;

// The shadow's strip, darkest beside the old page's edge: at its left end when the old page
// slides left (smer +1), else at its right; made again only for another height.
const plat_Canvas& tien(int h, int smer) {
    static plat_Canvas strip[2];
    plat_Canvas& s = strip[smer > 0];
    if (s.h == h) return s;
    plat_Mask m(TIEN, h);
    for (int x = 0; x < TIEN; ++x) {
        const double k = smer > 0 ? double(TIEN - x) / TIEN : double(x + 1) / TIEN;
        for (int y = 0; y < h; ++y) m.px[size_t(y) * TIEN + x] = static_cast<uint8_t>(std::lround(255 * k * k));
    }
    s = plat_Canvas(TIEN, h);
    plat_CanvasPaint(s, m, 0, TIEN_ALFA);
    plat_CanvasPrepare(s);
    return s;
}

// A ring's arc from angle a0 to a1 (radians, clockwise on the screen), anti-aliased.
void obluk(plat_Mask& m, double cx, double cy, double r, double hrubka, double a0, double a1) {
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            double a = std::atan2(dy, dx);
            while (a < a0) a += 2 * PI;
            if (a > a1) continue;
            const double pokrytie = std::clamp(hrubka / 2 - std::abs(std::hypot(dx, dy) - r) + 0.5, 0.0, 1.0);
            uint8_t& p = m.px[size_t(y) * m.w + x];
            p = std::max(p, static_cast<uint8_t>(std::lround(255 * pokrytie)));
        }
}

// The card's parts, made again only for another book or screen.
struct Karta {
    std::string kniha;
    int w = 0, h = 0;
    PX_TextObrazPtr koniec, nazov;
    plat_Canvas sipka;
};

plat_Canvas sipka(int strana) {
    const double r = strana / 3.0, hrubka = strana / 9.0, c = strana / 2.0;
    const double a0 = -PI * 0.35, a1 = PI * 1.25;
    plat_Mask kruh(strana, strana), znak(strana, strana);
    plat_MaskRoundBox(kruh, 0, 0, strana, strana, strana / 2.0);
    obluk(znak, c, c, r, hrubka, a0, a1);
    // The head at the arc's end, pointing on along it.
    const double ex = c + r * std::cos(a1), ey = c + r * std::sin(a1);
    const double tx = -std::sin(a1), ty = std::cos(a1), nx = std::cos(a1), ny = std::sin(a1), s = hrubka * 1.8;
    const double xs[3] = {ex + tx * s * 1.3, ex + nx * s, ex - nx * s};
    const double ys[3] = {ey + ty * s * 1.3, ey + ny * s, ey - ny * s};
    plat_MaskTriangle(znak, xs, ys);
    plat_Canvas out(strana, strana);
    plat_CanvasPaint(out, kruh, RGB(255, 255, 255), 60);
    plat_CanvasPaint(out, znak, RGB(255, 216, 0), 255);
    plat_CanvasPrepare(out);
    return out;
}

const Karta& karta(const char* kniha, int w, int h) {
    static Karta k;
    if (k.kniha == kniha && k.w == w && k.h == h && k.koniec) return k;
    k = Karta{kniha, w, h, nullptr, nullptr, {}};
    PX_Text t;
    t.text = "Koniec";
    t.velkost = PX_VELKOSTI - 1;
    t.farba = 1;
    k.koniec = PX_Text_Obraz(t);
    t.text = kniha;
    t.velkost = 2;
    t.farba = 0;
    k.nazov = PX_Text_Obraz(t);
    const RECT r = PX_Karta_sipka(w, h);
    k.sipka = sipka(r.right - r.left);
    return k;
}

void na_stred(IDirectDrawSurface* back, const PX_TextObraz& o, int y) {
    plat_CanvasBlend(back, (back->Width() - o.sir) / 2 - o.ox, y - o.oy, o.obraz);
}
}  // namespace

int PX_Prechod_posun(double t, int w) {
    t = std::clamp(t, 0.0, 1.0);
    return static_cast<int>(std::lround(t * t * (3 - 2 * t) * w));
}

void PX_Prechod(IDirectDrawSurface* back, IDirectDrawSurface* still, double t, int smer) {
    const int w = back->Width(), h = back->Height(), posun = PX_Prechod_posun(t, w);
    if (posun >= w) return;
    RECT zdroj = smer > 0 ? RECT{posun, 0, w, h} : RECT{0, 0, w - posun, h};
    back->BltFast(smer > 0 ? 0 : posun, 0, still, &zdroj, DDBLTFAST_NOCOLORKEY);
    if (posun > 0) plat_CanvasBlend(back, smer > 0 ? w - posun : posun - TIEN, 0, tien(h, smer));
}

RECT PX_Karta_sipka(int w, int h) {
    const int strana = std::max(40, h / 7), x = (w - strana) / 2, y = h * 7 / 10 - strana / 2;
    return {x, y, x + strana, y + strana};
}

void PX_Zaverecna_karta(IDirectDrawSurface* back, const char* kniha) {
    const int w = back->Width(), h = back->Height(), PASY = std::max(1, h / 3);
    HDC dc = nullptr;
    if (back->GetDC(&dc) == DD_OK) {  // evening blue, deeper at the top
        for (int i = 0; i < PASY; ++i) {
            HBRUSH b = CreateSolidBrush(RGB(40 + i * 20 / PASY, 34 + i * 50 / PASY, 100 + i * 40 / PASY));
            const RECT pas = {0, h * i / PASY, w, h * (i + 1) / PASY};
            FillRect(dc, &pas, b);
            DeleteObject(b);
        }
        back->ReleaseDC(dc);
    }
    const Karta& k = karta(kniha, w, h);
    na_stred(back, *k.koniec, h * 3 / 10 - k.koniec->vys / 2);
    na_stred(back, *k.nazov, h / 2 - k.nazov->vys / 2);
    const RECT r = PX_Karta_sipka(w, h);
    plat_CanvasBlend(back, r.left, r.top, k.sipka);
}

void PX_Citanie_Oznam(IDirectDrawSurface* back, const std::string& text) {
    int w = 0, h = 0;
    tf_glob_ZISTI_ROZMER_TEXTU(text.c_str(), nullptr, &w, &h);
    PX_Text_na_pase(back, (back->Width() - w) / 2, back->Height() - h - 24, text.c_str(), RGB(255, 255, 255),
                    RGB(40, 34, 100), 14, 6);
}
