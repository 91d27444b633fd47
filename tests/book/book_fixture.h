// The book tests' set-up: a 250 x 120 screen on a larger back buffer (drawing beyond the
// screen shows), the page state afresh, and a book's asset lists in a scratch folder: the
// prop "strom" (16 x 12, one phase), the actor "pes" (three 8 x 8 phases framed in cyan,
// each with a transparent pixel at (6, 6) of its frame, listed in its phases file) and the
// background "les".
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
inline uint16_t Raw(const CHerec* o, int x, int y) { return o->srf->lpDDS->Row(y)[x]; }

class PageTest : public testing::Test {
public:
    static constexpr int W = 250, H = 120;
    static constexpr uint16_t FILL = 500;

protected:
    void SetUp() override {
        test_support::FreshLog();
        PX_STAV_Reset();
        PX_srand(1);
        ASSERT_EQ(DirectDrawCreate(nullptr, &tf_lpDD, nullptr), DD_OK);
        std::swap(tf_ScreenW, saved_w);
        std::swap(tf_ScreenH, saved_h);
        background_surface = &background;
        utl_duir_Pozadia = &pozadia;
        utl_duir_Kulisy = &kulisy;
        utl_duir_Herci = &herci;
        strom = Picture("strom.bmp", 16, 12, [](int x, int y) {
            return x % 15 == 0 || y % 11 == 0 ? 0x00FFFFu : x == 6 && y == 6 ? 0xFF00FFu : 0x00FF00u;
        });
        pes = Picture("pes.bmp", 28, 10, [](int x, int y) {  // frame: columns 0, 9, 18, 27
            return x % 9 == 0 || y % 9 == 0 ? 0x00FFFFu : x % 9 == 6 && y == 6 ? 0xFF00FFu : 0x400000u * (x / 9 + 1);
        });
        tree.File("pes.faz", "3 3\n0xc 3\n024 3\n");
        Picture("les.bmp", 40, 30, [](int x, int) { return 0x102030u * (x / 20 + 1); });
        for (auto [list, name] : {std::pair(&kulisy, "strom"), {&herci, "pes"}, {&pozadia, "les"}})
            list->PRIDAJR(1, name, nullptr, false)->data = strdup(tree.Path(name + std::string(".bmp")).c_str());
    }
    void TearDown() override {
        VYMAZ_REG();
        PX_STAV_Reset();
        std::swap(tf_ScreenW, saved_w);
        std::swap(tf_ScreenH, saved_h);
        back->Release();
        tf_lpDD->Release();
        tf_lpDD = nullptr;
    }
    // A 24-bit picture in the scratch folder; its program path.
    std::string Picture(const std::string& rel, int w, int h, const std::function<uint32_t(int, int)>& rgb) {
        bmp_fixture::Image img{w, h, {}};
        for (int i = 0; i < w * h; ++i) img.px.push_back(rgb(i % w, i / w));
        const std::vector<uint8_t> bmp = bmp_fixture::Write(img, bmp_fixture::Form{});
        tree.File(rel, std::string(bmp.begin(), bmp.end()));
        return tree.Path(rel);
    }
    std::string PageFile(const std::string& content) {
        tree.File("1.str", content);
        return tree.Path("1.str");
    }
    uint16_t Px(int x, int y) { return back->Row(y)[x]; }

    test_support::TempTree tree;
    IDirectDrawSurface* back = plat_CreateTestSurface(W + 50, H + 30);
    tf_CDas_Surface background{"pozadie"};
    tf_UTL_CDUIR_THMFILE pozadia, kulisy, herci;
    std::string strom, pes;  // program paths

private:
    int saved_w = W, saved_h = H;
};

}  // namespace book_test
