#include <unistd.h>

#include <climits>

#include "framework/surface/tf_dbmp.h"
#include "platform/bytes.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "tests/framework/surface/dbmp_fixture.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/test_support.h"

using namespace srf_test;
using dbmp_test::ReadWritten;
using dbmp_test::Written;
using test_support::LogHas;
using Size = std::pair<int, int>;

namespace {
const COLORREF RED = RGB(255, 0, 0), GREEN = RGB(0, 255, 0), BLUE = RGB(0, 0, 255), WHITE = RGB(255, 255, 255);
bool exists(const char* name) { return access(name, F_OK) == 0; }
}  // namespace

TEST(BmpFit, DividesByKoefOrFitsIntoTheBoxAndRefusesABadBox) {
    test_support::FreshLog();
    const int cases[][7] = {
        {100, 50, 3, 0, 0, 33, 16},       {INT_MIN, 6, -1, 0, 0, INT_MAX, -6}, {800, 600, 0, 100, 100, 100, 75},
        {200, 100, 0, 100, 100, 100, 50}, {20, 10, 0, 100, 100, 100, 50},      // enlarged
        {3, 3, 0, 100, 100, 100, 100},    {1000, 5, 0, 100, 100, 100, 1},      // the tie; a side keeps a pixel
        {100, 50, 0, 0, 100, 50, 50},     {0, 50, 0, 100, 100, 50, 50},        // bad box, no picture
    };
    for (const auto& c : cases) {
        Size got{-1, -1};
        tf_BMP_NOVE_ROZMERY(c[0], c[1], c[2], c[3], c[4], &got.first, &got.second);
        EXPECT_EQ(got, Size(c[5], c[6])) << c[0] << " x " << c[1] << " into " << c[3] << " x " << c[4];
    }
    EXPECT_TRUE(LogHas({"TF_DBMP_w(", "tf_BMP_NOVE_ROZMERY() - Chyba vstupu: koef, FIXMAX_sir, FIXMAX_vys [0] [100]"}));
    EXPECT_TRUE(LogHas({"sir,vys: [0] [50]"}));
}

using BmpWrite = SurfaceTest;

TEST_F(BmpWrite, HeadersPaddingInclusiveAreaBottomUpInBlueGreenRed) {
    tf_CDas_Surface s;
    Load(s, "wr_src.bmp", {"kkkkk", "krgkk", "kBwkk"});
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, {1, 1, 1, 2}, "wr_one.bmp"));
    const Written one = ReadWritten("wr_one.bmp");
    ASSERT_EQ(one.bytes.size(), 54u + 2 * 4);  // 3 data bytes and 1 padding byte a row
    EXPECT_EQ(std::string(one.bytes.begin(), one.bytes.begin() + 2), "BM");
    const uint32_t fields[][2] = {{2, 62},  {6, 0},  {10, 54},   {14, 40},   {18, 1}, {22, 2}, {26, 1 | 24 << 16},
                                  {30, 0}, {34, 0}, {38, 2880}, {42, 2880}, {46, 0}, {50, 0}};
    for (const auto& f : fields) EXPECT_EQ(one.U32(f[0]), f[1]) << "offset " << f[0];
    const uint8_t rows[] = {255, 0, 0, 0, 0, 0, 255, 0};  // blue (bottom) first, then red; padding zero
    EXPECT_TRUE(std::equal(std::begin(rows), std::end(rows), one.bytes.begin() + 54));

    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, {1, 1, 4, 2}, "wr_four.bmp"));
    const Written four = ReadWritten("wr_four.bmp");
    EXPECT_EQ(std::make_pair(four.bytes.size(), four.U32(2)), std::make_pair(size_t(54 + 12 * 2), 54u + 12 * 2));
    EXPECT_EQ(std::make_tuple(four.At(0, 0), four.At(1, 0), four.At(0, 1), four.At(1, 1)),
              std::make_tuple(RED, GREEN, BLUE, WHITE));
}

TEST_F(BmpWrite, FileHoldsGetPixelsColoursAndLoadsBackAsTheSamePixels) {
    IDirectDrawSurface* s = plat_CreateTestSurface(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) s->Row(y)[x] = static_cast<uint16_t>(0x9E37u * (y * 7 + x + 1));
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(s, "wr_all.bmp"));
    const Written w = ReadWritten("wr_all.bmp");
    tf_CDas_Surface again;
    again.NAHRAJ_SURFACE(dd, "wr_all.bmp");
    HDC dc = nullptr;
    ASSERT_TRUE(again.lpDDS && s->GetDC(&dc) == DD_OK);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(std::make_pair(w.At(x, y), Px(again.lpDDS, x, y)), std::make_pair(GetPixel(dc, x, y), s->Row(y)[x]))
                << x << "," << y;
    s->ReleaseDC(dc);
    s->Release();
}

