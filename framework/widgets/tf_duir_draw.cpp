// The row list: pointer events for the scroll parts, and drawing them beside the view.
#include <algorithm>

#include "framework/widgets/tf_duir.h"

bool tf_CDUIR::INFORMUJ_SA(int px, int py, int event) {
    if (posuvanie) {
        if (!zivy || zamknute) return false;
        posuvnik.INFORMUJ_SA(px, py, event);
        if (posuvnik.stav == 2) zmena_r = true;
        // A tenth of the range per press, and at least a pixel on a short range.
        const int krok = std::max(1, max_posun / 10);
        tlac_hore.INFORMUJ_SA(px, py, event);
        if (tlac_hore.STLACENE()) {
            posuvnik.SP(posuvnik.GP() - krok);
            zmena_r = true;
        }
        tlac_dole.INFORMUJ_SA(px, py, event);
        if (tlac_dole.STLACENE()) {
            posuvnik.SP(posuvnik.GP() + krok);
            zmena_r = true;
        }
    }
    return tf_CDUI::INFORMUJ_SA(px, py, event);
}

// Constants changed on the menu part lay the rows out again as well.
void tf_CDUIR::ZOBRAZR(IDirectDrawSurface* surface) {
    if (!zivy || !surface) return;
    if (riadky.count == 0 && tf_CDUI_NoVoid) return;
    if (zmena_r || zmena) RESET_GEOMETRIER();
    tf_CDUI::ZOBRAZ(surface);
    if (!posuvanie) return;
    kresli_drahu(surface);
    posuvnik.ZOBRAZ(surface);
    tlac_hore.ZOBRAZ(surface);
    tlac_dole.ZOBRAZ(surface);
}

// The track picture tiled down the slider's column, each tile overlapping the last by a
// pixel, the last one cut at the bottom of the rows' area.
void tf_CDUIR::kresli_drahu(IDirectDrawSurface* surface) {
    const tf_TFAZA& f = ikona_drahy.faza;
    if (!ikona_drahy.srf || f.sir <= 0 || f.vys <= 0) return;
    const int krok = f.vys > 1 ? f.vys - 1 : 1;  // a one-pixel picture still advances
    const int sx = plocha.right + medzera, n = (plocha.bottom - plocha.top) / krok;
    for (int i = 0; i < n; ++i) ikona_drahy.ZOBRAZ(surface, sx, plocha.top + i * krok);
    ikona_drahy.ZOBRAZ_2(surface, plocha.left, obal.right, plocha.top, plocha.bottom, sx, plocha.top + n * krok);
}
