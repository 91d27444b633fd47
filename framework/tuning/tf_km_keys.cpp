// The tuning mode's keys: walking the tree, moving and sizing, the lists' layout.
#include "framework/tuning/tf_km_state.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_polchlo.h"
#include "framework/widgets/tf_uhspol.h"

namespace {
constexpr int F3 = VK_F1 + 2, F5 = VK_F1 + 4, F6 = VK_F1 + 5, F7 = VK_F1 + 6, F8 = VK_F1 + 7, F11 = VK_F1 + 10;

bool key_down(int vk) { return GetAsyncKeyState(vk) < 0; }

// The arrows and the keypad's 4, 6, 8 and 2 as a one-pixel step; false for any other key.
bool arrow(int key, int* dx, int* dy) {
    *dx = *dy = 0;
    switch (key) {
    case VK_LEFT:
    case VK_NUMPAD0 + 4:
        *dx = -1;
        return true;
    case VK_RIGHT:
    case VK_NUMPAD0 + 6:
        *dx = 1;
        return true;
    case VK_UP:
    case VK_NUMPAD0 + 8:
        *dy = -1;
        return true;
    case VK_DOWN:
    case VK_NUMPAD0 + 2:
        *dy = 1;
        return true;
    default:
        return false;
    }
}

// The band's children move together; otherwise the container or the widget itself moves, or
// with Shift changes its size.
void arrows(int dx, int dy, bool ctrl, bool shift) {
    tf_CPol* w = tf_KM_mod == 9 ? tf_KM_cPolCHLO_9 : tf_KM_cPol_10;
    if (!w) return;
    const int step = ctrl ? 10 : 1;
    if (tf_KM_mod == 9 && tf_KM_multi && tf_KM_vyber.count > 0) {
        tf_CPol* picked[TF_KM_VYBER_MAX];
        int n = 0;
        for (int i = 0; i < tf_KM_vyber.count; ++i)
            if (tf_CPol* c = tf_KM_Child(tf_KM_cPolCHLO_9, tf_KM_vyber.index[i])) picked[n++] = c;
        tf_KM_Posun(picked, n, dx * step, dy * step);
    } else if (shift) {
        tf_KM_Rozmer(w, dx, dy);
    } else {
        tf_KM_Posun(&w, 1, dx * step, dy * step);
    }
}

// A layout value changes unless that would take it below 0.
bool nudge(int* v, int d) {
    if (*v + d < 0) return false;
    *v += d;
    return true;
}

// F2, F3 and F5 to F8 on the list of sub-mode 1 or 2; false for any other key or sub-mode.
bool list_key(int key, bool modifier) {
    tf_CDUI* l = tf_KM_Zoznam();
    if (!l) return false;
    const int d = modifier ? -1 : 1;
    switch (key) {
    case VK_F2:
        l->SetTextMode_NEXT();
        break;
    case F3:
        l->SetIconMode_NEXT();
        break;
    case F5:
        nudge(&l->text_okraj, d);
        break;
    case F6:
        nudge(&l->ikona_okraj, d);
        break;
    case F7:
        if (l->vyska_volby + d >= 0 && nudge(&l->krok_volby, d)) l->vyska_volby += d;
        break;
    case F8:
        nudge(&l->sirka_volby, d);
        break;
    default:
        return false;
    }
    if (tf_KM_mod == 1)
        l->zmena = true;
    else
        tf_KM_cDUIR_2->zmena_r = true;
    return true;
}

// The next (or previous) child of the widget's parent, wrapping at both ends; for a widget of
// the application's group, the next one shown there.
void sibling(bool back) {
    tf_CPol* w = tf_KM_cPol_10;
    tf_CPolCHLO* p = w ? w->parent : nullptr;
    if (!p && w && tf_KM_skupina)
        if (tf_CPol* next = tf_KM_skupina->Dalsi(w, back)) tf_KM_Vyber(next);
    if (!p) return;
    const int n = p->deti.count;
    for (int i = 0; i < n; ++i)
        if (tf_KM_Child(p, i) == w) {
            if (tf_CPol* next = tf_KM_Child(p, (i + (back ? n - 1 : 1)) % n)) tf_KM_Vyber(next);
            return;
        }
}
}  // namespace

void tf_KM_Klaves(int key) {
    const bool ctrl = key_down(VK_CONTROL), shift = key_down(VK_SHIFT), modifier = ctrl || shift;
    switch (key) {
    case VK_F1:
        if (modifier)
            tf_KM_Vypni();
        else
            tf_KM_NextMode();
        return;
    case VK_ESCAPE:
    case VK_F12:
        tf_KM_Vypni();
        return;
    case F11:
        tf_KM_SAVE();
        return;
    case VK_BACK:  // a widget of the application's group goes up to the screen
        if (tf_KM_cPol_10 && tf_KM_cPol_10->parent)
            tf_KM_Vyber(tf_KM_cPol_10->parent);
        else if (tf_KM_cPol_10 && tf_KM_obrazovka && tf_KM_cPol_10 != tf_KM_obrazovka)
            tf_KM_Vyber(tf_KM_obrazovka);
        return;
    case VK_RETURN:
        if (tf_KM_mod != 9) return;
        if (tf_CPol* c = tf_KM_Child(tf_KM_cPolCHLO_9, tf_KM_index)) tf_KM_Vyber(c);
        return;
    case VK_TAB:
        sibling(modifier);
        return;
    case VK_F2:
        if (tf_KM_mod == 9) return tf_KM_StepChild(modifier ? -1 : 1);
        break;
    default:
        break;
    }
    int dx = 0, dy = 0;
    if (!list_key(key, modifier) && (tf_KM_mod == 9 || tf_KM_mod == 10) && arrow(key, &dx, &dy))
        arrows(dx, dy, ctrl, shift);
}
