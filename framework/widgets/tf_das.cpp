#include "framework/widgets/tf_das.h"

#include <cstring>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_draw.h"
#include "framework/widgets/tf_dsgn.h"

namespace {
const char* const SRC = "TF_DAS_w";
}  // namespace

tf_CDAS::tf_CDAS(int x_, int y_) {
    init();
    MoveToRel(x_, y_);
}

tf_CDAS::tf_CDAS(const char* nazov_, int x_, int y_) : tf_CDAS(x_, y_) { Set_Nazov(nazov_); }

tf_CDAS::tf_CDAS(tf_CPolCHLO* parent_, int rx_, int ry_) : tf_CPol(parent_, rx_, ry_) { init(); }

tf_CDAS::tf_CDAS(tf_CPolCHLO* parent_, int ID_) : tf_CPol(parent_, ID_) { init(); }

void tf_CDAS::init() {
    class_id = TF_CLASS_DAS;
    Set_Nazov("noname_das");
}

tf_CDAS::~tf_CDAS() {
    vymaz_fazy();
    vezmi_srf(nullptr);
}

void tf_CDAS::vymaz_fazy() { fazy.reset(); }

void tf_CDAS::pridaj_fazu(const tf_TFAZA& f) {
    if (!fazy)
        fazy = std::make_shared<std::vector<tf_TFAZA>>();
    else if (fazy.use_count() > 1)
        fazy = std::make_shared<std::vector<tf_TFAZA>>(*fazy);
    fazy->push_back(f);
}

const tf_TFAZA* tf_CDAS::Faza(int i) const {
    return i >= 0 && i < PocetFaz() ? &(*fazy)[static_cast<size_t>(i)] : nullptr;
}

void tf_CDAS::vezmi_srf(tf_CDas_Surface* s) {
    if (s == srf) return;
    if (vlastni) {
        TF_LOG("    delete Das_Surface", nazov);
        delete srf;
        vlastni = false;
    }
    srf = s;
}

// A wrapper whose picture failed to load (or is released for a mode change) counts as none.
bool tf_CDAS::ma_obraz() const { return srf && srf->lpDDS && PocetFaz() > 0; }

const tf_TFAZA* tf_CDAS::current_phase() { return ma_obraz() ? Faza(akt_faza) : nullptr; }

int tf_CDAS::AktSIR() {
    const tf_TFAZA* f = current_phase();
    return f ? f->sir : sir;
}

int tf_CDAS::AktVYS() {
    const tf_TFAZA* f = current_phase();
    return f ? f->vys : vys;
}

void tf_CDAS::GetSize(int* sir_, int* vys_) {
    *sir_ = AktSIR();
    *vys_ = AktVYS();
}

void tf_CDAS::SetSize(int sir_, int vys_) {
    sir = sir_;
    vys = vys_;
}

bool tf_CDAS::INFORMUJ_SA(int px, int py, int event) {
    if (!zivy) return false;
    // Both far edges count: the element answers one pixel beyond its right and bottom side.
    const bool over = tf_glob_test_v_rect(x, y, x + AktSIR(), y + AktVYS(), px, py);
    if (!over && stav != 2) {
        stav = 0;
        return false;
    }
    if (event == 0 && stav == 0) {
        stav = 1;
    } else if (event == 1 && stav == 1) {
        stav = 2;
        chyt_x = px - x;
        chyt_y = py - y;
    } else if (event == -1 && stav == 2) {
        stav = 1;
    } else if (tahom && event == 0 && stav == 2) {
        // Only the absolute place follows the pointer; the offsets keep the designed place.
        x = px - chyt_x;
        y = py - chyt_y;
    }
    return true;
}

void tf_CDAS::AKTIVUJ() {
    x += krok;
    const int w = AktSIR();
    if (x > tf_ScreenW)
        x = -w;
    else if (x < -w)
        x = tf_ScreenW;
}

void tf_CDAS::Dsgn0_VoidDC(int rx_, int ry_, int sir_, int vys_) {
    MoveToRel(rx_, ry_);
    sir = sir_;
    vys = vys_;
}

void tf_CDAS::Dsgn1_Stock(int rx_, int ry_, const char* meno) {
    MoveToRel(rx_, ry_);
    if (tf_CDAS* vzor = tf_DSGN_Stock(meno)) EVID_PREBER(vzor);
}

void tf_CDAS::Dsgn2_UserA(int rx_, int ry_, tf_CDas_Surface* s, int x0, int y0, int x1, int y1, int x2, int y2) {
    MoveToRel(rx_, ry_);
    vezmi_srf(s);
    EVIDUJ(x0, y0);
    EVIDUJ(x1, y1);
    EVIDUJ(x2, y2);
}

