// Loading BMPs of every form, from resources and files, scaled; copying them with StretchBlt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <string>

#include "platform/bytes.h"
#include "platform/resources.h"
#include "platform/surface_copy.h"
#include "platform/gdi_internal.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/findings.h"
#include "tests/support/gdi_surface.h"
#include "tests/support/temp_tree.h"

using namespace bmp_fixture;

namespace {
using test_support::GdiSurface;

// The bytes as a resource of a name of their own; the data lives as long as the program.
std::string as_resource(const std::vector<uint8_t>& bytes) {
    static std::deque<std::vector<uint8_t>> kept;
    kept.push_back(bytes);
    const std::string name = "gdi_test_" + std::to_string(kept.size()) + ".bmp";
    plat_AddResource(name.c_str(), kept.back().data(), kept.back().size());
    return name;
}

Image load(const std::string& name, int w = 0, int h = 0, UINT flags = 0) {
    HBITMAP bm = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, w, h, flags | LR_CREATEDIBSECTION));
    BITMAP info = {};
    if (!bm || GetObjectA(bm, sizeof info, &info) != sizeof info) return {};
    const uint32_t* px = static_cast<const uint32_t*>(info.bmBits);
    Image img{info.bmWidth, info.bmHeight, {px, px + info.bmWidth * info.bmHeight}};
    DeleteObject(bm);
    return img;
}

Image load(const std::vector<uint8_t>& bytes, int w = 0, int h = 0) { return load(as_resource(bytes), w, h); }

void expect_same(const Image& got, const Image& want) {
    ASSERT_EQ(got.w, want.w);
    ASSERT_EQ(got.h, want.h);
    for (size_t i = 0; i < want.px.size(); ++i) ASSERT_EQ(got.px[i] & 0xFFFFFF, want.px[i]) << "pixel " << i;
}

TEST(GdiBitmapLoad, EveryFormGivesTheSamePixels) {
    const Image img = Picture(13, 7), bw = Picture(13, 7, 2);
    const uint32_t m565[3] = {0xF800, 0x07E0, 0x001F}, mBgr[3] = {0x0000FF, 0x00FF00, 0xFF0000};
    const struct {
        const char* name;
        Form form;
    } forms[] = {
        {"4", {4}},
        {"8", {8}},
        {"8 top-down", {8, PLAIN, true}},
        {"16 (555)", {16}},
        {"16 (565)", {16, BIT_FIELDS, false, {m565[0], m565[1], m565[2]}}},
        {"16 (565, V4 header)", {16, BIT_FIELDS, false, {m565[0], m565[1], m565[2]}, 108}},
        {"24", {24}},
        {"24 top-down", {24, PLAIN, true}},
        {"24 V5 header", {24, PLAIN, false, {}, 124}},
        {"32", {32}},
        {"32 top-down", {32, PLAIN, true}},
        {"32 (BGR fields)", {32, BIT_FIELDS, false, {mBgr[0], mBgr[1], mBgr[2]}}},
        {"RLE8", {8, RLE8}},
        {"RLE4", {4, RLE4}},
    };
    for (const auto& f : forms) {
        SCOPED_TRACE(f.name);
        expect_same(load(Write(img, f.form)), img);
    }
    expect_same(load(Write(bw, {1})), bw);
    expect_same(load(Write(bw, {1, PLAIN, true})), bw);
}

// Bit fields of any width (1 to 10 bits) fill their channel's whole range, so white is
// white; alpha bits are ignored. Sixteen greys come out exact where channels have 4, 8 or 10 bits.
TEST(GdiBitmapLoad, BitFieldsOfAnyWidthGiveFullRangeChannelsAndIgnoreAlpha) {
    Image greys{16, 3, {}};
    for (uint32_t i = 0; i < 48; ++i) greys.px.push_back(0x111111u * (i % 16));
    const struct {
        const char* name;
        Form form;
        bool exact_greys;
    } forms[] = {
        {"X4R4G4B4", {16, BIT_FIELDS, false, {0x0F00, 0x00F0, 0x000F}}, true},
        {"A4R4G4B4", {16, BIT_FIELDS, false, {0x0F00, 0x00F0, 0x000F}, 108, 0xF000}, true},
        {"X1R5G5B5", {16, BIT_FIELDS, false, {0x7C00, 0x03E0, 0x001F}}, false},
        {"A1R5G5B5", {16, BIT_FIELDS, false, {0x7C00, 0x03E0, 0x001F}, 124, 0x8000}, false},
        {"R5G6B5", {16, BIT_FIELDS, false, {0xF800, 0x07E0, 0x001F}}, false},
        {"X8R8G8B8", {32, BIT_FIELDS, false, {0xFF0000, 0x00FF00, 0x0000FF}}, true},
        {"A8B8G8R8", {32, BIT_FIELDS, false, {0x0000FF, 0x00FF00, 0xFF0000}, 108, 0xFF000000}, true},
        {"R1G7B8", {16, BIT_FIELDS, false, {0x8000, 0x7F00, 0x00FF}}, false},
        {"R3G3B2 at the top", {32, BIT_FIELDS, false, {0xE0000000, 0x1C000000, 0x03000000}, 108, 0xFFFF}, false},
        {"A2R10G10B10", {32, BIT_FIELDS, false, {0x3FF00000, 0x000FFC00, 0x000003FF}, 108, 0xC0000000}, true},
    };
    const Image colours = Picture(13, 7);
    for (const auto& f : forms) {
        SCOPED_TRACE(f.name);
        expect_same(load(Write(colours, f.form)), colours);
        if (f.exact_greys) expect_same(load(Write(greys, f.form)), greys);
    }
    // Masks that are no single run of bits, or lie outside the pixel, are refused.
    for (const Form& odd :
         {Form{16, BIT_FIELDS, false, {0x0F0F, 0x00F0, 0}}, Form{16, BIT_FIELDS, false, {0x1F0000, 0x7E0, 0x1F}}})
        EXPECT_EQ(load(Write(colours, odd)).w, 0);
}

