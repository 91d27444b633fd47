// The tuning overlay over the menus screen (a dialog, menus and a row list), the row list
// picked by the band, written next to the test program as tuning_screenshot.png.
#include "framework/tuning/tf_km.h"
#include "framework/widgets/tf_duir.h"
#include "platform/backend.h"
#include "tests/framework/app/menus_showcase.h"
#include "tests/framework/app/screenshot_fixture.h"

namespace {
class TuningScreenshot : public screenshot_test::Screenshot {
protected:
    void TearDown() override {
        tf_KM_on = false;
        Screenshot::TearDown();
    }
    menus_test::MenusScreen screen;
};

TEST_F(TuningScreenshot, ShowsTheOverlayOverTheMenus) {
    POINT rows{};
    ASSERT_NO_FATAL_FAILURE(Capture(screen, screen.frames, false, [&] {
        rows = {screen.rows->x, screen.rows->y};
        plat_Headless_SetKeyDown(VK_CONTROL, true);
        plat_Headless_Post(WM_KEYDOWN, VK_F1, 0);
        plat_Headless_Post(WM_RBUTTONDOWN, 0, MAKELPARAM(rows.x - 6, rows.y - 6));
        plat_Headless_Post(WM_MOUSEMOVE, 0, MAKELPARAM(rows.x + 40, rows.y + 30));
    }));
    SaveAndReadBack("tuning_screenshot");
    EXPECT_EQ(Px(rows.x, rows.y), Raw(0x00329EFF));
    // The heading over the light menu bar: its light letters stand in dark rims.
    int light = 0, dark = 0;
    for (int y = 44; y < 56; ++y)
        for (int x = 420; x < 600; ++x) light += Px(x, y) == Raw(0x00C8FFFF), dark += Luma(Px(x, y)) < 100000;
    EXPECT_TRUE(light > 100 && dark > light) << light << " " << dark;
}
}  // namespace
