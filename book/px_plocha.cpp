// The page's canvas: its size, its surface while it differs from the screen's, and the
// rectangle it is shown in, fitted into the screen with its proportions kept.
#include "book/px_plocha.h"

#include <algorithm>

#include "framework/surface/tf_display.h"
#include "framework/surface/tf_dsrfc.h"

PX_Plocha px_plocha;

namespace {
// Raw pixel value: a pale blue-grey beside the page, under which the menu bar's white net and
// its black words stay as readable as over the page.
constexpr DWORD BARS = 0xCE9C;

bool ako_obrazovka() { return PX_Strana_sir() == tf_ScreenW && PX_Strana_vys() == tf_ScreenH; }

// Where the page shows: the whole screen, or the page fitted into it with its proportions, centred.
RECT ciel() {
    if (ako_obrazovka()) return {0, 0, tf_ScreenW, tf_ScreenH};
    const int64_t w = PX_Strana_sir(), h = PX_Strana_vys(), W = tf_ScreenW, H = tf_ScreenH;
    const bool full_width = W * h <= H * w;  // the page is wider than the screen, for its height
    const int sw = int(full_width ? W : H * w / h), sh = int(full_width ? W * h / w : H);
    const int x = (tf_ScreenW - sw) / 2, y = (tf_ScreenH - sh) / 2;
    return {x, y, x + sw, y + sh};
}
}  // namespace

int PX_Strana_sir() { return px_plocha.sir > 0 ? px_plocha.sir : tf_ScreenW; }
int PX_Strana_vys() { return px_plocha.vys > 0 ? px_plocha.vys : tf_ScreenH; }

void PX_Plocha_Velkost(int sir, int vys) {
    if (sir == px_plocha.sir && vys == px_plocha.vys) return;
    PX_Plocha_Uvolni();
    px_plocha.sir = std::max(0, sir);
    px_plocha.vys = std::max(0, vys);
}

IDirectDrawSurface* PX_Plocha_Povrch(IDirectDrawSurface* back) {
    if (ako_obrazovka()) return back;
    if (!px_plocha.povrch && tf_lpDD) px_plocha.povrch = DDCreateOffscreenSurface(tf_lpDD, PX_Strana_sir(), PX_Strana_vys());
    if (!px_plocha.povrch || !back) return px_plocha.povrch;
    // Only the page under the part of the screen being drawn, with a margin for the scaling's
    // rounding.
    const RECT c = back->DrawClip();
    const POINT a = PX_Na_stranu(c.left, c.top), b = PX_Na_stranu(c.right, c.bottom);
    const RECT page = {a.x - 2, a.y - 2, b.x + 2, b.y + 2};
    px_plocha.povrch->SetDrawClip(&page);
    return px_plocha.povrch;
}

void PX_Plocha_Ukaz(IDirectDrawSurface* back) {
    if (!back || ako_obrazovka() || !px_plocha.povrch) return;
    RECT src = {0, 0, PX_Strana_sir(), PX_Strana_vys()}, dst = ciel();
    // Only the bars: the page covers the rest.
    RECT bars[] = {{0, 0, tf_ScreenW, dst.top},
                   {0, dst.bottom, tf_ScreenW, tf_ScreenH},
                   {0, dst.top, dst.left, dst.bottom},
                   {dst.right, dst.top, tf_ScreenW, dst.bottom}};
    for (RECT& bar : bars)
        if (bar.right > bar.left && bar.bottom > bar.top) DDSURFACE_ZMAZ(back, BARS, &bar);
    tf_RetryWhileBusy([&] { return back->Blt(&dst, px_plocha.povrch, &src, DDBLT_WAIT, nullptr); });
}

POINT PX_Na_stranu(int x, int y) {
    if (ako_obrazovka()) return {x, y};
    const RECT c = ciel();
    const int64_t cw = std::max<int64_t>(1, c.right - c.left), ch = std::max<int64_t>(1, c.bottom - c.top);
    return {LONG(int64_t(x - c.left) * PX_Strana_sir() / cw), LONG(int64_t(y - c.top) * PX_Strana_vys() / ch)};
}

RECT PX_Na_obrazovku(RECT r) {
    if (ako_obrazovka()) return r;
    const RECT c = ciel();
    const int64_t cw = c.right - c.left, ch = c.bottom - c.top, w = PX_Strana_sir(), h = PX_Strana_vys();
    return {LONG(c.left + r.left * cw / w), LONG(c.top + r.top * ch / h), LONG(c.left + r.right * cw / w),
            LONG(c.top + r.bottom * ch / h)};
}

void PX_Plocha_Uvolni() {
    if (px_plocha.povrch) px_plocha.povrch->Release();
    px_plocha.povrch = nullptr;
}
