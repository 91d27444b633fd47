#include "tests/framework/app/screenshot_fixture.h"

#include <unistd.h>

#include <algorithm>

#include "framework/app/tf_app.h"
#include "framework/widgets/tf_dsgn.h"
#include "platform/backend.h"
#include "platform/pixel.h"
#include "tests/framework/app/look_showcase.h"
#include "tests/support/png_writer.h"
#include "tests/support/test_support.h"

namespace screenshot_test {
namespace {
const char* const BACKGROUND = "screenshot_pozadie.bmp";

std::string binary_dir() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    const std::string exe(path, static_cast<size_t>(n));
    return exe.substr(0, exe.rfind('/'));
}

// The program's form of a host path.
std::string program_path(std::string host) {
    std::replace(host.begin(), host.end(), '/', '\\');
    return host;
}
}  // namespace

void Screenshot::SetUp() {
    test_support::FreshLog();
    saved_w = tf_ScreenW;
    saved_h = tf_ScreenH;
    tf_ScreenW = W;
    tf_ScreenH = H;
    background = look_test::MakeGradient(W, H);
    shot = plat_CreateTestSurface(W, H);
}

void Screenshot::TearDown() {
    tf_DSGN_DONE();
    tf_ScreenW = saved_w;
    tf_ScreenH = saved_h;
    shot->Release();
    background->Release();
    remove(BACKGROUND);
}

void Screenshot::Capture(tf_CAppScreen& screen, const int& frames, bool logo,
                         const std::function<void()>& after_first) {
    ASSERT_TRUE(plat_SaveSurfaceBMP(background, BACKGROUND));
    screen.SetBackground(-1, BACKGROUND, logo);
    plat_Headless_Start(plat_HeadlessConfig{});
    const int wanted = after_first ? 2 : 1;
    int moments = 0;
    bool prepared = !after_first, closing = false;
    plat_Headless_SetIdleScript([&] {
        if (closing) return;
        if (frames > 0 && !prepared) {
            after_first();
            prepared = true;
        } else if (frames >= wanted) {
            shot->BltFast(0, 0, plat_PrimarySurface(), nullptr, DDBLTFAST_NOCOLORKEY);
        }
        if (frames >= wanted || ++moments > 50) {
            closing = true;
            screen.Close();
        }
    });
    EXPECT_EQ(screen.Execute(), 0);
    plat_Headless_SetIdleScript(nullptr);
    ASSERT_GE(frames, wanted);
}

void Screenshot::SaveAndReadBack(const std::string& name) {
    const std::string bmp = binary_dir() + "/" + name + ".bmp", png = binary_dir() + "/" + name + ".png";
    ASSERT_TRUE(plat_SaveSurfaceBMP(shot, bmp.c_str()));
    ASSERT_TRUE(test_support::SavePNG(shot, png));

    HBITMAP bm = static_cast<HBITMAP>(
        LoadImageA(nullptr, program_path(bmp).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bm, sizeof info, &info), int(sizeof info));
    ASSERT_EQ(std::pair(info.bmWidth, info.bmHeight), std::pair(W, H));
    const auto* rgb = static_cast<const uint32_t*>(info.bmBits);
    EXPECT_EQ(test_support::CountIn(0, 0, W - 1, H - 1,
                                    [&](int x, int y) { return plat_XrgbTo565(rgb[y * W + x]) != Px(x, y); }),
              0);
    DeleteObject(bm);
}

uint16_t Screenshot::Raw(COLORREF c) const { return static_cast<uint16_t>(DDPixelFromColor(background, c)); }

}  // namespace screenshot_test
