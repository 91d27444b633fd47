// A text's picture, made from its record whenever that changes: a caption is letters with an
// outline in the contrasting colour; a card sits on a rounded box framed in the text's colour;
// a bubble's box grows a tail towards its object. All at the page's own pixels.
#include "book/px_text.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "platform/font.h"

namespace {
// The letters' heights in page pixels: a book's page is about 1920 pixels wide.
constexpr int EM[PX_VELKOSTI] = {30, 42, 58, 78, 104};
// Bright and clear on the starter books' skies, meadows, seas and rooms.
constexpr unsigned long FARBY[PX_FARBY] = {0xFFFFFF, 0x00D8FF, 0x2020E0, 0xD05010,
                                           0x20A020, 0x0080FF, 0xA03090, 0x202020};
constexpr COLORREF TMAVA = 0x201818, SVETLA = 0xFFFFFF;

plat_Font* font(int velkost) {
    // Opened once each, kept for the program's run as the glyph caches are.
    static plat_Font* fonts[PX_VELKOSTI] = {};
    const int v = std::clamp(velkost, 0, PX_VELKOSTI - 1);
    if (!fonts[v]) fonts[v] = plat_OpenFont(-EM[v], 0, 700, "DejaVu Sans");
    return fonts[v];
}

bool svetla(COLORREF c) { return GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c) > 1400; }

std::vector<std::string_view> riadky(const std::string& text) {
    std::vector<std::string_view> out;
    std::string_view rest = text;
    for (size_t nl; (nl = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(nl + 1))
        out.push_back(rest.substr(0, nl));
    out.push_back(rest);
    return out;
}

// Where the letters stand in the box, and the box's size.
struct Sadzba {
    plat_Font* f;
    int em, okraj, riadok, text_sir;
    std::vector<std::string_view> riadky;
    std::vector<int> sirky;
    int sir, vys;
    int x_riadku(size_t i) const { return okraj + (text_sir - sirky[i]) / 2; }
    int y_riadku(size_t i) const { return okraj + int(i) * riadok; }
};

Sadzba sadzba(const PX_Text& t) {
    Sadzba s{font(t.velkost), EM[std::clamp(t.velkost, 0, PX_VELKOSTI - 1)], 0, 0, 0, riadky(t.text), {}, 0, 0};
    s.okraj = t.vzhlad == PX_TITULOK ? std::max(3, s.em / 12) + 1 : s.em / 2;
    s.riadok = std::max(1, plat_FontHeight(s.f));
    for (std::string_view r : s.riadky) s.sirky.push_back(plat_TextWidth(s.f, r));
    s.text_sir = std::max(s.em / 2, *std::max_element(s.sirky.begin(), s.sirky.end()));
    s.sir = s.text_sir + 2 * s.okraj;
    s.vys = s.riadok * int(s.riadky.size()) + 2 * s.okraj;
    return s;
}

plat_Mask pismena(const Sadzba& s, int dx, int dy, int w, int h) {
    plat_Mask m(w, h);
    for (size_t i = 0; i < s.riadky.size(); ++i)
        plat_MaskText(m, s.f, dx + s.x_riadku(i), dy + s.y_riadku(i), s.riadky[i]);
    return m;
}

// The tail in the box's coordinates: its base well inside the box on the line from the box's
// middle to the tip, the tip no further than a few letters beyond the box. None without a tip.
struct Chvost {
    bool je = false;
    double xs[3] = {}, ys[3] = {};
};
Chvost chvost(const Sadzba& s, const PX_Text& t) {
    Chvost c;
    const double cx = s.sir / 2.0, cy = s.vys / 2.0;
    double vx = t.hrot_x - cx, vy = t.hrot_y - cy;
    const double d = std::hypot(vx, vy);
    if (t.vzhlad != PX_BUBLINA || d < 1) return c;
    vx /= d, vy /= d;
    auto po_okraj = [](double polovica, double v) { return std::fabs(v) > 1e-6 ? polovica / std::fabs(v) : 1e9; };
    const double k_okraju = std::min(po_okraj(cx, vx), po_okraj(cy, vy));
    const double dlzka = std::min(d, k_okraju + s.em * 4.0);
    const double zaklad = std::min(cx, cy) * 0.5, polovica = s.em * 0.45;
    c = {true,
         {cx + vx * zaklad - vy * polovica, cx + vx * zaklad + vy * polovica, cx + vx * dlzka},
         {cy + vy * zaklad + vx * polovica, cy + vy * zaklad - vx * polovica, cy + vy * dlzka}};
    return c;
}
}  // namespace

