#include "framework/widgets/tf_dsgn.h"

#include <cstring>

#include "framework/core/tf_fsi.h"
#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_tlac.h"

tf_DSGN_Struct tf_DSGN;
bool tf_DSGN_INIT_flag = false;

namespace {
// Normal, over and pressed; where the first two agree the normal look serves for both.
struct Points {
    int x0, y0, x1, y1, x2, y2;
};

template <class T>
T* stock(const char* label, tf_CDas_Surface* skin, Points p) {
    T* e = new T(label);
    e->Dsgn2_UserA(0, 0, skin, p.x0, p.y0, p.x1, p.y1, p.x2, p.y2);
    return e;
}

// On a skin that did not load the icon has no picture and draws its placeholder.
tf_CIcon* icon(tf_CDas_Surface* skin, int x, int y) { return skin->lpDDS ? new tf_CIcon(skin, x, y) : new tf_CIcon(); }

void track(tf_CIcon& t, tf_CDas_Surface* skin, int x, int y) {
    if (!skin->lpDDS) return;
    t.srf = skin;
    t.vlastni = 0;
    t.EVIDUJ(x, y);
}

void forget_track(tf_CIcon& t) {
    t.srf = nullptr;
    t.faza = tf_TFAZA();
}

void load_background(const char* name) {
    if (!name || !*name || !tf_FSI_Existuje_sub(name)) return;
    tf_DSGN.background_srf = new tf_CDas_Surface("tf_DSGN.background_srf");
    tf_DSGN.background_srf->NAHRAJ_SURFACE_2_stretch(tf_lpDD, name, tf_ScreenW, tf_ScreenH);
    tf_DSGN.background_srf->TC = 0;  // drawn opaque
}

void load_skin() {
    tf_CDas_Surface* skin = new tf_CDas_Surface("tf_DSGN.rezia_dll_srf");
    tf_DSGN.rezia_dll_srf = skin;
    skin->NAHRAJ_SURFACE(tf_lpDD, "rezia_dll.bmp");
    if (!skin->lpDDS) return;  // the loader has logged it
    skin->TC_NASTAV(1, 1);
    skin->BC_NASTAV(0, 0);
}

void build_stock(tf_CDas_Surface* skin) {
    tf_DSGN_Struct& d = tf_DSGN;
    d._T_x_ = stock<tf_CTlac>("tf_DSGN._T_x_", skin, {45, 10, 45, 10, 45, 25});
    d.ico_logo = icon(skin, 100, 180);
    d.ico_void = icon(skin, 210, 70);
    d.ico_help = icon(skin, 200, 25);
    d.ico_ok = icon(skin, 45, 40);
    d.ico_cancel = icon(skin, 45, 55);
    d._posuvV_ = stock<tf_CPosuv>("tf_DSGN._posuvV_", skin, {120, 50, 120, 50, 145, 50});
    d._posuvV_btnA_ = stock<tf_CTlac>("tf_DSGN._posuvV_btnA_", skin, {120, 10, 120, 10, 145, 10});
    d._posuvV_btnB_ = stock<tf_CTlac>("tf_DSGN._posuvV_btnB_", skin, {120, 85, 120, 85, 145, 85});
    track(d.posuvV_podklad, skin, 170, 30);
    d._posuvH_ = stock<tf_CPosuv>("tf_DSGN._posuvH_", skin, {50, 80, 50, 80, 50, 105});
    d._posuvH_btnA_ = stock<tf_CTlac>("tf_DSGN._posuvH_btnA_", skin, {10, 80, 10, 80, 10, 105});
    d._posuvH_btnB_ = stock<tf_CTlac>("tf_DSGN._posuvH_btnB_", skin, {85, 80, 85, 80, 85, 105});
    track(d.posuvH_podklad, skin, 30, 130);
    d._posuvH2_ = stock<tf_CPosuv>("tf_DSGN._posuvH2_", skin, {5, 32, 14, 32, 23, 32});
    d._posuvV2_ = stock<tf_CPosuv>("tf_DSGN._posuvV2_", skin, {9, 45, 9, 55, 9, 65});
}

template <class T>
void destroy(T*& p) {
    delete p;
    p = nullptr;
}
}  // namespace

int tf_DSGN_INIT_Background(const char* background) {
    if (tf_DSGN_INIT_flag) return 0;
    load_background(background);
    load_skin();
    build_stock(tf_DSGN.rezia_dll_srf);
    tf_DSGN.hFont = CreateFontA(15, 9, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x22, "Verdana");  // variable pitch, Swiss
    tf_DSGN_INIT_flag = true;
    return 1;
}

int tf_DSGN_DONE() {
    if (!tf_DSGN_INIT_flag) return 0;
    tf_DSGN_Struct& d = tf_DSGN;
    destroy(d.rezia_dll_srf);
    destroy(d._T_x_);
    destroy(d.ico_logo);
    destroy(d.ico_void);
    destroy(d.ico_help);
    destroy(d.ico_ok);
    destroy(d.ico_cancel);
    destroy(d._posuvV_);
    destroy(d._posuvV_btnA_);
    destroy(d._posuvV_btnB_);
    forget_track(d.posuvV_podklad);
    destroy(d._posuvH_);
    destroy(d._posuvH_btnA_);
    destroy(d._posuvH_btnB_);
    forget_track(d.posuvH_podklad);
    destroy(d._posuvV2_);
    destroy(d._posuvH2_);
    destroy(d.background_srf);
    DeleteObject(d.hFont);
    d.hFont = nullptr;
    tf_DSGN_INIT_flag = false;
    return 1;
}

tf_CDAS* tf_DSGN_Stock(const char* meno) {
    if (!meno) return nullptr;
    const tf_DSGN_Struct& d = tf_DSGN;
    const struct {
        const char* name;
        tf_CDAS* element;
    } stock_elements[] = {
        {"_T_x_", d._T_x_},       {"_posuvV_", d._posuvV_}, {"_posuvV_btnA_", d._posuvV_btnA_},
        {"_posuvV_btnB_", d._posuvV_btnB_}, {"_posuvH_", d._posuvH_}, {"_posuvH_btnA_", d._posuvH_btnA_},
        {"_posuvH_btnB_", d._posuvH_btnB_}, {"_posuvV2_", d._posuvV2_}, {"_posuvH2_", d._posuvH2_},
    };
    for (const auto& s : stock_elements)
        if (strcmp(s.name, meno) == 0) return s.element;
    return nullptr;
}
