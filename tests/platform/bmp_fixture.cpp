#include "tests/platform/bmp_fixture.h"

#include <algorithm>
#include <bit>

#include "platform/bytes.h"

namespace bmp_fixture {
namespace {

// An 8-bit channel placed into a mask, keeping its high bits (a wider mask gets them on top).
uint32_t channel(uint32_t v8, uint32_t mask) {
    const int bits = std::popcount(mask);
    const uint32_t v = bits >= 8 ? v8 << (bits - 8) : v8 >> (8 - bits);
    return mask ? (v << std::countr_zero(mask)) & mask : 0;
}

}  // namespace

Image Picture(int w, int h, int colours) {
    static const uint32_t eight[8] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
    Image img{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.px.push_back(eight[(y % 2 ? x + y : x / 3 + y) % colours]);
    return img;
}

std::vector<uint8_t> Write(const Image& img, const Form& f) {
    std::vector<uint32_t> pal;
    if (f.bpp <= 8)
        for (uint32_t c : img.px)
            if (std::find(pal.begin(), pal.end(), c) == pal.end()) pal.push_back(c);
    auto index = [&](int x, int y) {
        return static_cast<uint32_t>(std::find(pal.begin(), pal.end(), img.px[size_t(y) * img.w + x]) - pal.begin());
    };
    static const uint32_t m555[3] = {0x7C00, 0x03E0, 0x001F}, m888[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    const uint32_t* m = f.compression == BIT_FIELDS ? f.masks : f.bpp == 16 ? m555 : m888;

    std::vector<uint8_t> d;
    const std::pair<uint32_t, int> fields[] = {  // value, bytes; the image size is filled in below
        {f.headerSize, 4}, {img.w, 4}, {f.topDown ? -img.h : img.h, 4}, {1, 2}, {f.bpp, 2}, {f.compression, 4},
        {0, 4}, {2835, 4}, {2835, 4}, {static_cast<uint32_t>(pal.size()), 4}, {0, 4}};
    for (auto [value, bytes] : fields) plat_AppendLE(d, value, bytes);
    if (f.headerSize > 40 || f.compression == BIT_FIELDS)
        for (int i = 0; i < 3; ++i) plat_AppendLE(d, f.masks[i], 4);
    if (f.headerSize > 40) plat_AppendLE(d, f.alpha, 4);
    if (f.headerSize > 40) d.resize(static_cast<size_t>(f.headerSize), 0);
    for (uint32_t c : pal) plat_AppendLE(d, c, 4);

    const size_t start = d.size();
    for (int i = 0; i < img.h; ++i) {
        const int y = f.topDown ? i : img.h - 1 - i;
        const size_t row = d.size();
        if (f.compression == RLE8 || f.compression == RLE4) {
            // Encoded runs only; absolute mode is written by hand in the tests.
            for (int x = 0, n; x < img.w; x += n) {
                for (n = 1; x + n < img.w && n < 255 && index(x + n, y) == index(x, y);) ++n;
                d.push_back(static_cast<uint8_t>(n));
                d.push_back(static_cast<uint8_t>(f.compression == RLE4 ? index(x, y) * 17 : index(x, y)));
            }
            d.push_back(0);
            d.push_back(i == img.h - 1);  // end of line, end of picture
            continue;
        }
        for (int x = 0; x < img.w; ++x) {
            if (f.bpp <= 8) {
                if (x % (8 / f.bpp) == 0) d.push_back(0);
                d.back() |= static_cast<uint8_t>(index(x, y) << (8 - f.bpp * (x % (8 / f.bpp) + 1)));
            } else {
                const uint32_t c = img.px[size_t(y) * img.w + x];
                const uint32_t alpha = f.alpha & (x * 2654435761u ^ static_cast<uint32_t>(y) * 40503u);
                const uint32_t v = channel(c >> 16 & 0xFF, m[0]) | channel(c >> 8 & 0xFF, m[1]) | channel(c & 0xFF, m[2]);
                plat_AppendLE(d, v | alpha, f.bpp / 8);
            }
        }
        while ((d.size() - row) % 4) d.push_back(0);
    }
    plat_WriteLE(&d[20], static_cast<uint32_t>(d.size() - start), 4);

    std::vector<uint8_t> file = {'B', 'M'};
    plat_AppendLE(file, static_cast<uint32_t>(14 + d.size()), 4);
    plat_AppendLE(file, 0, 4);
    plat_AppendLE(file, static_cast<uint32_t>(14 + start), 4);
    file.insert(file.end(), d.begin(), d.end());
    return file;
}

}  // namespace bmp_fixture
