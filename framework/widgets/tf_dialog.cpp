#include "framework/widgets/tf_dialog.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>

#include "framework/surface/tf_display.h"
#include "framework/surface/tf_draw.h"
#include "framework/widgets/tf_dialog_bg.h"

namespace {
// A move to the first point and lines through the others (each end point excluded).
void lines(HDC dc, HPEN pen, std::initializer_list<POINT> points) {
    SelectObject(dc, pen);
    const POINT* p = points.begin();
    MoveToEx(dc, p->x, p->y, nullptr);
    for (++p; p != points.end(); ++p) LineTo(dc, p->x, p->y);
}

template <class T>
void delete_gdi(T& object) {
    if (object) DeleteObject(object);
    object = nullptr;
}
}  // namespace

// ---- frame

tf_CDDialog_EFEKT::tf_CDDialog_EFEKT() {
    Vytvor_Inic();
    tf_CPol::CHOD_NA(10, 10);
}

tf_CDDialog_EFEKT::tf_CDDialog_EFEKT(int x_, int y_, int sir_, int vys_, const char* titulok_) {
    Vytvor_Inic();
    tf_CPol::CHOD_NA(x_, y_);
    sir = sir_;
    vys = vys_;
    Set_Titulok(titulok_);
}

tf_CDDialog_EFEKT::~tf_CDDialog_EFEKT() { uvolni_gdi(); }

void tf_CDDialog_EFEKT::uvolni_gdi() {
    delete_gdi(brush_grey);
    delete_gdi(brush_title);
    delete_gdi(pen_white);
    delete_gdi(pen_light);
    delete_gdi(pen_mid);
    delete_gdi(pen_dark);
}

void tf_CDDialog_EFEKT::Vytvor_Inic() {
    class_id = TF_CLASS_DDIALOG_EFEKT;
    Set_Nazov("noname");
    sir = 300;
    vys = 200;
    vyska_hlavicky = 16;
    efekt = 1;
    pevny = false;
    tahat_hlavickou = true;
    titulok[0] = '\0';
    ikona = nullptr;
    uvolni_gdi();  // a second call must not leak the first set
    brush_grey = CreateSolidBrush(0x00B4B4B4);
    brush_title = CreateSolidBrush(0x00C86464);
    pen_white = CreatePen(PS_SOLID, 1, 0x00FFFFFF);
    pen_light = CreatePen(PS_SOLID, 1, 0x00D7D7D7);
    pen_mid = CreatePen(PS_SOLID, 1, 0x00A0A0A0);
    pen_dark = CreatePen(PS_SOLID, 1, 0x00505050);
}

void tf_CDDialog_EFEKT::Set_Titulok(const char* text) { snprintf(titulok, sizeof titulok, "%s", text ? text : ""); }

void tf_CDDialog_EFEKT::Center() { tf_CPol::CHOD_NA((tf_ScreenW - sir) / 2, (tf_ScreenH - vys) / 2); }

void tf_CDDialog_EFEKT::CHOD_NA_CENTER(int cx, int cy) { tf_CPol::CHOD_NA(cx - sir / 2, cy - vys / 2); }

bool tf_CDDialog_EFEKT::Test_mys_v_rect(int px, int py) { return tf_glob_test_v_rect(x, y, x + sir, y + vys, px, py); }

void tf_CDDialog_EFEKT::border(HDC dc) {
    const LONG L = x, T = y, R = x + sir, B = y + vys;
    lines(dc, pen_light, {{L - 1, T - 1}, {R + 1, T - 1}, {R + 1, B + 1}, {L - 1, B + 1}, {L - 1, T - 1}});
    lines(dc, pen_light, {{L - 3, B + 3}, {L - 3, T - 3}, {R + 3, T - 3}});
    lines(dc, pen_white, {{L - 2, B + 2}, {L - 2, T - 2}, {R + 2, T - 2}});
    lines(dc, pen_mid, {{R + 2, T - 2}, {R + 2, B + 2}, {L - 3, B + 2}});
    lines(dc, pen_dark, {{R + 3, T - 3}, {R + 3, B + 3}, {L - 4, B + 3}});
}