TEST(GdiBitmapLoad, RleAbsoluteRunsDeltasAndEarlyLineEnds) {
    // 4 × 3, palette black, red, green; rows bottom first.
    std::vector<uint8_t> b = Write(Picture(4, 3, 1), {8, RLE8});
    b.resize(14 + 40);  // the headers alone
    const uint8_t tail[] = {0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0,  // palette
                            1, 2, 0, 2, 2, 0, 1, 1, 0, 0,        // green, skip 2, red, end of line
                            4, 2, 0, 0,                          // four green
                            0, 3, 1, 2, 1, 0, 0, 1};             // absolute red green red, end
    b.insert(b.end(), tail, tail + sizeof tail);
    plat_WriteLE(&b[10], 14 + 40 + 12, 4);
    plat_WriteLE(&b[46], 3, 4);
    const uint32_t k = 0, r = 0xFF0000, g = 0x00FF00;
    expect_same(load(b), {4, 3, {r, g, r, k, g, g, g, g, g, k, k, r}});
}

// Line ends and moves skip pixels but write none: a large picture's runs must write a quarter
// of it at least (the 132-byte and the 8 KB files of 8192 x 4096 wrote nothing), a small one
// may skip freely.
TEST(GdiBitmapLoad, RleStreamsPayForThePicturesTheyDeclare) {
    const auto bytes = [](const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); };
    EXPECT_EQ(load(bytes(findings::RleMoves())).w, 0);
    EXPECT_EQ(load(bytes(findings::RleLineEnds())).w, 0);
    // 512 x 512: each row a run of white and a line end, 96 of 512 pixels written (a quarter of
    // what is beyond 256 x 256), or one fewer.
    const auto rows = [&](int run) {
        std::string rle;
        for (int y = 0; y < 512; ++y) rle += std::string{static_cast<char>(run), '\1', '\0', '\0'};
        return bytes(findings::Rle8(512, 512, rle + std::string("\0\1", 2)));
    };
    const Image paid = load(rows(96));
    ASSERT_EQ(std::pair(paid.w, paid.h), std::pair(512, 512));
    EXPECT_EQ(std::pair(paid.px[95] & 0xFFFFFF, paid.px[96] & 0xFFFFFF), std::pair(0xFFFFFFu, 0u));
    EXPECT_EQ(load(rows(95)).w, 0);
}

// Resources are found by name whatever its case, the latest first, before a file of that name.
TEST(GdiBitmapLoad, ResourceComesBeforeTheFileOfTheSameName) {
    const Image red{2, 2, std::vector<uint32_t>(4, 0xFF0000)}, blue{2, 2, std::vector<uint32_t>(4, 0x0000FF)};
    static const std::vector<uint8_t> redBmp = Write(red, {24}), blueBmp = Write(blue, {24});
    test_support::TempTree dir;
    for (const char* file : {"twin.bmp", "only_file.bmp"}) dir.File(file, {redBmp.begin(), redBmp.end()});
    plat_AddResource(dir.Path("twin.bmp").c_str(), blueBmp.data(), blueBmp.size());
    const plat_Resource* r = plat_FindResource(dir.Path("TWIN.BMP").c_str());
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(!plat_FindResource(dir.Path("twin.bm").c_str()) && !plat_FindResource(nullptr));
    expect_same(load(dir.Path("Twin.bmp"), 0, 0, LR_LOADFROMFILE), blue);
    expect_same(load(dir.Path("ONLY_FILE.BMP"), 0, 0, LR_LOADFROMFILE), red);  // a program path
    EXPECT_EQ(load(dir.Path("only_file.bmp")).w, 0);  // files only when asked for
    EXPECT_EQ(load(dir.Path("missing.bmp"), 0, 0, LR_LOADFROMFILE).w, 0);
    for (int i = 0; i < 50; ++i) as_resource(redBmp);
    EXPECT_EQ(std::pair(r->data, r->size), std::pair(blueBmp.data(), blueBmp.size()));  // still valid
    plat_AddResource(dir.Path("TWIN.bmp").c_str(), redBmp.data(), redBmp.size());
    expect_same(load(dir.Path("twin.bmp"), 0, 0, LR_LOADFROMFILE), red);
}

