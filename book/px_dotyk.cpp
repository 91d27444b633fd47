#include "book/px_dotyk.h"

#include <cstdlib>

#include "platform/window.h"

PX_Dotyk px_dotyk;

void PX_Dotyk_Stlacenie(WPARAM wParam, int x, int y, uint32_t now) {
    px_dotyk = PX_Dotyk{(wParam & PLAT_MK_TOUCH) != 0, {x, y}, now, false};
}

void PX_Dotyk_Pohyb(int x, int y) {
    if (std::abs(x - px_dotyk.kde.x) > PX_DOTYK_CHVENIE || std::abs(y - px_dotyk.kde.y) > PX_DOTYK_CHVENIE)
        px_dotyk.drzi = false;
}

bool PX_Dotyk_Tik(uint32_t now) {
    if (!px_dotyk.drzi || now - px_dotyk.od < PX_DLHY_DOTYK_MS) return false;
    px_dotyk.drzi = false;
    px_dotyk.otvoril = true;
    return true;
}

bool PX_Dotyk_Uvolnenie() {
    const bool otvoril = px_dotyk.otvoril;
    px_dotyk = PX_Dotyk{};
    return otvoril;
}