void tf_CDDialog_EFEKT::ZOBRAZ(IDirectDrawSurface* ciel) {
    if (!zivy || !ciel) return;
    const LONG L = x, T = y, R = x + sir, B = y + vys;
    // No strip means the panel starts at the top edge.
    const LONG h = std::max(vyska_hlavicky, 0);
    // The net works on the locked surface, so it goes before the device context is taken.
    if (efekt == 1) tf_CDUI_podklad_efekt_A_biela_siet(ciel, {L - 1, T + h - 1, R + 3, B + 2}, false);
    HDC dc = nullptr;
    if (ciel->GetDC(&dc) == DD_OK) {
        const RECT panel = {L, T + h, R + 1, B + 1};
        if (efekt == 2) FillRect(dc, &panel, brush_grey);
        if (efekt == 3) tf_CDUI_podklad_efekt_B_mliecny(dc, panel);
        if (h > 0 && !ikona) {
            const RECT strip = {L, T, R + 1, T + h};
            FillRect(dc, &strip, brush_title);
        }
        if (titulok[0]) tf_glob_Text(dc, L + 10, T, 0x00FFFFFF, titulok);
        border(dc);
        ciel->ReleaseDC(dc);
    }
    if (ikona) ikona->ZOBRAZ_2(ciel, L, R + 1, T, B, L, T);
}

bool tf_CDDialog_EFEKT::INFORMUJ_SA(int px, int py, int udalost) {
    if (!zivy || pevny) return false;
    if (!Test_mys_v_rect(px, py) && stav != 2) {
        stav = 0;
        return false;
    }
    if (udalost == 0 && stav == 0) {
        stav = 1;
    } else if (udalost == 1 && stav == 1 && (!tahat_hlavickou || py - y <= vyska_hlavicky)) {
        stav = 2;
        tf_glob_GrabX = px - x;
        tf_glob_GrabY = py - y;
    } else if (udalost == -1 && stav == 2) {
        stav = 1;
    } else if (udalost == 0 && stav == 2) {
        tf_CPol::CHOD_NA(px - tf_glob_GrabX, py - tf_glob_GrabY);
    }
    return true;  // every event inside the panel is ours
}

// ---- dialog

tf_CDDialog::tf_CDDialog() { init(); }

tf_CDDialog::tf_CDDialog(tf_CPolCHLO* parent_, int ID_) : tf_CPolCHLO(parent_, ID_) { init(); }

void tf_CDDialog::init() {
    class_id = TF_CLASS_DDIALOG;
    Set_Nazov("noname_dlg");
    stav = 0;
    tf_CPol::CHOD_NA(tf_ScreenCX - 150, tf_ScreenCY - 100);
}

void tf_CDDialog::Dsgn(int rx_, int ry_, int sir_, int vys_, int efekt) {
    sir = sir_;
    vys = vys_;
    MoveToRel(rx_, ry_);
    ram.efekt = efekt;
}

void tf_CDDialog::GetSize(int* sir_, int* vys_) {
    *sir_ = sir;
    *vys_ = vys;
}

void tf_CDDialog::SetSize(int sir_, int vys_) {
    sir = sir_;
    vys = vys_;
}

bool tf_CDDialog::CanDrag(int px, int py) { return tf_glob_test_v_rect(x, y, x + sir, y + ram.vyska_hlavicky, px, py); }

bool tf_CDDialog::INFORMUJ_SA(int px, int py, int udalost) {
    if (!zivy) return false;
    // Re-armed each time the pointer enters; a drag goes on wherever the pointer goes.
    if (!tf_glob_test_v_rect(x, y, x + sir, y + vys, px, py) && stav != 2) {
        stav = 0;
        return false;
    }
    return tf_CPolCHLO::INFORMUJ_SA(px, py, udalost);
}

void tf_CDDialog::CHOD_NA_CENTER(int cx, int cy) {
    ram.CHOD_NA_CENTER(cx, cy);
    CHOD_NA(cx - sir / 2, cy - vys / 2);
}

void tf_CDDialog::ZOBRAZ(IDirectDrawSurface* surface) { ZOBRAZ(surface, 0); }

void tf_CDDialog::ZOBRAZ(IDirectDrawSurface* surface, int rezim) {
    if (!zivy) return;
    if (rezim == 0 || rezim == 1 || rezim == 3) draw_panel(surface);
    if (rezim == 0 || rezim == 2 || rezim == 3) tf_CPolCHLO::ZOBRAZ(surface);
}

void tf_CDDialog::draw_panel(IDirectDrawSurface* surface) {
    if (!plny) {
        ram.x = x;
        ram.y = y;
        ram.sir = sir;
        ram.vys = vys;
        ram.ZOBRAZ(surface);
        return;
    }
    HDC dc = nullptr;
    if (!surface || surface->GetDC(&dc) != DD_OK) return;
    HBRUSH green = CreateSolidBrush(0x00006400);
    const RECT r = {x, y, x + sir + 1, y + vys + 1};
    FillRect(dc, &r, green);
    DeleteObject(green);
    surface->ReleaseDC(dc);
}
