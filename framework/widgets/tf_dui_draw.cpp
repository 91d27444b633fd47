// The list menu: background, highlights, icons and captions, bottom to top.
#include <algorithm>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_draw.h"
#include "framework/widgets/tf_dialog_bg.h"
#include "framework/widgets/tf_dui.h"

namespace {
const char* const SRC = "TF_DUI_w";

enum Zarovnanie { ZACIATOK, STRED, KONIEC, CHYBNE };

Zarovnanie vodorovne(char c) {
    switch (c) {
    case 'L': return ZACIATOK;
    case 'C': return STRED;
    case 'R': case 'P': return KONIEC;
    default: return CHYBNE;
    }
}

Zarovnanie zvisle(char c) {
    switch (c) {
    case 'T': case 'H': return ZACIATOK;
    case 'C': return STRED;
    case 'B': case 'D': return KONIEC;
    default: return CHYBNE;
    }
}

// Where a piece of size `velkost` starts between `od` and `po` (the rectangle's edges).
int poloha_ikony(Zarovnanie z, int od, int po, int velkost, int okraj) {
    if (z == ZACIATOK) return od + okraj;
    if (z == STRED) return (od + po - velkost + 1) / 2;
    return po - okraj - velkost + 1;
}
}  // namespace

void tf_CDUI::ZOBRAZ() {
    if (zivy && ciel) ZOBRAZ(ciel);
}

void tf_CDUI::ZOBRAZ(IDirectDrawSurface* surface) {
    if (!zivy || !surface) return;
    if (volby.count == 0 && tf_CDUI_NoVoid) return;
    if (zmena) RESET_GEOMETRIE();
    const int m = viditelne();
    if (pozadie == 1) tf_CDUI_podklad_efekt_A_biela_siet(surface, obal, true);
    HDC dc = nullptr;
    if (surface->GetDC(&dc) == DD_OK) {
        if (pozadie == 2) FillRect(dc, &obal, stetec_pozadia);
        if (pozadie == 3) tf_CDUI_podklad_efekt_B_mliecny(dc, obal);
        kresli_zvyraznenia(dc, m);
        surface->ReleaseDC(dc);
    }
    kresli_ikony(surface, m);
    kresli_popisy(surface, m);
}

void tf_CDUI::kresli_zvyraznenia(HDC dc, int m) {
    for (int i = 0; i < m; ++i) {
        tf_TVOLBA* v = volba(i);
        const int s = v->stav;
        const bool oznaceny = oznacena > 0 && v->hodnota == oznacena;
        if (s == 0 && oznaceny) FillRect(dc, &v->obdlz, stetec_oznacenej);
        if (s == 0 && ramik_volieb > 0) {
            SelectObject(dc, GetStockObject(NULL_BRUSH));
            SelectObject(dc, pero_ramika);
            Rectangle(dc, v->obdlz.left, v->obdlz.top, v->obdlz.right, v->obdlz.bottom);
        }
        if (s >= 1 && s <= 3) kresli_stav(dc, v->obdlz, s);
        if (oznaceny) kresli_znacku(dc, v->obdlz);
    }
}

void tf_CDUI::kresli_stav(HDC dc, RECT h, int s) {
    const int dx = posun == 1 ? posun_x : 0, dy = posun == 1 ? posun_y : 0;
    h = {h.left + dx - rozsir_x, h.top + dy - rozsir_y, h.right + dx + rozsir_x, h.bottom + dy + rozsir_y};
    if (oble) {
        SelectObject(dc, GetStockObject(NULL_PEN));
        SelectObject(dc, stetec_stavu[s - 1]);
        RoundRect(dc, h.left, h.top, h.right, h.bottom, oble_x, oble_y);
        return;
    }
    if (kreslenie & 1) FillRect(dc, &h, stetec_stavu[s - 1]);
    if (kreslenie & 2) tf_glob_Level_efekt_pero(dc, h.left, h.top, h.right - 1, h.bottom - 1, pero_tmave, s);
}

// A check mark in the room the marked entry keeps at its left, kept inside the entry.
void tf_CDUI::kresli_znacku(HDC dc, const RECT& r) {
    const int cy = (r.top + r.bottom) / 2, l = r.left;
    if (r.right - l < SIRKA_ZNACKY || r.bottom - r.top < 10) return;
    SelectObject(dc, pero_znacky);
    MoveToEx(dc, l + 4, cy, nullptr);
    LineTo(dc, l + 7, cy + 4);
    LineTo(dc, l + 14, cy - 4);
}

