// Surfaces: their format and limits (locks and loss are the blitter's tests).
#include <gtest/gtest.h>

#include <tuple>

#include "platform/ddraw.h"

namespace {

struct DirectDraw : testing::Test {
    void SetUp() override { ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK); }
    void TearDown() override { EXPECT_EQ(dd->Release(), 0u); }

    // Creates and keeps a surface; a failed call must clear the stale pointer it is given.
    HRESULT Create(DWORD w, DWORD h, DWORD caps = DDSCAPS_OFFSCREENPLAIN, DWORD flags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT) {
        DDSURFACEDESC desc{};
        desc.dwFlags = flags;
        desc.dwWidth = w;
        desc.dwHeight = h;
        desc.ddsCaps.dwCaps = caps;
        made = reinterpret_cast<IDirectDrawSurface*>(&desc);
        return dd->CreateSurface(&desc, &made, nullptr);
    }

    IDirectDraw* dd = nullptr;
    IDirectDrawSurface* made = nullptr;
};

}  // namespace

TEST_F(DirectDraw, MakesSurfacesInTheDisplayFormatAndRefusesWhatItCannotMake) {
    const int before = plat_LiveSurfaceCount();
    ASSERT_EQ(Create(7, 3), DD_OK);
    DDSURFACEDESC got;
    ASSERT_EQ(made->GetSurfaceDesc(&got), DD_OK);
    EXPECT_EQ(std::tuple(got.dwWidth, got.dwHeight, got.lPitch >= 14, got.ddpfPixelFormat.dwRGBBitCount,
                         got.ddpfPixelFormat.dwGBitMask, plat_LiveSurfaceCount()),
              std::tuple(7u, 3u, true, 16u, 0x07E0u, before + 1));
    made->Release();
    for (auto [w, h] : {std::pair{16384u, 1u}, {16384u, 4096u}}) {  // the largest pictures
        ASSERT_EQ(Create(w, h), DD_OK) << w << "x" << h;
        made->Release();
    }
    for (auto [w, h] : {std::pair{0u, 5u}, {5u, 0u}, {16385u, 1u}, {1u, 16385u}, {0xFFFFFFFFu, 1u}, {16384u, 4097u}}) {
        EXPECT_EQ(Create(w, h), DDERR_INVALIDPARAMS) << w << "x" << h;
        EXPECT_EQ(made, nullptr);
    }
    EXPECT_EQ(Create(8, 8, DDSCAPS_OFFSCREENPLAIN, DDSD_CAPS | DDSD_WIDTH), DDERR_INVALIDPARAMS);
    EXPECT_EQ(Create(8, 8, 0), DDERR_INVALIDPARAMS);
    EXPECT_EQ(Create(8, 8, DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX), DDERR_UNSUPPORTED);
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(dd->CreateSurface(nullptr, &made, nullptr), DDERR_INVALIDPARAMS);
    EXPECT_EQ(plat_CreateTestSurface(-1, 5), nullptr);
    EXPECT_EQ(plat_CreateTestSurface(20000, 1), nullptr);
    EXPECT_EQ(plat_LiveSurfaceCount(), before);
}
