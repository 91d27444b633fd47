// The page as text, every field of every object: the undo tests compare pages by it.
#pragma once
#include <sstream>
#include <string>

#include "book/pexlo.h"

namespace page_dump {

// Each object with its motion state, its picture (the very surface), the object owning that
// picture and its phases; then the background and playback.
inline std::string Dump() {
    std::ostringstream s;
    s.precision(17);
    for (int i = 0; i < REG.count; ++i) {
        CHerec* o = REG_Objekt(i);
        int owner = -1;
        for (int j = 0; j < REG.count; ++j)
            if (REG_Objekt(j)->srf == o->srf && REG_Objekt(j)->vlastni) owner = owner == -1 ? j : -2;
        s << i << ": " << o->eui() << " " << o->x << "," << o->y << " " << o->rx << "," << o->ry << " " << o->zivy
          << o->zrkadlo << " " << o->akt_faza << " " << o->sir << "x" << o->vys << " " << o->TC << "/" << o->BC
          << " m" << o->motion << " e" << o->edge << " d" << o->phase_delay << "/" << o->phase_countdown << " t"
          << o->turn_step << "/" << o->turn << " a" << o->ax << "/" << o->ay << " v" << o->vx << "/" << o->vy << " f"
          << o->fx << "/" << o->fy << "/" << o->base_y << " own" << o->vlastni << " by" << owner << " "
          << (o->srf ? static_cast<void*>(o->srf->lpDDS) : nullptr) << " "
          << (o->srf && o->srf->subor_nazov ? o->srf->subor_nazov : "-");
        for (int f = 0; f < o->fazy.count; ++f) {
            const tf_TFAZA& p = *static_cast<tf_TFAZA*>(o->fazy.GET(f));
            s << " [" << p.x1 << "," << p.y1 << "," << p.x2 << "," << p.y2 << "]";
        }
        s << "\n";
    }
    s << "bg " << (background_path ? background_path : "-") << " " << background_mode << " run " << running << "\n";
    return s.str();
}

}  // namespace page_dump
