#include "tests/framework/surface/surface_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "framework/surface/tf_display.h"
#include "platform/resources.h"
#include "tests/support/test_support.h"

namespace srf_test {

std::vector<unsigned char> Bmp(const Rows& rows) {
    static const char* const codes = "B.rgywkc";
    static const COLORREF colours[] = {RGB(0, 0, 255),   RGB(255, 0, 255),   RGB(255, 0, 0), RGB(0, 255, 0),
                                       RGB(255, 255, 0), RGB(255, 255, 255), RGB(0, 0, 0),   RGB(0, 255, 255)};
    const int w = static_cast<int>(rows[0].size()), h = static_cast<int>(rows.size()), stride = (w * 3 + 3) & ~3;
    std::vector<unsigned char> v(54 + static_cast<size_t>(stride) * h, 0);
    const uint32_t header[] = {static_cast<uint32_t>(v.size()), 0,           54, 40, static_cast<uint32_t>(w),
                               static_cast<uint32_t>(h),        1 | 24 << 16};
    v[0] = 'B';
    v[1] = 'M';
    memcpy(&v[2], header, sizeof header);  // little-endian fields
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            COLORREF c = colours[strchr(codes, rows[y][x]) - codes];
            unsigned char* p = &v[54 + static_cast<size_t>(h - 1 - y) * stride + 3 * x];  // bottom-up BGR
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    return v;
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
    for (size_t j = 0; j < rows.size(); ++j) {
        std::string got;
        for (size_t i = 0; i < rows[j].size(); ++i)
            got += kind(Px(s, x + static_cast<int>(i), y + static_cast<int>(j)));
        EXPECT_EQ(got, rows[j]) << "row " << y + static_cast<int>(j);
    }
}

}  // namespace srf_test
