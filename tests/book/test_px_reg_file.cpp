// The page file and the actors' phases files: round trips, defaults, refusals and junk.
#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "tests/book/book_fixture.h"
#include "tests/support/test_support.h"

using book_test::Obj;
using test_support::LogHas;

namespace {
struct PageFiles : book_test::PageTest {
    void SetUp() override {
        PageTest::SetUp();
        StandardAssets();
        Picture("les.bmp", 40, 30, [](int x, int) { return x < 20 ? 0x102030u : 0x405060u; });
        Asset(pozadia, "les", "les.bmp");
    }
    void TearDown() override {
        plat_SetWriteFailure(false);
        plat_SetWriteLimit(-1);
        PageTest::TearDown();
    }
    struct Seen {
        int eui, x, y, motion, edge, delay;
        bool operator==(const Seen&) const = default;
    };
    static std::vector<Seen> Objects() {
        std::vector<Seen> all;
        for (int i = 0; i < REG.count; ++i) {
            CHerec* o = Obj(i);
            all.push_back({o->eui(), o->x, o->y, o->motion, o->edge, o->phase_delay});
        }
        return all;
    }
};
using Phases = book_test::PageTest;

tf_TFAZA Phase(CHerec* o, int i) { return *static_cast<tf_TFAZA*>(o->fazy.GET(i)); }
}  // namespace

TEST_F(PageFiles, SavedPageComesBackWithPlacesMotionsEdgesDelaysAndBackground) {
    background_path = strdup(tree.Path("les.bmp").c_str());
    background_mode = PX_BG_TILE;
    PRIDAJ_KULISU(strom.c_str(), 120, 300, 6, 1);
    PRIDAJ_HERCA(pes.c_str(), 400, 380, 3, 1, 2);
    PRIDAJ_HERCA(pes.c_str(), -15, 7, 5, 2, 128);
    const std::vector<Seen> before = Objects();
    const std::string path = tree.Path("1.str");
    ASSERT_TRUE(SAVE_REG(path.c_str()));
    EXPECT_EQ(tree.Read("1.str"), "p les 5\nk strom 120 300 6 1 0\nh pes 400 380 3 1 2\nh pes -15 7 5 2 128\n");
    EXPECT_EQ(tree.Names(), (std::vector<std::string>{"1.str", "les.bmp", "pes.bmp", "pes.faz", "strom.bmp"}));
    EXPECT_TRUE(LogHas({"SAVE_REG BEG"}) && LogHas({"Das->eui", "[2]"}) && LogHas({"SAVE_REG END"}));

    VYMAZ_REG();
    free(background_path);
    background_path = nullptr;
    background_mode = PX_BG_SIMPLE;
    ASSERT_TRUE(RELOAD_REG(path.c_str()));
    EXPECT_EQ(Objects(), before);
    EXPECT_STREQ(background_path, tree.Path("les.bmp").c_str());
    EXPECT_EQ(background_mode, int(PX_BG_TILE));  // the stored mode is applied
    EXPECT_EQ(background.sir, 40);
    EXPECT_TRUE(LogHas({"  [p]", "les.bmp"}) && LogHas({"    p-OK"}) && LogHas({"   h-OK"}));
    EXPECT_TRUE(LogHas({"RELOAD_REG: riadok", "k strom 120 300 6 1 0"}));
    EXPECT_EQ(Obj(2)->srf, Obj(1)->srf);  // shared again
}

TEST_F(PageFiles, MissingNumbersTakeTheKindsDefaultsAndAPropsDelayIsNotRead) {
    const std::string path = PageFile(
        "k strom 10 20\n"
        "h pes 10 20 2 0\n"
        "k strom 1 2 3 2 64\n"
        "h pes 1 2 3 2 64\n"
        "k strom 0x10 010 5 2\n"
        "h pes 7 8 9abc 1\n"
        "k strom 5 6 3 0\n");
    ASSERT_TRUE(RELOAD_REG(path.c_str()));
    EXPECT_EQ(Objects(), (std::vector<Seen>{{1, 10, 20, 1, 1, 0},
                                            {2, 10, 20, 4, 1, 0},
                                            {1, 1, 2, 3, 2, 0},
                                            {2, 1, 2, 3, 2, 64},
                                            {1, 16, 8, 5, 2, 0},
                                            {2, 7, 8, 4, 1, 0},
                                            {1, 5, 6, 1, 1, 0}}));
    EXPECT_EQ(background_path, nullptr);
}

