#include "tests/book/book_fixture.h"

#include <cstring>

#include "framework/app/tf_appstate.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/test_support.h"

namespace book_test {
namespace {
int* const SCREEN[] = {&tf_ScreenW, &tf_ScreenH, &tf_ScreenCX, &tf_ScreenCY};
}  // namespace

CHerec* Obj(int i) { return REG_Objekt(i); }

void PageTest::SetUp() {
    test_support::FreshLog();
    PX_STAV_Reset();
    PX_srand(1);
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    back = plat_CreateTestSurface(W + 50, H + 30);
    for (int i = 0; i < 4; ++i) saved[i] = *SCREEN[i];
    const int mine[] = {W, H, W / 2, H / 2};
    for (int i = 0; i < 4; ++i) *SCREEN[i] = mine[i];
    tf_lpDD = dd;
    tf_lpDDSBack = back;
    background_surface = &background;
    utl_duir_Pozadia = &pozadia;
    utl_duir_Kulisy = &kulisy;
    utl_duir_Herci = &herci;
}

void PageTest::TearDown() {
    VYMAZ_REG();
    PX_STAV_Reset();
    for (int i = 0; i < 4; ++i) *SCREEN[i] = saved[i];
    tf_lpDD = nullptr;
    tf_lpDDSBack = nullptr;
    background.RELEASE_SURFACE();
    back->Release();
    dd->Release();
}

std::string PageTest::Picture(const std::string& rel, int w, int h, const Colour& colour) {
    bmp_fixture::Image img{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.px.push_back(colour(x, y));
    const std::vector<uint8_t> bmp = bmp_fixture::Write(img, bmp_fixture::Form{});
    const std::string file(bmp.begin(), bmp.end());
    tree.File(rel, file);
    return tree.Path(rel);
}

void PageTest::Asset(tf_UTL_CDUIR_THMFILE& list, const char* name, const std::string& rel) {
    tf_TVOLBAR* row = list.PRIDAJR(list.CountR() + 1, name, nullptr, false);
    row->data = strdup(tree.Path(rel).c_str());
}

void PageTest::StandardAssets() {
    strom = Picture("strom.bmp", 16, 12, [](int x, int y) {
        if (x == 0 || y == 0 || x == 15 || y == 11) return CYAN;
        return x == 6 && y == 6 ? MAGENTA : GREEN;
    });
    // Columns 0, 9, 18 and 27 and rows 0 and 9 are the frame.
    pes = Picture("pes.bmp", 28, 10, [](int x, int y) {
        if (x % 9 == 0 || y == 0 || y == 9) return CYAN;
        if (x % 9 == 6 && y == 6) return MAGENTA;
        const uint32_t fills[] = {RED, GREEN, YELLOW};
        return fills[x / 9];
    });
    tree.File("pes.faz", "3 3\n0xc 3\n024 3\n");
    Asset(kulisy, "strom", "strom.bmp");
    Asset(herci, "pes", "pes.bmp");
}

std::string PageTest::PageFile(const std::string& content, const std::string& rel) {
    tree.File(rel, content);
    return tree.Path(rel);
}

}  // namespace book_test
