// The blitter: copies one to one and scaled, keyed, mirrored, clipped, filled and blended;
// bad arguments, locked surfaces and lost ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ddraw.h"
#include "platform/gdi.h"
#include "tests/platform/blit_fixture.h"

namespace {

using namespace blit_fixture;

DDBLTFX make_fx(DWORD ddfx, DWORD alpha = 0, DWORD fill = 0) { return DDBLTFX{100, ddfx, alpha, fill}; }

}  // namespace

TEST(BltFast, CopiesOneToOneKeyedOnlyWhenAsked) {
    Srf src = picture("aK|Ka"), dst = picture("zzz|zzz");
    set_key(src, 'K');
    EXPECT_EQ(dst->BltFast(1, 0, src.get(), nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_EQ(dump(dst), "zaz|zza");
    RECT right{1, 0, 2, 2};
    EXPECT_EQ(dst->BltFast(0, 0, src.get(), &right, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(dump(dst), "Kaz|aza");

    // A key of 0 is a real key: opaque drawing is the caller's choice of flag.
    Srf black = picture(".a|a."), plain = picture("..|..");
    set_key(black, '.');
    dst = picture("zz|zz");
    dst->BltFast(0, 0, black.get(), nullptr, DDBLTFAST_SRCCOLORKEY);
    EXPECT_EQ(dump(dst), "za|az");
    dst->BltFast(0, 0, black.get(), nullptr, DDBLTFAST_NOCOLORKEY);
    EXPECT_EQ(dump(dst), ".a|a.");
    dst->BltFast(0, 0, plain.get(), nullptr, DDBLTFAST_SRCCOLORKEY);  // no key set: opaque
    EXPECT_EQ(dump(dst), "..|..");

    const std::string row = "abKdefghijKlmnopKqrstuvwxyzKKKabcdefK";  // several vectors and a tail
    src = picture(row);
    dst = picture(std::string(row.size(), 'z'));
    set_key(src, 'K');
    dst->BltFast(0, 0, src.get(), nullptr, DDBLTFAST_SRCCOLORKEY);
    std::string expected = row;
    std::replace(expected.begin(), expected.end(), 'K', 'z');
    EXPECT_EQ(dump(dst), expected);

    // A row of few long runs goes run by run: writes to the picture and a new key must show.
    src = picture(std::string(20, 'K') + std::string(20, 'b'));
    set_key(src, 'K');
    dst = picture(std::string(40, 'z'));
    dst->BltFast(0, 0, src.get(), nullptr, DDBLTFAST_SRCCOLORKEY);
    src->Row(0)[0] = 'c';
    DDSURFACEDESC desc{};
    ASSERT_EQ(src->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    static_cast<uint16_t*>(desc.lpSurface)[1] = 'd';
    src->Unlock(nullptr);
    dst->BltFast(0, 0, src.get(), nullptr, DDBLTFAST_SRCCOLORKEY);
    EXPECT_EQ(dump(dst), "cd" + std::string(18, 'z') + std::string(20, 'b'));
    set_key(src, 'b');
    dst->BltFast(0, 0, src.get(), nullptr, DDBLTFAST_SRCCOLORKEY);
    EXPECT_EQ(dump(dst), "cd" + std::string(18, 'K') + std::string(20, 'b'));
}

TEST(BltFast, ClipsAtEveryEdgeWhateverThePosition) {
    Srf src = picture("abc|def|ghi");
    for (int py = -4; py <= 5; ++py)
        for (int px = -4; px <= 5; ++px) {
            Srf dst = blank(5, 4);
            ASSERT_EQ(dst->BltFast(px, py, src.get(), nullptr, 0), DD_OK);
            std::string expected;
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x <= 5; ++x) {
                    const int sx = x - px, sy = y - py;
                    const bool in = sx >= 0 && sx < 3 && sy >= 0 && sy < 3;
                    expected += x == 5 ? (y < 3 ? "|" : "") : std::string(1, in ? static_cast<char>('a' + sy * 3 + sx) : '.');
                }
            EXPECT_EQ(dump(dst), expected) << "at " << px << "," << py;
        }
    Srf dst = blank(3, 3);
    for (LONG far : {INT_MIN, INT_MAX}) {
        EXPECT_EQ(dst->BltFast(far, far, src.get(), nullptr, 0), DD_OK);
        EXPECT_EQ(dst->BltFast(far, 0, src.get(), nullptr, 0), DD_OK);
    }
    EXPECT_EQ(dump(dst), "...|...|...");
    RECT huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};  // cut to the source, each pixel still in place
    EXPECT_EQ(dst->BltFast(INT_MIN, INT_MIN, src.get(), &huge, 0), DD_OK);
    EXPECT_EQ(dump(dst), "abc|def|ghi");
}

TEST(BltFast, OverlappingCopyOntoItselfReadsTheOldPixels) {
    Srf s = picture("abcd|efgh|ijkl");
    RECT topLeft{0, 0, 3, 2};
    EXPECT_EQ(s->BltFast(1, 1, s.get(), &topLeft, 0), DD_OK);
    EXPECT_EQ(dump(s), "abcd|eabc|iefg");
}

TEST(Blt, ScalesNearestNeighbourBetweenRectanglesOrWholeSurfaces) {
    Srf small = picture("ab|cd"), big = blank(4, 4), grid = picture("abcd|efgh|ijkl|mnop"), half = blank(2, 2);
    EXPECT_EQ(big->Blt(nullptr, small.get(), nullptr, 0, nullptr), DD_OK);
    EXPECT_EQ(dump(big), "aabb|aabb|ccdd|ccdd");
    EXPECT_EQ(half->Blt(nullptr, grid.get(), nullptr, 0, nullptr), DD_OK);
    EXPECT_EQ(dump(half), "fh|np");
    RECT part{1, 1, 3, 2}, into{0, 0, 4, 1};
    EXPECT_EQ(big->Blt(&into, grid.get(), &part, 0, nullptr), DD_OK);
    EXPECT_EQ(dump(big), "ffgg|aabb|ccdd|ccdd");
}

TEST(Blt, MirrorsWithKeyIntoAOnePixelSmallerRectangle) {
    Srf src = picture("abKd|efgh|ijKl"), dst = picture("zzz|zzz");
    set_key(src, 'K');
    DDBLTFX fx = make_fx(DDBLTFX_MIRRORLEFTRIGHT);
    RECT into{0, 0, 3, 2};
    EXPECT_EQ(dst->Blt(&into, src.get(), nullptr, DDBLT_KEYSRC | DDBLT_DDFX, &fx), DD_OK);
    EXPECT_EQ(dump(dst), "dza|lzi");
}

// Mirrored blits are the plain one flipped; a clipped blit shows the pixels of the unclipped.
TEST(Blt, MirroredAndClippedScalingAgreeWithThePlainBlit) {
    Srf src = picture("abcde|fghij|klmno");
    DDBLTFX lr = make_fx(DDBLTFX_MIRRORLEFTRIGHT), ud = make_fx(DDBLTFX_MIRRORUPDOWN), none = make_fx(0);
    for (int w : {2, 5, 7, 11})
        for (int h : {1, 3, 7}) {
            Srf plain = blank(w, h), left = blank(w, h), up = blank(w, h), cut = blank(4, 4);
            RECT shifted{-3, -2, w - 3, h - 2};
            plain->Blt(nullptr, src.get(), nullptr, DDBLT_DDFX, &none);
            left->Blt(nullptr, src.get(), nullptr, DDBLT_DDFX, &lr);
            up->Blt(nullptr, src.get(), nullptr, DDBLT_DDFX, &ud);
            cut->Blt(&shifted, src.get(), nullptr, 0, nullptr);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    EXPECT_EQ(left->Row(y)[x], plain->Row(y)[w - 1 - x]) << w << "x" << h;
                    EXPECT_EQ(up->Row(y)[x], plain->Row(h - 1 - y)[x]) << w << "x" << h;
                }
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 4; ++x)
                    EXPECT_EQ(cut->Row(y)[x], x + 3 < w && y + 2 < h ? plain->Row(y + 2)[x + 3] : 0) << w << "x" << h;
            EXPECT_EQ(dump(cut).find('#'), std::string::npos);
        }
}

TEST(Blt, ReadsAndWritesOnlyInsideBothSurfaces) {
    Srf src = picture("abc|def"), dst = blank(4, 2);  // the padding left of 'd' is a sentinel
    RECT leftOf{-1, 1, 2, 2}, below{0, 1, 2, 3}, doubled{0, 0, 4, 2};
    EXPECT_EQ(dst->BltFast(1, 1, src.get(), &leftOf, 0), DD_OK);
    EXPECT_EQ(dump(dst), "....|..de");
    EXPECT_EQ(dst->Blt(&doubled, src.get(), &leftOf, 0, nullptr), DD_OK);
    EXPECT_EQ(dump(dst), ".dde|.dde");
    EXPECT_EQ(dst->Blt(&doubled, src.get(), &below, 0, nullptr), DD_OK);
    EXPECT_EQ(dump(dst), "ddee|.dde");

    RECT huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, offRight{INT_MAX - 1, 0, INT_MAX, 3};
    EXPECT_EQ(dst->Blt(nullptr, src.get(), &huge, 0, nullptr), DD_OK);  // samples only far outside
    EXPECT_EQ(dst->Blt(&offRight, src.get(), nullptr, 0, nullptr), DD_OK);
    EXPECT_EQ(dump(dst), "ddee|.dde");
    EXPECT_EQ(dst->Blt(&huge, src.get(), nullptr, 0, nullptr), DD_OK);  // the surface is just past its middle
    EXPECT_EQ(dump(dst), "eeee|eeee");
}

TEST(Blt, ColourFillWritesTheRawValueInsideTheClippedRectangle) {
    Srf dst = blank(3, 3), wide = blank(37, 2);
    DDBLTFX fx = make_fx(0, 0, 'x');
    RECT corner{-5, 1, 2, INT_MAX}, row{1, 1, 36, 2};
    EXPECT_EQ(dst->Blt(&corner, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    EXPECT_EQ(dump(dst), "...|xx.|xx.");
    fx.dwFillColor = 0xFFFF0000u | 'y';  // only the pixel's 16 bits count
    EXPECT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    EXPECT_EQ(dump(dst), "yyy|yyy|yyy");
    EXPECT_EQ(wide->Blt(&row, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    EXPECT_EQ(dump(wide), std::string(37, '.') + "|." + std::string(35, 'y') + ".");
}

TEST(Blt, ConstantAlphaBlendsEachChannel) {
    auto blend = [](uint16_t src, uint16_t dst, DWORD alpha) {
        Srf s(plat_CreateTestSurface(1, 1)), d(plat_CreateTestSurface(1, 1));
        s->Row(0)[0] = src;
        d->Row(0)[0] = dst;
        DDBLTFX fx = make_fx(0, alpha);
        EXPECT_EQ(d->Blt(nullptr, s.get(), nullptr, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx), DD_OK);
        return d->Row(0)[0];
    };
    const uint16_t red = 0xF800, blue = 0x001F;
    EXPECT_EQ(blend(0xFFFF, red, 0), red);
    EXPECT_EQ(blend(red, blue, 255), red);
    EXPECT_EQ(blend(red, blue, 1000), red);
    const uint16_t grey = blend(0xFFFF, 0, 128), mixed = blend(red, blue, 128);
    EXPECT_NEAR(grey >> 11, 16, 1);
    EXPECT_NEAR((grey >> 5) & 63, 32, 1);
    EXPECT_NEAR(mixed >> 11, 16, 1);
    EXPECT_EQ((mixed >> 5) & 63, 0);
    EXPECT_NEAR(mixed & 31, 15, 1);
}

TEST(Blits, RefuseBadArguments) {
    Srf src = picture("ab"), dst = blank(2, 1);
    RECT inverted{0, 1, 1, 0}, empty{0, 0, 0, 1};
    EXPECT_EQ(dst->BltFast(0, 0, nullptr, nullptr, 0), DDERR_INVALIDPARAMS);
    EXPECT_EQ(dst->BltFast(0, 0, src.get(), &inverted, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->BltFast(0, 0, src.get(), &empty, 0), DD_OK);
    EXPECT_EQ(dst->Blt(nullptr, nullptr, nullptr, 0, nullptr), DDERR_INVALIDPARAMS);
    EXPECT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr), DDERR_INVALIDPARAMS);
    EXPECT_EQ(dst->Blt(nullptr, src.get(), nullptr, DDBLT_DDFX, nullptr), DDERR_INVALIDPARAMS);
    EXPECT_EQ(dst->Blt(&inverted, src.get(), nullptr, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->Blt(nullptr, src.get(), &inverted, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->Blt(nullptr, src.get(), &empty, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->Blt(&empty, src.get(), nullptr, 0, nullptr), DD_OK);
    EXPECT_EQ(dump(dst), "..");
}

TEST(Blits, LostSurfacesFailUntilRestoredAndLockedOnesAreBusy) {
    Srf src = picture("ab"), dst = blank(2, 1);
    DDBLTFX fx = make_fx(0, 0, 'x');
    DDSURFACEDESC desc;
    ASSERT_EQ(src->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(desc.lPitch, src->Pitch());
    EXPECT_EQ(src->Lock(nullptr, &desc, 0, nullptr), DDERR_WASSTILLDRAWING);
    EXPECT_EQ(dst->BltFast(0, 0, src.get(), nullptr, 0), DDERR_WASSTILLDRAWING);
    EXPECT_EQ(dst->Blt(nullptr, src.get(), nullptr, 0, nullptr), DDERR_WASSTILLDRAWING);
    src->Unlock(nullptr);
    ASSERT_EQ(dst->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_WASSTILLDRAWING);
    dst->Unlock(nullptr);
    EXPECT_EQ(dst->Unlock(nullptr), DDERR_NOTLOCKED);

    plat_LoseAllSurfaces();
    EXPECT_EQ(dst->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DDERR_SURFACELOST);
    EXPECT_EQ(dst->BltFast(0, 0, src.get(), nullptr, 0), DDERR_SURFACELOST);
    EXPECT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_SURFACELOST);
    EXPECT_EQ(dst->Restore(), DD_OK);
    EXPECT_EQ(dst->IsLost(), DD_OK);
    EXPECT_EQ(dst->BltFast(0, 0, src.get(), nullptr, 0), DDERR_SURFACELOST);  // the source still is
    EXPECT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    EXPECT_EQ(src->Restore(), DD_OK);
    EXPECT_EQ(dst->Blt(nullptr, src.get(), nullptr, 0, nullptr), DD_OK);
    EXPECT_EQ(dump(dst), "..");  // a restored surface has lost its pixels
}

// Whatever draws on a surface with a drawing clip leaves the pixels outside it as they were
// and inside it gives exactly the pixels of the unclipped drawing: blits of every kind, fills
// and the device context's shapes, lines and text.
TEST(DrawClip, InsideAsUnclippedOutsideUntouched) {
    Srf sprite = picture("aKb|cde|Kfg");
    set_key(sprite, 'K');
    const std::vector<std::function<void(IDirectDrawSurface*)>> drawings = {
        [&](IDirectDrawSurface* d) { d->BltFast(5, 4, sprite.get(), nullptr, DDBLTFAST_SRCCOLORKEY); },
        [&](IDirectDrawSurface* d) {
            RECT big{-7, 2, 30, 19};
            DDBLTFX fx = make_fx(DDBLTFX_MIRRORLEFTRIGHT);
            d->Blt(&big, sprite.get(), nullptr, DDBLT_KEYSRC | DDBLT_DDFX, &fx);
        },
        [&](IDirectDrawSurface* d) {
            RECT r{3, 3, 17, 11};
            DDBLTFX fx = make_fx(0, 0, 'z');
            d->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx);
        },
        [&](IDirectDrawSurface* d) {
            HDC dc = nullptr;
            ASSERT_EQ(d->GetDC(&dc), DD_OK);
            HPEN pen = CreatePen(PS_SOLID, 3, 0x00FF00);
            HBRUSH brush = CreateSolidBrush(0x0000FF);
            SelectObject(dc, pen);
            SelectObject(dc, brush);
            RoundRect(dc, 1, 2, 19, 13, 6, 6);
            MoveToEx(dc, 0, 15, nullptr);
            LineTo(dc, 20, 0);
            SetTextColor(dc, 0xFFFFFF);
            TextOutA(dc, 2, 4, "Wx", 2);
            d->ReleaseDC(dc);
            DeleteObject(pen);
            DeleteObject(brush);
        },
    };
    const RECT clip{4, 3, 13, 9};
    for (size_t i = 0; i < drawings.size(); ++i) {
        Srf plain = blank(20, 16), clipped = blank(20, 16);
        drawings[i](plain.get());
        clipped->SetDrawClip(&clip);
        drawings[i](clipped.get());
        clipped->SetDrawClip(nullptr);
        int inside_changed = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool in = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
                EXPECT_EQ(clipped->Row(y)[x], in ? plain->Row(y)[x] : 0) << "drawing " << i << " at " << x << "," << y;
                inside_changed += in && plain->Row(y)[x] != 0;
            }
        EXPECT_GT(inside_changed, 0) << "drawing " << i << " reaches into the clip";
        EXPECT_EQ(dump(clipped).find('#'), std::string::npos);
    }
}
