// Frames on ticks of timer 1: the whole back buffer is composed and copied to the screen, on
// every tick or, for a screen that redraws on demand, when something shown can have changed;
// when only parts changed, the frame is composed inside them alone.
#include <algorithm>

#include "framework/app/tf_app.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/surface/tf_icon.h"
#include "framework/tuning/tf_km.h"
#include "framework/widgets/tf_dsgn.h"
#include "platform/tile_grid.h"

tf_APP_FrameNeed tf_APP_frame_need;

namespace {
// Past this share of the screen in parts, a whole frame costs less.
constexpr int64_t MAX_SHARE_PERCENT = 90;
// Ticks in a row without a frame, on a screen that redraws on demand, after which it waits for
// input drowsily (half a second).
constexpr int DROWSY_AFTER = 30;
int idle_ticks = 0;
plat_TileGrid grid;

// The parts as the screen's tiles they meet, joined into boxes that do not overlap, so that no
// pixel is composed twice. Empty when a whole frame costs less.
std::vector<RECT> joined(const std::vector<RECT>& parts) {
    grid.Reset(tf_ScreenW, tf_ScreenH);
    for (const RECT& r : parts) grid.Mark(r);
    const std::vector<RECT>& boxes = grid.Boxes();
    int64_t total = 0;
    for (const RECT& r : boxes) total += int64_t{r.right - r.left} * (r.bottom - r.top);
    if (total * 100 > MAX_SHARE_PERCENT * tf_ScreenW * tf_ScreenH) return {};
    return boxes;
}

void compose() {
    tf_CAppScreen* screen = tf_pAppScreen;
    if (screen && screen->m_BackgroundColor > -1)
        DDSURFACE_ZMAZ(tf_lpDDSBack, static_cast<DWORD>(screen->m_BackgroundColor));
    if (tf_DSGN.background_srf) tf_DSGN.background_srf->ZOBRAZ(tf_lpDDSBack, 0, 0);
    if (screen && screen->m_bShowLogo && tf_DSGN.ico_logo)
        tf_DSGN.ico_logo->ZOBRAZ(tf_lpDDSBack, tf_ScreenCX - 100, tf_ScreenCY - 30);
    if (screen) {
        screen->Redraw_Screen();
        screen->ZOBRAZ(tf_lpDDSBack);
    }
    if (tf_KM_on) tf_KM_ZOBRAZ(tf_lpDDSBack);
}

// The parts asked for, each composed within its own clip, and shown together.
void redraw_parts() {
    const std::vector<RECT> parts = joined(tf_APP_frame_need.parts);
    tf_APP_frame_need.parts.clear();
    if (parts.empty()) return tf_APP_Redraw_Frame();
    if (!tf_lpDDSBack || !tf_lpDDSPrimary) return;
    for (const RECT& r : parts) {
        tf_lpDDSBack->SetDrawClip(&r);
        compose();
    }
    tf_lpDDSBack->SetDrawClip(nullptr);
    const HRESULT hr = tf_RetryWhileBusy([&] { return plat_ShowParts(tf_lpDDSBack, parts); });
    if (hr == DDERR_SURFACELOST) tf_APP_Restore_SRF();
}
}  // namespace

void tf_APP_NeedFrame() { tf_APP_frame_need.due = true; }

void tf_APP_NeedPart(const RECT& r) { tf_APP_frame_need.parts.push_back(r); }

void tf_APP_FrameTick() {
    const tf_CAppScreen* screen = tf_pAppScreen;
    if (screen && screen->m_bNoRedraw) return;
    if (!screen || !screen->m_bRedrawOnDemand || tf_APP_frame_need.due || tf_KM_on)
        tf_APP_Redraw_Frame();
    else if (!tf_APP_frame_need.parts.empty())
        redraw_parts();
    else {
        ++idle_ticks;
        return plat_Drowsy(idle_ticks >= DROWSY_AFTER);
    }
    idle_ticks = 0;
    plat_Drowsy(false);
}

void tf_APP_Redraw_Frame() {
    if (!tf_lpDDSBack || !tf_lpDDSPrimary) return;  // no display (yet, or any more)
    tf_APP_frame_need.due = false;  // what changes while it is composed asks for the next one
    tf_APP_frame_need.parts.clear();
    compose();
    const HRESULT hr =
        tf_RetryWhileBusy([] { return tf_lpDDSPrimary->BltFast(0, 0, tf_lpDDSBack, nullptr, DDBLTFAST_NOCOLORKEY); });
    if (hr == DDERR_SURFACELOST) tf_APP_Restore_SRF();  // this frame is not shown
}

HRESULT tf_APP_Restore_SRF() {
    tf_APP_NeedFrame();  // the frame lost with the surface is shown again
    if (!tf_lpDDSPrimary) return DDERR_GENERIC;
    const HRESULT hr = tf_lpDDSPrimary->Restore();
    if (hr == DD_OK && tf_pAppScreen) tf_pAppScreen->Do_RESTORE_SRF();
    return hr;
}
