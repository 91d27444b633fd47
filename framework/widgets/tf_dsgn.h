// The shared design record: the skin picture and the stock elements measured out of it,
// the default text font and the optional full-screen background picture.
#pragma once
#include "framework/surface/tf_icon.h"
#include "platform/gdi.h"

class tf_CDAS;
class tf_CTlac;
class tf_CPosuv;

// The stock elements borrow the skin surface and own only their phases; they are models
// that widgets copy their look from and are never drawn themselves.
struct tf_DSGN_Struct {
    tf_CDas_Surface* background_srf = nullptr;
    tf_CDas_Surface* rezia_dll_srf = nullptr;
    tf_CTlac* _T_x_ = nullptr;
    tf_CIcon* ico_logo = nullptr;
    tf_CIcon* ico_void = nullptr;
    tf_CIcon* ico_help = nullptr;
    tf_CIcon* ico_ok = nullptr;
    tf_CIcon* ico_cancel = nullptr;
    tf_CPosuv* _posuvV_ = nullptr;
    tf_CTlac* _posuvV_btnA_ = nullptr;
    tf_CTlac* _posuvV_btnB_ = nullptr;
    tf_CIcon posuvV_podklad;
    tf_CPosuv* _posuvH_ = nullptr;
    tf_CTlac* _posuvH_btnA_ = nullptr;
    tf_CTlac* _posuvH_btnB_ = nullptr;
    tf_CIcon posuvH_podklad;
    tf_CPosuv* _posuvV2_ = nullptr;
    tf_CPosuv* _posuvH2_ = nullptr;
    HFONT hFont = nullptr;
};

extern tf_DSGN_Struct tf_DSGN;
extern bool tf_DSGN_INIT_flag;

// Builds the record once, with the background picture's file named here (null or "" for
// none): 1, or 0 when it had already run. Needs the DirectDraw object and the screen size.
// tf_DSGN_INIT (app/tf_app.h) does it with the application screen's background.
int tf_DSGN_INIT_Background(const char* background);
// Releases everything the record holds: 1, or 0 when it was not built.
int tf_DSGN_DONE();
// The stock button or knob of that name ("_T_x_", "_posuvV_", ...); null for any other name
// or before the set-up.
tf_CDAS* tf_DSGN_Stock(const char* meno);