TEST_F(PageFiles, UnknownNamesAndKindsAddNothing) {
    background_mode = PX_BG_CENTER;
    const std::string path = PageFile(
        "k jablko 1 2 1 1 0\n"
        "h strom 1 2 1 1 0\n"  // a prop's name among the actors
        "x strom 1 2 1 1 0\n"
        "? pes 1 2 1 1 0\n"
        " k strom 1 2 1 1 0\n"
        "k\n"
        "p hory 9\n"
        "\n\r\n");
    ASSERT_TRUE(RELOAD_REG(path.c_str()));
    EXPECT_EQ(REG.count, 0);
    EXPECT_EQ(background_path, nullptr);
    EXPECT_EQ(background_mode, int(PX_BG_CENTER));  // 9 is no mode
}

TEST_F(PageFiles, EmptyAndBackgroundOnlyFilesAndAMissingFile) {
    PRIDAJ_KULISU(strom.c_str(), 1, 1, 1, 1);
    background_path = strdup(tree.Path("les.bmp").c_str());
    PRIPRAV_POZADIE(true);
    ASSERT_TRUE(RELOAD_REG(PageFile("").c_str()));
    EXPECT_EQ(REG.count, 0);
    EXPECT_EQ(background_path, nullptr);
    EXPECT_EQ(background.lpDDS, nullptr);

    ASSERT_TRUE(RELOAD_REG(PageFile("p les 3\n").c_str()));
    EXPECT_EQ(REG.count, 0);
    EXPECT_STREQ(background_path, tree.Path("les.bmp").c_str());
    EXPECT_NE(background.lpDDS, nullptr);
    EXPECT_EQ(background_mode, int(PX_BG_CENTER));

    // An unreadable page shows empty, not with the objects of the page before.
    PRIDAJ_KULISU(strom.c_str(), 1, 1, 1, 1);
    const std::string missing = tree.Path("7.str");
    EXPECT_FALSE(RELOAD_REG(missing.c_str()));
    EXPECT_TRUE(LogHas({"RELOAD_REG: Chyba, subor strany neexistuje", "7.str"}));
    EXPECT_EQ(REG.count, 0);
    EXPECT_EQ(background_path, nullptr);
    EXPECT_FALSE(dirty);
}

TEST_F(PageFiles, AFailedSaveLeavesTheOldPageWhole) {
    const std::string path = PageFile("k strom 1 2 1 1 0\n");
    PRIDAJ_HERCA(pes.c_str(), 400, 380, 3, 1, 2);
    for (bool full_disk : {false, true}) {
        if (full_disk)
            plat_SetWriteLimit(8);
        else
            plat_SetWriteFailure(true);
        EXPECT_FALSE(SAVE_REG(path.c_str())) << full_disk;
        plat_SetWriteFailure(false);
        plat_SetWriteLimit(-1);
        EXPECT_EQ(tree.Read("1.str"), "k strom 1 2 1 1 0\n");
        EXPECT_EQ(tree.Names().size(), 5u) << "no temporary file is left";
        EXPECT_TRUE(LogHas({"TLFW ERROR: ", "SAVE_REG"}));
    }
    EXPECT_TRUE(SAVE_REG(path.c_str()));
    EXPECT_EQ(tree.Read("1.str"), "h pes 400 380 3 1 2\n");
    EXPECT_FALSE(SAVE_REG(tree.Path("chyba/1.str").c_str()));  // no such folder
}

TEST_F(PageFiles, OverlongLinesAndNamesAreSkippedAndNumbersKeptInRange) {
    const std::string fits = "k strom 3 4 1 1 0" + std::string(399 - 17, ' ');
    const std::string too_long = "k strom 5 6 1 1 0" + std::string(400 - 17, ' ');
    const std::string path = PageFile(fits + "\r\n" + too_long + "\n" + "k " + std::string(228, 'a') + " 1 1\n" +
                                      "h pes 99999999999999999999 -99999999999 3 1 999999\n" +
                                      "h pes 0x7fffffff 1 1 1 -5\n");
    ASSERT_TRUE(RELOAD_REG(path.c_str()));
    ASSERT_EQ(REG.count, 3);
    EXPECT_EQ(std::pair(Obj(0)->x, Obj(0)->y), std::pair(3, 4));
    EXPECT_TRUE(LogHas({"riadok dlhsi ako 399 znakov"}));
    EXPECT_TRUE(LogHas({"prilis dlhy nazov", "[228]"}));
    EXPECT_EQ(std::pair(Obj(1)->phase_delay, Obj(2)->phase_delay), std::pair(128, 0));

    // Far-off objects come back on screen and bounce there, without overflow.
    running = true;
    TIK_ANIMACIE();
    EXPECT_EQ(std::pair(Obj(1)->x, Obj(1)->y), std::pair(W - Obj(1)->AktSIR(), 0));
    EXPECT_EQ(Obj(2)->x, W - Obj(2)->AktSIR());
    ZOBRAZ_STRANU(back);
}

