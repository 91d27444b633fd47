// The menus and lists on one headless frame, the pointer resting on the bar's first entry,
// written next to the test program as menus_screenshot.bmp and menus_screenshot.png and
// checked where a fault shows.
#include <gtest/gtest.h>

#include "framework/widgets/tf_dui.h"
#include "platform/backend.h"
#include "tests/framework/app/menus_showcase.h"
#include "tests/framework/app/screenshot_fixture.h"

namespace {
class MenusScreenshot : public screenshot_test::Screenshot {
protected:
    void Capture(menus_test::MenusScreen& screen) {
        Screenshot::Capture(screen, screen.frames, false, [&screen] {
            const POINT p = screen.PointerSpot();
            plat_Headless_Post(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        });
    }
};

TEST_F(MenusScreenshot, IsWrittenAsBmpAndPngThatReadBack) {
    menus_test::MenusScreen screen;
    ASSERT_NO_FATAL_FAILURE(Capture(screen));
    SaveAndReadBack("menus_screenshot");
}
}  // namespace
