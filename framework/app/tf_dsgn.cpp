#include "framework/app/tf_dsgn.h"

tf_DSGN_Struct tf_DSGN;
bool tf_DSGN_INIT_flag = false;

int tf_DSGN_INIT() {
    if (tf_DSGN_INIT_flag) return 0;
    // The design set-up loads the skin, measures the stock elements and makes the font here.
    tf_DSGN_INIT_flag = true;
    return 1;
}