TEST_F(PageFiles, JunkAndHugeFilesNeitherCrashNorOverfill) {
    std::string junk;
    unsigned state = 7;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        junk += static_cast<char>(state >> 23);
    }
    junk += "\nh pes 1 1 1 1 1\n";
    ASSERT_TRUE(RELOAD_REG(PageFile(junk).c_str()));
    EXPECT_GE(REG.count, 1);

    std::string many;
    for (int i = 0; i < 10000; ++i) many += "h pes " + std::to_string(i) + " 5 3 1 0\n";
    ASSERT_TRUE(RELOAD_REG(PageFile(many).c_str()));
    ASSERT_EQ(REG.count, int(PX_MAX_OBJECTS));
    EXPECT_EQ(Obj(59)->x, 59);
    ZOBRAZ_STRANU(back);
}

TEST_F(Phases, ThreeLinesGiveThreePhasesInFileOrder) {
    StandardAssets();
    PRIDAJ_HERCA(pes.c_str(), 0, 0, 1, 1, 0);
    CHerec* o = Obj(0);
    ASSERT_EQ(o->fazy.count, 3);
    EXPECT_TRUE(LogHas({"P_Load_Fazy: Nacitavam zo subora:", "pes.faz"}));
    EXPECT_TRUE(LogHas({"P_Load_Fazy - faza", "[2] [12] [3]"}));
    const int firsts[] = {1, 10, 19};
    for (int i = 0; i < 3; ++i) {
        const tf_TFAZA f = Phase(o, i);
        EXPECT_EQ(std::tuple(f.x1, f.y1, f.x2, f.y2), std::tuple(firsts[i], 1, firsts[i] + 8, 9)) << i;
    }

    // Reversed in the file, reversed on the actor.
    tree.File("pes.faz", "20 5\n12 5\n3 5\n");
    CHerec other;
    other.srf = o->srf;
    P_Load_Fazy(tree.Path("pes.faz").c_str(), &other);
    ASSERT_EQ(other.fazy.count, 3);
    EXPECT_EQ(std::tuple(Phase(&other, 0).x1, Phase(&other, 2).x1), std::tuple(19, 1));
    other.srf = nullptr;
}

TEST_F(Phases, AMissingFileGivesTheWholePictureLessItsFrame) {
    const std::string path = Picture("macka.bmp", 30, 20, [](int, int) { return 0x808080u; });
    PRIDAJ_HERCA(path.c_str(), 0, 0, 1, 1, 0);
    CHerec* o = Obj(0);
    EXPECT_TRUE(LogHas({"P_Load_Fazy: Subor neexistuje => EVIDUJ_CS()", "macka.faz"}));
    ASSERT_EQ(o->fazy.count, 1);
    const tf_TFAZA f = Phase(o, 0);
    EXPECT_EQ(std::tuple(f.x1, f.y1, f.x2, f.y2), std::tuple(1, 1, 29, 19));
    P_Load_Fazy(path.c_str(), nullptr);  // no object: nothing
}

TEST_F(Phases, BadLinesAndPointsOutsideThePictureAddNoPhase) {
    StandardAssets();
    tree.File("pes.faz", "abc\n12\n3 3\n500 5\n-1 3\n\n20 3 extra\n" + std::string(500, '1') + "\n");
    PRIDAJ_HERCA(pes.c_str(), 0, 0, 1, 1, 0);
    CHerec* o = Obj(0);
    ASSERT_EQ(o->fazy.count, 2);
    EXPECT_EQ(std::pair(Phase(o, 0).x1, Phase(o, 1).x1), std::pair(1, 19));
    EXPECT_TRUE(LogHas({"riadok bez dvoch cisel", "[1]"}));
    EXPECT_TRUE(LogHas({"riadok bez dvoch cisel", "[2]"}));
    EXPECT_TRUE(LogHas({"riadok bez dvoch cisel", "[6]"}));
    EXPECT_TRUE(LogHas({"riadok bez dvoch cisel", "[8]"}));
    EXPECT_TRUE(LogHas({"bod mimo obrazka", "[500] [5]"}));
    EXPECT_TRUE(LogHas({"bod mimo obrazka", "[-1] [3]"}));

    // A file of nothing usable still leaves the actor drawable: the whole picture.
    tree.File("pes.faz", "x y\n");
    VYMAZ_REG();
    PRIDAJ_HERCA(pes.c_str(), 0, 0, 1, 1, 0);
    ASSERT_EQ(Obj(0)->fazy.count, 1);
    EXPECT_EQ(Phase(Obj(0), 0).x2, 27);
}
