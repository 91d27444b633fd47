// One object on a page: a prop (one picture, one phase) or an actor (a sprite sheet with
// phases), with its motion, edge handling and phase pace.
#pragma once
#include "framework/widgets/tf_das.h"

enum { PX_PROP = 1, PX_ACTOR = 2 };  // kept in `data` (the object's kind)

class CHerec : public tf_CDAS {
public:
    CHerec();
    // The motion step of one tick.
    void AKTIVUJ() override;
    // Sets x, y and takes fx, fy and base_y from them.
    void Umiestni(int x, int y);
    int eui() const { return data; }

    int motion = 4;
    int edge = 2;
    int phase_delay = 0;
    int phase_countdown = 0;
    double turn_step = 0.0;
    double turn = 0.0;
    double ax = 0.0, ay = 0.0;
    double vx = 2.0, vy = 2.0;
    double fx = 0.0, fy = 0.0;
    int base_y = 0;
};