TEST(GdiBitmapLoad, ScaledWhileLoading) {
    const std::string flat = as_resource(Write({7, 5, std::vector<uint32_t>(35, 0x336699)}, {24}));
    expect_same(load(flat, 13, 3), {13, 3, std::vector<uint32_t>(39, 0x336699)});
    expect_same(load(flat, 3, 11), {3, 11, std::vector<uint32_t>(33, 0x336699)});
    EXPECT_EQ(load(flat, 6, 0).h, 5);  // zero keeps the own size
    // Shrinking averages areas; enlarging blends neighbours smoothly.
    const std::string stripes = as_resource(Write({4, 1, {0, 0xFFFFFF, 0, 0xFFFFFF}}, {24}));
    for (uint32_t c : load(stripes, 2, 1).px) EXPECT_NEAR(c & 0xFF, 128, 1);
    const Image up = load(as_resource(Write({2, 1, {0, 0xFFFFFF}}, {24})), 8, 1);
    ASSERT_EQ(up.px.size(), 8u);
    EXPECT_EQ(std::pair(up.px.front(), up.px.back()), std::pair(0u, 0xFFFFFFu));
    EXPECT_TRUE(std::is_sorted(up.px.begin(), up.px.end()));  // grey steps: each channel rises with the whole
    EXPECT_GT(std::count_if(up.px.begin(), up.px.end(), [](uint32_t c) { return c && c != 0xFFFFFF; }), 2);
}

TEST(GdiBitmapLoad, BadInputGivesNull) {
    const std::vector<uint8_t> good = Write(Picture(13, 7), {24}), rle = Write(Picture(13, 7), {8, RLE8});
    for (size_t n = 0; n < good.size(); n += 7)
        EXPECT_EQ(load(std::vector<uint8_t>(good.begin(), good.begin() + n)).w, 0) << n;
    for (size_t n = 0; n < rle.size(); ++n)
        EXPECT_EQ(load(std::vector<uint8_t>(rle.begin(), rle.begin() + n)).w, 0) << n;
    // Field offsets: 10 pixel data, 14 header size, 18 width, 22 height, 28 bit depth, 30 compression.
    const std::vector<std::pair<size_t, uint32_t>> cases[] = {
        {{18, 100000}},
        {{18, 0}},
        {{22, 0x80000000u}},
        {{28, 7}},
        {{30, 4}},
        {{14, 20}},
        {{10, 0x7FFFFFFF}},
        {{18, 8192}, {22, 8192}},  // each side allowed, too many pixels
        {{22, 8193}},
    };
    for (const auto& edits : cases) {
        std::vector<uint8_t> b = good;
        for (auto [at, v] : edits) plat_WriteLE(&b[at], v, 4);
        EXPECT_EQ(load(b).w, 0) << edits[0].first << ": " << edits[0].second;
    }
    // A few bytes of RLE that declare a big picture and end long before its last row.
    for (const Form form : {Form{8, RLE8}, Form{4, RLE4}}) {
        std::vector<uint8_t> bomb = Write(Picture(8, 8), form);
        plat_WriteLE(&bomb[18], 8192, 4);
        plat_WriteLE(&bomb[22], 4096, 4);
        EXPECT_EQ(load(bomb).w, 0) << form.bpp;
    }
    std::vector<uint8_t> topDown = rle;  // RLE cannot run top-down
    plat_WriteLE(&topDown[22], static_cast<uint32_t>(-7), 4);
    EXPECT_EQ(load(topDown).w, 0);
    const std::string name = as_resource(good);
    EXPECT_EQ(load(name, -1, 5).w, 0);
    EXPECT_EQ(LoadImageA(nullptr, name.c_str(), IMAGE_BITMAP + 1, 0, 0, 0), nullptr);
    EXPECT_EQ(LoadImageA(nullptr, nullptr, IMAGE_BITMAP, 0, 0, 0), nullptr);
    // Bytes changed at random: loaded or refused, never a crash (the sanitizer build checks reads).
    srand(7);
    for (int i = 0; i < 3000; ++i) {
        std::vector<uint8_t> b = i % 2 ? good : rle;
        for (int k = 0; k < 3; ++k) b[rand() % b.size()] = static_cast<uint8_t>(rand());
        const Image img = load(b);
        EXPECT_EQ(img.px.size(), static_cast<size_t>(img.w) * img.h);
    }
}

