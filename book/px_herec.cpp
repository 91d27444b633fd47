#include "book/px_herec.h"

#include <climits>
#include <cmath>
#include <tuple>

#include "book/px_anim.h"
#include "book/px_plocha.h"
#include "book/px_stav.h"
#include "framework/surface/tf_display.h"

namespace {
// A position that drifted without edge handling (an unknown edge kind from a file) must not
// overflow the integer place.
int whole_pixels(double v) {
    if (!(v > INT_MIN)) return INT_MIN;
    if (!(v < INT_MAX)) return INT_MAX;
    return static_cast<int>(v);
}

double limit(double v, double max) { return v > max ? max : v < -max ? -max : v; }
}  // namespace

CHerec::CHerec() : tf_CDAS() {
    fx = x;
    fy = y;
    base_y = y;
}

void CHerec::Umiestni(int x_, int y_) {
    MoveToRel(x_, y_);
    fx = x;
    fy = y;
    base_y = y;
}

void CHerec::ZOBRAZ(IDirectDrawSurface* surface) {
    if (data != PX_TEXT) return tf_CDAS::ZOBRAZ(surface);
    if (!text) return;
    if (!text_obraz) text_obraz = PX_Text_Obraz(*text);
    if (zivy) plat_CanvasBlend(surface, x - text_obraz->ox, y - text_obraz->oy, text_obraz->obraz);
}

void CHerec::Nastav_text(const PX_Text& t) {
    if (text && *text == t) return;
    // Where a bubble stands and which object it follows do not change its picture.
    auto vzhlad = [](const PX_Text& a) {
        const bool chvost = a.vzhlad == PX_BUBLINA;
        return std::tuple(a.text, a.velkost, a.farba, a.vzhlad, chvost ? a.hrot_x : 0, chvost ? a.hrot_y : 0);
    };
    if (!text || vzhlad(*text) != vzhlad(t)) {
        text_obraz = nullptr;
        PX_Text_Rozmer(t, &sir, &vys);
    }
    text = std::make_shared<const PX_Text>(t);
}

void CHerec::AKTIVUJ() {
    switch (motion) {
    case PX_MOTION_WAVE:
        fy = base_y - std::sin(wave_k * fx) * 50.0;
        break;
    case PX_MOTION_NERVOUS:
        ax = PX_rnd();
        ay = PX_rnd();
        vx = limit(vx + ax, 4.0);
        vy = limit(vy + ay, 4.0);
        break;
    case PX_MOTION_HOVER: {
        turn_step = PX_rnd() / 80.0;
        turn = limit(turn + turn_step, 0.2);
        const double c = std::cos(turn), s = std::sin(turn);
        const double nx = vx * c - vy * s;
        const double ny = vx * s + vy * c;
        // Runaway speeds fall back to a calm 5 in the direction they had.
        vx = std::fabs(nx) > 20.0 ? (nx < -20.0 ? -5.0 : 5.0) : nx;
        vy = std::fabs(ny) > 20.0 ? (ny < -20.0 ? -5.0 : 5.0) : ny;
        break;
    }
    case PX_MOTION_STILL:
        vx = vy = 0.0;
        break;
    default:
        break;
    }

    fx += vx;
    if (motion != PX_MOTION_HORIZONTAL && motion != PX_MOTION_WAVE) fy += vy;

    const int w = AktSIR(), h = AktVYS();
    const int W = PX_Strana_sir(), H = PX_Strana_vys();
    bool hit = false;
    if (edge == PX_EDGE_BOUNCE) {
        if (fx > W - w) {
            fx = W - w;
            vx = -vx;
            hit = true;
        }
        if (fx < 0) {
            fx = 0;
            vx = -vx;
            hit = true;
        }
        if (fy > H - h) {
            fy = H - h;
            vy = -vy;
        }
        if (fy < 0) {
            fy = 0;
            vy = -vy;
        }
    } else if (edge == PX_EDGE_WRAP) {
        if (fx > W) fx = -w;
        if (fx < -w) fx = W;
        if (fy > H) fy = -h;
        if (fy < -h) fy = H;
    }
    x = whole_pixels(fx);
    y = whole_pixels(fy);

    // The figure faces its new direction.
    if (hit && (motion == PX_MOTION_HORIZONTAL || motion == PX_MOTION_WAVE || motion == PX_MOTION_FREE))
        zrkadlo = zrkadlo == 0 ? 1 : 0;
}
