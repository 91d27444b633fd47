// The changed parts of a frame: what differs comes back as few boxes covering every changed
// pixel, and the kept frame equals the frame afterwards; the frame's pixels as the display takes them.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/frame_changes.h"
#include "platform/pixel.h"
#include "tests/platform/blit_fixture.h"

namespace {
using blit_fixture::blank;
using blit_fixture::Srf;
constexpr int W = plat_FrameChanges::TILE_W, H = plat_FrameChanges::TILE_H;

bool kept_equals(const plat_FrameChanges& c, const Srf& f) {
    for (int y = 0; y < f->Height(); ++y)
        if (memcmp(c.Kept() + static_cast<size_t>(y) * c.Width(), f->Row(y), static_cast<size_t>(f->Width()) * 2)) return false;
    return true;
}

bool covered(const std::vector<plat_Box>& boxes, int x, int y) {
    for (const plat_Box& b : boxes)
        if (x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h) return true;
    return false;
}

TEST(FrameChanges, OnlyTheChangedTilesComeBackJoinedAndKept) {
    // Not a whole number of tiles either way: the last column and band are narrower.
    Srf f = blank(3 * W + 5, 3 * H + 7);
    plat_FrameChanges c;
    ASSERT_EQ(c.Take(*f, false).size(), 1u);  // the first frame is whole
    EXPECT_TRUE(c.Take(*f, false).empty());
    EXPECT_EQ(c.Take(*f, true).size(), 1u);

    // Two tiles of one column in two bands become one box; a tile in the narrow corner another.
    f->Row(H - 1)[W + 3] = 7;
    f->Row(H)[W + 3] = 7;
    f->Row(3 * H + 6)[3 * W + 4] = 9;
    const std::vector<plat_Box> boxes = c.Take(*f, false);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].x, W);
    EXPECT_EQ(boxes[0].y, 0);
    EXPECT_EQ(boxes[0].w, W);
    EXPECT_EQ(boxes[0].h, 2 * H);
    EXPECT_EQ(boxes[1].x, 3 * W);
    EXPECT_EQ(boxes[1].w, 5);
    EXPECT_EQ(boxes[1].y + boxes[1].h, 3 * H + 7);
    EXPECT_TRUE(kept_equals(c, f));

    // A row of changes across every tile of a band: one box the frame's width.
    for (int x = 0; x < f->Width(); ++x) f->Row(2 * H + 1)[x] = 3;
    const std::vector<plat_Box> row = c.Take(*f, false);
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(row[0].w, f->Width());
    EXPECT_TRUE(kept_equals(c, f));
}

TEST(FrameChanges, ScatteredChangesAreAllCoveredAndAnotherSizeIsWhole) {
    Srf f = blank(7 * W, 5 * H);
    plat_FrameChanges c;
    c.Take(*f, false);
    unsigned seed = 5;
    std::vector<std::pair<int, int>> changed;
    for (int i = 0; i < 40; ++i) {
        seed = seed * 1103515245 + 12345;
        const int x = static_cast<int>(seed >> 8) % f->Width(), y = static_cast<int>(seed >> 20) % f->Height();
        f->Row(y)[x] = static_cast<uint16_t>(i + 1);
        changed.emplace_back(x, y);
    }
    const std::vector<plat_Box> boxes = c.Take(*f, false);
    for (const auto& [x, y] : changed) EXPECT_TRUE(covered(boxes, x, y)) << x << "," << y;
    EXPECT_TRUE(kept_equals(c, f));

    Srf smaller = blank(W, H);
    const std::vector<plat_Box> whole = c.Take(*smaller, false);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].w * whole[0].h, W * H);
}
}  // namespace

TEST(RowToXrgb, EveryPixelValueAsGetPixelGivesIt) {
    std::vector<uint16_t> all(65536 + 3);  // not a whole number of vector steps
    for (size_t v = 0; v < all.size(); ++v) all[v] = static_cast<uint16_t>(v);
    std::vector<uint32_t> out(all.size() + 1, 0xDEADBEEF);
    plat_RowToXrgb(all.data(), static_cast<int>(all.size()), out.data());
    for (size_t v = 0; v < all.size(); ++v) {
        const COLORREF c = plat_From565(all[v]);
        ASSERT_EQ(out[v], 0xFF000000u | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c)) << v;
    }
    EXPECT_EQ(out.back(), 0xDEADBEEF) << "nothing written past the row";
}
