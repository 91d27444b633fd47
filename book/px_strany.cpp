// The pages list's narration mark, drawn over the rows the list has just drawn.
#include "book/px_strany.h"

#include <algorithm>

#include "book/px_ks.h"
#include "book/px_stav.h"

namespace {
const POINT ZNACKA = {437, 122};  // a point inside the mark on the skin
const int POD_CISLOM = 8;         // the mark's top below the row's middle, under the page number
const int OKRAJ = 2;              // kept from the row's right edge
}  // namespace

PX_CStrany::PX_CStrany(const char* nazov, tf_CDas_Surface* skin) : tf_CDUIR(nazov), znacka(skin, ZNACKA.x, ZNACKA.y) {}

void PX_CStrany::ZOBRAZ(IDirectDrawSurface* surface) {
    tf_CDUIR::ZOBRAZ(surface);
    if (!zivy || !surface) return;
    for (int i = 0; i < volby.count; ++i) {
        const auto* v = static_cast<const tf_TVOLBA*>(volby.GET(i));
        const struct_kniha_strana* ks = NAJDI_KS(listed_book, v->hodnota);
        if (!ks || !ks->hlas) continue;
        // A row the scrolled view cuts shows the part of the mark that falls in it.
        const RECT& r = v->obdlz;
        const RECT& cele = v->rez ? v->cele_obdlz : v->obdlz;
        const int x = std::min(cele.left + text_okraj, cele.right - znacka.faza.sir - OKRAJ);
        znacka.ZOBRAZ_2(surface, r.left, r.right, r.top, r.bottom, x, (cele.top + cele.bottom) / 2 + POD_CISLOM);
    }
}
