// A long press of a finger on a touch screen: held still for about 0.6 s, it opens the menu a
// right click opens. A mouse's press never does: a mouse has its right button.
#pragma once
#include <cstdint>

#include "platform/win32.h"

constexpr uint32_t PX_DLHY_DOTYK_MS = 600;
constexpr int PX_DOTYK_CHVENIE = 12;  // a finger this near where it came down has not moved

struct PX_Dotyk {
    bool drzi = false;  // a finger is down and has stayed where it came down
    POINT kde = {0, 0};
    uint32_t od = 0;        // when it came down
    bool otvoril = false;   // the press opened a menu: its release is no click
};
extern PX_Dotyk px_dotyk;

// The pointer's messages as they come (wParam tells a finger's from a mouse's).
void PX_Dotyk_Stlacenie(WPARAM wParam, int x, int y, uint32_t now);
void PX_Dotyk_Pohyb(int x, int y);
// Each tick: true once, when a finger has been held still long enough; the caller opens the
// menu at px_dotyk.kde.
bool PX_Dotyk_Tik(uint32_t now);
// The release: true when it ends a press that opened a menu (the caller lets it pass).
bool PX_Dotyk_Uvolnenie();
