// The display: modes, the primary surface with its back buffer, the letterbox, screenshots,
// the key map of the sdl backend, and one real window when a display is there.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "platform/backend.h"
#include "platform/ddraw.h"
#include "platform/display_internal.h"
#include "platform/gdi.h"
#include "platform/window.h"
#include "platform/window_internal.h"
#include "tests/platform/gdi_test_util.h"
#include "tests/support/temp_tree.h"

namespace {

using Pt = std::pair<LONG, LONG>;

HRESULT create_primary(IDirectDraw* dd, IDirectDrawSurface** out, DWORD count = 1) {
    DDSURFACEDESC desc{};
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    desc.dwBackBufferCount = count;
    return dd->CreateSurface(&desc, out, nullptr);
}

struct Display : testing::Test {
    void SetUp() override {
        plat_HeadlessConfig config;
        config.modes = {{640, 480}, {1024, 768}, {1024, 768}, {800, 600}};
        plat_Headless_Start(config);
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    }
    void TearDown() override { dd->Release(); }
    HRESULT create_primary(IDirectDrawSurface** out, DWORD count = 1) { return ::create_primary(dd, out, count); }
    IDirectDraw* dd = nullptr;
};

std::vector<std::pair<int, int>> modes;
size_t stopAfter;
HRESULT collect(DDSURFACEDESC* d, void*) {
    modes.emplace_back(d->dwWidth, d->dwHeight);
    return modes.size() < stopAfter ? DDENUMRET_OK : DDENUMRET_CANCEL;
}

TEST_F(Display, ModesComeAsTheDisplayReportsThem) {
    for (size_t stop : {100, 2}) {
        modes.clear();
        stopAfter = stop;
        ASSERT_EQ(dd->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, nullptr, collect), DD_OK);
        const decltype(modes) all = {{640, 480}, {1024, 768}, {1024, 768}, {800, 600}};
        EXPECT_EQ(modes, decltype(modes)(all.begin(), all.begin() + std::min(stop, all.size())));
    }
    EXPECT_EQ(dd->EnumDisplayModes(0, nullptr, nullptr, nullptr), DDERR_INVALIDPARAMS);
}

TEST_F(Display, DisplayModeIsAnySizeUpTo16384At16Bits) {
    for (auto [w, h, bpp] : {std::tuple{0u, 600u, 16u}, {800u, 0u, 16u}, {16385u, 600u, 16u}, {800u, 16385u, 16u},
                             {800u, 600u, 32u}, {800u, 600u, 8u}})
        EXPECT_EQ(dd->SetDisplayMode(w, h, bpp), DDERR_INVALIDMODE) << w << "x" << h << "x" << bpp;
    EXPECT_EQ(dd->SetDisplayMode(1, 1, 16), DD_OK);
    EXPECT_EQ(dd->SetDisplayMode(16384, 16384, 16), DD_OK);
    EXPECT_EQ(dd->SetDisplayMode(1000, 700, 16), DD_OK);  // need not be a listed mode
}

TEST_F(Display, PrimaryHasOneBackBufferOfTheModesSize) {
    const int before = plat_LiveSurfaceCount();
    IDirectDrawSurface* primary = reinterpret_cast<IDirectDrawSurface*>(this);
    EXPECT_NE(create_primary(&primary), DD_OK);  // no mode yet
    EXPECT_EQ(primary, nullptr);
    ASSERT_EQ(dd->SetDisplayMode(1024, 768, 16), DD_OK);
    EXPECT_EQ(create_primary(&primary, 2), DDERR_UNSUPPORTED);
    ASSERT_EQ(create_primary(&primary), DD_OK);
    EXPECT_EQ(plat_PrimarySurface(), primary);
    DDSCAPS caps{DDSCAPS_BACKBUFFER};
    IDirectDrawSurface* back = nullptr;
    ASSERT_EQ(primary->GetAttachedSurface(&caps, &back), DD_OK);
    EXPECT_EQ(std::pair(primary->Width(), primary->Height()), std::pair(1024, 768));
    EXPECT_EQ(std::pair(back->Width(), back->Height()), std::pair(1024, 768));
    IDirectDrawSurface* second = nullptr;
    EXPECT_EQ(create_primary(&second), DDERR_PRIMARYSURFACEALREADYEXISTS);


    // Releasing the primary takes its back buffer along; the next primary has the new mode.
    back->Release();
    primary->Release();
    EXPECT_EQ(plat_PrimarySurface(), nullptr);
    EXPECT_EQ(plat_LiveSurfaceCount(), before);
    ASSERT_EQ(dd->SetDisplayMode(800, 600, 16), DD_OK);
    ASSERT_EQ(create_primary(&primary), DD_OK);
    EXPECT_EQ(std::pair(primary->Width(), primary->Height()), std::pair(800, 600));
    primary->Release();
    dd->RestoreDisplayMode();
    EXPECT_NE(create_primary(&primary), DD_OK);
}

