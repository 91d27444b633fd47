#include <cstdio>
#include <unistd.h>

#include "framework/surface/tf_dbmp.h"
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

namespace {
const COLORREF RED = RGB(255, 0, 0), GREEN = RGB(0, 255, 0), BLUE = RGB(0, 0, 255), WHITE = RGB(255, 255, 255),
               BLACK = RGB(0, 0, 0);

bool Exists(const char* name) { return access(name, F_OK) == 0; }

struct FitCase {
    int sir, vys, koef, box_w, box_h, want_w, want_h;
};
}  // namespace

TEST(BmpFit, DividesByKoefOrFitsIntoTheBox) {
    test_support::FreshLog();
    const FitCase cases[] = {
        {100, 50, 3, 0, 0, 33, 16},       // the box is ignored with a divisor
        {800, 600, 0, 100, 100, 100, 75},
        {200, 100, 0, 100, 100, 100, 50},
        {20, 10, 0, 100, 100, 100, 50},   // small pictures are enlarged
        {300, 200, 0, 150, 100, 150, 100},  // tie: both factors 0.5
        {3, 3, 0, 100, 100, 100, 100},    // 3 x 33.333332f rounds to 100 in single precision
        {1000, 5, 0, 100, 100, 100, 1},   // a side cut to nothing keeps a pixel
    };
    for (const FitCase& c : cases) {
        int w = -1, h = -1;
        tf_BMP_NOVE_ROZMERY(c.sir, c.vys, c.koef, c.box_w, c.box_h, &w, &h);
        EXPECT_EQ(std::make_pair(w, h), std::make_pair(c.want_w, c.want_h)) << c.sir << " x " << c.vys;
    }
    EXPECT_FALSE(LogHas({"Chyba vstupu"}));
}

TEST(BmpFit, BadBoxOrSizeGivesFiftyAndALogLine) {
    test_support::FreshLog();
    int w = 0, h = 0;
    tf_BMP_NOVE_ROZMERY(100, 50, 0, 0, 100, &w, &h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(50, 50));
    EXPECT_TRUE(LogHas({"TF_DBMP_w(",
                        "tf_BMP_NOVE_ROZMERY() - Chyba vstupu: koef, FIXMAX_sir, FIXMAX_vys [0] [100]"}));
    w = h = 0;
    tf_BMP_NOVE_ROZMERY(0, 50, 0, 100, 100, &w, &h);  // would divide by zero
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(50, 50));
    EXPECT_TRUE(LogHas({"sir,vys: [0] [50]"}));
}

using BmpWrite = SurfaceTest;

TEST_F(BmpWrite, HeadersAndRowPaddingOfNarrowAreas) {
    tf_CDas_Surface s;
    Load(s, "wr_src.bmp", {"rgBwk", "gBwkr", "Bwkrg"});
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, {1, 0, 1, 2}, "wr_one.bmp"));
    const Written one = ReadWritten("wr_one.bmp");
    ASSERT_EQ(one.bytes.size(), 54u + 3 * 4);  // 3 data bytes and 1 padding byte a row
    EXPECT_EQ(std::string(one.bytes.begin(), one.bytes.begin() + 2), "BM");
    const uint32_t want32[][2] = {{2, 66}, {6, 0}, {10, 54}, {14, 40}, {18, 1}, {22, 3},
                                  {30, 0}, {34, 0}, {38, 2880}, {42, 2880}, {46, 0}, {50, 0}};
    for (const auto& f : want32) EXPECT_EQ(one.U32(f[0]), f[1]) << "offset " << f[0];
    EXPECT_EQ(one.U16(26), 1);
    EXPECT_EQ(one.U16(28), 24);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(one.bytes[54 + 4 * row + 3], 0) << "padding of row " << row;
    EXPECT_EQ(one.At(0, 0), GREEN);
    EXPECT_EQ(one.At(0, 2), WHITE);

    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, {0, 1, 3, 2}, "wr_four.bmp"));
    const Written four = ReadWritten("wr_four.bmp");
    EXPECT_EQ(four.bytes.size(), 54u + 12 * 2);  // no padding
    EXPECT_EQ(four.U32(2), 54u + 12 * 2);
}

