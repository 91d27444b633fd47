#include <unistd.h>

#include <cstdlib>
#include <string>

#include "framework/surface/tf_dbmp.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "tests/framework/surface/dbmp_fixture.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

using namespace srf_test;
using dbmp_test::ReadWritten;
using dbmp_test::Written;
using test_support::LogHas;

namespace {
const COLORREF RED = RGB(255, 0, 0), GREEN = RGB(0, 255, 0);
const std::string ACCENTED = reinterpret_cast<const char*>(u8"žltý kôň");

std::string Bytes(const Rows& rows) {
    const std::vector<unsigned char> v = Bmp(rows);
    return {v.begin(), v.end()};
}

// A sprite sheet: black border lines round a 20 x 10 phase (red left half, green right)
// that contains the point (10, 10).
Rows Sheet() {
    Rows sheet(20, std::string(30, 'k'));
    for (int y = 6; y < 16; ++y)
        for (int x = 3; x < 23; ++x) sheet[y][x] = x < 13 ? 'r' : 'g';
    return sheet;
}

class Thumbs : public SurfaceTest {
protected:
    void SetUp() override {
        SurfaceTest::SetUp();
        tree.File("a.bmp", Bytes({"rg"}));
        tree.File("a.thm", "kept");
        tree.File("b.bmp", Bytes(Rows(20, std::string(20, 'r') + std::string(20, 'g'))));
        tree.File("c.bmp", Bytes(Sheet()));
        tree.File("c.faz", "10 10\n");
        tree.File(ACCENTED + ".bmp", Bytes({"gg", "gg"}));
    }
    std::string Dir() const { return plat_Cp1250FromUtf8(tree.Path().c_str()); }
    Written Thm(const std::string& base) const { return ReadWritten(tree.Host(base + ".thm")); }
    std::vector<std::string> ThmNames() const {
        std::vector<std::string> out;
        for (const std::string& n : tree.Names())
            if (n.size() > 4 && n.compare(n.size() - 4, 4, ".thm") == 0) out.push_back(n);
        return out;
    }

    test_support::TempTree tree;
};
}  // namespace

TEST_F(Thumbs, MadeOnlyWhenMissingPhaseBesideAPhasesFileElseSqueezed) {
    EXPECT_EQ(tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 75, 1), 0);
    EXPECT_EQ(tree.Read("a.thm"), "kept");
    const Written b = Thm("b");
    ASSERT_EQ(std::make_pair(b.W(), b.H()), std::make_pair(100, 75));  // 2:1 squeezed into the box
    EXPECT_EQ(std::make_pair(b.At(10, 70), b.At(90, 5)), std::make_pair(RED, GREEN));
    const Written c = Thm("c");
    ASSERT_EQ(std::make_pair(c.W(), c.H()), std::make_pair(100, 50));  // the 20 x 10 phase, fitted
    EXPECT_EQ(std::make_pair(c.At(5, 25), c.At(95, 25)), std::make_pair(RED, GREEN));
    EXPECT_EQ(Thm(ACCENTED).W(), 100);
    EXPECT_EQ(ThmNames(), (std::vector<std::string>{"a.thm", "b.thm", "c.thm", ACCENTED + ".thm"}));

    unlink(tree.Host("b.thm").c_str());  // deleting a thumbnail has it made again
    tree.File("c.thm", "old");
    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 50, 50, 1);
    EXPECT_EQ(Thm("b").W(), 50);
    EXPECT_EQ(tree.Read("c.thm"), "old");
}

TEST_F(Thumbs, BandModeAndUnknownMode) {
    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 100, 7);
    EXPECT_TRUE(LogHas({"TF_DBMP_w(", "Nekorektny mod [7]"}));
    EXPECT_EQ(ThmNames(), std::vector<std::string>{"a.thm"});
    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 100, 2);
    const Written b = Thm("b");
    EXPECT_EQ(std::make_pair(b.W(), b.H()), std::make_pair(100, 50));  // rows 25 to 74
    EXPECT_EQ(Thm("c").H(), 50);  // a sprite sheet gets the band too
}

TEST_F(Thumbs, MissingFolderVanishedPictureAndUnwritableFolderAreLogged) {
    tf_BMP_Vytvor__bmp2thm((Dir() + "\\gone").c_str(), 100, 75, 1);
    EXPECT_TRUE(LogHas({"TLFW ERROR: tf_BMP - adresar neexistuje [", "gone]"}));

    ASSERT_EQ(symlink(tree.Host("nowhere.bmp").c_str(), tree.Host("d.bmp").c_str()), 0);  // listed, not readable
    plat_SetWriteFailure(true);
    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 75, 1);
    plat_SetWriteFailure(false);
    EXPECT_EQ(ThmNames(), std::vector<std::string>{"a.thm"});
    EXPECT_TRUE(LogHas({plat_W1250(u8"Chyba pri otvaraní suboru")}));
    EXPECT_TRUE(LogHas({"obrazok sa nenahral"}));

    plat_SetWriteLimit(100);  // a full disk: no thumbnail is left half-written
    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 75, 1);
    plat_SetWriteLimit(-1);
    EXPECT_EQ(ThmNames(), std::vector<std::string>{"a.thm"});
    tf_BMP_Vytvor__bmp2thm(Dir().c_str(), 100, 75, 1);
    EXPECT_EQ(ThmNames().size(), 4u);
}

TEST_F(Thumbs, ListingGivesNamesOrPathsWithinItsRoom) {
    char* mena[8] = {};
    int posledny = 7;
    auto release = [&] {
        for (char*& m : mena) {
            free(m);
            m = nullptr;
        }
    };
    EXPECT_EQ(tf_BMP_Zisti_Vytvor__bmp2thm(Dir().c_str(), false, dd, 100, 75, mena, 8, &posledny), 0);
    ASSERT_EQ(posledny, 3);
    EXPECT_EQ(std::string(mena[1]), "b");
    EXPECT_EQ(std::string(mena[3]), plat_Cp1250FromUtf8(ACCENTED.c_str()));
    EXPECT_EQ(Thm("c").H(), 75);  // this listing squeezes sprite sheets too
    EXPECT_EQ(tree.Read("a.thm"), "kept");
    release();

    unlink(tree.Host("c.thm").c_str());
    EXPECT_EQ(tf_BMP_Zisti_Vytvor__bmp2thm_s3C(Dir().c_str(), true, dd, 100, 100, mena, 2, &posledny), 0);
    ASSERT_EQ(posledny, 1);  // room for two: the rest left out, logged
    EXPECT_EQ(std::string(mena[1]), Dir() + "\\b.bmp");
    EXPECT_EQ(mena[2], nullptr);
    EXPECT_TRUE(LogHas({"malo miesta"}));
    EXPECT_TRUE(LogHas({"Doslo k chybe pri nacitani BMP suborov [X]"}));
    EXPECT_TRUE(tree.Read("c.thm").empty());  // beyond the room: not made
    release();

    tf_BMP_Zisti_Vytvor__bmp2thm(Dir().c_str(), false, dd, 100, 75, nullptr, 8, &posledny);
    EXPECT_EQ(posledny, -1);
    tf_BMP_Zisti_Vytvor__bmp2thm((Dir() + "\\gone").c_str(), false, dd, 100, 75, mena, 8, &posledny);
    EXPECT_EQ(std::make_pair(posledny, mena[0]), std::make_pair(-1, static_cast<char*>(nullptr)));
    EXPECT_TRUE(LogHas({"tf_BMP_Zisti_Vytvor__bmp2thm - chyba vstupu", "RETURN!"}));
}
