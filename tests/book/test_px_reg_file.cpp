// The page file and the actors' phases files: round trips, defaults, refusals and junk.
#include "platform/files.h"
#include "tests/book/book_fixture.h"

using book_test::Obj;
using book_test::Phase;
using test_support::LogHas;

namespace {
struct PageFiles : book_test::PageTest {
    void TearDown() override {
        plat_SetWriteFailure(false);
        plat_SetWriteLimit(-1);
        PageTest::TearDown();
    }
    // Kind, x, y, motion, edge, delay of every object.
    static std::vector<std::array<int, 6>> Objects() {
        std::vector<std::array<int, 6>> all;
        for (int i = 0; i < REG.count; ++i)
            all.push_back({Obj(i)->eui(), Obj(i)->x, Obj(i)->y, Obj(i)->motion, Obj(i)->edge, Obj(i)->phase_delay});
        return all;
    }
};
using Phases = book_test::PageTest;
}  // namespace

TEST_F(PageFiles, SavedPageComesBackWithPlacesMotionsEdgesDelaysAndBackground) {
    background_path = strdup(tree.Path("les.bmp").c_str());
    background_mode = PX_BG_TILE;
    PRIDAJ_KULISU(strom.c_str(), 120, 300, 6, 1);
    PRIDAJ_HERCA(pes.c_str(), 400, 380, 3, 1, 2);
    PRIDAJ_HERCA(pes.c_str(), -15, 7, 5, 2, 128);
    const auto before = Objects();
    const std::string path = tree.Path("1.str");
    ASSERT_TRUE(SAVE_REG(path.c_str()));
    EXPECT_EQ(tree.Read("1.str"), "p les 5\nk strom 120 300 6 1 0\nh pes 400 380 3 1 2\nh pes -15 7 5 2 128\n");
    EXPECT_EQ(tree.Names().size(), 5u);  // no temporary file left
    EXPECT_TRUE(LogHas({"SAVE_REG BEG"}) && LogHas({"Das->eui", "[2]"}) && LogHas({"SAVE_REG END"}));

    VYMAZ_REG();
    free(background_path);
    background_path = nullptr;
    background_mode = PX_BG_SIMPLE;
    ASSERT_TRUE(RELOAD_REG(path.c_str()));
    EXPECT_EQ(Objects(), before);
    EXPECT_EQ(Obj(2)->srf, Obj(1)->srf);
    EXPECT_STREQ(background_path, tree.Path("les.bmp").c_str());
    EXPECT_EQ(std::pair(background_mode, background.sir), std::pair(int(PX_BG_TILE), 40));  // the stored mode applies
    EXPECT_TRUE(LogHas({"  [p]", "les.bmp"}) && LogHas({"    p-OK"}) && LogHas({"   h-OK"}));
    EXPECT_TRUE(LogHas({"RELOAD_REG: riadok", "k strom 120 300 6 1 0"}));
}

TEST_F(PageFiles, MissingNumbersTakeTheKindsDefaultsAndAPropsDelayIsNotRead) {
    ASSERT_TRUE(RELOAD_REG(PageFile("k strom 10 20\nh pes 10 20 2 0\nk strom 5 6 3 0\nk strom 1 2 3 2 64\n"
                                    "h pes 1 2 3 2 64\nk strom 0x10 010 5 2\nh pes 7 8 9abc 1\n")
                               .c_str()));
    EXPECT_EQ(Objects(), (std::vector<std::array<int, 6>>{{1, 10, 20, 1, 1, 0},
                                                          {2, 10, 20, 4, 1, 0},
                                                          {1, 5, 6, 1, 1, 0},
                                                          {1, 1, 2, 3, 2, 0},
                                                          {2, 1, 2, 3, 2, 64},
                                                          {1, 16, 8, 5, 2, 0},
                                                          {2, 7, 8, 4, 1, 0}}));
}

