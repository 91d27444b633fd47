// The pages list: a row of each page's thumbnail and number, and a small speaker on the rows of
// pages that have a narration beside their file.
#pragma once
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_duir.h"

class PX_CStrany : public tf_CDUIR {
public:
    // The mark is a picture of the editor's skin.
    PX_CStrany(const char* nazov, tf_CDas_Surface* skin);
    using tf_CDUIR::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* surface) override;

    tf_CIcon znacka;  // on the skin
};