TEST_F(BmpWrite, InclusiveAreaBottomRowFirstInBlueGreenRedOrder) {
    tf_CDas_Surface s;
    Load(s, "wr_src.bmp", {"kkkk", "krgk", "kBwk", "kkkk"});
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, {1, 1, 2, 2}, "wr_mid.bmp"));
    const Written w = ReadWritten("wr_mid.bmp");
    ASSERT_EQ(std::make_pair(w.W(), w.H()), std::make_pair(2, 2));
    // The first stored row is the area's bottom row: blue then white, as bytes B, G, R.
    const uint8_t bottom[] = {255, 0, 0, 255, 255, 255, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(bottom), std::end(bottom), w.bytes.begin() + 54));
    const uint8_t top[] = {0, 0, 255, 0, 255, 0, 0, 0};  // red, green
    EXPECT_TRUE(std::equal(std::begin(top), std::end(top), w.bytes.begin() + 62));
    EXPECT_EQ(w.At(0, 1), BLUE);
}

TEST_F(BmpWrite, WrittenFileGivesGetPixelsColoursAndLoadsBackTheSamePixels) {
    IDirectDrawSurface* s = plat_CreateTestSurface(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) s->Row(y)[x] = static_cast<uint16_t>(0x9E37u * (y * 7 + x + 1));
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(s, "wr_all.bmp"));
    const Written w = ReadWritten("wr_all.bmp");
    HDC dc = nullptr;
    ASSERT_EQ(s->GetDC(&dc), DD_OK);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(w.At(x, y), GetPixel(dc, x, y)) << x << "," << y;
    s->ReleaseDC(dc);
    tf_CDas_Surface back_in;
    back_in.NAHRAJ_SURFACE(dd, "wr_all.bmp");
    ASSERT_NE(back_in.lpDDS, nullptr);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(Px(back_in.lpDDS, x, y), s->Row(y)[x]);
    s->Release();
}

TEST_F(BmpWrite, AreasReachingOutAreClippedInvertedOrOutsideRefused) {
    tf_CDas_Surface s;
    Load(s, "wr_src.bmp", {"rg", "Bw"});
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, {-5, 1, 100, 2000000000}, "wr_clip.bmp"));
    const Written w = ReadWritten("wr_clip.bmp");
    EXPECT_EQ(std::make_pair(w.W(), w.H()), std::make_pair(2, 1));
    EXPECT_EQ(w.At(1, 0), WHITE);
    const RECT refused[] = {{1, 0, 0, 1}, {0, 1, 1, 0}, {2, 0, 5, 1}, {-9, -9, -1, -1}};
    for (const RECT& r : refused) {
        test_support::FreshLog();
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, r, "wr_bad.bmp"));
        EXPECT_FALSE(Exists("wr_bad.bmp"));
        EXPECT_TRUE(LogHas({"TLFW ERROR:", "oblast mimo SURFACE"}));
    }
    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(nullptr, "wr_bad.bmp"));
}

TEST_F(BmpWrite, FailedWritesLeaveNoFileAndLog) {
    tf_CDas_Surface s;
    Load(s, "wr_src.bmp", {"rgBwkrgB", "rgBwkrgB", "rgBwkrgB"});
    plat_SetWriteFailure(true);
    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(s.lpDDS, "wr_ro.bmp"));
    plat_SetWriteFailure(false);
    EXPECT_FALSE(Exists("wr_ro.bmp"));
    EXPECT_TRUE(LogHas({"TF_DBMP_w(", plat_W1250(u8"Chyba pri otvaraní suboru")}));
    EXPECT_TRUE(LogHas({"subor: [wr_ro.bmp]"}));

    for (long limit : {10L, 60L, 80L}) {  // in the file header, in the info header, in the rows
        test_support::FreshLog();
        plat_SetWriteLimit(limit);
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(s.lpDDS, "wr_full.bmp")) << limit;
        plat_SetWriteLimit(-1);
        EXPECT_FALSE(Exists("wr_full.bmp")) << limit;
        EXPECT_TRUE(LogHas({"subor zmazany"})) << limit;
    }
    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(s.lpDDS, "no_such_dir\\wr.bmp"));
    EXPECT_TRUE(LogHas({plat_W1250(u8"Chyba pri otvaraní suboru")}));
    EXPECT_FALSE(s.lpDDS->locked);  // released on every path
}