TEST(Letterbox, KeepsTheAspectAndMapsPointsBack) {
    // 800x600 in 1920x1080: scale 1.8, 1440 wide, bars of 240 left and right.
    const plat_Box wide = plat_Letterbox(1920, 1080, 800, 600);
    EXPECT_EQ((std::tuple{wide.x, wide.y, wide.w, wide.h}), (std::tuple{240, 0, 1440, 1080}));
    // 800x600 in 1000x1000: scale 1.25, 750 high, bars of 125 above and below.
    const plat_Box tall = plat_Letterbox(1000, 1000, 800, 600);
    EXPECT_EQ((std::tuple{tall.x, tall.y, tall.w, tall.h}), (std::tuple{0, 125, 1000, 750}));

    const auto at = [&](int x, int y) {
        const POINT p = plat_AreaToPicture(wide, 800, 600, x, y);
        return Pt(p.x, p.y);
    };
    EXPECT_EQ(at(1679, 1079), Pt(799, 599));
    EXPECT_EQ(at(240 + 9, 9), Pt(5, 5));  // 9 / 1.8
    // Points in the bars, or off the window while a button is held, clamp to the edge.
    EXPECT_EQ(at(0, 500), Pt(0, 277));
    EXPECT_EQ(at(-5000, 99999), Pt(0, 599));
}

TEST(Screenshot, ReadsBackPixelForPixel) {
    test_support::TempTree tmp;
    GdiSurface s(7, 5);  // 21 bytes a row: padded to 24
    s.pattern();
    ASSERT_TRUE(plat_SaveSurfaceBMP(s.srf, tmp.Host("shot.bmp").c_str()));
    EXPECT_EQ(tmp.Read("shot.bmp").size(), 54u + 24 * 5);
    HBITMAP bm = static_cast<HBITMAP>(LoadImageA(nullptr, tmp.Path("shot.bmp").c_str(), IMAGE_BITMAP, 0, 0,
                                                 LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bm, sizeof info, &info), int(sizeof info));
    ASSERT_EQ(std::pair(info.bmWidth, info.bmHeight), std::pair(7, 5));
    const auto* px = static_cast<const uint32_t*>(info.bmBits);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(RGB(px[y * 7 + x] >> 16, px[y * 7 + x] >> 8, px[y * 7 + x]), s.at(x, y)) << x << "," << y;
    DeleteObject(bm);
    EXPECT_FALSE(plat_SaveSurfaceBMP(s.srf, tmp.Host("no/such/dir/shot.bmp").c_str()));
    EXPECT_FALSE(plat_SaveSurfaceBMP(nullptr, tmp.Host("shot.bmp").c_str()));
}

TEST(SdlKeys, BecomeVirtualKeys) {
    EXPECT_EQ(plat_VirtualKey(SDLK_a, SDL_SCANCODE_A), 'A');
    EXPECT_EQ(plat_VirtualKey(SDLK_z, SDL_SCANCODE_Y), 'Z');          // a QWERTZ layout
    EXPECT_EQ(plat_VirtualKey(0x13E, SDL_SCANCODE_2), '2');             // an accented letter on the digit row
    EXPECT_EQ(plat_VirtualKey(0x444, SDL_SCANCODE_A), 'A');             // a Cyrillic layout
    EXPECT_EQ(plat_VirtualKey(SDLK_KP_8, SDL_SCANCODE_KP_8), VK_NUMPAD0 + 8);
    EXPECT_EQ(plat_VirtualKey(SDLK_F12, SDL_SCANCODE_F12), VK_F12);
    EXPECT_EQ(plat_VirtualKey(SDLK_PAGEUP, SDL_SCANCODE_PAGEUP), VK_PRIOR);
    EXPECT_EQ(plat_VirtualKey(SDLK_RCTRL, SDL_SCANCODE_RCTRL), VK_CONTROL);
    EXPECT_EQ(plat_VirtualKey(SDLK_LALT, SDL_SCANCODE_LALT), 0);
}

// A real window: needs a display (run under Xvfb on machines without one).
TEST(SdlWindow, OpensShowsAFrameAndCloses) {
    if (!getenv("DISPLAY") || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << "no display";
    plat_SelectBackend("sdl");
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "QV";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowExA(0, "QV", "QV Pexlo", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                               GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wnd, nullptr);
    ShowWindow(wnd, SW_SHOWNORMAL);
    EXPECT_TRUE(PostMessageA(wnd, WM_KEYDOWN, VK_F2, 0));
    MSG m;
    do ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));  // the window's own events may come first
    while (m.message != WM_KEYDOWN);
    EXPECT_EQ(m.wParam, WPARAM(VK_F2));

    IDirectDraw* dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    ASSERT_EQ(dd->SetCooperativeLevel(wnd, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    ASSERT_EQ(dd->SetDisplayMode(800, 600, 16), DD_OK);
    IDirectDrawSurface* primary = nullptr;
    ASSERT_EQ(create_primary(dd, &primary), DD_OK);
    DDBLTFX fx{};
    fx.dwFillColor = 0xF800;
    EXPECT_EQ(primary->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);  // presented
    primary->Release();
    dd->Release();

    PostMessageA(wnd, WM_CLOSE, 0, 0);
    while (GetMessageA(&m, nullptr, 0, 0)) DispatchMessageA(&m);  // no window, no timer: WM_QUIT
    EXPECT_FALSE(DestroyWindow(wnd));
    plat_Headless_Start({});
}

}  // namespace
