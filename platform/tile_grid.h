// A frame cut into tiles, some of them marked: the marked tiles come back as few rectangles
// that do not overlap, each a run of a band's tiles joined to the box of the same columns
// in the band above, so that drawing or showing them touches every marked pixel once.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/win32.h"

class plat_TileGrid {
public:
    static constexpr int TILE_W = 64, TILE_H = 32;

    // A w x h frame, nothing marked.
    void Reset(int w, int h);
    // The tiles that meet `r`, within the frame.
    void Mark(const RECT& r);
    void MarkTile(int column, int band) { marks_[Index(column, band)] = 1; }
    int Columns() const { return columns_; }
    // The marked tiles as rectangles, cut to the frame.
    const std::vector<RECT>& Boxes();

private:
    size_t Index(int column, int band) const { return static_cast<size_t>(band) * columns_ + column; }

    int w_ = 0, h_ = 0, columns_ = 0, bands_ = 0;
    std::vector<uint8_t> marks_;
    std::vector<RECT> boxes_;
};
