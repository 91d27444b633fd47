// The look on one headless frame of the application screen, written next to the test
// program as look_screenshot.bmp and look_screenshot.png and checked where a fault shows.
#include <gtest/gtest.h>

#include "framework/widgets/tf_dialog.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_tlac.h"
#include "platform/pixel.h"
#include "tests/framework/app/look_showcase.h"
#include "tests/framework/app/screenshot_fixture.h"

namespace {
class LookScreenshot : public screenshot_test::Screenshot {
protected:
    // Mean brightness of an element's rectangle.
    double MeanLuma(tf_CDAS* e) {
        double sum = 0;
        const int w = e->AktSIR(), h = e->AktVYS();
        for (int y = e->y; y < e->y + h; ++y)
            for (int x = e->x; x < e->x + w; ++x) sum += Luma(Px(x, y));
        return sum / (w * h);
    }
};

TEST_F(LookScreenshot, IsWrittenAsBmpAndPngThatReadBack) {
    look_test::LookScreen screen;
    ASSERT_NO_FATAL_FAILURE(Capture(screen, screen.frames, true));
    SaveAndReadBack("look_screenshot");
}

TEST_F(LookScreenshot, ShowsEveryPartOverTheBackground) {
    look_test::LookScreen screen;
    ASSERT_NO_FATAL_FAILURE(Capture(screen, screen.frames, true));
    // The background picture is drawn opaque where nothing else is.
    EXPECT_EQ(Px(1015, 400), Bg(1015, 400));
    EXPECT_EQ(Px(512, 330), Bg(512, 330));

    // Title buttons: pointer over lights up, pressed is darker than normal.
    for (int j = 0; j < 4; ++j) {
        for (tf_CTlac* const* row : screen.title_states) ASSERT_EQ(row[j]->PocetFaz(), 3) << "title button " << j;
        const double normal = MeanLuma(screen.title_states[0][j]), over = MeanLuma(screen.title_states[1][j]),
                     pressed = MeanLuma(screen.title_states[2][j]);
        EXPECT_GT(over, normal) << "title button " << j;
        EXPECT_LT(pressed, normal) << "title button " << j;
    }
    EXPECT_NE(MeanLuma(screen.switches[0]), MeanLuma(screen.switches[1]));

    // The void element: white top and left, black right and bottom, hollow, with its
    // class name and nazov.
    const tf_CDAS* v = screen.void_box;
    const int L = v->x, T = v->y, R = v->x + v->sir - 1, B = v->y + v->vys - 1;
    EXPECT_TRUE(Px(L, T + 60) == 0xFFFF && Px(L + 100, T) == 0xFFFF);
    EXPECT_TRUE(Px(R, T + 60) == 0 && Px(L + 100, B) == 0);
    EXPECT_EQ(Px(L + 100, B - 10), Bg(L + 100, B - 10));
    EXPECT_TRUE(Shows(L + 5, T + 5, R - 2, T + 19, Raw(0x00FF6464)));
    EXPECT_TRUE(Shows(L + 5, T + 20, R - 2, T + 34, Raw(0x0000FFFF)));

    // Each dialog: title strip, raised border, and its own background below the strip.
    const uint16_t strip = Raw(0x00C86464);
    for (const tf_CDDialog* d : screen.dialogs) {
        const int l = d->x, t = d->y, r = d->x + d->sir, b = d->y + d->vys;
        EXPECT_TRUE(Px(l + 4, t + 8) == strip && Px(r - 4, t + 15) == strip) << d->ram.titulok;
        EXPECT_NE(Px(r - 4, t + 16), strip) << d->ram.titulok;
        const uint16_t dark = Raw(0x00505050);
        EXPECT_TRUE(Px(l - 2, t + 100) == 0xFFFF && Px(r + 3, t + 100) == dark && Px(l + 100, b + 3) == dark)
            << d->ram.titulok;
    }
    // An empty spot near each panel's bottom left.
    auto spot = [&](int i) {
        const tf_CDDialog* d = screen.dialogs[i];
        return std::pair(d->x + 6, d->y + d->vys - 6);
    };
    const auto [nx, ny] = spot(0);
    const uint16_t first = Px(nx, ny), second = Px(nx + 1, ny);  // the net: every second pixel white
    EXPECT_TRUE((first == 0xFFFF && second == Bg(nx + 1, ny)) || (second == 0xFFFF && first == Bg(nx, ny)));
    const auto [gx, gy] = spot(1);
    EXPECT_EQ(Px(gx, gy), Raw(0x00B4B4B4));
    const auto [mx, my] = spot(2);
    const COLORREF milky = plat_From565(Px(mx, my)), under = plat_From565(Bg(mx, my));
    EXPECT_TRUE(GetRValue(milky) > GetRValue(under) && GetGValue(milky) > GetGValue(under) &&
                GetBValue(milky) > GetBValue(under));

    // The logo at the centre covers most of its panel.
    int lw = 0, lh = 0;
    tf_DSGN.ico_logo->GetSize2(&lw, &lh);
    ASSERT_TRUE(lw > 100 && lh > 30);
    const int lx = W / 2 - 100, ly = H / 2 - 30;
    EXPECT_GT(Changed(lx, ly, lx + lw - 1, ly + lh - 1), lw * lh * 8 / 10);
}
}  // namespace
