// The row list: the view entries laid out over the rows, plain or scrolled by pixels.
#include <algorithm>
#include <cstdlib>

#include "framework/core/tf_log.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_duir.h"

namespace {
const char* const SRC = "TF_DUIR_w";

// The size an element shows: its first phase when it has a picture, otherwise its box.
void rozmer(tf_CDAS& e, int* sir, int* vys) {
    const tf_TFAZA* f = e.srf && e.srf->lpDDS ? e.Faza(0) : nullptr;
    *sir = f ? f->sir : e.sir;
    *vys = f ? f->vys : e.vys;
}

// The entry gives up its caption and icon, freeing what it owned.
void uvolni(tf_TVOLBA* v) {
    if (v->vlastni_text) free(v->text);
    if (v->vlastni_ikona) delete v->ikona;
    v->text = nullptr;
    v->ikona = nullptr;
    v->vlastni_text = v->vlastni_ikona = false;
    v->text_sir = v->text_vys = 0;
}
}  // namespace

int tf_CDUIR::viditelnych() const { return std::clamp(max_viditelnych, 3, 25); }

void tf_CDUIR::RESET_GEOMETRIER() {
    trieda = 2;
    max_viditelnych = viditelnych();
    const int v = max_viditelnych, r = riadky.count;
    pohlad_na(r <= v ? r : v + 1);
    if (r <= v)
        rozloz_bez_posuvania();
    else
        rozloz_s_posuvanim(v);
    zmena = zmena_r = false;
}

void tf_CDUIR::pohlad_na(int s) {
    while (volby.count < s) volby.Add(new tf_TVOLBA());
    while (volby.count > s) tf_CDUI::ODOBER();
}

void tf_CDUIR::rozloz_bez_posuvania() {
    posuvanie = false;
    max_posun = 0;
    posun_r = 0;
    posuvnik.zivy = tlac_hore.zivy = tlac_dole.zivy = false;
    ikona_drahy.platny = 0;
    max_riadkov = 0;
    tf_CDUI::RESET_GEOMETRIE();
    for (int i = 0; i < volby.count; ++i) preklop(riadok(i), volba(i), nullptr, nullptr, 0);
}

void tf_CDUIR::rozloz_s_posuvanim(int v) {
    const int a = vyska_volby, b = krok_volby, c = sirka_stlpca(), d = medzera, s = v + 1;
    stock_vzhlad();
    posuvanie = true;
    max_posun = (riadky.count - v) * b;
    int w, k, hw, h;
    rozmer(posuvnik, &w, &k);
    rozmer(tlac_hore, &hw, &h);
    obal = {x, y, x + c + 2 * d + w + d, y + b * v + 2 * d - (b - a)};
    plocha.left = x + d;
    plocha.right = x + d + c;
    plocha.top = y + d;
    plocha.bottom = y + d + b * v - (b - a);
    const int sx = plocha.right + d, od = plocha.top + h - 2;
    posuvnik.Dsgn(0, 'V', sx, od, plocha.bottom - h - k + 2 - od);
    posuvnik.SR(0, max_posun);
    posuvnik.zivy = true;
    tlac_hore.CHOD_NA(sx, plocha.top);
    tlac_dole.CHOD_NA(sx, plocha.bottom - h + 1);
    tlac_hore.zivy = tlac_dole.zivy = true;
    ikona_drahy.platny = 1;

    posun_r = std::clamp(posuvnik.GP(), 0, max_posun);
    // A zero step (constants set so) has nothing to scroll by.
    const int f = b > 0 ? posun_r / b : 0, r = b > 0 ? posun_r % b : 0;
    const int l = plocha.left, p = plocha.right;
    int n = 0;  // view entries filled
    if (r == 0) {
        for (; n < s - 1; ++n) {
            const RECT o = {l, plocha.top + n * b, p, plocha.top + n * b + a};
            preklop(riadok(f + n), volba(n), &o, nullptr, 0);
        }
    } else {
        const RECT hore = {l, plocha.top - r, p, plocha.top - r + a};
        if (hore.bottom >= plocha.top) {
            const RECT o = {l, plocha.top, p, std::min<int>(hore.bottom, plocha.bottom)};
            preklop(riadok(f), volba(n++), &o, &hore, 1);
        }
        int ey = plocha.top + b - r;
        for (int j = 1; j <= s - 2; ++j, ey += b) {
            const RECT o = {l, ey, p, ey + a};
            preklop(riadok(f + j), volba(n++), &o, nullptr, 0);
        }
        const RECT dole = {l, ey, p, ey + a};
        if (dole.top <= plocha.bottom) {
            const RECT o = {l, std::max<int>(dole.top, plocha.top), p, std::min<int>(dole.bottom, plocha.bottom)};
            preklop(riadok(f + s - 1), volba(n++), &o, &dole, 2);
        }
    }
    max_riadkov = n;
    // Entries left over keep nothing borrowed from rows that may go.
    for (int i = n; i < volby.count; ++i) {
        uvolni(volba(i));
        volba(i)->detail = nullptr;
    }
}

// An owner that gave the scroll parts no look gets the design's, so no list shows void boxes.
void tf_CDUIR::stock_vzhlad() {
    if (!tf_DSGN_INIT_flag) return;
    if (posuvnik.PocetFaz() == 0) posuvnik.EVID_PREBER(tf_DSGN._posuvV_);
    if (tlac_hore.PocetFaz() == 0) tlac_hore.EVID_PREBER(tf_DSGN._posuvV_btnA_);
    if (tlac_dole.PocetFaz() == 0) tlac_dole.EVID_PREBER(tf_DSGN._posuvV_btnB_);
    if (!ikona_drahy.srf) ikona_drahy.EVIDUJ_PREBER(&tf_DSGN.posuvV_podklad);
}

void tf_CDUIR::preklop(tf_TVOLBAR* vr, tf_TVOLBA* v, const RECT* obdlz, const RECT* cele, int rez) {
    if (!vr || !v) {
        TF_FAIL(TF_LOG_ERR, !vr ? "tf_CDUIR::Preklop - vr == NULL" : "tf_CDUIR::Preklop - v  == NULL");
        return;
    }
    v->hodnota = vr->hodnota;
    v->detail = vr->detail;
    if (obdlz) v->obdlz = *obdlz;
    v->stav = 0;
    uvolni(v);
    v->text = vr->text;
    v->text_sir = vr->text_sir;
    v->text_vys = vr->text_vys;
    v->ikona = vr->ikona;
    v->rez = cele ? rez : 0;
    if (cele) v->cele_obdlz = *cele;
}

void tf_CDUIR::CHOD_NA(int x_, int y_) {
    tf_CDUI::CHOD_NA(x_, y_);
    zmena_r = true;
}

void tf_CDUIR::Rodic_reset() {
    tf_CDUI::Rodic_reset();
    zmena_r = true;
}

// Every row counts, shown or not, so that scrolling never changes the width.
int tf_CDUIR::najsirsi_popis() { return najsirsi_z<tf_TVOLBAR>(riadky); }

void tf_CDUIR::GetSize(int* sir, int* vys) {
    if (zmena_r || zmena) RESET_GEOMETRIER();
    tf_CDUI::GetSize(sir, vys);
}

void tf_CDUIR::CHOD_NA_CENTERR(int cx, int cy) {
    if (zmena_r) RESET_GEOMETRIER();
    CHOD_NA(cx - (obal.right - obal.left) / 2, cy - (obal.bottom - obal.top) / 2);
}