TEST_F(BmpWrite, ScaledSurfaceAveragesFitsAndSkipsALostSource) {
    IDirectDrawSurface* s = plat_CreateTestSurface(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) s->Row(y)[x] = (x + y) % 2 ? 0xFFFF : 0x0000;  // fine black-white checks
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, false, 2, 3, "st_exact.bmp"));
    const Written exact = ReadWritten("st_exact.bmp");
    ASSERT_EQ(std::make_pair(exact.W(), exact.H()), std::make_pair(2, 3));
    const COLORREF grey = exact.At(1, 1);  // averaged, not a dropped pixel
    EXPECT_NEAR(GetRValue(grey), 128, 12);
    EXPECT_NEAR(GetGValue(grey), 128, 12);
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, true, 100, 100, "st_fit.bmp"));
    EXPECT_EQ(std::make_pair(ReadWritten("st_fit.bmp").W(), ReadWritten("st_fit.bmp").H()), std::make_pair(100, 50));

    const int live = plat_LiveSurfaceCount();
    s->lost = true;
    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, false, 4, 4, "st_lost.bmp"));
    EXPECT_FALSE(Exists("st_lost.bmp"));
    EXPECT_FALSE(s->lost);  // restored for the next drawing
    EXPECT_EQ(plat_LiveSurfaceCount(), live);
    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, false, 0, 4, "st_none.bmp"));
    EXPECT_TRUE(LogHas({"tf_BMP_VYTVOR_BMP_5 - Chyba pri CreateSurface"}));
    s->Release();
}

TEST_F(BmpWrite, PictureFilesCopiedScaledSqueezedAndBanded) {
    WriteFile("pf_src.bmp", Bmp({"rrgg", "rrgg", "BBww", "BBww"}));
    const int live = plat_LiveSurfaceCount();
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(dd, "pf_src.bmp", "pf_copy.bmp"));
    const Written copy = ReadWritten("pf_copy.bmp"), src = ReadWritten("pf_src.bmp");
    EXPECT_EQ(std::vector<uint8_t>(copy.bytes.begin() + 18, copy.bytes.begin() + 26),
              std::vector<uint8_t>(src.bytes.begin() + 18, src.bytes.begin() + 26));  // width, height
    EXPECT_EQ(std::vector<uint8_t>(copy.bytes.begin() + 54, copy.bytes.end()),
              std::vector<uint8_t>(src.bytes.begin() + 54, src.bytes.end()));
    bmp_fixture::Image img = bmp_fixture::Picture(6, 3);  // an 8-bit source still gives 24 bits
    const std::vector<uint8_t> eight = bmp_fixture::Write(img, bmp_fixture::Form{8});
    WriteFile("pf_8bit.bmp", eight);
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(dd, "pf_8bit.bmp", "pf_8copy.bmp"));
    const Written c8 = ReadWritten("pf_8copy.bmp");
    EXPECT_EQ(c8.U16(28), 24);
    for (int x = 0; x < 6; ++x) EXPECT_EQ(c8.At(x, 2), RGB(img.px[12 + x] >> 16, img.px[12 + x] >> 8 & 255, img.px[12 + x] & 255));

    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd, "pf_src.bmp", 2, 0, 0, "pf_half.bmp"));
    const Written half = ReadWritten("pf_half.bmp");
    ASSERT_EQ(std::make_pair(half.W(), half.H()), std::make_pair(2, 2));
    EXPECT_EQ(std::make_tuple(half.At(0, 0), half.At(1, 0), half.At(0, 1), half.At(1, 1)),
              std::make_tuple(RED, GREEN, BLUE, WHITE));
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd, "pf_src.bmp", 0, 10, 20, "pf_fit.bmp"));
    EXPECT_EQ(ReadWritten("pf_fit.bmp").W(), 10);
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, "pf_src.bmp", 12, 2, "pf_sq.bmp"));
    const Written sq = ReadWritten("pf_sq.bmp");
    EXPECT_EQ(std::make_tuple(sq.W(), sq.H(), sq.At(0, 0), sq.At(11, 1)), std::make_tuple(12, 2, RED, WHITE));

    // Rows 0-24 red, 25-74 green, 75-99 blue: the band of a 100-row target is the green.
    Rows stripes(100);
    for (int y = 0; y < 100; ++y) stripes[y] = y < 25 ? "rr" : y < 75 ? "gg" : "BB";
    WriteFile("pf_stripes.bmp", Bmp(stripes));
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(dd, "pf_stripes.bmp", 2, 100, 0.25f, 0.75f, "pf_band.bmp"));
    const Written band = ReadWritten("pf_band.bmp");
    ASSERT_EQ(std::make_pair(band.W(), band.H()), std::make_pair(2, 50));
    for (int y = 0; y < 50; ++y) EXPECT_EQ(band.At(1, y), GREEN) << y;
    EXPECT_EQ(plat_LiveSurfaceCount(), live);  // every temporary surface released
}

