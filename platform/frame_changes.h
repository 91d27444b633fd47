// Which parts of a frame differ from the frame kept from before: the frame is compared in tiles,
// the tiles that differ are copied into the kept frame, and the changed area comes back as a
// few rectangles to show, so that a page where little moves costs little to bring to the screen.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/display_internal.h"

class IDirectDrawSurface;

class plat_FrameChanges {
public:
    // The rectangles where `frame` differs from the kept frame, which then equals it there. Only
    // the tiles that meet `parts` are compared (null: all). A frame of another size than the kept
    // one, or `whole`, comes back whole.
    const std::vector<plat_Box>& Take(const IDirectDrawSurface& frame, bool whole, const std::vector<RECT>* parts = nullptr);
    // The kept frame: w × h pixels of RGB565, rows one after another.
    const uint16_t* Kept() const { return kept_.data(); }
    int Width() const { return w_; }
    int Height() const { return h_; }

    static constexpr int TILE_W = 64, TILE_H = 32;

private:
    // The changed tiles of rows [y, y + n) as runs of columns, joined to the boxes of the band above
    // when they have the same columns.
    void Band(const IDirectDrawSurface& frame, int y, int n, const std::vector<RECT>* parts);

    std::vector<uint16_t> kept_;
    int w_ = 0, h_ = 0;
    std::vector<plat_Box> boxes_;
    std::vector<uint8_t> asked_, marked_;  // per column of tiles in the band: to compare, changed
};
