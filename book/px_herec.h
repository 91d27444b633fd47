// One object on a page: a prop (one picture, one phase) or an actor (a sprite sheet with
// phases), with its motion, edge handling and phase pace.
#pragma once
#include "framework/widgets/tf_das.h"

enum { PX_PROP = 1, PX_ACTOR = 2 };  // kept in `data` (the object's kind)

// How an object moves, and what it does at the screen's edge.
enum {
    PX_MOTION_HORIZONTAL = 1,
    PX_MOTION_WAVE = 2,
    PX_MOTION_FREE = 3,
    PX_MOTION_NERVOUS = 4,
    PX_MOTION_HOVER = 5,
    PX_MOTION_STILL = 6,
    PX_EDGE_BOUNCE = 1,
    PX_EDGE_WRAP = 2,
};

class CHerec : public tf_CDAS {
public:
    CHerec();
    // The motion step of one tick.
    void AKTIVUJ() override;
    // Sets x, y and takes fx, fy and base_y from them.
    void Umiestni(int x, int y);
    int eui() const { return data; }

    int motion = PX_MOTION_NERVOUS;
    int edge = PX_EDGE_WRAP;
    int phase_delay = 0;
    int phase_countdown = 0;
    double turn_step = 0.0;
    double turn = 0.0;
    double ax = 0.0, ay = 0.0;
    double vx = 2.0, vy = 2.0;
    double fx = 0.0, fy = 0.0;
    int base_y = 0;
};
