// The page as text: every field of every object, the very surface it shows and the object
// owning that surface, its phases; the background and playback. The undo tests compare by it.
#pragma once
#include <sstream>
#include <string>

#include "book/pexlo.h"

inline std::string PageDump() {
    std::ostringstream s;
    s.precision(17);
    for (int i = 0; i < REG.count; ++i) {
        CHerec* o = REG_Objekt(i);
        int owner = -1;
        for (int j = 0; j < REG.count; ++j) owner = REG_Objekt(j)->srf == o->srf && REG_Objekt(j)->vlastni ? j : owner;
        s << o->eui() << " " << o->x << " " << o->y << " " << o->rx << " " << o->ry << " " << o->zivy << o->zrkadlo
          << o->vlastni << " " << o->akt_faza << " " << o->sir << " " << o->vys << " " << o->TC << " " << o->BC << " "
          << o->motion << " " << o->edge << " " << o->phase_delay << " " << o->phase_countdown << " " << o->turn_step
          << " " << o->turn << " " << o->ax << " " << o->ay << " " << o->vx << " " << o->vy << " " << o->fx << " "
          << o->fy << " " << o->base_y << " " << owner << " " << (o->srf ? o->srf->lpDDS : nullptr);
        for (int f = 0; f < o->PocetFaz(); ++f) s << " " << o->Faza(f)->x1;
        s << "\n";
    }
    s << (background_path ? background_path : "-") << " " << background_mode << " " << running << "\n";
    return s.str();
}
