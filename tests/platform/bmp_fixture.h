// The tests' BMP files, written byte by byte, in every common form.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace bmp_fixture {

struct Image {  // top-down 0x00RRGGBB
    int w = 0, h = 0;
    std::vector<uint32_t> px;
};

enum Compression { PLAIN = 0, RLE8 = 1, RLE4 = 2, BIT_FIELDS = 3 };

struct Form {
    int bpp = 24;
    Compression compression = PLAIN;
    bool topDown = false;
    uint32_t masks[3] = {0, 0, 0};  // red, green, blue; written with BIT_FIELDS
    int headerSize = 40;  // 40, or 108/124 with the masks inside
    uint32_t alpha = 0;   // an alpha mask (in a larger header), its bits set at random
};

// Eight saturated colours in runs and single pixels; with two colours, black and white only.
Image Picture(int w, int h, int colours = 8);
std::vector<uint8_t> Write(const Image& img, const Form& form);

}  // namespace bmp_fixture