TEST_F(PageFiles, UnknownNamesKindsAndModesAddNothing) {
    background_mode = PX_BG_CENTER;
    ASSERT_TRUE(RELOAD_REG(PageFile("k jablko 1 2 1 1 0\nh strom 1 2 1 1 0\nx strom 1 2 1 1 0\n? pes 1 2 1 1 0\n"
                                    " k strom 1 2 1 1 0\nk\np hory 9\n\n\r\n")
                               .c_str()));
    EXPECT_EQ(std::tuple(REG.count, background_path, background_mode), std::tuple(0, nullptr, int(PX_BG_CENTER)));
}

TEST_F(PageFiles, EmptyBackgroundOnlyAndMissingFiles) {
    PRIDAJ_KULISU(strom.c_str(), 1, 1, 1, 1);
    background_path = strdup(tree.Path("les.bmp").c_str());
    PRIPRAV_POZADIE(true);
    ASSERT_TRUE(RELOAD_REG(PageFile("").c_str()));
    EXPECT_EQ(std::tuple(REG.count, background_path, background.lpDDS), std::tuple(0, nullptr, nullptr));

    ASSERT_TRUE(RELOAD_REG(PageFile("p les 3\n").c_str()));
    EXPECT_EQ(std::tuple(REG.count, background_mode), std::tuple(0, int(PX_BG_CENTER)));
    EXPECT_TRUE(background_path && background.lpDDS);

    // An unreadable page shows empty, not with the objects of the page before.
    PRIDAJ_KULISU(strom.c_str(), 1, 1, 1, 1);
    EXPECT_FALSE(RELOAD_REG(tree.Path("7.str").c_str()));
    EXPECT_TRUE(LogHas({"RELOAD_REG: Chyba, subor strany neexistuje", "7.str"}));
    EXPECT_EQ(std::tuple(REG.count, background_path, dirty), std::tuple(0, nullptr, false));
}

TEST_F(PageFiles, AFailedSaveLeavesTheOldPageWhole) {
    const std::string path = PageFile("k strom 1 2 1 1 0\n");
    PRIDAJ_HERCA(pes.c_str(), 400, 380, 3, 1, 2);
    for (bool full_disk : {false, true}) {
        full_disk ? plat_SetWriteLimit(8) : plat_SetWriteFailure(true);
        EXPECT_FALSE(SAVE_REG(path.c_str()));
        plat_SetWriteFailure(false);
        plat_SetWriteLimit(-1);
        EXPECT_EQ(tree.Read("1.str"), "k strom 1 2 1 1 0\n");
        EXPECT_EQ(tree.Names().size(), 5u) << "a temporary file was left";
        EXPECT_TRUE(LogHas({"TLFW ERROR: ", "SAVE_REG"}));
    }
    EXPECT_FALSE(SAVE_REG(tree.Path("chyba/1.str").c_str()));  // no such folder
    EXPECT_TRUE(SAVE_REG(path.c_str()));
    EXPECT_EQ(tree.Read("1.str"), "h pes 400 380 3 1 2\n");
}

TEST_F(PageFiles, OverlongLinesAndNamesAreSkippedAndNumbersKeptInRange) {
    const std::string fits = "k strom 3 4 1 1 0" + std::string(399 - 17, ' ') + "\r\n";
    const std::string too_long = "k strom 5 6 1 1 0" + std::string(400 - 17, ' ') + "\n";
    ASSERT_TRUE(RELOAD_REG(PageFile(fits + too_long + "k " + std::string(228, 'a') + " 1 1\n" +
                                    "h pes 99999999999999999999 -99999999999 3 1 999999\nh pes 0x7fffffff 1 1 1 -5\n")
                               .c_str()));
    ASSERT_EQ(REG.count, 3);
    EXPECT_EQ(std::tuple(Obj(0)->x, Obj(0)->y, Obj(1)->phase_delay, Obj(2)->phase_delay), std::tuple(3, 4, 128, 0));
    EXPECT_TRUE(LogHas({"riadok dlhsi ako 399 znakov"}) && LogHas({"prilis dlhy nazov", "[228]"}));
    // Far-off objects come back on screen and bounce there, without overflow.
    running = true;
    TIK_ANIMACIE();
    EXPECT_EQ(std::tuple(Obj(1)->x, Obj(1)->y, Obj(2)->x), std::tuple(W - 9, 0, W - 9));
}