unsigned long PX_Text_Farba(int farba) { return FARBY[std::clamp(farba, 0, PX_FARBY - 1)]; }
unsigned long PX_Text_Proti(int farba) { return svetla(PX_Text_Farba(farba)) ? TMAVA : SVETLA; }
int PX_Text_Em(int velkost) { return EM[std::clamp(velkost, 0, PX_VELKOSTI - 1)]; }

PX_TextObrazPtr PX_Text_Obraz(const PX_Text& t) {
    const Sadzba s = sadzba(t);
    const COLORREF farba = PX_Text_Farba(t.farba), proti = PX_Text_Proti(t.farba);
    auto o = std::make_shared<PX_TextObraz>();
    o->sir = s.sir;
    o->vys = s.vys;
    const int ram = std::max(2, s.em / 14);  // the frame of a card, the outline of a caption
    if (t.vzhlad == PX_TITULOK) {
        o->obraz = plat_Canvas(s.sir, s.vys);
        const plat_Mask m = pismena(s, 0, 0, s.sir, s.vys);
        plat_CanvasPaint(o->obraz, plat_MaskGrow(m, ram), proti, 255);
        plat_CanvasPaint(o->obraz, m, farba, 255);
        plat_CanvasPrepare(o->obraz);
        return o;
    }
    // The tail may reach beyond the box: the picture grows to hold it.
    Chvost c = chvost(s, t);
    int l = -ram, top = -ram, r = s.sir + ram, b = s.vys + ram;
    for (int k = 0; c.je && k < 3; ++k) {
        l = std::min(l, int(std::floor(c.xs[k])) - ram - 1);
        top = std::min(top, int(std::floor(c.ys[k])) - ram - 1);
        r = std::max(r, int(std::ceil(c.xs[k])) + ram + 1);
        b = std::max(b, int(std::ceil(c.ys[k])) + ram + 1);
    }
    o->ox = -l, o->oy = -top;
    o->obraz = plat_Canvas(r - l, b - top);
    plat_Mask tvar(r - l, b - top);
    plat_MaskRoundBox(tvar, o->ox, o->oy, o->ox + s.sir, o->oy + s.vys, s.em * 0.6);
    for (int k = 0; c.je && k < 3; ++k) c.xs[k] += o->ox, c.ys[k] += o->oy;
    if (c.je) plat_MaskTriangle(tvar, c.xs, c.ys);
    plat_CanvasPaint(o->obraz, plat_MaskGrow(tvar, ram), farba, 255);
    plat_CanvasPaint(o->obraz, tvar, proti, 255);
    plat_CanvasPaint(o->obraz, pismena(s, o->ox, o->oy, r - l, b - top), farba, 255);
    plat_CanvasPrepare(o->obraz);
    return o;
}

void PX_Text_Rozmer(const PX_Text& t, int* sir, int* vys) {
    const Sadzba s = sadzba(t);
    *sir = s.sir;
    *vys = s.vys;
}

bool PX_Text_Chvost(const PX_Text& t, double xs[3], double ys[3]) {
    const Chvost c = chvost(sadzba(t), t);
    std::copy_n(c.xs, 3, xs);
    std::copy_n(c.ys, 3, ys);
    return c.je;
}

PX_Kurzor PX_Text_Kurzor(const PX_Text& t, size_t pos) {
    const Sadzba s = sadzba(t);
    pos = std::min(pos, t.text.size());
    size_t i = 0, od = 0;
    for (; i + 1 < s.riadky.size() && od + s.riadky[i].size() < pos; ++i) od += s.riadky[i].size() + 1;
    const int x = s.x_riadku(i) + plat_TextWidth(s.f, s.riadky[i].substr(0, pos - od));
    return {x, s.y_riadku(i), s.riadok};
}

size_t PX_Text_Pozicia(const PX_Text& t, int x, int y) {
    const Sadzba s = sadzba(t);
    const size_t i = size_t(std::clamp((y - s.okraj) / s.riadok, 0, int(s.riadky.size()) - 1));
    size_t od = 0;
    for (size_t r = 0; r < i; ++r) od += s.riadky[r].size() + 1;
    // Past the middle of a letter the caret goes after it.
    int pred = s.x_riadku(i);
    size_t k = 0;
    for (; k < s.riadky[i].size(); ++k) {
        const int za = pred + plat_TextWidth(s.f, s.riadky[i].substr(k, 1));
        if (x < pred + (za - pred + 1) / 2) break;
        pred = za;
    }
    return od + k;
}
