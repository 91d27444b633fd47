#include "tests/framework/widgets/widget_fixture.h"

#include "framework/surface/tf_display.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/support/pixels.h"
#include "tests/support/test_support.h"

namespace widget_test {
namespace {
int* const SCREEN[] = {&tf_ScreenW, &tf_ScreenH, &tf_ScreenCX, &tf_ScreenCY};
const char NAMES[] = "lmdtgf";
const COLORREF COLOURS[] = {0x00D7D7D7, 0x00A0A0A0, 0x00505050, 0x00C86464, 0x00B4B4B4, 0x00D8D8D8};
}  // namespace

void ScreenTest::SetUp() {
    test_support::FreshLog();
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    back = plat_CreateTestSurface(W, H);
    primary = plat_CreateTestSurface(W, H);
    for (int i = 0; i < 4; ++i) saved[i] = *SCREEN[i];  // the tests change them
    const int mine[] = {W, H, W / 2, H / 2};
    for (int i = 0; i < 4; ++i) *SCREEN[i] = mine[i];
    tf_lpDD = dd;
    tf_lpDDSBack = back;
    tf_lpDDSPrimary = primary;
    for (int i = 0; i < 6; ++i) named[i] = Raw(COLOURS[i]);
    DDSURFACE_ZMAZ(back, PAPER);
}

void ScreenTest::TearDown() {
    for (int i = 0; i < 4; ++i) *SCREEN[i] = saved[i];
    tf_lpDD = nullptr;
    tf_lpDDSBack = nullptr;
    tf_lpDDSPrimary = nullptr;
    primary->Release();
    back->Release();
    dd->Release();
}

int ScreenTest::Inked(int l, int t, int r, int b) {
    return test_support::CountIn(l, t, r, b, [&](int x, int y) { return Px(x, y) != PAPER; });
}

std::string ScreenTest::Kinds(int x, int y, int n, bool down) {
    return test_support::Letters(back, x, y, n, down, [&](uint16_t p) {
        char k = p == PAPER ? '.' : p == 0xFFFF ? 'W' : p == 0 ? 'K' : '?';
        for (int j = 0; j < 6; ++j)
            if (k == '?' && p == named[j]) k = NAMES[j];
        return k;
    });
}

const SkinPhase SKIN_PHASES[6] = {{38, 3, 52, 16, 'g'},    {38, 18, 52, 31, 'y'},   {112, 36, 129, 65, 'g'},
                                   {137, 36, 154, 65, 'y'}, {161, 24, 178, 34, 'w'}, {3, 151, 202, 208, 'r'}};

SkinResource::SkinResource() : hidden(plat_FindResource("rezia_dll.bmp")) {
    srf_test::Rows rows(211, std::string(235, '.'));
    rows[0][0] = 'c';
    for (const SkinPhase& p : SKIN_PHASES)
        for (int y = p.t - 1; y <= p.b + 1; ++y)
            for (int x = p.l - 1; x <= p.r + 1; ++x)
                rows[y][x] = (x < p.l || x > p.r || y < p.t || y > p.b) ? 'c' : p.fill;
    srf_test::AddResource("rezia_dll.bmp", srf_test::Bmp(rows));
}

SkinResource::~SkinResource() {
    if (hidden) plat_AddResource(hidden->name, hidden->data, hidden->size);
}

}  // namespace widget_test
