// The list menu: layout classes, their defaults, and position.
#include <algorithm>
#include <climits>
#include <cstring>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_geom.h"
#include "framework/widgets/tf_dui.h"

namespace {
const char* const SRC = "TF_DUI_w";

// Bar entries grow with their captions; a caption of any length keeps the sums in range.
int v_rozsahu(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2)); }
}  // namespace

void tf_CDUI::Inic_KP() {
    const int n = volby.count;
    switch (trieda) {
    case 0:
        Nastav_Konstanty(80, 0, 100, 30);
        presun(tf_ScreenCX - (n * (sirka_volby + medzera) - medzera) / 2, tf_ScreenCY);
        SetTextMode("CB");
        SetIconMode("CC");
        popup = false;
        break;
    case 1:
        Nastav_Konstanty(20, 0, 0, 3);
        sir_znaku = 8;
        presun(1, 3);
        SetTextMode("CC");
        SetIconMode("LC");
        popup = false;
        break;
    case 2:
        Nastav_Konstanty(20, 23, 120, 3);
        presun(tf_ScreenCX - sirka_volby / 2 - medzera, tf_ScreenCY - (krok_volby * n) / 2 - medzera);
        SetTextMode("CC");
        SetIconMode("LT");
        popup = true;
        break;
    default:
        TF_FAIL(TF_LOG_ERR, "tf_CDUI::Inic_KP() - neznama trieda ");
        return;
    }
    text_okraj = 1;
    ikona_okraj = 1;
}

void tf_CDUI::RESET_DEFAULT(int trieda_) {
    if (trieda_ < 0 || trieda_ > 2) {
        TF_LOG("tf_CDUI::RESET_DEFAULT() - zadana nekorektna trieda", trieda_);
        return;
    }
    trieda = trieda_;
    RESET_DEFAULT();
}

void tf_CDUI::RESET_DEFAULT() {
    Inic_KP();
    RESET_GEOMETRIE();
    zmena = true;
}

void tf_CDUI::Nastav_Konstanty(int vyska_volby_, int krok_volby_, int sirka_volby_, int medzera_) {
    vyska_volby = vyska_volby_;
    krok_volby = krok_volby_;
    sirka_volby = sirka_volby_;
    medzera = medzera_;
    zmena = true;
}

int tf_CDUI::najsirsi_popis() { return najsirsi_z<tf_TVOLBA>(volby); }

// A caption clear of both ends of its entry: the margin its alignment keeps, a few pixels at
// least elsewhere, and the mark's room at the left where entries are marked.
int tf_CDUI::sirka_stlpca() {
    if (!tf_lpDDSPrimary) return sirka_volby;
    constexpr int VOLNO = 4;
    const int popis = najsirsi_popis(), znacka = oznacena > 0 ? SIRKA_ZNACKY : 0;
    int treba = 0;
    if (text_mod[0] == 'L')
        treba = std::max(text_okraj, znacka) + popis + VOLNO;
    else if (text_mod[0] == 'C')
        treba = popis + 2 * std::max({text_okraj, znacka, VOLNO});
    else
        treba = std::max(znacka, VOLNO) + popis + text_okraj;
    return std::max(sirka_volby, treba);
}

int tf_CDUI::viditelne() { return max_riadkov > 0 && max_riadkov < volby.count ? max_riadkov : volby.count; }

void tf_CDUI::RESET_GEOMETRIE() {
    switch (trieda) {
    case 0: rozloz_obluk(); break;
    case 1: rozloz_listu(); break;
    case 2: rozloz_stlpec(); break;
    default:
        TF_FAIL(TF_LOG_ERR, "RESET_GEOMETRIE() - trieda");
        break;
    }
    zmena = false;
}

// Side by side, the middle entries raised by a gap each step.
void tf_CDUI::rozloz_obluk() {
    const int n = volby.count, a = vyska_volby, c = sirka_volby, d = medzera;
    int ex = x + d, ey = y + (d * n) / 2 + 1;
    for (int i = 0; i < n; ++i) {
        volba(i)->obdlz = {ex, ey, ex + c, ey + a};
        ex += c + d;
        ey += i < n / 2 ? -d : d;
    }
    RECT o = n > 0 ? volba(0)->obdlz : RECT{x, y, x, y};
    for (int i = 1; i < n; ++i) {
        const RECT& r = volba(i)->obdlz;
        if (r.left < o.left) o.left = r.left;
        if (r.top < o.top) o.top = r.top;
        if (r.right > o.right) o.right = r.right;
        if (r.bottom > o.bottom) o.bottom = r.bottom;
    }
    obal = {o.left - d, o.top - d, o.right + d, o.bottom + d};
    tf_glob_Orez_Rect2Screen(&obal);
}

// Side by side across the screen, each as wide as its caption (by its letters, or measured).
void tf_CDUI::rozloz_listu() {
    const int a = vyska_volby, d = medzera;
    obal = {x, y, tf_ScreenW - 1, y + a + 2 * d};
    int ex = x + d;
    const int ey = y + d;
    if (podla_popisu) najsirsi_popis();  // the captions measured in the list's font
    for (int i = 0; i < volby.count; ++i) {
        tf_TVOLBA* v = volba(i);
        const long long znaky = v->text ? static_cast<long long>(strlen(v->text)) : 0;
        const long long text = podla_popisu ? static_cast<long long>(v->text_sir) + pridavok : sir_znaku * znaky;
        const int w = v_rozsahu(text + 2LL * text_okraj);
        v->obdlz = {ex, ey, v_rozsahu(static_cast<long long>(ex) + w), ey + a};
        ex = v_rozsahu(static_cast<long long>(ex) + w + d);
    }
}

// One under another; only the first max_riadkov entries when that limits them.
void tf_CDUI::rozloz_stlpec() {
    const int m = viditelne(), a = vyska_volby, b = krok_volby, c = sirka_stlpca(), d = medzera;
    obal = {x, y, x + c + 2 * d, y + b * m + 2 * d - (b - a)};
    plocha.left = x + d;
    plocha.right = x + d + c;
    plocha.top = y + d;
    plocha.bottom = y + d + b * m - (b - a);
    int ey = y + d;
    for (int i = 0; i < m; ++i) {
        volba(i)->obdlz = {x + d, ey, x + d + c, ey + a};
        ey += b;
    }
}

void tf_CDUI::presun(int x_, int y_) {
    tf_CPol::CHOD_NA(x_, y_);
    zmena = true;
}

void tf_CDUI::CHOD_NA(int x_, int y_) { presun(x_, y_); }

void tf_CDUI::Rodic_reset() {
    tf_CPol::Rodic_reset();
    zmena = true;
}

void tf_CDUI::Dsgn(int rx_, int ry_) {
    MoveToRel(rx_, ry_);
    zmena = true;
}

void tf_CDUI::CHOD_NA_CENTER(int cx, int cy) {
    if (zmena) RESET_GEOMETRIE();
    presun(cx - (obal.right - obal.left) / 2, cy - (obal.bottom - obal.top) / 2);
}

// As it will be drawn: laid out first when it changed.
void tf_CDUI::GetSize(int* sir, int* vys) {
    if (zmena) RESET_GEOMETRIE();
    *sir = obal.right - obal.left + 1;
    *vys = obal.bottom - obal.top + 1;
}
