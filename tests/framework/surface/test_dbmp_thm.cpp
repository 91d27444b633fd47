#include <unistd.h>

#include <cstdlib>
#include <utility>

#include "framework/surface/tf_dbmp.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "tests/framework/surface/dbmp_fixture.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

using namespace srf_test;
using dbmp_test::Written;
using test_support::LogHas;
using Size = std::pair<int, int>;

namespace {
const COLORREF RED = RGB(255, 0, 0), GREEN = RGB(0, 255, 0);
const std::string ACCENTED = reinterpret_cast<const char*>(u8"žltý kôň");

class Thumbs : public SurfaceTest {
protected:
    void SetUp() override {
        SurfaceTest::SetUp();
        Picture("a.bmp", {"rg"});
        tree.File("a.thm", "kept");
        Rows stripes(100);  // 40 x 100: red, rows 25-74 green
        for (int y = 0; y < 100; ++y) stripes[y] = std::string(40, y >= 25 && y < 75 ? 'g' : 'r');
        Picture("b.bmp", stripes);
        // A sprite sheet: black lines round a 20 x 10 phase at (10, 10), red left half, green right.
        Rows sheet(20, std::string(30, 'k'));
        for (int y = 6; y < 16; ++y)
            for (int x = 3; x < 23; ++x) sheet[y][x] = x < 13 ? 'r' : 'g';
        Picture("c.bmp", sheet);
        tree.File("c.faz", "10 10\n");
        Picture(ACCENTED + ".bmp", {"gg", "gg"});
    }
    void Picture(const std::string& name, const Rows& rows) {
        const std::vector<unsigned char> v = Bmp(rows);
        tree.File(name, {v.begin(), v.end()});
    }
    std::string Dir() const { return plat_Cp1250FromUtf8(tree.Path().c_str()); }
    Written Thm(const std::string& base) const { return dbmp_test::ReadWritten(tree.Host(base + ".thm")); }
    size_t ThmCount() const {
        size_t n = 0;
        for (const std::string& name : tree.Names()) n += name.ends_with(".thm");
        return n;
    }

    test_support::TempTree tree;
};
}  // namespace

TEST_F(Thumbs, MissingOnesMadePhaseBesideAPhasesFileOtherPicturesSqueezed) {
    EXPECT_EQ(tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 75, 1), 0);
    EXPECT_EQ(tree.Read("a.thm"), "kept");
    const Written b = Thm("b"), c = Thm("c");
    EXPECT_EQ(std::make_tuple(b.Size(), b.At(50, 0), b.At(50, 37)), std::make_tuple(Size(100, 75), RED, GREEN));
    EXPECT_EQ(std::make_tuple(c.Size(), c.At(5, 25), c.At(95, 25)), std::make_tuple(Size(100, 50), RED, GREEN));
    EXPECT_EQ(Thm(ACCENTED).Size(), Size(100, 75));

    unlink(tree.Host("b.thm").c_str());  // deleting a thumbnail has it made again
    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 100, 2);
    const Written band = Thm("b");
    ASSERT_EQ(band.Size(), Size(100, 50));  // rows 25 to 74 of 100
    for (int y = 0; y < 50; ++y) EXPECT_EQ(band.At(50, y), GREEN) << y;
    EXPECT_EQ(Thm("c").Size(), Size(100, 50));  // existing ones untouched

    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 100, 7);
    EXPECT_TRUE(LogHas({"TF_DBMP_w(", "Nekorektny mod [7]"}));
}

TEST_F(Thumbs, MissingFolderVanishedPictureAndFailedWritesLeaveNoThumbnail) {
    tf_BMP_Vytvor__bmp2thm((Dir() + "\\gone").c_str(), 100, 75, 1);
    EXPECT_TRUE(LogHas({"TLFW ERROR:  [tf_BMP - adresar neexistuje]"}));
    EXPECT_TRUE(LogHas({"adresar: [", "gone]"}));
    ASSERT_EQ(symlink(tree.Host("nowhere.bmp").c_str(), tree.Host("d.bmp").c_str()), 0);  // listed, not readable
    plat_SetWriteFailure(true);
    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 75, 1);
    plat_SetWriteFailure(false);
    EXPECT_TRUE(LogHas({plat_W1250(u8"Chyba pri otvaraní suboru")}));
    EXPECT_TRUE(LogHas({"obrazok sa nenahral"}));
    plat_SetWriteLimit(100);  // a full disk
    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 75, 1);
    plat_SetWriteLimit(-1);
    EXPECT_EQ(ThmCount(), 1u);
    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 75, 1);
    EXPECT_EQ(ThmCount(), 4u);
}

TEST_F(Thumbs, ListingGivesNamesOrPathsWithinItsRoom) {
    char* mena[4] = {};
    int posledny = 7;
    tf_BMP_Zisti_Vytvor__bmp2thm(Dir().c_str(), false, dd, 100, 75, mena, 4, &posledny);
    ASSERT_EQ(posledny, 3);
    EXPECT_EQ(std::string(mena[1]) + mena[3], "b" + plat_Cp1250FromUtf8(ACCENTED.c_str()));
    EXPECT_EQ(Thm("c").Size(), Size(100, 75));  // squeezed in spite of its phases file
    for (char*& m : mena) free(std::exchange(m, nullptr));
    unlink(tree.Host("c.thm").c_str());
    tf_BMP_Zisti_Vytvor__bmp2thm_s3C(Dir().c_str(), true, dd, 100, 100, mena, 2, &posledny);
    EXPECT_EQ(std::make_tuple(posledny, std::string(mena[1]), mena[2]), std::make_tuple(1, Dir() + "\\b.bmp", nullptr));
    EXPECT_TRUE(LogHas({"Doslo k chybe pri nacitani BMP suborov [X]"}));
    EXPECT_TRUE(tree.Read("c.thm").empty());  // beyond the room: not made
    for (char*& m : mena) free(m);
}