TEST_F(BmpWrite, AreasAreClippedOrRefusedAndFailedWritesLeaveNoFile) {
    tf_CDas_Surface s;
    Load(s, "wr_src.bmp", {"rgBwkrgB", "rgBwkrgB"});
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, {-5, 1, 100, 2000000000}, "wr_clip.bmp"));
    EXPECT_EQ(ReadWritten("wr_clip.bmp").Size(), Size(8, 1));
    for (const RECT& r : {RECT{1, 0, 0, 1}, RECT{0, 1, 1, 0}, RECT{8, 0, 9, 1}, RECT{-9, -9, -1, -1}})
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, r, "wr_bad.bmp"));
    EXPECT_TRUE(LogHas({"TLFW ERROR:", "oblast mimo SURFACE"}));

    plat_SetWriteFailure(true);
    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(s.lpDDS, "wr_ro.bmp"));
    plat_SetWriteFailure(false);
    EXPECT_TRUE(LogHas({"TF_DBMP_w(", plat_W1250(u8"Chyba pri otvaraní suboru")}));
    EXPECT_TRUE(LogHas({"subor: [wr_ro.bmp]"}));
    plat_SetWriteLimit(60);  // a full disk
    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(s.lpDDS, "wr_full.bmp"));
    plat_SetWriteLimit(-1);
    EXPECT_FALSE(exists("wr_full.bmp"));
    EXPECT_TRUE(LogHas({"TLFW ERROR:", "Chyba pri zapise, subor nezapisany"}));
    EXPECT_FALSE(exists("wr_bad.bmp") || exists("wr_ro.bmp") || s.lpDDS->locked);
}

TEST_F(BmpWrite, ScaledCopiesAverageAndReleaseTheirSurfaces) {
    IDirectDrawSurface* s = plat_CreateTestSurface(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) s->Row(y)[x] = (x + y) % 2 ? 0xFFFF : 0x0000;  // fine black-white checks
    const int live = plat_LiveSurfaceCount();
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, false, 2, 3, "st_exact.bmp"));
    const Written exact = ReadWritten("st_exact.bmp");
    EXPECT_EQ(exact.Size(), Size(2, 3));
    EXPECT_NEAR(GetGValue(exact.At(1, 1)), 128, 12);  // averaged grey, not a dropped pixel
    s->lost = true;  // a restored surface holds nothing worth writing
    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, false, 4, 4, "st_lost.bmp"));
    EXPECT_FALSE(exists("st_lost.bmp") || s->lost);
    s->Release();

    WriteFile("pf_src.bmp", Bmp({"rrgg", "rrgg", "BBww", "BBww"}));
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd, "pf_src.bmp", 2, 0, 0, "pf_half.bmp"));
    const Written half = ReadWritten("pf_half.bmp");
    EXPECT_EQ(std::make_tuple(half.Size(), half.At(0, 0), half.At(1, 0), half.At(0, 1), half.At(1, 1)),
              std::make_tuple(Size(2, 2), RED, GREEN, BLUE, WHITE));
    EXPECT_EQ(plat_LiveSurfaceCount(), live - 1);
}

TEST_F(BmpWrite, BadPicturesWriteNothing) {
    const std::vector<uint8_t> good = bmp_fixture::Write(bmp_fixture::Picture(4, 4), bmp_fixture::Form{});
    std::vector<uint8_t> huge = good;
    plat_WriteLE(&huge[18], 100000, 4);  // refused from the header, before any allocation
    plat_WriteLE(&huge[22], 100000, 4);
    const std::pair<const char*, std::vector<uint8_t>> bad[] = {
        {"bad_huge.bmp", huge}, {"bad_text.bmp", {'h', 'i'}}, {"bad_cut.bmp", {good.begin(), good.begin() + 60}},
        {"bad_empty.bmp", {}}};
    for (const auto& [name, data] : bad) {
        WriteFile(name, data);
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, name, 100, 75, "bad.out")) << name;
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, name, 100, 75, "bad.out", 10, 10));
        EXPECT_FALSE(exists("bad.out")) << name;
        EXPECT_TRUE(LogHas({"subor: [", name})) << name;
    }
    EXPECT_TRUE(LogHas({"obrazok sa nenahral"}));
}