TEST_F(PageFiles, JunkAndHugeFilesNeitherCrashNorOverfill) {
    std::string junk;
    for (unsigned i = 0, state = 7; i < 20000; ++i)
        junk += static_cast<char>((state = state * 1103515245u + 12345u) >> 23);
    ASSERT_TRUE(RELOAD_REG(PageFile(junk + "\nh pes 1 1 1 1 1\n").c_str()));
    EXPECT_GE(REG.count, 1);
    std::string many;
    for (int i = 0; i < 10000; ++i) many += "h pes " + std::to_string(i) + " 5 3 1 0\n";
    ASSERT_TRUE(RELOAD_REG(PageFile(many).c_str()));
    EXPECT_EQ(std::pair(REG.count, Obj(59)->x), std::pair(int(PX_MAX_OBJECTS), 59));
}

TEST_F(Phases, LinesGivePhasesInFileOrderAndAMissingFileTheWholePicture) {
    PRIDAJ_HERCA(pes.c_str(), 0, 0, 1, 1, 0);  // "3 3", "0xc 3", "024 3"
    CHerec* o = Obj(0);
    ASSERT_EQ(o->fazy.count, 3);
    EXPECT_TRUE(LogHas({"P_Load_Fazy: Nacitavam zo subora:", "pes.faz"}));
    EXPECT_TRUE(LogHas({"P_Load_Fazy - faza", "[2] [12] [3]"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(std::tuple(Phase(o, i).x1, Phase(o, i).y1, Phase(o, i).x2, Phase(o, i).y2),
                  std::tuple(1 + 9 * i, 1, 9 + 9 * i, 9));
    tree.File("pes.faz", "20 5\n12 5\n3 5\n");
    CHerec other;
    other.srf = o->srf;  // borrowed
    P_Load_Fazy(tree.Path("pes.faz").c_str(), &other);
    EXPECT_EQ(std::tuple(other.fazy.count, Phase(&other, 0).x1, Phase(&other, 2).x1), std::tuple(3, 19, 1));

    const std::string macka = Picture("macka.bmp", 30, 20, [](int, int) { return 0x808080u; });
    PRIDAJ_HERCA(macka.c_str(), 0, 0, 1, 1, 0);
    EXPECT_TRUE(LogHas({"P_Load_Fazy: Subor neexistuje => EVIDUJ_CS()", "macka.faz"}));
    ASSERT_EQ(Obj(1)->fazy.count, 1);
    EXPECT_EQ(std::tuple(Phase(Obj(1), 0).x1, Phase(Obj(1), 0).y1, Phase(Obj(1), 0).x2, Phase(Obj(1), 0).y2),
              std::tuple(1, 1, 29, 19));
    P_Load_Fazy(macka.c_str(), nullptr);
}

TEST_F(Phases, BadLinesAndPointsOutsideThePictureAddNoPhase) {
    tree.File("pes.faz", "abc\n12\n3 3\n500 5\n-1 3\n\n20 3 extra\n" + std::string(500, '1') + "\n");
    PRIDAJ_HERCA(pes.c_str(), 0, 0, 1, 1, 0);
    ASSERT_EQ(Obj(0)->fazy.count, 2);
    EXPECT_EQ(std::pair(Phase(Obj(0), 0).x1, Phase(Obj(0), 1).x1), std::pair(1, 19));
    for (const char* line : {"[1]", "[2]", "[6]", "[8]"}) EXPECT_TRUE(LogHas({"riadok bez dvoch cisel", line})) << line;
    EXPECT_TRUE(LogHas({"bod mimo obrazka", "[500] [5]"}) && LogHas({"bod mimo obrazka", "[-1] [3]"}));
    // Nothing usable still leaves the actor drawable: the whole picture.
    tree.File("pes.faz", "x y\n");
    VYMAZ_REG();
    PRIDAJ_HERCA(pes.c_str(), 0, 0, 1, 1, 0);
    EXPECT_EQ(std::pair(Obj(0)->fazy.count, Phase(Obj(0), 0).x2), std::pair(1, 27));
}
