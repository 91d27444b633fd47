// The display-mode list and the check of the configured size against it.
#include <cstdio>

#include "framework/app/tf_app.h"
#include "framework/core/tf_log.h"

namespace {
const char* const SRC = "TF_APP_w";
constexpr long MIN_WIDTH = 800, MAX_SIDE = 16384;

tf_APP_DisplayMode* mode_at(int i) { return static_cast<tf_APP_DisplayMode*>(tf_APP_DisplayModes.GET(i)); }

void free_modes() {
    for (int i = 0; i < tf_APP_DisplayModes.count; ++i) delete mode_at(i);
    tf_APP_DisplayModes.DetachAll();
}

// The list does not own its records; this frees them at program exit.
struct ModesReleaser {
    ~ModesReleaser() { free_modes(); }
};
}  // namespace

tf_CARRE tf_APP_DisplayModes(0, 0, 2);
static ModesReleaser modes_releaser;  // after the list, so it runs before the list is gone

HRESULT tf_APP_DisplayModes_Callback(DDSURFACEDESC* desc, void*) {
    if (!desc) return DDENUMRET_OK;
    const long w = desc->dwWidth, h = desc->dwHeight;
    if (w < MIN_WIDTH || w > MAX_SIDE || h < 1 || h > MAX_SIDE) return DDENUMRET_OK;  // no display's size
    const int n = tf_APP_DisplayModes.count;
    const tf_APP_DisplayMode* last = n > 0 ? mode_at(n - 1) : nullptr;
    // The same size at several refresh rates or depths comes in a row: one entry.
    if (!last || last->width != w || last->height != h)
        tf_APP_DisplayModes.Add(new tf_APP_DisplayMode{static_cast<int>(w), static_cast<int>(h)});
    return DDENUMRET_OK;
}

void tf_APP_DisplayModes_LIST() {
    TF_LOG("tf_APP_DisplayModes_LIST", "-------------------------- BEG");
    free_modes();
    const HRESULT hr = tf_lpDD ? tf_lpDD->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, nullptr,
                                                           tf_APP_DisplayModes_Callback)
                               : DDERR_GENERIC;
    TF_LOG("EnumDisplayModes", hr == DD_OK ? "OK" : "ERROR");
    bool offered = false;
    for (int i = 0; i < tf_APP_DisplayModes.count; ++i) {
        const tf_APP_DisplayMode* m = mode_at(i);
        char text[40];
        snprintf(text, sizeof text, "%d  x  %d", m->width, m->height);
        TF_LOG(" DM> ", text);
        offered = offered || (m->width == tf_ScreenW && m->height == tf_ScreenH);
    }
    if (!offered) {
        if (const int n = tf_APP_DisplayModes.count; n > 0) {
            tf_ScreenW = mode_at(n - 1)->width;
            tf_ScreenH = mode_at(n - 1)->height;
        } else {
            tf_ScreenW = GetSystemMetrics(SM_CXSCREEN);
            tf_ScreenH = GetSystemMetrics(SM_CYSCREEN);
        }
    }
    TF_LOG("tf_APP_DisplayModes_LIST", "-------------------------- END");
}
