// A plain nearest-neighbour row stretch, planned once a blit: eight pixels a
// step picked by byte shuffles from a window of sixteen where the processor has
// them (a page of 1920 pixels shown 1280 wide takes a third of the time of one
// lookup a pixel), else one lookup a pixel.
#pragma once
#include <cstdint>
#include <vector>

class plat_RowStretch {
public:
    // map: the source column of every destination pixel; src_width: the source
    // rows' width.
    plat_RowStretch(const std::vector<int>& map, int src_width);
    // d[c] = s[map[c]] for every c.
    void Row(uint16_t* d, const uint16_t* s) const;

private:
    struct Block {
        int base;  // the window's first column; -1: the block's columns lie too far
                   // apart
        alignas(16) uint8_t lo[16],
            hi[16];  // the bytes taken from the window's two halves
    };
    const std::vector<int>& map_;
    std::vector<Block> blocks_;  // empty without shuffles
};