// A cut entry's icon keeps its place in the whole entry; only its visible part shows.
void tf_CDUI::kresli_ikony(IDirectDrawSurface* surface, int m) {
    const Zarovnanie zv = vodorovne(ikona_mod[0]), zz = zvisle(ikona_mod[1]);
    for (int i = 0; i < m; ++i) {
        tf_TVOLBA* v = volba(i);
        if (!v->ikona) continue;
        if (zv == CHYBNE || zz == CHYBNE) {
            TF_FAIL(TF_LOG_ERR, "tf_CDUI::ZOBRAZ - IconMode");
            return;
        }
        RECT w = v->obdlz;
        if (w.left < 1) w.left = 0;
        if (w.top < 1) w.top = 0;
        if (w.right > tf_ScreenW - 1) w.right = tf_ScreenW - 1;
        if (w.bottom > tf_ScreenH - 1) w.bottom = tf_ScreenH - 1;
        const RECT& a = v->rez > 0 ? v->cele_obdlz : v->obdlz;
        const tf_TFAZA& f = v->ikona->faza;
        const int ix = poloha_ikony(zv, a.left, a.right, f.sir, ikona_okraj);
        v->ikona->ZOBRAZ_2(surface, w.left, w.right, w.top, w.bottom, ix, poloha_ikony(zz, a.top, a.bottom, f.vys, ikona_okraj));
    }
}

void tf_CDUI::kresli_popisy(IDirectDrawSurface* surface, int m) {
    bool ziadny = true;
    for (int i = 0; i < m && ziadny; ++i) ziadny = volba(i)->text == nullptr;
    HDC dc = nullptr;
    if (ziadny || surface->GetDC(&dc) != DD_OK) return;
    SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < m; ++i) {
        tf_TVOLBA* v = volba(i);
        RECT box;
        UINT format = 0;
        if (v->text && popis_obdlz(v, &box, &format)) DrawTextA(dc, v->text, -1, &box, format);
    }
    surface->ReleaseDC(dc);
}

// The caption's box and format. A cut entry's caption lies where it lies in the whole entry,
// and the box, clipped to the visible part, shows only what of it is visible.
bool tf_CDUI::popis_obdlz(tf_TVOLBA* v, RECT* box, UINT* format) {
    const RECT& o = v->obdlz;
    const RECT& c = v->cele_obdlz;
    const int k = text_okraj, h = v->text_vys;
    *box = {o.left + 1, o.top + 1, o.right - 1, o.bottom - 1};
    *format = DT_LEFT | DT_TOP;
    switch (vodorovne(text_mod[0])) {
    case ZACIATOK: box->left = o.left + (oznacena > 0 ? std::max(k, SIRKA_ZNACKY) : k); break;
    case STRED: *format |= DT_CENTER; break;
    case KONIEC:
        *format |= DT_RIGHT;
        box->right = o.right - k;
        break;
    case CHYBNE:
        TF_FAIL(TF_LOG_ERR, "tf_CDUI::ZOBRAZ - TextMode");
        return false;
    }
    const Zarovnanie z = zvisle(text_mod[1]);
    if (z == CHYBNE) {
        TF_FAIL(TF_LOG_ERR, "tf_CDUI::ZOBRAZ - TextMode", v->rez);
        return false;
    }
    if (v->rez == 1 || v->rez == 2) {
        // The caption's top in the whole entry, as the whole entry's own rules put it.
        const int hore = z == ZACIATOK ? c.top + k
                         : z == STRED  ? c.top + 1 + (c.bottom - c.top - 2 - h) / 2
                                       : c.bottom - k - h;
        if (v->rez == 1) {
            *format |= DT_SINGLELINE | DT_BOTTOM;
            box->bottom = hore + h < box->top ? box->top : hore + h;
        } else {
            box->top = hore > box->bottom ? box->bottom : hore;
        }
        return true;
    }
    if (z == ZACIATOK) box->top = o.top + k;
    if (z == STRED) *format |= DT_SINGLELINE | DT_VCENTER;
    if (z == KONIEC) {
        *format |= DT_SINGLELINE | DT_BOTTOM;
        box->bottom = o.bottom - k;
    }
    return true;
}
