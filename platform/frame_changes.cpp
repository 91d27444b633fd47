#include "platform/frame_changes.h"

#include <algorithm>
#include <cstring>

#include "platform/ddraw.h"

const std::vector<RECT>& plat_FrameChanges::Copy(IDirectDrawSurface& to, const IDirectDrawSurface& from, bool whole) {
    const int w = std::min(to.Width(), from.Width()), h = std::min(to.Height(), from.Height());
    const size_t rowBytes = static_cast<size_t>(std::max(w, 0)) * 2;
    if (whole) {
        for (int y = 0; y < h; ++y) memcpy(to.Row(y), from.Row(y), rowBytes);
        whole_.assign(1, RECT{0, 0, std::max(w, 0), std::max(h, 0)});
        return whole_;
    }
    grid_.Reset(w, h);
    for (int y = 0; y < h; ++y) {
        const uint16_t* row = from.Row(y);
        const uint16_t* kept = static_cast<const IDirectDrawSurface&>(to).Row(y);
        if (memcmp(kept, row, rowBytes) == 0) continue;  // most rows, most frames
        for (int c = 0; c < grid_.Columns(); ++c) {
            const int x = c * plat_TileGrid::TILE_W;
            const size_t bytes = static_cast<size_t>(std::min(plat_TileGrid::TILE_W, w - x)) * 2;
            if (memcmp(kept + x, row + x, bytes) == 0) continue;
            memcpy(to.Row(y) + x, row + x, bytes);
            grid_.MarkTile(c, y / plat_TileGrid::TILE_H);
        }
    }
    return grid_.Boxes();
}