TEST_F(BmpWrite, PhaseOfASpriteSheetKeepsItsProportions) {
    // Border lines (black, as pixel (0, 0)) frame a 20 x 10 phase, red left half, green right.
    Rows sheet(20, std::string(30, 'k'));
    for (int y = 6; y < 16; ++y)
        for (int x = 3; x < 23; ++x) sheet[y][x] = x < 13 ? 'r' : 'g';
    WriteFile("ph_sheet.bmp", Bmp(sheet));
    const int live = plat_LiveSurfaceCount();
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, "ph_sheet.bmp", 100, 75, "ph.thm", 10, 10));
    const Written w = ReadWritten("ph.thm");
    ASSERT_EQ(std::make_pair(w.W(), w.H()), std::make_pair(100, 50));
    EXPECT_EQ(std::make_tuple(w.At(0, 0), w.At(45, 49), w.At(55, 0), w.At(99, 49)),
              std::make_tuple(RED, RED, GREEN, GREEN));
    EXPECT_EQ(plat_LiveSurfaceCount(), live);

    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, "ph_sheet.bmp", 100, 75, "ph_out.thm", 500, 10));
    EXPECT_FALSE(Exists("ph_out.thm"));
    EXPECT_TRUE(LogHas({"tf_BMP_VYTVOR_BMP_4 - prazdna faza"}));
}

TEST_F(BmpWrite, BadPicturesWriteNothing) {
    std::vector<uint8_t> huge = bmp_fixture::Write(bmp_fixture::Picture(4, 4), bmp_fixture::Form{});
    bmp_fixture::Put32(huge, 18, 100000);
    bmp_fixture::Put32(huge, 22, 100000);
    std::vector<uint8_t> cut = bmp_fixture::Write(bmp_fixture::Picture(40, 40), bmp_fixture::Form{});
    cut.resize(cut.size() / 2);
    std::vector<uint8_t> empty = bmp_fixture::Write(bmp_fixture::Picture(4, 4), bmp_fixture::Form{});
    bmp_fixture::Put32(empty, 18, 0);
    bmp_fixture::Put32(empty, 22, 0);
    const std::pair<const char*, std::vector<uint8_t>> pictures[] = {
        {"bad_huge.bmp", huge}, {"bad_cut.bmp", cut}, {"bad_empty.bmp", empty}, {"bad_text.bmp", {'h', 'i'}}};
    const int live = plat_LiveSurfaceCount();
    for (const auto& [name, data] : pictures) {
        test_support::FreshLog();
        WriteFile(name, data);
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(dd, name, "bad.out")) << name;
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd, name, 0, 100, 75, "bad.out")) << name;
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, name, 100, 75, "bad.out")) << name;
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(dd, name, 100, 75, 0.25f, 0.75f, "bad.out"));
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, name, 100, 75, "bad.out", 10, 10));
        EXPECT_FALSE(Exists("bad.out")) << name;
        EXPECT_TRUE(LogHas({"TF_DBMP_w(", "obrazok sa nenahral"})) << name;
        EXPECT_TRUE(LogHas({"subor: [", name})) << name;
    }
    EXPECT_EQ(plat_LiveSurfaceCount(), live);
}
