#include "tests/framework/surface/surface_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "framework/surface/tf_display.h"
#include "platform/resources.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/test_support.h"

namespace srf_test {

std::vector<unsigned char> Bmp(const Rows& rows) {
    static const char* const codes = "B.rgywkc";
    static const uint32_t colours[] = {0x0000FF, 0xFF00FF, 0xFF0000, 0x00FF00, 0xFFFF00, 0xFFFFFF, 0x000000, 0x00FFFF};
    bmp_fixture::Image img{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
    for (const std::string& row : rows)
        for (char c : row) img.px.push_back(colours[strchr(codes, c) - codes]);
    return bmp_fixture::Write(img, bmp_fixture::Form{});
}

void WriteFile(const char* name, const std::vector<unsigned char>& data) {
    FILE* f = fopen(name, "wb");
    ASSERT_NE(f, nullptr);
    if (!data.empty()) fwrite(data.data(), 1, data.size(), f);
    fclose(f);
}

void AddResource(const char* name, const std::vector<unsigned char>& data) {
    static std::deque<std::vector<unsigned char>> kept;
    kept.push_back(data);
    plat_AddResource(name, kept.back().data(), kept.back().size());
}

void SurfaceTest::SetUp() {
    test_support::FreshLog();
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    back = plat_CreateTestSurface(30, 20);
    saved_w = tf_ScreenW;
    saved_h = tf_ScreenH;
    tf_ScreenW = 20;
    tf_ScreenH = 12;
    tf_lpDD = dd;
    tf_lpDDSBack = back;
    DDSURFACE_ZMAZ(back, PAPER);
}

void SurfaceTest::TearDown() {
    tf_ScreenW = saved_w;
    tf_ScreenH = saved_h;
    tf_lpDD = nullptr;
    tf_lpDDSBack = nullptr;
    back->Release();
    dd->Release();
}

void SurfaceTest::Load(tf_CDas_Surface& s, const char* name, const Rows& rows) {
    WriteFile(name, Bmp(rows));
    s.NAHRAJ_SURFACE(dd, name);
    ASSERT_NE(s.lpDDS, nullptr) << name;
}

void SurfaceTest::ExpectCopy(tf_CDas_Surface* s, int dx, int dy, RECT src, bool keyed) {
    for (int y = 0; y < back->Height(); ++y)
        for (int x = 0; x < back->Width(); ++x) {
            int sx = src.left + x - dx, sy = src.top + y - dy;
            uint16_t want = PAPER;
            if (sx >= src.left && sx < src.right && sy >= src.top && sy < src.bottom &&
                !(keyed && Px(s->lpDDS, sx, sy) == s->TC))
                want = Px(s->lpDDS, sx, sy);
            ASSERT_EQ(Px(back, x, y), want) << "at " << x << "," << y;
        }
}

void SurfaceTest::ExpectKinds(IDirectDrawSurface* s, int x, int y, const Rows& rows) {
    auto kind = [](uint16_t p) {
        const int r = (p >> 11) << 3, g = ((p >> 5) & 63) << 2, b = (p & 31) << 3;
        auto grey = [&](int v) { return abs(r - v) < 9 && abs(g - v) < 9 && abs(b - v) < 9; };
        return p == PAPER ? 'P' : p == 0xFFFF ? 'W' : p == 0 ? 'K' : grey(0x50) ? 'G' : grey(0xD8) ? 'L' : '?';
    };
    for (int j = 0; j < static_cast<int>(rows.size()); ++j)
        EXPECT_EQ(test_support::Letters(s, x, y + j, static_cast<int>(rows[j].size()), false, kind), rows[j])
            << "row " << y + j;
}

}  // namespace srf_test
