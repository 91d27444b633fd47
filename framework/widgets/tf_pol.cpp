#include "framework/widgets/tf_pol.h"

#include <cstdlib>
#include <cstring>

#include "framework/core/tf_arre.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_geom.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/gdi.h"

int tf_glob_CascadeX = 15, tf_glob_CascadeY = 10;
int tf_glob_GrabX = 0, tf_glob_GrabY = 0;
void (*tf_glob_PolZanika)(tf_CPol* w) = nullptr;

// Every widget class has a virtual destructor, so one delete serves every id an owning
// array accepts; any other id is left to the array to report.
bool tf_glob_Destroy_ByClassId(void* entry) {
    tf_CPol* w = static_cast<tf_CPol*>(entry);
    switch (w->class_id) {
    case TF_CLASS_POL: case TF_CLASS_ICON: case TF_CLASS_DAS: case TF_CLASS_DS: case TF_CLASS_TLAC:
    case TF_CLASS_POSUV: case TF_CLASS_DPREP: case TF_CLASS_DEDB: case TF_CLASS_POLICON: case TF_CLASS_LABEL:
    case TF_CLASS_DUI: case TF_CLASS_DUIR: case TF_CLASS_DDIALOG_EFEKT: case TF_CLASS_DDIALOG:
    case TF_CLASS_FOLIA_TEXT: case TF_CLASS_FOLIA_FAZ: case TF_CLASS_POLCHLO: case TF_CLASS_APPSCREEN:
    case TF_CLASS_SCROLLBAR: case TF_CLASS_UTL_THMFILE: case TF_CLASS_UTL_DIR:
        delete w;
        return true;
    default:
        return false;
    }
}

tf_CPol::tf_CPol() = default;

tf_CPol::tf_CPol(tf_CPolCHLO* parent_, int rx_, int ry_) : parent(parent_) {
    if (parent) parent->PRIDAJ(this);
    MoveToRel(rx_, ry_);
}

tf_CPol::tf_CPol(tf_CPolCHLO* parent_, int ID_) : parent(parent_), ID(ID_) {
    tf_glob_CascadeX += 15;
    tf_glob_CascadeY += 10;
    rx = tf_glob_CascadeX;
    ry = tf_glob_CascadeY;
    if (parent) parent->PRIDAJ(this);
    tf_CPol::Rodic_reset();
}

tf_CPol::~tf_CPol() {
    if (tf_glob_PolZanika) tf_glob_PolZanika(this);
}

void tf_CPol::Rodic_reset() {
    x = parent ? parent->x + rx : rx;
    y = parent ? parent->y + ry : ry;
}

void tf_CPol::CHOD_NA(int x_, int y_) {
    x = x_;
    y = y_;
    rx = parent ? x - parent->x : x;
    ry = parent ? y - parent->y : y;
}

void tf_CPol::MoveToRel(int rx_, int ry_) {
    rx = rx_;
    ry = ry_;
    tf_CPol::Rodic_reset();
}

void tf_CPol::Set_Nazov(const char* name) {
    if (!name) return;
    strncpy(nazov, name, sizeof nazov - 1);
    nazov[sizeof nazov - 1] = '\0';
}

void tf_CPol::ZOBRAZ() { ZOBRAZ(tf_lpDDSBack); }

// A white dot at the origin and the grab circle around it; a plain container shows a
// square instead of the circle.
void tf_CPol::ZOBRAZ(IDirectDrawSurface* surface) {
    HDC dc = nullptr;
    if (!surface || FAILED(surface->GetDC(&dc))) return;
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(WHITE_PEN));
    Ellipse(dc, x - 4, y - 4, x + 4, y + 4);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    if (class_id == TF_CLASS_POLCHLO)
        Rectangle(dc, x - polomer, y - polomer, x + polomer, y + polomer);
    else
        Ellipse(dc, x - polomer, y - polomer, x + polomer, y + polomer);
    surface->ReleaseDC(dc);
}

void tf_CPol::GetSize(int* sir, int* vys) {
    *sir = 80;
    *vys = 80;
}

void tf_CPol::SetSize(int, int) {}

bool tf_CPol::CanDrag(int px, int py) {
    if (!tahatelny && class_id != TF_CLASS_POL && class_id != TF_CLASS_POLCHLO) return false;
    if (abs(px - x) > polomer || abs(py - y) > polomer) return false;
    return tf_glob_Distance(x, y, px, py) <= polomer;
}

tf_CPol* tf_CPol::VratZasah(int px, int py) {
    if (!zivy) return nullptr;
    int sir = 0, vys = 0;
    GetSize(&sir, &vys);
    return tf_glob_test_v_rect(x, y, x + sir - 1, y + vys - 1, px, py) ? this : nullptr;
}

// Only a bare handle drags; icons, labels and edit boxes share this form and stay put.
bool tf_CPol::INFORMUJ_SA(int px, int py, int event) {
    if (class_id != TF_CLASS_POL) return false;
    return run_drag(px, py, event, false);
}

bool tf_CPol::run_drag(int px, int py, int event, bool arm_anywhere) {
    if (event == 0 && stav == 0 && (arm_anywhere || CanDrag(px, py))) {
        stav = 1;
        return true;
    }
    if (event == 1 && stav == 1 && CanDrag(px, py)) {
        stav = 2;
        tf_glob_GrabX = px - x;
        tf_glob_GrabY = py - y;
        return true;
    }
    if (event == -1 && stav == 2) {
        stav = 1;
        return true;
    }
    if (event == 0 && stav == 2) {
        // Through CHOD_NA so that the offsets follow (a dragged dialog stays where it was
        // put) and a container carries its children along.
        CHOD_NA(px - tf_glob_GrabX, py - tf_glob_GrabY);
        return true;
    }
    return false;
}

bool tf_CPol::PollAction(int*) { return false; }

bool tf_CPol::HandleKey(int) { return false; }

bool tf_CPol::HandleChar(int) { return false; }
