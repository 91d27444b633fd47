// The display: modes as logical screen sizes, the primary surface the user sees, and the
// geometry that fits it into the window.
#include <algorithm>

#include "platform/backend.h"
#include "platform/ddraw.h"
#include "platform/display_internal.h"
#include "platform/frame_changes.h"
#include "platform/window_internal.h"

namespace {
constexpr DWORD MAX_SIDE = 16384;
IDirectDrawSurface* primary = nullptr;
plat_FrameChanges changes;
// The primary's count of changes as it was last shown: any other change (a restore, a lock)
// and it no longer holds what the screen shows.
uint64_t shownWrites = 0;
}  // namespace

HRESULT IDirectDraw::SetCooperativeLevel(HWND wnd, DWORD flags) {
    if ((flags & DDSCL_EXCLUSIVE) && (!wnd || wnd != plat_TheWindow())) return DDERR_INVALIDPARAMS;
    return DD_OK;
}

HRESULT IDirectDraw::SetDisplayMode(DWORD w, DWORD h, DWORD bpp) {
    if (bpp != 16 || w < 1 || h < 1 || w > MAX_SIDE || h > MAX_SIDE) return DDERR_INVALIDMODE;
    modeW = w;
    modeH = h;
    return DD_OK;
}

HRESULT IDirectDraw::RestoreDisplayMode() {
    modeW = modeH = 0;
    return DD_OK;
}

HRESULT IDirectDraw::EnumDisplayModes(DWORD, DDSURFACEDESC*, void* context, LPDDENUMMODESCALLBACK cb) {
    if (!cb) return DDERR_INVALIDPARAMS;
    for (auto [w, h] : plat_CurrentBackend().DisplayModes()) {
        DDSURFACEDESC desc{};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
        desc.dwWidth = static_cast<DWORD>(w);
        desc.dwHeight = static_cast<DWORD>(h);
        desc.ddpfPixelFormat = {sizeof(DDPIXELFORMAT), 16, 0xF800, 0x07E0, 0x001F};
        if (cb(&desc, context) == DDENUMRET_CANCEL) break;
    }
    return DD_OK;
}

void plat_PrimaryCreated(IDirectDrawSurface* s) { primary = s; }
void plat_PrimaryReleased(IDirectDrawSurface* s) {
    if (primary == s) primary = nullptr;
}
IDirectDrawSurface* plat_PrimarySurface() { return primary; }
void plat_PresentPrimary(IDirectDrawSurface& s, const std::vector<RECT>* changed, bool inParts) {
    plat_CurrentBackend().Present(s, changed, inParts);
    shownWrites = s.Writes();
}

void plat_PresentFrame(IDirectDrawSurface& s, const IDirectDrawSurface& frame) {
    plat_PresentPrimary(s, &changes.Copy(s, frame, s.Writes() != shownWrites));
}

plat_Box plat_Letterbox(int areaW, int areaH, int w, int h) {
    if (areaW <= 0 || areaH <= 0 || w <= 0 || h <= 0) return {0, 0, std::max(areaW, 1), std::max(areaH, 1)};
    // Compare areaW / areaH with w / h without dividing.
    const bool wide = int64_t{areaW} * h > int64_t{areaH} * w;
    const int bw = wide ? static_cast<int>((int64_t{areaH} * w + h / 2) / h) : areaW;
    const int bh = wide ? areaH : static_cast<int>((int64_t{areaW} * h + w / 2) / w);
    return {(areaW - bw) / 2, (areaH - bh) / 2, std::max(bw, 1), std::max(bh, 1)};
}

POINT plat_AreaToPicture(const plat_Box& box, int w, int h, int x, int y) {
    // Division truncates toward zero, but whatever lies left of or above the picture clamps
    // to its edge anyway.
    auto axis = [](int p, int at, int size, int n) {
        return static_cast<LONG>(std::clamp<int64_t>((int64_t{p} - at) * n / size, 0, std::max(n - 1, 0)));
    };
    return {axis(x, box.x, box.w, w), axis(y, box.y, box.h, h)};
}
