// The tuning mode's input: a left click picks a widget and a left drag moves it, a right drag
// draws the band that picks children of the current container.
#include <algorithm>

#include "framework/surface/tf_geom.h"
#include "framework/tuning/tf_km_state.h"
#include "framework/widgets/tf_polchlo.h"
#include "framework/widgets/tf_uhspol.h"

namespace {
// Sub-mode 9 on a container that is not being dragged itself.
bool box_free() { return tf_KM_mod == 9 && tf_KM_cPolCHLO_9 && tf_KM_cPolCHLO_9->stav != 2; }

void left_down(int x, int y) {
    tf_KM_drag = true;
    if (tf_KM_mod == 9 ? !box_free() : tf_KM_mod != 10) return;
    if (tf_KM_mod == 9) {
        tf_KM_multi = false;
        tf_KM_vyber.count = 0;
    }
    tf_CPol* screen = tf_KM_Obrazovka(tf_KM_cPol_10);
    tf_CPol* hit = screen->VratZasah(x, y);
    // The application's group lies under the screen's own widgets and over the screen.
    if (tf_KM_skupina && (!hit || hit == screen))
        if (tf_CPol* w = tf_KM_skupina->VratZasah(x, y)) hit = w;
    if (!hit) return;
    tf_KM_Vyber(hit);
    // It keeps the point where it was taken under the pointer. The screen itself stays put.
    tf_KM_chyteny = hit != screen;
    tf_glob_GrabX = x - hit->x;
    tf_glob_GrabY = y - hit->y;
}

void right_down(int x, int y) {
    tf_KM_band_active = true;
    if (tf_KM_mod != 9) return;
    tf_KM_band = {x - 5, y - 5, x, y};
    tf_KM_vyber.count = 0;
    tf_KM_multi = true;
}

// The children whose anchors lie in the band, in child order; the band may be drawn towards
// any corner.
void pick(tf_CPolCHLO* box) {
    const RECT& b = tf_KM_band;
    const int l = std::min(b.left, b.right), r = std::max(b.left, b.right);
    const int t = std::min(b.top, b.bottom), d = std::max(b.top, b.bottom);
    tf_KM_vyber.count = 0;
    for (int i = 0; i < box->deti.count && tf_KM_vyber.count < TF_KM_VYBER_MAX; ++i) {
        const tf_CPol* c = tf_KM_Child(box, i);
        if (c && tf_glob_test_v_rect(l, t, r, d, box->x + c->rx, box->y + c->ry))
            tf_KM_vyber.index[tf_KM_vyber.count++] = i;
    }
}

void move(int x, int y) {
    if (box_free() && tf_KM_band_active && tf_KM_multi) {
        tf_KM_band.right = x;
        tf_KM_band.bottom = y;
        pick(tf_KM_cPolCHLO_9);
    } else if (tf_KM_drag && tf_KM_chyteny && tf_KM_cPol_10) {
        tf_CPol* w = tf_KM_cPol_10;
        tf_KM_Posun(&w, 1, x - tf_glob_GrabX - w->x, y - tf_glob_GrabY - w->y);
    }
}
}  // namespace

void tf_KM_WindowProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!tf_KM_on) return;
    const int x = LOWORD(lParam), y = HIWORD(lParam);
    switch (msg) {
    case WM_KEYDOWN:
        tf_KM_Klaves(static_cast<int>(wParam));
        break;
    case WM_MOUSEMOVE:
        move(x, y);
        break;
    case WM_LBUTTONDOWN:
        left_down(x, y);
        break;
    case WM_LBUTTONUP:
        tf_KM_drag = false;
        tf_KM_chyteny = false;
        break;
    case WM_RBUTTONDOWN:
        right_down(x, y);
        break;
    case WM_RBUTTONUP:
        tf_KM_band_active = false;
        break;
    default:
        break;
    }
}
