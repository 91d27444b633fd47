#include "tests/framework/surface/surface_fixture.h"

#include <cstring>
#include <utility>

#include "framework/surface/tf_display.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/test_support.h"

namespace srf_test {
namespace {
int* const SCREEN[] = {&tf_ScreenW, &tf_ScreenH, &tf_ScreenCX, &tf_ScreenCY};
const char NAMES[] = "lmdtgf";
const COLORREF COLOURS[] = {0x00D7D7D7, 0x00A0A0A0, 0x00505050, 0x00C86464, 0x00B4B4B4, 0x00D8D8D8};
}  // namespace

std::string Bmp(const Rows& rows) {
    static const char* const codes = "B.rgywkc";
    static const uint32_t colours[] = {0x0000FF, 0xFF00FF, 0xFF0000, 0x00FF00, 0xFFFF00, 0xFFFFFF, 0x000000, 0x00FFFF};
    bmp_fixture::Image img{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
    for (const std::string& row : rows)
        for (char c : row) img.px.push_back(colours[strchr(codes, c) - codes]);
    const std::vector<uint8_t> bytes = bmp_fixture::Write(img, bmp_fixture::Form{});
    return {bytes.begin(), bytes.end()};
}

void Screen::SetUp() {
    test_support::FreshLog();
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    back = plat_CreateTestSurface(bw_, bh_);
    primary = plat_CreateTestSurface(bw_, bh_);
    const int mine[] = {sw_, sh_, sw_ / 2, sh_ / 2};
    for (int i = 0; i < 4; ++i) saved[i] = std::exchange(*SCREEN[i], mine[i]);
    tf_lpDD = dd;
    tf_lpDDSBack = back;
    tf_lpDDSPrimary = primary;
    for (int i = 0; i < 6; ++i) named[i] = Raw(COLOURS[i]);
    Clear();
}

void Screen::TearDown() {
    for (int i = 0; i < 4; ++i) *SCREEN[i] = saved[i];
    tf_lpDD = nullptr;
    tf_lpDDSBack = nullptr;
    tf_lpDDSPrimary = nullptr;
    primary->Release();
    back->Release();
    dd->Release();
}

int Screen::Inked(int l, int t, int r, int b) {
    return test_support::CountIn(l, t, r, b, [&](int x, int y) { return Px(x, y) != PAPER; });
}

std::string Screen::Kinds(int x, int y, int n, bool down) {
    return test_support::Letters(back, x, y, n, down, [&](uint16_t p) {
        char k = p == PAPER ? '.' : p == 0xFFFF ? 'W' : p == 0 ? 'K' : '?';
        for (int j = 0; j < 6; ++j)
            if (k == '?' && p == named[j]) k = NAMES[j];
        return k;
    });
}

void Screen::ExpectKinds(int x, int y, const Rows& rows) {
    for (size_t j = 0; j < rows.size(); ++j)
        EXPECT_EQ(Kinds(x, y + static_cast<int>(j), static_cast<int>(rows[j].size())), rows[j]) << "row " << y + j;
}

void Screen::ExpectCopy(tf_CDas_Surface* s, int dx, int dy, RECT src, bool keyed) {
    for (int y = 0; y < back->Height(); ++y)
        for (int x = 0; x < back->Width(); ++x) {
            const int sx = src.left + x - dx, sy = src.top + y - dy;
            uint16_t want = PAPER;
            if (sx >= src.left && sx < src.right && sy >= src.top && sy < src.bottom &&
                !(keyed && Px(s->lpDDS, sx, sy) == s->TC))
                want = Px(s->lpDDS, sx, sy);
            ASSERT_EQ(Px(x, y), want) << "at " << x << "," << y;
        }
}

void Screen::Load(tf_CDas_Surface& s, const char* name, const Rows& rows) {
    test_support::WriteFile(name, Bmp(rows));
    s.NAHRAJ_SURFACE(dd, name);
    ASSERT_NE(s.lpDDS, nullptr) << name;
}

}  // namespace srf_test
