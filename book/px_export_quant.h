// The palette of an exported page: its RGB565 colours as they were counted over all its
// frames, each with an entry of its own when they are few enough, else a median cut of
// them (each box cut where its two halves lose least). Never dithered, so the flat areas
// of the art stay flat.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

enum { PX_RGB565_COLOURS = 65536 };

class PX_Palette {
public:
    // counts[c]: how often the RGB565 value c occurs; at most max_entries entries (1 ... 256).
    PX_Palette(const std::vector<uint32_t>& counts, int max_entries);

    int Size() const { return static_cast<int>(rgb_.size()); }
    uint32_t Rgb(int i) const { return rgb_[static_cast<size_t>(i)]; }  // 0xRRGGBB
    // The entry nearest to the colour (its own when every counted colour has one); each
    // colour is looked up once and remembered.
    uint8_t Index(uint16_t c) {
        const int16_t i = index_[c];
        return static_cast<uint8_t>(i >= 0 ? i : look_up(c));
    }

private:
    int16_t look_up(uint16_t c);

    std::vector<uint32_t> rgb_;
    std::vector<int16_t> index_;  // per RGB565 value; -1 until looked up
};

// The RGB565 value as the screen shows it, 0xRRGGBB.
uint32_t PX_Rgb(uint16_t c);
