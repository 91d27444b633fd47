// The look on one headless frame of the application screen, written next to the test
// program as look_screenshot.bmp and look_screenshot.png and checked where a fault shows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/app/tf_dsgn.h"
#include "framework/widgets/tf_dialog.h"
#include "framework/widgets/tf_tlac.h"
#include "platform/backend.h"
#include "platform/gdi_internal.h"
#include "tests/framework/app/look_showcase.h"
#include "tests/support/png_writer.h"
#include "tests/support/test_support.h"

namespace {
constexpr int W = 1024, H = 768;
const char* const kBackground = "look_pozadie.bmp";

std::string BinaryDir() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    const std::string exe(path, static_cast<size_t>(n));
    return exe.substr(0, exe.rfind('/'));
}

// The program's form of a host path.
std::string ProgramPath(std::string host) {
    std::replace(host.begin(), host.end(), '/', '\\');
    return host;
}

int Luma(uint16_t px) {
    const COLORREF c = plat_From565(px);
    return 299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c);
}

class LookScreenshot : public testing::Test {
protected:
    void SetUp() override {
        test_support::FreshLog();
        saved_w = tf_ScreenW;
        saved_h = tf_ScreenH;
        tf_ScreenW = W;
        tf_ScreenH = H;
        background = look_test::MakeGradient(W, H);
        shot = plat_CreateTestSurface(W, H);
    }
    void TearDown() override {
        tf_DSGN_DONE();
        tf_ScreenW = saved_w;
        tf_ScreenH = saved_h;
        shot->Release();
        background->Release();
        remove(kBackground);
    }

    // Runs the screen until its first frame is on the primary and copies that frame.
    void Capture(look_test::LookScreen& screen) {
        ASSERT_TRUE(plat_SaveSurfaceBMP(background, kBackground));
        screen.SetBackground(-1, kBackground, true);
        plat_Headless_Start(plat_HeadlessConfig{});
        int moments = 0;
        bool closing = false;
        plat_Headless_SetIdleScript([&] {
            if (closing) return;
            if (screen.frames > 0) shot->BltFast(0, 0, plat_PrimarySurface(), nullptr, DDBLTFAST_NOCOLORKEY);
            if (screen.frames > 0 || ++moments > 50) {
                closing = true;
                screen.Close();
            }
        });
        EXPECT_EQ(screen.Execute(), 0);
        plat_Headless_SetIdleScript(nullptr);
        ASSERT_GT(screen.frames, 0);
    }

    uint16_t Px(int x, int y) { return shot->Row(y)[x]; }
    uint16_t Bg(int x, int y) { return background->Row(y)[x]; }
    uint16_t Raw(COLORREF c) { return static_cast<uint16_t>(DDPixelFromColor(background, c)); }
    // Mean brightness of an element's rectangle.
    double MeanLuma(tf_CDAS* e) {
        double sum = 0;
        const int w = e->AktSIR(), h = e->AktVYS();
        for (int y = e->y; y < e->y + h; ++y)
            for (int x = e->x; x < e->x + w; ++x) sum += Luma(Px(x, y));
        return sum / (w * h);
    }
    bool Shows(int l, int t, int r, int b, uint16_t colour) {
        for (int y = t; y <= b; ++y)
            for (int x = l; x <= r; ++x)
                if (Px(x, y) == colour) return true;
        return false;
    }
    // Pixels of the file's 0x00RRGGBB picture that differ from the frame.
    int Mismatches(const uint32_t* rgb) {
        int n = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) n += plat_XrgbTo565(rgb[y * W + x]) != Px(x, y);
        return n;
    }

    IDirectDrawSurface* background = nullptr;
    IDirectDrawSurface* shot = nullptr;
    int saved_w = 0, saved_h = 0;
};

TEST_F(LookScreenshot, IsWrittenAsBmpAndPngThatReadBack) {
    look_test::LookScreen screen;
    ASSERT_NO_FATAL_FAILURE(Capture(screen));
    const std::string bmp = BinaryDir() + "/look_screenshot.bmp", png = BinaryDir() + "/look_screenshot.png";
    ASSERT_TRUE(plat_SaveSurfaceBMP(shot, bmp.c_str()));
    ASSERT_TRUE(test_support::SavePNG(shot, png));

    HBITMAP bm = static_cast<HBITMAP>(
        LoadImageA(nullptr, ProgramPath(bmp).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bm, sizeof info, &info), int(sizeof info));
    ASSERT_EQ(std::pair(info.bmWidth, info.bmHeight), std::pair(W, H));
    EXPECT_EQ(Mismatches(static_cast<const uint32_t*>(info.bmBits)), 0);
    DeleteObject(bm);

    std::ifstream in(png, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    int w = 0, h = 0;
    std::vector<uint32_t> rgb;
    ASSERT_TRUE(test_support::DecodeStoredPNG(bytes, &w, &h, &rgb));
    ASSERT_EQ(std::pair(w, h), std::pair(W, H));
    EXPECT_EQ(Mismatches(rgb.data()), 0);
}

TEST_F(LookScreenshot, ShowsEveryPartOverTheBackground) {
    look_test::LookScreen screen;
    ASSERT_NO_FATAL_FAILURE(Capture(screen));
    // The background picture is drawn opaque where nothing else is.
    EXPECT_EQ(Px(1015, 400), Bg(1015, 400));
    EXPECT_EQ(Px(512, 330), Bg(512, 330));

    // Title buttons: pointer over lights up, pressed is darker than normal.
    for (int j = 0; j < 4; ++j) {
        for (tf_CTlac* const* row : screen.title_states) ASSERT_EQ(row[j]->fazy.count, 3) << "title button " << j;
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
    int lw = 0, lh = 0, covered = 0;
    tf_DSGN.ico_logo->GetSize2(&lw, &lh);
    ASSERT_TRUE(lw > 100 && lh > 30);
    const int lx = W / 2 - 100, ly = H / 2 - 30;
    for (int y = ly; y < ly + lh; ++y)
        for (int x = lx; x < lx + lw; ++x) covered += Px(x, y) != Bg(x, y);
    EXPECT_GT(covered, lw * lh * 8 / 10);
}
}  // namespace
