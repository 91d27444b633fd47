// The tuning mode's state: entering and leaving, the sub-modes, the selection and the moves.
#include <algorithm>
#include <iterator>

#include "framework/tuning/tf_km_state.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_polchlo.h"

bool tf_KM_on = false;
int tf_KM_mod = 0;
tf_CPol* tf_KM_cPol_10 = nullptr;
tf_CPolCHLO* tf_KM_cPolCHLO_9 = nullptr;
tf_CDUI* tf_KM_cDUI_1 = nullptr;
tf_CDUIR* tf_KM_cDUIR_2 = nullptr;
int tf_KM_index = 0;
// Nothing recorded yet: no child's marker takes the colour of the first selected one.
tf_TKM_VYBER tf_KM_vyber = {{-1}, 0, nullptr};
bool tf_KM_multi = false;
RECT tf_KM_band = {100, 100, 150, 150};
bool tf_KM_band_active = false;
bool tf_KM_drag = false;
bool tf_KM_chyteny = false;
tf_CPol* tf_KM_obrazovka = nullptr;
tf_CUHSPol* tf_KM_skupina = nullptr;

namespace {
// The selection now belongs to `box` and holds nothing recorded.
void zabudni_vyber(tf_CPol* box) {
    std::fill(std::begin(tf_KM_vyber.index), std::end(tf_KM_vyber.index), -1);
    tf_KM_vyber.count = 0;
    tf_KM_vyber.box = box;
    tf_KM_multi = false;
}

bool has_target(int mod) {
    switch (mod) {
    case 1:
        return tf_KM_cDUI_1;
    case 2:
        return tf_KM_cDUIR_2;
    case 9:
        return tf_KM_cPolCHLO_9;
    case 10:
        return tf_KM_cPol_10;
    default:
        return false;
    }
}

// A widget that goes takes the mode's hold on it along: nothing may point at it afterwards.
// The targets outlive the current widget from one entry to the next, so each is compared.
void forget(tf_CPol* w) {
    if (w == tf_KM_cPol_10) {
        tf_KM_cPol_10 = nullptr;
        tf_KM_chyteny = false;
    }
    if (w == tf_KM_cPolCHLO_9) {
        tf_KM_cPolCHLO_9 = nullptr;
        tf_KM_index = 0;
    }
    if (w == tf_KM_cDUI_1) tf_KM_cDUI_1 = nullptr;
    if (w == tf_KM_cDUIR_2) tf_KM_cDUIR_2 = nullptr;
    if (w == tf_KM_vyber.box) zabudni_vyber(nullptr);
    if (w == tf_KM_obrazovka) {
        tf_KM_obrazovka = nullptr;
        tf_KM_skupina = nullptr;
    }
    if (!has_target(tf_KM_mod)) tf_KM_mod = 0;
}

// The current widget's kind picks the one target beside it.
void classify() {
    tf_CPol* w = tf_KM_cPol_10;
    tf_KM_cPolCHLO_9 = nullptr;
    tf_KM_cDUI_1 = nullptr;
    tf_KM_cDUIR_2 = nullptr;
    if (tf_CPolCHLO::IsClassIdPolCHLO(w->class_id)) {
        tf_KM_cPolCHLO_9 = static_cast<tf_CPolCHLO*>(w);
        // The selection's indexes mean nothing in another container.
        if (w != tf_KM_vyber.box) zabudni_vyber(w);
    } else if (w->class_id == TF_CLASS_DUI) {
        tf_KM_cDUI_1 = static_cast<tf_CDUI*>(w);
    } else if (w->class_id == TF_CLASS_DUIR) {
        tf_KM_cDUIR_2 = static_cast<tf_CDUIR*>(w);
    }
}

bool on_screen(tf_CPol* w, int dx, int dy) {
    int sw = 0, sh = 0;
    tf_KM_Obrazovka(w)->GetSize(&sw, &sh);
    const long x = long(w->x) + dx, y = long(w->y) + dy;
    return x >= -long(sw) && x < 2L * sw && y >= -long(sh) && y < 2L * sh;
}
}  // namespace

void tf_KM_Zapni(tf_CPol* root, tf_CUHSPol* skupina) {
    if (!root) return;
    tf_KM_GDI_vytvor();
    tf_glob_PolZanika = forget;
    tf_KM_on = true;
    tf_KM_obrazovka = root;
    tf_KM_skupina = skupina;
    // Every entry starts on the screen; the rest is as the last one left it.
    tf_KM_chyteny = false;
    tf_KM_cPol_10 = root;
    if (tf_KM_mod == 0 || !has_target(tf_KM_mod)) {
        tf_KM_mod = 0;
        tf_KM_NextMode();
    }
}

void tf_KM_Vypni() {
    tf_KM_on = false;
    tf_KM_obrazovka = nullptr;
    tf_KM_skupina = nullptr;
    // The buttons are let go elsewhere: no drag or band may outlive the mode.
    tf_KM_drag = false;
    tf_KM_chyteny = false;
    tf_KM_band_active = false;
}

void tf_KM_NextMode() {
    if (!tf_KM_on) return;
    if (tf_KM_cPol_10) {
        if (tf_KM_mod != 0) {
            tf_KM_mod = 0;
            return;
        }
        classify();
    }
    ++tf_KM_mod;
    while (tf_KM_mod <= 10 && !has_target(tf_KM_mod)) ++tf_KM_mod;
    if (tf_KM_mod > 10) tf_KM_mod = 0;
    tf_KM_index = 0;
}

void tf_KM_StepChild(int delta) {
    if (tf_KM_mod != 9 || !tf_KM_cPolCHLO_9) return;
    const int n = tf_KM_cPolCHLO_9->deti.count;
    if (n > 0) tf_KM_index = ((tf_KM_index + delta) % n + n) % n;
}

void tf_KM_Vyber(tf_CPol* w) {
    tf_KM_chyteny = false;
    tf_KM_cPol_10 = w;
    tf_KM_mod = 0;
    tf_KM_NextMode();
}

tf_CPol* tf_KM_Child(tf_CPolCHLO* box, int i) {
    return box && i >= 0 && i < box->deti.count ? static_cast<tf_CPol*>(box->deti.GET(i)) : nullptr;
}

tf_CDUI* tf_KM_Zoznam() {
    if (tf_KM_mod == 1) return tf_KM_cDUI_1;
    return tf_KM_mod == 2 ? tf_KM_cDUIR_2 : nullptr;
}

tf_CPol* tf_KM_Koren(tf_CPol* w) {
    while (w->parent) w = w->parent;
    return w;
}

tf_CPol* tf_KM_Obrazovka(tf_CPol* w) { return tf_KM_obrazovka ? tf_KM_obrazovka : tf_KM_Koren(w); }

void tf_KM_Posun(tf_CPol* const* widgets, int n, int dx, int dy) {
    for (int i = 0; i < n; ++i)
        if (!on_screen(widgets[i], dx, dy)) return;
    for (int i = 0; i < n; ++i) {
        widgets[i]->rx += dx;
        widgets[i]->ry += dy;
        widgets[i]->Rodic_reset();
    }
}

void tf_KM_Rozmer(tf_CPol* w, int dw, int dh) {
    int sw = 0, sh = 0, cw = 0, ch = 0;
    tf_KM_Obrazovka(w)->GetSize(&sw, &sh);
    w->GetSize(&cw, &ch);
    cw += dw;
    ch += dh;
    if (cw >= 1 && ch >= 1 && cw <= sw && ch <= sh) w->SetSize(cw, ch);
}
