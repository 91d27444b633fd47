#include "platform/frame_changes.h"

#include <algorithm>
#include <cstring>

#include "platform/ddraw.h"

const std::vector<plat_Box>& plat_FrameChanges::Take(const IDirectDrawSurface& frame, bool whole,
                                                     const std::vector<RECT>* parts) {
    const int w = frame.Width(), h = frame.Height();
    boxes_.clear();
    if (w <= 0 || h <= 0) return boxes_;
    if (whole || w != w_ || h != h_) {
        w_ = w;
        h_ = h;
        kept_.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
        for (int y = 0; y < h; ++y) memcpy(&kept_[static_cast<size_t>(y) * w], frame.Row(y), static_cast<size_t>(w) * 2);
        boxes_.push_back({0, 0, w, h});
        return boxes_;
    }
    for (int y = 0; y < h; y += TILE_H) Band(frame, y, std::min(TILE_H, h - y), parts);
    return boxes_;
}

void plat_FrameChanges::Band(const IDirectDrawSurface& frame, int y, int n, const std::vector<RECT>* parts) {
    const int columns = (w_ + TILE_W - 1) / TILE_W;
    marked_.assign(static_cast<size_t>(columns), 0);
    asked_.assign(static_cast<size_t>(columns), parts ? 0 : 1);
    for (const RECT& p : parts ? *parts : std::vector<RECT>{}) {
        const int l = std::max<int>(p.left, 0), r = std::min<int>(p.right, w_);
        if (p.bottom > y && p.top < y + n && l < r)
            std::fill(asked_.begin() + l / TILE_W, asked_.begin() + (r - 1) / TILE_W + 1, 1);
    }
    const bool any = std::find(asked_.begin(), asked_.end(), 1) != asked_.end();
    for (int r = y; any && r < y + n; ++r) {
        uint16_t* kept = &kept_[static_cast<size_t>(r) * w_];
        const uint16_t* row = frame.Row(r);
        if (!parts && memcmp(kept, row, static_cast<size_t>(w_) * 2) == 0) continue;  // most rows, most frames
        for (int c = 0; c < columns; ++c) {
            if (!asked_[static_cast<size_t>(c)]) continue;
            const int x = c * TILE_W;
            const size_t bytes = static_cast<size_t>(std::min(TILE_W, w_ - x)) * 2;
            if (memcmp(kept + x, row + x, bytes) == 0) continue;
            memcpy(kept + x, row + x, bytes);
            marked_[static_cast<size_t>(c)] = 1;
        }
    }
    const size_t bandFrom = boxes_.size();
    for (int c = 0; c < columns;) {
        if (!marked_[static_cast<size_t>(c)]) {
            ++c;
            continue;
        }
        int end = c;
        while (end < columns && marked_[static_cast<size_t>(end)]) ++end;
        const plat_Box run{c * TILE_W, y, std::min(end * TILE_W, w_) - c * TILE_W, n};
        // A run under one of the same columns in the band above makes that box taller.
        auto same = std::find_if(boxes_.begin(), boxes_.begin() + static_cast<long>(bandFrom),
                                 [&](const plat_Box& b) { return b.x == run.x && b.w == run.w && b.y + b.h == y; });
        if (same != boxes_.begin() + static_cast<long>(bandFrom))
            same->h += n;
        else
            boxes_.push_back(run);
        c = end;
    }
}
