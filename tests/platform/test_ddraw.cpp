// Surfaces: their format and limits (locks and loss are the blitter's tests).
#include <gtest/gtest.h>

#include <tuple>

#include "platform/ddraw.h"

TEST(DirectDraw, MakesSurfacesInTheDisplayFormatAndRefusesWhatItCannotMake) {
    IDirectDraw* dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    const int before = plat_LiveSurfaceCount();
    IDirectDrawSurface* made = nullptr;
    const auto create = [&](DWORD w, DWORD h, DWORD caps = DDSCAPS_OFFSCREENPLAIN,
                            DWORD flags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT) {
        DDSURFACEDESC desc{};
        desc.dwFlags = flags;
        desc.dwWidth = w;
        desc.dwHeight = h;
        desc.ddsCaps.dwCaps = caps;
        made = reinterpret_cast<IDirectDrawSurface*>(&desc);  // a failed call must clear the stale pointer
        return dd->CreateSurface(&desc, &made, nullptr);
    };
    ASSERT_EQ(create(7, 3), DD_OK);
    DDSURFACEDESC got;
    ASSERT_EQ(made->GetSurfaceDesc(&got), DD_OK);
    EXPECT_EQ(std::tuple(got.dwWidth, got.dwHeight, got.lPitch >= 14, got.ddpfPixelFormat.dwRGBBitCount,
                         got.ddpfPixelFormat.dwGBitMask, plat_LiveSurfaceCount()),
              std::tuple(7u, 3u, true, 16u, 0x07E0u, before + 1));
    made->Release();
    const HRESULT bad = DDERR_INVALIDPARAMS;  // up to the largest pictures
    for (auto [w, h, result] : {std::tuple<DWORD, DWORD, HRESULT>{16384, 1, DD_OK}, {16384, 4096, DD_OK}, {0, 5, bad},
                                {5, 0, bad}, {16385, 1, bad}, {1, 16385, bad}, {0xFFFFFFFF, 1, bad}, {16384, 4097, bad}}) {
        EXPECT_EQ(create(w, h), result) << w << "x" << h;
        EXPECT_EQ(made == nullptr, result != DD_OK);
        if (result == DD_OK) made->Release();
    }
    EXPECT_EQ(create(8, 8, DDSCAPS_OFFSCREENPLAIN, DDSD_CAPS | DDSD_WIDTH), bad);
    EXPECT_EQ(create(8, 8, 0), bad);
    EXPECT_EQ(create(8, 8, DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX), DDERR_UNSUPPORTED);
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(dd->CreateSurface(nullptr, &made, nullptr), bad);
    EXPECT_EQ(std::pair(plat_LiveSurfaceCount(), dd->Release()), std::pair(before, 0u));
}
