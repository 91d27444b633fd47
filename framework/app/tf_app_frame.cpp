// Frames on ticks of timer 1: the whole back buffer is composed and copied to the screen, on
// every tick or, for a screen that redraws on demand, when something shown can have changed;
// when only parts changed, the frame is composed inside them alone.
#include <algorithm>

#include "framework/app/tf_app.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/surface/tf_icon.h"
#include "framework/tuning/tf_km.h"
#include "framework/widgets/tf_dsgn.h"

tf_APP_FrameNeed tf_APP_frame_need;

namespace {
// Each part costs a pass over everything drawn: past this many parts they are joined, and past
// this share of the screen a whole frame costs less.
constexpr size_t MAX_PARTS = 8;
constexpr int64_t MAX_SHARE_PERCENT = 50;
// Ticks in a row without a frame, on a screen that redraws on demand, after which it waits for
// input drowsily (half a second).
constexpr int DROWSY_AFTER = 30;
int idle_ticks = 0;

int64_t area(const RECT& r) { return int64_t{r.right - r.left} * (r.bottom - r.top); }

RECT bounds(const RECT& a, const RECT& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// What joining two parts adds to the area composed (negative: they overlap more than that).
int64_t waste(const RECT& a, const RECT& b) { return area(bounds(a, b)) - area(a) - area(b); }

// Joins the pair that wastes least; false when none wastes at most `limit`.
bool join_cheapest(std::vector<RECT>& parts, int64_t limit) {
    size_t bi = 0, bj = 0;
    int64_t best = limit;
    for (size_t i = 0; i < parts.size(); ++i)
        for (size_t j = i + 1; j < parts.size(); ++j)
            if (const int64_t w = waste(parts[i], parts[j]); w <= best) {
                best = w;
                bi = i;
                bj = j;
            }
    if (bi == bj) return false;
    parts[bi] = bounds(parts[bi], parts[bj]);
    parts.erase(parts.begin() + static_cast<long>(bj));
    return true;
}

// The parts within the screen, those that overlap joined, then the cheapest pairs until few are
// left (parts that still overlap are each composed whole: the same pixels twice). Empty when a
// whole frame costs less.
std::vector<RECT> joined(std::vector<RECT> parts) {
    for (RECT& r : parts)
        r = {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, tf_ScreenW), std::min(r.bottom, tf_ScreenH)};
    std::erase_if(parts, [](const RECT& r) { return r.left >= r.right || r.top >= r.bottom; });
    if (parts.size() > 8 * MAX_PARTS) return {};  // a crowd moves: the whole screen changes
    while (join_cheapest(parts, 0)) {
    }
    while (parts.size() > MAX_PARTS) join_cheapest(parts, INT64_MAX);
    int64_t total = 0;
    for (const RECT& r : parts) total += area(r);
    if (total * 100 > MAX_SHARE_PERCENT * tf_ScreenW * tf_ScreenH) return {};
    return parts;
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
    const std::vector<RECT> parts = joined(std::move(tf_APP_frame_need.parts));
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
