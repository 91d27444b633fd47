// The imported pictures laid out as the book's picture files: a background as it is, a prop
// in its frame, an actor's phases on a sheet framed by border lines.
#include <algorithm>

#include "book/px_import.h"
#include "book/px_import_obraz.h"
#include "platform/bmp.h"

namespace {

// The key pixel of props and actors, where the program reads it.
constexpr int KLUC_XY = 6;
// The row of frame colour under the key rows of an actor's sheet; its phases start below.
constexpr int PRVY_RIADOK = KLUC_XY + 2;
// The smallest phase cell: the thumbnail measures the phase around (10, 10).
constexpr int BUNKA_SIR = 10, BUNKA_VYS = 3;
constexpr int KULISA_MIN = KLUC_XY + 1;

struct Mriezka {
    int stlpce = 1, riadky = 1, bunka_sir = 0, bunka_vys = 0, sir = 0, vys = 0;
};

// One row of cells as wide as the reader takes, then more rows.
Mriezka mriezka(int n, int w, int h) {
    Mriezka m;
    m.bunka_sir = std::max(w, BUNKA_SIR);
    m.bunka_vys = std::max(h, BUNKA_VYS);
    m.stlpce = static_cast<int>(std::clamp<int64_t>((PLAT_MAX_SIDE - 1) / (m.bunka_sir + 1), 1, std::max(n, 1)));
    m.riadky = (n + m.stlpce - 1) / m.stlpce;
    m.sir = 1 + m.stlpce * (m.bunka_sir + 1);
    m.vys = PRVY_RIADOK + m.riadky * (m.bunka_vys + 1);
    return m;
}

PX_Harok prazdny(int sir, int vys, uint16_t farba) {
    PX_Harok h;
    h.sir = sir;
    h.vys = vys;
    h.px.assign(static_cast<size_t>(sir) * static_cast<size_t>(vys), farba);
    return h;
}

void vypln(PX_Harok& h, int x, int y, int w, int v, uint16_t farba) {
    for (int r = y; r < y + v; ++r) std::fill_n(h.px.begin() + static_cast<ptrdiff_t>(r) * h.sir + x, w, farba);
}

// The picture's drawn pixels at (x, y); its see-through ones leave the key that is there.
void vloz(PX_Harok& h, const PX_Obraz& o, int x, int y) {
    for (int r = 0; r < o.vys; ++r)
        for (int c = 0; c < o.sir; ++c) {
            const size_t i = static_cast<size_t>(r) * o.sir + c;
            if (o.plny[i]) h.px[static_cast<size_t>(y + r) * h.sir + x + c] = o.px[i];
        }
}

bool kresleny_na_kluci(const PX_Obraz& o) {
    const int k = KLUC_XY - 1;  // inside the frame
    return o.sir > k && o.vys > k && o.plny[static_cast<size_t>(k) * o.sir + k];
}

}  // namespace

void PX_IMPORT_RozmerHarku(PX_Druh druh, int n, int w, int h, int* sir, int* vys) {
    if (druh == PX_DRUH_POZADIE) {
        *sir = w;
        *vys = h;
    } else if (druh == PX_DRUH_KULISA) {
        *sir = std::max(w + 2, KULISA_MIN);
        *vys = std::max(h + 2, KULISA_MIN) + KLUC_XY;  // at most: with the key rows
    } else {
        const Mriezka m = mriezka(n, w, h);
        *sir = m.sir;
        *vys = m.vys;
    }
}

bool PX_IMPORT_Citatelny(int sir, int vys) {
    return sir > 0 && vys > 0 && sir <= PLAT_MAX_SIDE && vys <= PLAT_MAX_SIDE &&
           static_cast<int64_t>(sir) * vys <= PLAT_MAX_PIXELS;
}

PX_Harok PX_IMPORT_HarokPozadia(const PX_Obraz& o) {
    PX_Harok h;
    h.sir = o.sir;
    h.vys = o.vys;
    h.px = o.px;
    return h;
}

PX_Harok PX_IMPORT_HarokKulisy(const PX_Obraz& o, uint16_t kluc) {
    const int hore = kresleny_na_kluci(o) ? KLUC_XY : 0;
    PX_Harok h = prazdny(std::max(o.sir + 2, KULISA_MIN), std::max(o.vys + 2 + hore, KULISA_MIN), kluc);
    vloz(h, o, 1, 1 + hore);
    return h;
}

PX_Harok PX_IMPORT_HarokHerca(const std::vector<PX_Obraz>& snimky, uint16_t kluc, uint16_t okraj) {
    int w = 0, v = 0;
    for (const PX_Obraz& o : snimky) {
        w = std::max(w, o.sir);
        v = std::max(v, o.vys);
    }
    const int n = static_cast<int>(snimky.size());
    const Mriezka m = mriezka(n, w, v);
    PX_Harok h = prazdny(m.sir, m.vys, okraj);
    vypln(h, 1, 1, m.sir - 2, KLUC_XY, kluc);
    for (int i = 0; i < n; ++i) {
        const int x = 1 + i % m.stlpce * (m.bunka_sir + 1), y = PRVY_RIADOK + i / m.stlpce * (m.bunka_vys + 1);
        vypln(h, x, y, m.bunka_sir, m.bunka_vys, kluc);
        const PX_Obraz& o = snimky[static_cast<size_t>(i)];
        vloz(h, o, x + (m.bunka_sir - o.sir) / 2, y + m.bunka_vys - o.vys);
        h.fazy += std::to_string(x + m.bunka_sir / 2) + " " + std::to_string(y + m.bunka_vys / 2) + "\n";
    }
    return h;
}
