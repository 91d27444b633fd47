// The list menu: pointer events, polling and detail pop-ups.
#include <algorithm>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_geom.h"
#include "framework/widgets/tf_dui.h"

namespace {
const char* const SRC = "TF_DUI_w";

// Where a list of `velkost` (GetSize's) starts on a screen of `obrazovka`: at `prve`, at `druhe`
// when it would leave the screen from there, and within the screen whatever the two say.
int na_obrazovke(int prve, int druhe, int velkost, int obrazovka) {
    const int v = prve + velkost <= obrazovka ? prve : druhe;
    return std::max(0, std::min(v, obrazovka - velkost));
}
}

bool tf_CDUI::test_v_rect(RECT r, int px, int py) {
    return tf_glob_test_v_rect(r.left, r.top, r.right, r.bottom, px, py);
}

void tf_CDUI::Eviduj_Master_Detail_popup(int hodnota, tf_CDUI* detail) {
    for (int i = 0; i < volby.count; ++i) {
        tf_TVOLBA* v = volba(i);
        if (v->hodnota != hodnota) continue;
        if (tvori_kruh(detail)) return;
        v->detail = detail;
        if (detail) detail->master = this;
        return;
    }
}

// Closing a chain after a choice walks up the masters; a loop would never end.
bool tf_CDUI::tvori_kruh(tf_CDUI* detail) {
    for (tf_CDUI* l = this; l && detail; l = l->master)
        if (l == detail) {
            TF_LOG(TF_LOG_ERR, "tf_CDUI::Eviduj_Master_Detail_popup - detail uz je v retazi");
            return true;
        }
    return false;
}

bool tf_CDUI::ma_otvoreny_detail() {
    for (int i = 0; i < volby.count; ++i)
        if (tf_CDUI* d = volba(i)->detail; d && d->zivy) return true;
    return false;
}

// The pointer moved onto entry i: its detail list opens beside it, every other one closes.
void tf_CDUI::pohyb_nad(int i) {
    tf_TVOLBA* v = volba(i);
    if (vybrata < 1) v->stav = 1;
    for (int j = 0; j < volby.count; ++j)
        if (tf_CDUI* d = volba(j)->detail; d && j != i) d->zivy = false;
    tf_CDUI* d = v->detail;
    if (!d) return;
    v->stav = 3;
    umiesti_detail(d, v);
    if (!d->zamknute) d->zivy = true;
    d->popup = true;
}

// A bar's detail hangs below its entry, a column's opens beside it; where the screen ends they
// open above the entry or to the left of the column. Moved only when the place changes, so
// that pointing along an entry lays nothing out again.
void tf_CDUI::umiesti_detail(tf_CDUI* d, const tf_TVOLBA* v) {
    if (trieda != 1 && trieda != 2) return;
    int w = 0, h = 0;
    d->GetSize(&w, &h);
    const RECT& e = v->obdlz;
    const int x = trieda == 1 ? na_obrazovke(e.left, e.right - w, w, tf_ScreenW)
                              : na_obrazovke(obal.right - 2, obal.left + 2 - w, w, tf_ScreenW);
    const int y = trieda == 1 ? na_obrazovke(e.bottom, e.top - h, h, tf_ScreenH)
                              : na_obrazovke(e.top, e.bottom - h, h, tf_ScreenH);
    if (x != d->x || y != d->y) d->CHOD_NA(x, y);
}

void tf_CDUI::CHOD_NA_OBRAZOVKU(int x_, int y_) {
    int w = 0, h = 0;
    GetSize(&w, &h);
    CHOD_NA(na_obrazovke(x_, x_ - w, w, tf_ScreenW), na_obrazovke(y_, y_ - h, h, tf_ScreenH));
}

void tf_CDUI::zatvor_retaz() {
    zivy = false;
    for (tf_CDUI* m = master; m && m->popup; m = m->master) m->zivy = false;
}

bool tf_CDUI::INFORMUJ_SA(int px, int py, int event) {
    if (!zivy || zamknute) return false;
    const int m = viditelne();
    if (posun == 1) {
        px -= posun_x;
        py -= posun_y;
    }
    nad_predtym = nad;
    if (!test_v_rect(obal, px, py)) {
        for (int i = 0; i < m; ++i) volba(i)->stav = 0;
        nad = nad_nove = -1;  // the pointer came onto no entry: the last one is not reported again
        if (event == 1 && popup && !ma_otvoreny_detail()) zivy = false;
        return false;
    }
    nad = -1;
    for (int i = 0; i < m; ++i) {
        tf_TVOLBA* v = volba(i);
        if (!test_v_rect(v->obdlz, px, py)) {
            v->stav = 0;
            continue;
        }
        nad = i;
        switch (event) {
        case 0:
            pohyb_nad(i);
            break;
        case 1:
            v->stav = 2;
            vybrata = v->hodnota;
            break;
        case 2:
            v->stav = 1;
            vybrata = v->hodnota + 100;
            break;
        case -1:
            v->stav = 0;
            break;
        default:
            break;
        }
    }
    nad_nove = nad >= 0 && nad != nad_predtym ? nad : -1;
    if (event == -1 && popup && nad >= 0) zatvor_retaz();
    return true;
}

bool tf_CDUI::INFORMUJ_MA(int* hodnota) {
    if (vybrata < 1) return false;
    *hodnota = vybrata;
    vybrata = 0;
    return true;
}

bool tf_CDUI::PollAction(int* value) { return INFORMUJ_MA(value); }

bool tf_CDUI::INFORMUJ_MA_3(int* index, int* hodnota) {
    // An entry removed since the last pointer event is not reported.
    tf_TVOLBA* v = nad_nove >= 0 ? volba(nad_nove) : nullptr;
    if (!v) return false;
    *index = nad_nove;
    *hodnota = v->hodnota;
    return true;
}
