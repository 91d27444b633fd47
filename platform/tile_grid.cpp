#include "platform/tile_grid.h"

#include <algorithm>

void plat_TileGrid::Reset(int w, int h) {
    w_ = std::max(w, 0);
    h_ = std::max(h, 0);
    columns_ = (w_ + TILE_W - 1) / TILE_W;
    bands_ = (h_ + TILE_H - 1) / TILE_H;
    marks_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(bands_), 0);
}

void plat_TileGrid::Mark(const RECT& r) {
    const LONG l = std::max<LONG>(r.left, 0), t = std::max<LONG>(r.top, 0);
    const LONG rr = std::min<LONG>(r.right, w_), b = std::min<LONG>(r.bottom, h_);
    if (l >= rr || t >= b) return;
    for (LONG band = t / TILE_H; band <= (b - 1) / TILE_H; ++band)
        std::fill_n(marks_.begin() + static_cast<long>(Index(l / TILE_W, band)), (rr - 1) / TILE_W - l / TILE_W + 1, 1);
}

const std::vector<RECT>& plat_TileGrid::Boxes() {
    boxes_.clear();
    size_t above = 0;  // where the band above's boxes begin
    for (int band = 0; band < bands_; ++band) {
        const size_t here = boxes_.size();
        const LONG top = band * TILE_H, bottom = std::min(top + TILE_H, h_);
        for (int c = 0; c < columns_;) {
            if (!marks_[Index(c, band)]) {
                ++c;
                continue;
            }
            int end = c;
            while (end < columns_ && marks_[Index(end, band)]) ++end;
            const RECT run = {c * TILE_W, top, std::min(end * TILE_W, w_), bottom};
            auto same = std::find_if(boxes_.begin() + static_cast<long>(above), boxes_.begin() + static_cast<long>(here),
                                     [&](const RECT& b) { return b.left == run.left && b.right == run.right; });
            if (same != boxes_.begin() + static_cast<long>(here))
                same->bottom = bottom;
            else
                boxes_.push_back(run);
            c = end;
        }
        // Boxes that grew stay reachable from the next band: they end on this band's bottom.
        above = static_cast<size_t>(
            std::partition(boxes_.begin() + static_cast<long>(above), boxes_.end(), [&](const RECT& b) { return b.bottom != bottom; }) -
            boxes_.begin());
    }
    return boxes_;
}
