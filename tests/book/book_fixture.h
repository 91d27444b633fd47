// The book tests' set-up: a 250 x 120 screen on a larger back buffer (so that drawing beyond
// the screen shows), the page state afresh, and a book's asset lists in a scratch folder:
// the prop "strom" (16 x 12, one phase), the actor "pes" (three 8 x 8 phases framed in cyan,
// red, green and yellow, each with a transparent magenta pixel; its phases file names them
// in order) and the background "les".
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "book/pexlo.h"
#include "framework/app/tf_appstate.h"
#include "framework/widgets/tf_utl.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

namespace book_test {

inline CHerec* Obj(int i) { return REG_Objekt(i); }
inline tf_TFAZA Phase(CHerec* o, int i) { return *static_cast<tf_TFAZA*>(o->fazy.GET(i)); }

class PageTest : public testing::Test {
public:
    static constexpr int W = 250, H = 120;
    static constexpr uint16_t FILL = 500;

protected:
    void SetUp() override {
        test_support::FreshLog();
        PX_STAV_Reset();
        PX_srand(1);
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
        back = plat_CreateTestSurface(W + 50, H + 30);
        std::swap(tf_ScreenW, saved_w);
        std::swap(tf_ScreenH, saved_h);
        tf_lpDD = dd;
        background_surface = &background;
        utl_duir_Pozadia = &pozadia;
        utl_duir_Kulisy = &kulisy;
        utl_duir_Herci = &herci;
        strom = Picture("strom.bmp", 16, 12, [](int x, int y) {
            return x == 0 || y == 0 || x == 15 || y == 11 ? 0x00FFFFu : x == 6 && y == 6 ? 0xFF00FFu : 0x00FF00u;
        });
        pes = Picture("pes.bmp", 28, 10, [](int x, int y) {  // frame: columns 0, 9, 18, 27
            const uint32_t fills[] = {0xFF0000, 0x00FF00, 0xFFFF00};
            return x % 9 == 0 || y == 0 || y == 9 ? 0x00FFFFu : x % 9 == 6 && y == 6 ? 0xFF00FFu : fills[x / 9];
        });
        tree.File("pes.faz", "3 3\n0xc 3\n024 3\n");
        Picture("les.bmp", 40, 30, [](int x, int) { return x < 20 ? 0x102030u : 0x405060u; });
        Asset(kulisy, "strom", "strom.bmp");
        Asset(herci, "pes", "pes.bmp");
        Asset(pozadia, "les", "les.bmp");
    }
    void TearDown() override {
        VYMAZ_REG();
        PX_STAV_Reset();
        std::swap(tf_ScreenW, saved_w);
        std::swap(tf_ScreenH, saved_h);
        tf_lpDD = nullptr;
        background.RELEASE_SURFACE();
        back->Release();
        dd->Release();
    }

    // A 24-bit picture in the scratch folder; its program path.
    std::string Picture(const std::string& rel, int w, int h, const std::function<uint32_t(int, int)>& rgb) {
        bmp_fixture::Image img{w, h, {}};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) img.px.push_back(rgb(x, y));
        const std::vector<uint8_t> bmp = bmp_fixture::Write(img, bmp_fixture::Form{});
        tree.File(rel, std::string(bmp.begin(), bmp.end()));
        return tree.Path(rel);
    }
    void Asset(tf_UTL_CDUIR_THMFILE& list, const char* name, const std::string& rel) {
        list.PRIDAJR(list.CountR() + 1, name, nullptr, false)->data = strdup(tree.Path(rel).c_str());
    }
    std::string PageFile(const std::string& content, const std::string& rel = "1.str") {
        tree.File(rel, content);
        return tree.Path(rel);
    }
    uint16_t Px(int x, int y) { return back->Row(y)[x]; }
    static uint16_t Raw(const CHerec* o, int x, int y) { return o->srf->lpDDS->Row(y)[x]; }

    test_support::TempTree tree;
    IDirectDraw* dd = nullptr;
    IDirectDrawSurface* back = nullptr;
    tf_CDas_Surface background{"pozadie"};
    tf_UTL_CDUIR_THMFILE pozadia, kulisy, herci;
    std::string strom, pes;  // program paths

private:
    int saved_w = W, saved_h = H;
};

}  // namespace book_test