TEST(GdiStretchBlt, BitmapAndSurfaceSourcesNearestNeighbour) {
    const Image img = Picture(5, 4);
    HBITMAP bm =
        static_cast<HBITMAP>(LoadImageA(nullptr, as_resource(Write(img, {24})).c_str(), IMAGE_BITMAP, 0, 0, 0));
    HDC mem = CreateCompatibleDC(nullptr);
    SelectObject(mem, bm);
    GdiSurface s(12, 10), t(12, 10);
    auto stored = [&](int x, int y) {
        const uint32_t c = img.px[y * 5 + x];
        return s.stored(RGB(c >> 16, c >> 8, c));
    };
    ASSERT_TRUE(StretchBlt(s.dc, 1, 1, 5, 4, mem, 0, 0, 5, 4, SRCCOPY));
    ASSERT_TRUE(StretchBlt(s.dc, 7, 0, 10, 8, mem, 0, 0, 5, 4, SRCCOPY));  // doubled, cut at the edge
    EXPECT_EQ(s.count([&](int x, int y) {
        if (x >= 1 && x < 6 && y >= 1 && y < 5) return s.at(x, y) != stored(x - 1, y - 1);
        return x >= 7 && y < 8 && s.at(x, y) != stored((x - 7) / 2, y / 2);
    }), 0);
    // Surface to surface, and onto itself where the areas overlap.
    ASSERT_TRUE(StretchBlt(t.dc, 0, 0, 12, 10, s.dc, 0, 0, 12, 10, SRCCOPY));
    ASSERT_TRUE(StretchBlt(s.dc, 2, 2, 5, 4, s.dc, 1, 1, 5, 4, SRCCOPY));
    EXPECT_EQ(s.count([&](int x, int y) {
        return x >= 2 && x < 7 && y >= 2 && y < 6 && s.at(x, y) != t.at(x - 1, y - 1);
    }), 0);
    EXPECT_FALSE(StretchBlt(s.dc, 0, 0, 0, 4, mem, 0, 0, 5, 4, SRCCOPY));
    DeleteDC(mem);
    DeleteObject(bm);
}

}  // namespace

// Shrinking by whole factors takes a path of its own; it must give what the general
// scaler gives (exactly where the factors' weights are exact), from any part of the source.
TEST(BltAveraged, WholeFactorsAverageAsTheGeneralScaler) {
    IDirectDrawSurface* src = plat_CreateTestSurface(48, 36);
    srand(7);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 48; ++x) src->Row(y)[x] = static_cast<uint16_t>(rand());
    struct Case {
        RECT from;
        int dw, dh;
    };
    for (const Case& c : {Case{{0, 0, 48, 36}, 12, 9}, Case{{0, 0, 48, 36}, 24, 18}, Case{{6, 3, 42, 30}, 12, 9},
                          Case{{0, 0, 48, 36}, 16, 12}, Case{{0, 0, 48, 36}, 8, 6}}) {
        const int sw = c.from.right - c.from.left, sh = c.from.bottom - c.from.top;
        std::vector<uint32_t> in;
        for (int y = c.from.top; y < c.from.bottom; ++y)
            for (int x = c.from.left; x < c.from.right; ++x) {
                const COLORREF p = plat_From565(src->Row(y)[x]);
                in.push_back(uint32_t{GetRValue(p)} << 16 | GetGValue(p) << 8 | GetBValue(p));
            }
        const std::vector<uint32_t> want = plat_ScaleXrgb(in, sw, sh, c.dw, c.dh);
        IDirectDrawSurface* dst = plat_CreateTestSurface(c.dw, c.dh);
        ASSERT_EQ(plat_BltAveraged(dst, src, &c.from), DD_OK);
        const bool exact = (sw / c.dw & (sw / c.dw - 1)) == 0 && (sh / c.dh & (sh / c.dh - 1)) == 0;
        for (int y = 0; y < c.dh; ++y)
            for (int x = 0; x < c.dw; ++x) {
                const uint16_t got = dst->Row(y)[x], w = plat_XrgbTo565(want[size_t(y * c.dw + x)]);
                for (auto [shift, mask] : {std::pair{11, 31}, {5, 63}, {0, 31}})
                    ASSERT_LE(std::abs((got >> shift & mask) - (w >> shift & mask)), exact ? 0 : 1)
                        << sw << "x" << sh << " to " << c.dw << "x" << c.dh << " at " << x << "," << y;
            }
        dst->Release();
    }
    src->Release();
}