void tf_CDAS::Dsgn3_UserB(int rx_, int ry_, tf_CDAS* vzor) {
    MoveToRel(rx_, ry_);
    EVID_PREBER(vzor);
}

void tf_CDAS::EVIDUJ(int px, int py) {
    // Measuring an empty wrapper gives no phase worth keeping.
    if (!srf || !srf->lpDDS) return;
    const uint16_t own = srf->BC;
    if (BC != 0) srf->BC = BC;
    pridaj_fazu(srf->ZAMERAJ_FAZU(px, py));
    srf->BC = own;
}

void tf_CDAS::EVIDUJ_CS() {
    if (srf) pridaj_fazu(srf->ZAMERAJ_FAZU_CS());
}

void tf_CDAS::EVID_PREBER(tf_CDAS* vzor) {
    if (!vzor || vzor == this) return;
    vezmi_srf(vzor->srf);
    fazy = vzor->fazy;
    BC = vzor->BC;
}

void tf_CDAS::NF() { akt_faza = akt_faza + 1 >= PocetFaz() ? 0 : akt_faza + 1; }

bool tf_CDAS::citaj_bod(int sx, int sy, uint16_t* out) {
    if (!srf || !srf->lpDDS) return false;
    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    if (srf->lpDDS->Lock(nullptr, &ddsd, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK) return false;
    const bool inside = sx >= 0 && sy >= 0 && sx < static_cast<int>(ddsd.dwWidth) && sy < static_cast<int>(ddsd.dwHeight);
    if (inside) memcpy(out, static_cast<const unsigned char*>(ddsd.lpSurface) + sy * ddsd.lPitch + 2 * sx, 2);
    srf->lpDDS->Unlock(nullptr);
    return inside;
}

void tf_CDAS::TC_NASTAV(int px, int py) {
    if (!citaj_bod(px, py, &TC)) return;
    DDCOLORKEY key = {TC, TC};
    srf->lpDDS->SetColorKey(DDCKEY_SRCBLT, &key);
}

void tf_CDAS::BC_NASTAV(int px, int py) { citaj_bod(px, py, &BC); }

bool tf_CDAS::ZASAH(int px, int py) {
    return tf_glob_test_v_rect(x + 1, y + 1, x + AktSIR() - 2, y + AktVYS() - 2, px, py);
}

bool tf_CDAS::OSTRY_ZASAH(int px, int py) {
    if (!ZASAH(px, py)) return false;
    if (!ma_obraz()) return true;
    const tf_TFAZA* f = current_phase();
    if (!f) return false;
    int sx = f->x1 + px - x, sy = f->y1 + py - y;
    if (zrkadlo && !tf_CDas_Surface::BOD_FAZY_Z(*f, px - x, py - y, &sx, &sy)) return false;
    uint16_t pixel = 0;
    return citaj_bod(sx, sy, &pixel) && pixel != srf->TC;
}

void tf_CDAS::ZOBRAZ(IDirectDrawSurface* surface) {
    if (!zivy) return;
    if (!ma_obraz()) {
        ZOBRAZ_VOID(surface);
        return;
    }
    if (const tf_TFAZA* f = current_phase()) {
        if (zrkadlo)
            srf->ZOBRAZ_FAZU_Z(surface, x, y, *f, 1);
        else
            srf->ZOBRAZ_FAZU(surface, x, y, *f, 1);
    }
}

void tf_CDAS::ZOBRAZ_VOID(IDirectDrawSurface* surface) {
    HDC dc = nullptr;
    if (!surface || surface->GetDC(&dc) != DD_OK) return;
    RECT box = {x, y, x + sir, y + vys};
    if (class_id == TF_CLASS_TLAC)
        tf_glob_Level_efekt2_fill(dc, &box, akt_faza == 2 ? 2 : 1);
    else if (class_id == TF_CLASS_POSUV)
        tf_glob_Level_efekt2_fill(dc, &box, 1);
    else
        tf_glob_Level_efekt(dc, &box, 1);
    // A small box has no room for its description.
    if (sir > 30 && vys > 30) {
        tf_glob_Text(dc, x + 5, y + 5, 0x00FF6464, tf_glob_Get_ClassName(class_id));
        tf_glob_Text(dc, x + 5, y + 20, 0x0000FFFF, nazov);
    }
    surface->ReleaseDC(dc);
}
