// The display: modes, the primary surface, the letterbox, screenshots and the sdl key map.
#include <SDL.h>
#include <gtest/gtest.h>

#include <tuple>

#include "platform/backend.h"
#include "platform/ddraw.h"
#include "platform/display_internal.h"
#include "platform/gdi.h"
#include "platform/window.h"
#include "platform/window_internal.h"
#include "tests/support/gdi_surface.h"
#include "tests/support/temp_tree.h"

namespace {

std::vector<std::pair<int, int>> modes;

TEST(Display, ModesAnySizeUpTo16384At16BitsAndOnePrimaryWithOneBackBuffer) {
    plat_Headless_Start({.modes = {{640, 480}, {1024, 768}, {1024, 768}, {800, 600}}});
    IDirectDraw* dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    ASSERT_EQ(dd->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, nullptr, [](DDSURFACEDESC* d, void*) {
        modes.emplace_back(d->dwWidth, d->dwHeight);
        return modes.size() < 3 ? DDENUMRET_OK : DDENUMRET_CANCEL;
    }), DD_OK);
    EXPECT_EQ(modes, (std::vector<std::pair<int, int>>{{640, 480}, {1024, 768}, {1024, 768}}));  // as listed, cancelled
    using Row = std::tuple<DWORD, DWORD, DWORD, HRESULT>;
    for (auto [w, h, bpp, result] : {Row{0, 600, 16, DDERR_INVALIDMODE}, {16385, 600, 16, DDERR_INVALIDMODE},
             {800, 16385, 16, DDERR_INVALIDMODE}, {800, 600, 32, DDERR_INVALIDMODE}, {16384, 16384, 16, DD_OK},
             {1000, 700, 16, DD_OK}})  // need not be listed
        EXPECT_EQ(dd->SetDisplayMode(w, h, bpp), result) << w << "x" << h << "x" << bpp;

    const int before = plat_LiveSurfaceCount();
    DDSURFACEDESC desc{};
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    desc.dwBackBufferCount = 1;
    IDirectDrawSurface *front = nullptr, *back = nullptr, *second = nullptr;
    ASSERT_EQ(dd->CreateSurface(&desc, &front, nullptr), DD_OK);
    DDSCAPS caps{DDSCAPS_BACKBUFFER};
    ASSERT_EQ(front->GetAttachedSurface(&caps, &back), DD_OK);
    EXPECT_EQ(std::tuple(front->Width(), front->Height(), back->Width(), back->Height(),
                         dd->CreateSurface(&desc, &second, nullptr)),
              std::tuple(1000, 700, 1000, 700, DDERR_PRIMARYSURFACEALREADYEXISTS));
    back->Release();
    front->Release();  // takes its back buffer along
    EXPECT_EQ(std::tuple(plat_PrimarySurface(), plat_LiveSurfaceCount()), std::tuple(nullptr, before));
    dd->Release();
}

TEST(Letterbox, KeepsTheAspectAndMapsPointsBack) {
    using Box = std::tuple<int, int, int, int>;
    const plat_Box wide = plat_Letterbox(1920, 1080, 800, 600), tall = plat_Letterbox(1000, 1000, 800, 600);
    EXPECT_EQ(Box(wide.x, wide.y, wide.w, wide.h), Box(240, 0, 1440, 1080));  // scale 1.8, bars left and right
    EXPECT_EQ(Box(tall.x, tall.y, tall.w, tall.h), Box(0, 125, 1000, 750));   // scale 1.25, above and below
    using Pt = std::pair<LONG, LONG>;  // points in the bars or off the window clamp to the edge
    for (auto [from, to] : {std::pair{Pt(1679, 1079), Pt(799, 599)}, {Pt(0, 500), Pt(0, 277)},
                            {Pt(-5000, 99999), Pt(0, 599)}}) {
        const POINT p = plat_AreaToPicture(wide, 800, 600, from.first, from.second);
        EXPECT_EQ(Pt(p.x, p.y), to) << from.first << "," << from.second;
    }
}

TEST(Screenshot, ReadsBackPixelForPixel) {
    test_support::TempTree tmp;
    test_support::GdiSurface s(7, 5);  // 21 bytes a row: padded to 24
    for (int i = 0; i < 35; ++i) s.srf->Row(i / 7)[i % 7] = static_cast<uint16_t>(0x1234 + 1013 * i);  // all different
    ASSERT_TRUE(plat_SaveSurfaceBMP(s.srf, tmp.Host("shot.bmp").c_str()));
    EXPECT_EQ(tmp.Read("shot.bmp").size(), 54u + 24 * 5);
    HBITMAP bm = static_cast<HBITMAP>(LoadImageA(nullptr, tmp.Path("shot.bmp").c_str(), IMAGE_BITMAP, 0, 0,
                                                 LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(bm, sizeof info, &info) == int(sizeof info) && info.bmWidth == 7 && info.bmHeight == 5);
    const auto* px = static_cast<const uint32_t*>(info.bmBits);
    for (int i = 0; i < 35; ++i) ASSERT_EQ(RGB(px[i] >> 16, px[i] >> 8, px[i]), s.at(i % 7, i / 7)) << i;
    DeleteObject(bm);
    EXPECT_FALSE(plat_SaveSurfaceBMP(s.srf, tmp.Host("no/such/dir/shot.bmp").c_str()));
}

TEST(SdlKeys, BecomeVirtualKeysWhateverTheLayout) {  // QWERTZ, an accented digit row, Cyrillic
    const std::tuple<SDL_Keycode, SDL_Scancode, int> rows[] = {
        {SDLK_z, SDL_SCANCODE_Y, 'Z'}, {0x13E, SDL_SCANCODE_2, '2'}, {0x444, SDL_SCANCODE_A, 'A'},
        {SDLK_KP_8, SDL_SCANCODE_KP_8, VK_NUMPAD0 + 8}, {SDLK_RCTRL, SDL_SCANCODE_RCTRL, VK_CONTROL}};
    for (auto [key, scan, vk] : rows) EXPECT_EQ(plat_VirtualKey(key, scan), vk) << key;
}

}  // namespace
