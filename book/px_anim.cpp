#include "book/px_anim.h"

#include <algorithm>

#include "book/px_herec.h"
#include "book/px_reg.h"
#include "book/px_stav.h"
#include "framework/app/tf_app.h"

namespace {
// Our own generator, so that every platform draws the same sequence from the same seed.
unsigned random_state = 1;

constexpr int MIN_SPEED = 2, MAX_SPEED = 10;
constexpr int MAX_DELAY = 128;

// 2 ... 8 pixels per tick.
double start_speed() { return PX_rand() / 32767.0 * 6.0 + 2.0; }

void advance_phase(CHerec* o) {
    if (o->PocetFaz() <= 1) return;
    if (o->phase_countdown > 0) --o->phase_countdown;
    if (o->phase_countdown == 0) {
        o->NF();
        o->phase_countdown = o->phase_delay + 1;
    }
}
}  // namespace

int PX_rand() {
    random_state = random_state * 214013u + 2531011u;
    return static_cast<int>((random_state >> 16) & 0x7FFF);
}

void PX_srand(unsigned seed) { random_state = seed; }

double PX_rnd() { return PX_rand() / 32767.0 * 2.0 - 1.0; }

void TIK_ANIMACIE() {
    if (!running) return;
    for (int i = 0; i < REG.count; ++i) {
        if (i == dragged || i == setup_target) continue;
        auto* o = static_cast<CHerec*>(REG.GET(i));
        if (!o) continue;
        if (o->text && o->text->ciel >= 0) continue;  // a bubble goes with its object
        advance_phase(o);
        o->AKTIVUJ();
    }
    PX_Texty_Nasleduj();
}

void NASTAV_POHYB(CHerec* o, int kind) {
    if (!o) return;
    o->motion = kind;
    switch (kind) {
    case PX_MOTION_WAVE:
        o->base_y = o->y;
        [[fallthrough]];
    case PX_MOTION_HORIZONTAL:
        o->vx = start_speed();
        o->vy = 0.0;
        break;
    case PX_MOTION_FREE:
    case PX_MOTION_NERVOUS:
    case PX_MOTION_HOVER:
        o->vx = start_speed();
        o->vy = start_speed();
        break;
    default:
        break;
    }
    dirty = true;
}

void NASTAV_OKRAJ(CHerec* o, int edge) {
    if (!o) return;
    o->edge = edge;
    dirty = true;
}

void NASTAV_TEMPO(CHerec* o, int item) {
    if (!o) return;
    if (item == 1 && o->phase_delay > 0) o->phase_delay /= 2;
    if (item == 2 && o->phase_delay < MAX_DELAY)
        o->phase_delay = o->phase_delay == 0 ? 1 : std::min(o->phase_delay * 2, MAX_DELAY);
    dirty = true;
}

void HOD(CHerec* o, int dx, int dy) {
    if (!o) return;
    o->fx = o->x;
    o->fy = o->y;
    if (o->motion == PX_MOTION_WAVE) o->base_y = o->y;
    if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1) {
        o->vx = o->vy = 0.0;
        return;
    }
    o->vx = dx;
    o->vy = dy;
    // A thrown still, free or horizontal object travels the way it was thrown.
    if (o->motion == PX_MOTION_STILL || o->motion == PX_MOTION_FREE || o->motion == PX_MOTION_HORIZONTAL)
        o->motion = dy < -1 || dy > 1 ? PX_MOTION_FREE : PX_MOTION_HORIZONTAL;
}

void NASTAV_RYCHLOST(int step) {
    speed_level = std::clamp(speed_level + step, MIN_SPEED, MAX_SPEED);
    tf_APP_RestartFrameTimer(PX_Perioda_ms());
}

int PX_Perioda_ms() { return speed_level * speed_level * 4; }
