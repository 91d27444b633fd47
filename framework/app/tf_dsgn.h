// The shared design record: the skin picture and its stock elements, the default font and
// the optional background picture. Only what the frame draws is here yet; the design
// set-up fills in the rest of the record and its building.
#pragma once

class tf_CDas_Surface;
class tf_CIcon;

struct tf_DSGN_Struct {
    tf_CDas_Surface* background_srf = nullptr;
    tf_CDas_Surface* rezia_dll_srf = nullptr;
    tf_CIcon* ico_logo = nullptr;
};

extern tf_DSGN_Struct tf_DSGN;
extern bool tf_DSGN_INIT_flag;

// Builds the record once: 1, or 0 when it had already run.
int tf_DSGN_INIT();
