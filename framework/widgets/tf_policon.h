// A widget that shows one icon: the widget part gives place and parent, the icon part the
// picture. It takes no pointer events.
#pragma once
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_pol.h"

class tf_CPolIcon : public tf_CPol, public tf_CIcon {
public:
    // The icon part loads its own picture from the file.
    tf_CPolIcon(tf_CPolCHLO* parent, int rx, int ry, const char* subor);
    // Borrows the other icon's surface and phase.
    tf_CPolIcon(tf_CPolCHLO* parent, int rx, int ry, tf_CIcon* ikona);
    tf_CPolIcon(tf_CPolCHLO* parent, int ID);
    // Absolute place, no parent; srf is borrowed.
    tf_CPolIcon(int x, int y, tf_CDas_Surface* srf, tf_TFAZA faza);

    using tf_CPol::ZOBRAZ;
    // A hidden icon widget does not draw.
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    void GetSize(int* sir, int* vys) override;

    void Dsgn_PolIcon_Copy(int rx, int ry, tf_CIcon* ikona);
    // The phase around (px, py) of a borrowed surface.
    void Dsgn_PolIcon_User(int rx, int ry, tf_CDas_Surface* srf, int px, int py);

private:
    void init();
};
