#include "framework/widgets/tf_policon.h"

#include "framework/core/tf_log.h"

namespace {
const char* const SRC = "TF_DAS_w";
}  // namespace

tf_CPolIcon::tf_CPolIcon(tf_CPolCHLO* parent_, int rx_, int ry_, const char* subor)
    : tf_CPol(parent_, rx_, ry_), tf_CIcon(subor) {
    init();
}

tf_CPolIcon::tf_CPolIcon(tf_CPolCHLO* parent_, int rx_, int ry_, tf_CIcon* ikona) : tf_CPol(parent_, rx_, ry_) {
    init();
    EVIDUJ_PREBER(ikona);
}

tf_CPolIcon::tf_CPolIcon(tf_CPolCHLO* parent_, int ID_) : tf_CPol(parent_, ID_) { init(); }

tf_CPolIcon::tf_CPolIcon(int x_, int y_, tf_CDas_Surface* s, tf_TFAZA f) : tf_CIcon(s, f) {
    init();
    MoveToRel(x_, y_);
}

void tf_CPolIcon::init() {
    class_id = TF_CLASS_POLICON;
    Set_Nazov("noname_policon");
}

void tf_CPolIcon::ZOBRAZ(IDirectDrawSurface* surface) {
    if (zivy) ZOBRAZ_2(surface, x, y);
}

void tf_CPolIcon::GetSize(int* sir, int* vys) { GetSize2(sir, vys); }

void tf_CPolIcon::Dsgn_PolIcon_Copy(int rx_, int ry_, tf_CIcon* ikona) {
    MoveToRel(rx_, ry_);
    EVIDUJ_PREBER(ikona);
}

void tf_CPolIcon::Dsgn_PolIcon_User(int rx_, int ry_, tf_CDas_Surface* s, int px, int py) {
    MoveToRel(rx_, ry_);
    if (!s) {
        TF_LOG("tf_CPolIcon::Dsgn_PolIcon_User - srf == NULL", TF_LOG_RETURN);
        return;
    }
    // A picture we loaded ourselves would otherwise be lost.
    if (vlastni == 1 && srf != s) delete srf;
    srf = s;
    vlastni = 0;
    faza = s->ZAMERAJ_FAZU(px, py);
}
