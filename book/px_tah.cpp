#include "book/px_tah.h"

#include "book/px_anim.h"
#include "book/px_herec.h"
#include "book/px_reg.h"
#include "book/px_stav.h"

namespace {
// The drag's last two pointer positions: their difference is the throw.
struct Tah {
    POINT posledny{}, predposledny{};
} tah;
}  // namespace

void PX_Tah_Zacni(int i, POINT p) {
    CHerec* o = REG_Objekt(i);
    if (!o) return;
    dragged = i;
    o->INFORMUJ_SA(p.x, p.y, 1);
    tah = {p, p};
}

void PX_Tah_Pohyb(POINT p) {
    CHerec* o = REG_Objekt(dragged);
    if (!o) return;
    o->INFORMUJ_SA(p.x, p.y, 0);
    tah.predposledny = tah.posledny;
    tah.posledny = p;
    o->zrkadlo = p.x < tah.predposledny.x ? 1 : 0;
    PX_Text_Zamier(dragged);  // a bubble moved points at its object anew
    PX_Texty_Nasleduj();      // bubbles go with the object moved
}

void PX_Tah_Pusti(POINT p, bool hod) {
    if (CHerec* o = REG_Objekt(dragged)) {
        o->INFORMUJ_SA(p.x, p.y, -1);
        if (hod) HOD(o, tah.posledny.x - tah.predposledny.x, tah.posledny.y - tah.predposledny.y);
    }
    dragged = -1;
}
