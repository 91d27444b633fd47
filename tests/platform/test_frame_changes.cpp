// A new frame copied where it differs from the last: what changed comes back as boxes that
// cover every changed pixel once, and the surface equals the frame afterwards; the tiles of a
// frame marked and joined into boxes; the frame's pixels as the display takes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/frame_changes.h"
#include "platform/pixel.h"
#include "tests/platform/blit_fixture.h"

namespace {
using blit_fixture::blank;
using blit_fixture::Srf;
constexpr int W = plat_TileGrid::TILE_W, H = plat_TileGrid::TILE_H;

bool same(const Srf& a, const Srf& b) {
    for (int y = 0; y < a->Height(); ++y)
        if (memcmp(a->Row(y), b->Row(y), static_cast<size_t>(a->Width()) * 2)) return false;
    return true;
}

// How many boxes hold the point.
int covers(const std::vector<RECT>& boxes, int x, int y) {
    int n = 0;
    for (const RECT& b : boxes) n += x >= b.left && x < b.right && y >= b.top && y < b.bottom;
    return n;
}

TEST(FrameChanges, OnlyTheChangedTilesAreCopiedAndComeBackJoined) {
    // Not a whole number of tiles either way: the last column and band are narrower.
    Srf shown = blank(3 * W + 5, 3 * H + 7), frame = blank(3 * W + 5, 3 * H + 7);
    plat_FrameChanges c;
    EXPECT_TRUE(c.Copy(*shown, *frame, false).empty());
    ASSERT_EQ(c.Copy(*shown, *frame, true).size(), 1u);
    EXPECT_EQ(c.Copy(*shown, *frame, true)[0].right, 3 * W + 5);

    // Two tiles of one column in two bands become one box; a tile in the narrow corner another.
    frame->Row(H - 1)[W + 3] = 7;
    frame->Row(H)[W + 3] = 7;
    frame->Row(3 * H + 6)[3 * W + 4] = 9;
    std::vector<RECT> boxes = c.Copy(*shown, *frame, false);
    ASSERT_EQ(boxes.size(), 2u);
    std::sort(boxes.begin(), boxes.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
    EXPECT_EQ(boxes[0].left, W);
    EXPECT_EQ(boxes[0].right, 2 * W);
    EXPECT_EQ(boxes[0].top, 0);
    EXPECT_EQ(boxes[0].bottom, 2 * H);
    EXPECT_EQ(boxes[1].left, 3 * W);
    EXPECT_EQ(boxes[1].right, 3 * W + 5);
    EXPECT_EQ(boxes[1].bottom, 3 * H + 7);
    EXPECT_TRUE(same(shown, frame));
    EXPECT_TRUE(c.Copy(*shown, *frame, false).empty()) << "copied, nothing differs any more";

    // A row of changes across every tile of a band: one box the frame's width.
    for (int x = 0; x < frame->Width(); ++x) frame->Row(2 * H + 1)[x] = 3;
    const std::vector<RECT> row = c.Copy(*shown, *frame, false);
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(row[0].right - row[0].left, frame->Width());
    EXPECT_TRUE(same(shown, frame));
}

TEST(FrameChanges, ScatteredChangesAreEachCoveredOnce) {
    Srf shown = blank(7 * W, 5 * H), frame = blank(7 * W, 5 * H);
    plat_FrameChanges c;
    unsigned seed = 5;
    std::vector<std::pair<int, int>> changed;
    for (int i = 0; i < 40; ++i) {
        seed = seed * 1103515245 + 12345;
        const int x = static_cast<int>(seed >> 8) % frame->Width(), y = static_cast<int>(seed >> 20) % frame->Height();
        frame->Row(y)[x] = static_cast<uint16_t>(i + 1);
        changed.emplace_back(x, y);
    }
    const std::vector<RECT> boxes = c.Copy(*shown, *frame, false);
    for (const auto& [x, y] : changed) EXPECT_EQ(covers(boxes, x, y), 1) << x << "," << y;
    EXPECT_TRUE(same(shown, frame));
}

TEST(TileGrid, MarkedTilesBecomeBoxesThatCoverThemOnceAndNothingElse) {
    plat_TileGrid grid;
    const int w = 9 * W + 17, h = 7 * H + 3;
    grid.Reset(w, h);
    EXPECT_TRUE(grid.Boxes().empty());
    // Rectangles of any size, partly or wholly off the frame, some empty or upside down.
    unsigned seed = 11;
    auto next = [&](int n) {
        seed = seed * 1103515245 + 12345;
        return static_cast<int>(seed >> 8) % n;
    };
    std::vector<RECT> marked;
    for (int i = 0; i < 30; ++i) {
        const int x = next(w + 200) - 100, y = next(h + 200) - 100;
        const RECT r = {x, y, x + next(300) - 20, y + next(200) - 20};
        marked.push_back(r);
        grid.Mark(r);
    }
    grid.Mark({-50, -50, -1, -1});
    grid.Mark({w + 1, 0, w + 60, h});
    const std::vector<RECT>& boxes = grid.Boxes();
    // Tile by tile (its corner pixel): covered once when some rectangle meets it, else not at all.
    for (int ty = 0; ty < h; ty += H)
        for (int tx = 0; tx < w; tx += W) {
            bool meets = false;
            for (const RECT& r : marked)
                meets = meets || (std::max<LONG>(r.left, tx) < std::min<LONG>(r.right, tx + W) &&
                                  std::max<LONG>(r.top, ty) < std::min<LONG>(r.bottom, ty + H));
            EXPECT_EQ(covers(boxes, tx, ty), meets ? 1 : 0) << tx << "," << ty;
        }
    for (const RECT& b : boxes) {
        EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= w && b.bottom <= h && b.left < b.right && b.top < b.bottom);
        EXPECT_TRUE(b.left % W == 0 && b.top % H == 0) << "boxes are whole tiles";
    }
    // A block of tiles is one box.
    grid.Reset(w, h);
    grid.Mark({W + 1, H + 1, 3 * W - 1, 4 * H - 1});
    ASSERT_EQ(grid.Boxes().size(), 1u);
    EXPECT_EQ(grid.Boxes()[0].bottom, 4 * H);
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
