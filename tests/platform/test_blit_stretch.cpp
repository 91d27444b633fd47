// The planned row stretch picks the same pixels as one lookup a pixel, whatever
// the ratio, the map's direction and where the row ends.
#include <gtest/gtest.h>

#include <numeric>

#include "platform/blit_stretch.h"

namespace {
// The map of a stretch of sw columns onto dw, rising or falling, as nearest
// neighbour has it.
std::vector<int> make_map(int sw, int dw, bool mirrored) {
    std::vector<int> map(static_cast<size_t>(dw));
    for (int c = 0; c < dw; ++c) map[size_t(c)] = int((2 * int64_t(mirrored ? dw - 1 - c : c) + 1) * sw / (2 * dw));
    return map;
}
}  // namespace

TEST(RowStretch, PicksThePixelsOfTheMapAtEveryRatioAndEnd) {
    for (int sw : {16, 17, 799, 1920}) {
        std::vector<uint16_t> src(static_cast<size_t>(sw));  // exactly the row: a read past it is a sanitizer's error
        std::iota(src.begin(), src.end(), uint16_t{1});
        for (int dw : {1, 7, 8, 9, 800, 1024, 1280, 1919, 1920, 3001})
            for (bool mirrored : {false, true}) {
                const std::vector<int> map = make_map(sw, dw, mirrored);
                std::vector<uint16_t> got(size_t(dw) + 1, 0xBEEF);
                plat_RowStretch(map, sw).Row(got.data(), src.data());
                for (int c = 0; c < dw; ++c)
                    ASSERT_EQ(got[size_t(c)], src[size_t(map[size_t(c)])])
                        << sw << " to " << dw << " at " << c << (mirrored ? " mirrored" : "");
                EXPECT_EQ(got[size_t(dw)], 0xBEEF) << "nothing written past the row";
            }
    }
}
