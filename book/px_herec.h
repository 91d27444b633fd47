// One object on a page: a prop (one picture, one phase), an actor (a sprite sheet with
// phases) or a text (its record and the picture made from it), with its motion, edge handling
// and phase pace.
#pragma once
#include "book/px_text.h"
#include "framework/widgets/tf_das.h"

enum { PX_PROP = 1, PX_ACTOR = 2, PX_TEXT = 3 };  // kept in `data` (the object's kind)

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
    // A text draws its own picture, blended; the others their phase.
    using tf_CDAS::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    // A text takes the record; when what it shows changed, its picture is made again as it is
    // next drawn (typing faster than the frames draws once). Its box (sir, vys) is what the
    // pointer takes.
    void Nastav_text(const PX_Text& t);

    PX_TextPtr text;  // a text's record (shared with undo's snapshots); null for a picture
    PX_TextObrazPtr text_obraz;  // null: to be made

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
