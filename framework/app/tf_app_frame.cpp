// Frames on ticks of timer 1: the whole back buffer is composed and copied to the screen, on
// every tick or, for a screen that redraws on demand, when something shown can have changed.
#include "framework/app/tf_app.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/surface/tf_icon.h"
#include "framework/tuning/tf_km.h"
#include "framework/widgets/tf_dsgn.h"

tf_APP_FrameNeed tf_APP_frame_need;

void tf_APP_NeedFrame() { tf_APP_frame_need.due = true; }

void tf_APP_FrameTick() {
    const tf_CAppScreen* screen = tf_pAppScreen;
    if (screen && screen->m_bNoRedraw) return;
    if (!screen || !screen->m_bRedrawOnDemand || tf_APP_frame_need.due || tf_KM_on) tf_APP_Redraw_Frame();
}

void tf_APP_Redraw_Frame() {
    if (!tf_lpDDSBack || !tf_lpDDSPrimary) return;  // no display (yet, or any more)
    tf_APP_frame_need.due = false;  // what changes while it is composed asks for the next one
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
