// BMP writing from surfaces and files, box fitting and the thumbnails beside the pictures.
#include "framework/surface/tf_dbmp.h"

#include <unistd.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <utility>

#include "platform/bytes.h"
#include "platform/files.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

using namespace srf_test;
using test_support::LogHas;
using Size = std::pair<int, int>;

namespace {
const COLORREF RED = RGB(255, 0, 0), GREEN = RGB(0, 255, 0), BLUE = RGB(0, 0, 255), WHITE = RGB(255, 255, 255);
bool exists(const std::string& name) { return access(name.c_str(), F_OK) == 0; }

// A written BMP read back field by field; empty when the file is missing.
struct Written {
    explicit Written(const std::string& host) {
        std::ifstream in(host, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    Size Dims() const { return {int(plat_ReadLE(&bytes[18], 4)), int(plat_ReadLE(&bytes[22], 4))}; }
    COLORREF At(int x, int y) const {  // counted from the top
        const size_t row = (static_cast<size_t>(Dims().first) * 3 + 3) / 4 * 4;
        const uint8_t* p = &bytes[54 + (Dims().second - 1 - y) * row + 3 * static_cast<size_t>(x)];
        return RGB(p[2], p[1], p[0]);
    }
    std::vector<uint8_t> bytes;
};
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
}

using BmpWrite = Screen;

TEST_F(BmpWrite, InclusiveAreasClippedAndFailuresLeaveNoFile) {
    tf_CDas_Surface s;
    Load(s, "wr_src.bmp", {"kkkkkkkk", "krgkkkkk", "kBwkkkkk"});
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, {1, 1, 1, 2}, "wr_one.bmp"));
    EXPECT_EQ(Written("wr_one.bmp").bytes.size(), 54u + 2 * 4);  // 1 x 2: the area is inclusive
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, {1, 1, 4, 2}, "wr_four.bmp"));
    const Written four("wr_four.bmp");
    EXPECT_EQ(std::make_tuple(four.At(0, 0), four.At(1, 0), four.At(0, 1), four.At(1, 1)),
              std::make_tuple(RED, GREEN, BLUE, WHITE));

    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, {-5, 1, 100, 2000000000}, "wr_clip.bmp"));
    EXPECT_EQ(Written("wr_clip.bmp").Dims(), Size(8, 2));
    for (const RECT& r : {RECT{1, 0, 0, 1}, RECT{0, 1, 1, 0}, RECT{8, 0, 9, 1}, RECT{-9, -9, -1, -1}})
        EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s.lpDDS, r, "wr_bad.bmp"));
    EXPECT_TRUE(LogHas({"TLFW ERROR:", "oblast mimo SURFACE"}));
    plat_SetWriteLimit(60);  // a full disk
    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(s.lpDDS, "wr_full.bmp"));
    plat_SetWriteLimit(-1);
    EXPECT_TRUE(LogHas({"TLFW ERROR:", "Chyba pri zapise, subor nezapisany"}));
    EXPECT_FALSE(exists("wr_full.bmp") || exists("wr_bad.bmp") || s.lpDDS->locked);
}

TEST_F(BmpWrite, ScaledCopiesAverageAndReleaseTheirSurfaces) {
    IDirectDrawSurface* s = plat_CreateTestSurface(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) s->Row(y)[x] = (x + y) % 2 ? 0xFFFF : 0x0000;  // fine black-white checks
    const int live = plat_LiveSurfaceCount();
    ASSERT_TRUE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, false, 2, 3, "st_exact.bmp"));
    const Written exact("st_exact.bmp");
    EXPECT_EQ(exact.Dims(), Size(2, 3));
    EXPECT_NEAR(GetGValue(exact.At(1, 1)), 128, 12);  // averaged grey, not a dropped pixel
    s->lost = true;  // a restored surface holds nothing worth writing
    EXPECT_FALSE(tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, false, 4, 4, "st_lost.bmp"));
    EXPECT_FALSE(exists("st_lost.bmp") || s->lost);
    s->Release();
    EXPECT_EQ(plat_LiveSurfaceCount(), live - 1);
}

using Thumbs = Screen;

TEST_F(Thumbs, MissingOnesMadePhaseBesideAPhasesFileOtherPicturesSqueezed) {
    test_support::TempTree tree;
    tree.File("a.bmp", Bmp({"rg"}));
    tree.File("a.thm", "kept");
    Rows stripes(100);  // 40 x 100: red, rows 25-74 green
    for (int y = 0; y < 100; ++y) stripes[y] = std::string(40, y >= 25 && y < 75 ? 'g' : 'r');
    tree.File("b.bmp", Bmp(stripes));
    // A sprite sheet: black lines round a 20 x 10 phase at (10, 10), red left half, green right.
    Rows sheet(20, std::string(30, 'k'));
    for (int y = 6; y < 16; ++y)
        for (int x = 3; x < 23; ++x) sheet[y][x] = x < 13 ? 'r' : 'g';
    tree.File("c.bmp", Bmp(sheet));
    tree.File("c.faz", "10 10\n");

    EXPECT_EQ(tf_BMP_Vytvor__bmp2thm(tree.Path().c_str(), 100, 75, 1), 0);
    EXPECT_EQ(tree.Read("a.thm"), "kept");
    const Written b(tree.Host("b.thm")), c(tree.Host("c.thm"));
    EXPECT_EQ(std::make_tuple(b.Dims(), b.At(50, 0), b.At(50, 37)), std::make_tuple(Size(100, 75), RED, GREEN));
    EXPECT_EQ(std::make_tuple(c.Dims(), c.At(5, 25), c.At(95, 25)), std::make_tuple(Size(100, 50), RED, GREEN));
}
