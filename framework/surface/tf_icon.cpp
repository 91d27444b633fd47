#include "framework/surface/tf_icon.h"

#include <new>

#include "framework/core/tf_class.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_draw.h"
#include "platform/resources.h"

namespace {
const char* const SRC = "TF_DAS_w";
int default_transparency = 1;
}  // namespace

int tf_glob_Get_CIcon_default_transparency() { return default_transparency; }
void tf_glob_Set_CIcon_default_transparency(int on) { default_transparency = on; }

tf_CIcon::tf_CIcon() : platny(1) {}

tf_CIcon::tf_CIcon(IDirectDraw* dd, const char* subor) {
    // The program's own pictures are compiled in: one of them needs no file on disk.
    if (!subor || (!plat_FindResource(subor) && !tf_FSI_Existuje_sub(subor))) {
        TF_LOG("tf_CIcon::tf_CIcon neexist. subor", TF_LOG_RETURN);
        return;
    }
    tf_CDas_Surface* s = new (std::nothrow) tf_CDas_Surface();
    if (!s) {
        TF_LOG("tf_CIcon::tf_CIcon nenahraty subor (A)", TF_LOG_RETURN);
        return;
    }
    s->NAHRAJ_SURFACE(dd, subor);
    if (!s->lpDDS) {
        // Nothing to draw: the icon stays invalid and keeps nothing it made.
        delete s;
        TF_LOG("tf_CIcon::tf_CIcon nenahraty subor (B)", TF_LOG_RETURN);
        return;
    }
    srf = s;
    vlastni = 1;
    faza = srf->ZAMERAJ_FAZU_CS();
    if (default_transparency) srf->TC_NASTAV(1, 1);
    platny = 1;
}

tf_CIcon::tf_CIcon(const char* subor) : tf_CIcon(tf_lpDD, subor) {}

tf_CIcon::tf_CIcon(tf_CDas_Surface* srf_) { take_surface(srf_, 0, 0); }

tf_CIcon::tf_CIcon(tf_CDas_Surface* srf_, int x, int y) { take_surface(srf_, x, y); }

tf_CIcon::tf_CIcon(tf_CDas_Surface* srf_, tf_TFAZA faza_) {
    take_surface(srf_, -1, -1);
    if (srf) faza = faza_;
}

tf_CIcon::~tf_CIcon() {
    if (vlastni == 1) delete srf;
}

void tf_CIcon::take_surface(tf_CDas_Surface* s, int x, int y) {
    if (!s) {
        TF_LOG("tf_CIcon::tf_CIcon neplatny SRF", TF_LOG_RETURN);
        return;
    }
    srf = s;
    vlastni = 0;
    if (x != -1 && y != -1) faza = (x == 0 || y == 0) ? srf->ZAMERAJ_FAZU_CS() : srf->ZAMERAJ_FAZU(x, y);
    platny = 1;
}

void tf_CIcon::GetSize2(int* sir, int* vys) {
    bool known = srf && faza.sir != 0 && faza.vys != 0;
    *sir = known ? faza.sir : 100;
    *vys = known ? faza.vys : 100;
}

void tf_CIcon::EVIDUJ(int x, int y) {
    if (srf) faza = srf->ZAMERAJ_FAZU(x, y);
}

void tf_CIcon::EVIDUJ_CS() {
    if (srf) faza = srf->ZAMERAJ_FAZU_CS();
}

void tf_CIcon::EVIDUJ_PREBER(tf_CIcon* ina) {
    if (!ina || ina == this) return;
    // A surface we made ourselves would otherwise be lost.
    if (vlastni == 1) delete srf;
    srf = ina->srf;
    faza = ina->faza;
    vlastni = 0;
}

void tf_CIcon::EVID_PREBER(tf_CIcon* ina) { EVIDUJ_PREBER(ina); }

bool tf_CIcon::has_picture() const { return srf && faza.sir != 0 && faza.vys != 0; }

void tf_CIcon::ZOBRAZ(IDirectDrawSurface* ciel, int x, int y) {
    if (!platny) return;
    if (has_picture())
        srf->ZOBRAZ_FAZU(ciel, x, y, faza, 1);
    else
        placeholder(ciel, x, y);
}

void tf_CIcon::ZOBRAZ_2(IDirectDrawSurface* ciel, int L, int P, int H, int D, int x, int y) {
    if (!platny) return;
    if (has_picture())
        srf->ZOBRAZ_FAZU_2(ciel, L, P, H, D, x, y, faza);
    else
        placeholder(ciel, x, y);
}

void tf_CIcon::ZOBRAZ_2(IDirectDrawSurface* ciel, int x, int y) {
    if (srf) srf->ZOBRAZ_FAZU_2(ciel, 1, tf_ScreenW - 1, 1, tf_ScreenH - 1, x, y, faza);
}

void tf_CIcon::ZOBRAZ_3_centr(IDirectDrawSurface* ciel, int L, int P, int H, int D, int x, int y, int rezim) {
    if (!platny) return;
    if (!has_picture()) {
        placeholder(ciel, x, y);
        return;
    }
    int left = x - faza.sir / 2;
    if (rezim == 1) left = x;
    if (rezim == 2) left = x - faza.sir;
    srf->ZOBRAZ_FAZU_2(ciel, L, P, H, D, left, y - faza.vys / 2, faza);
}

void tf_CIcon::placeholder(IDirectDrawSurface* ciel, int x, int y) {
    HDC dc = nullptr;
    if (!ciel || ciel->GetDC(&dc) != DD_OK) return;
    RECT r = {x, y, x + 100, y + 100};
    tf_glob_Level_efekt(dc, &r, 1);
    tf_glob_Text(dc, x + 5, y + 5, 0x00FF6464, tf_glob_Get_ClassName(TF_CLASS_ICON));
    ciel->ReleaseDC(dc);
}
