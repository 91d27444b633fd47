// The page registry: the object limit, copies, bad indices; the page file and the actors'
// phases files, whole, broken or endless.
#include "tests/book/book_fixture.h"

using namespace book_test;

using Registry = PageTest;

TEST_F(Registry, SixtyFromTheListsButCopiesAlwaysAndBadIndicesDoNothing) {
    ODSTRAN_OBJEKT(0);  // empty: nothing at all
    for (int i = 0; i < 61; ++i) PRIDAJ_KULISU(strom.c_str(), i, 0, 1, 2);
    PRIDAJ_HERCA(pes.c_str(), 5, 5, 1, 2, 0);
    EXPECT_EQ(REG.count, 60);
    CHerec* from = Obj(7);
    std::tie(from->vx, from->phase_delay, from->phase_countdown, from->fx) = std::tuple(-3.5, 4, 3, 7.5);
    KOPIRUJ_OBJEKT(7);
    ASSERT_EQ(REG.count, 61);
    CHerec* copy = Obj(60);
    EXPECT_EQ(std::tuple(copy->x, copy->y, copy->fx, copy->vx, copy->phase_delay, copy->phase_countdown),
              std::tuple(57, 50, 57.5, -3.5, 4, 0));
    test_support::AssertCounter asserts;
    ODSTRAN_OBJEKT(61);
    ODSTRAN_OBJEKT(-1);
    KOPIRUJ_OBJEKT(61);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "assert: index mimo rozsah"}));
    EXPECT_EQ(std::tuple(REG.count, dirty, asserts.count()), std::tuple(61, false, 0));  // the program goes on
}

TEST_F(Registry, DefaultsUnknownNamesAndEmptyOrMissingFiles) {
    ASSERT_TRUE(RELOAD_REG(PageFile("k strom 10 20\nh pes 10 20 2 0\nk strom 1 2 3 2 64\nh pes 1 2 3 2 64\n"
                                    "k strom 0x10 010 5 2\nh pes 7 8 9abc 1\nk jablko 1 2 1 1 0\nh strom 1 2 1 1 0\n"
                                    "x strom 1 2\n strom 1 2\nk\n\n\r\np hory 9\n")
                               .c_str()));
    std::vector<std::array<int, 6>> all;  // kind, x, y, motion, edge, delay
    for (int i = 0; i < REG.count; ++i)
        all.push_back({Obj(i)->eui(), Obj(i)->x, Obj(i)->y, Obj(i)->motion, Obj(i)->edge, Obj(i)->phase_delay});
    EXPECT_EQ(all, (std::vector<std::array<int, 6>>{{1, 10, 20, 1, 1, 0}, {2, 10, 20, 4, 1, 0},
                                                    {1, 1, 2, 3, 2, 0},  // no prop delay
                                                    {2, 1, 2, 3, 2, 64}, {1, 16, 8, 5, 2, 0}, {2, 7, 8, 4, 1, 0}}));
    EXPECT_TRUE(!background_path && background_mode == 4);  // 9 is no mode
    EXPECT_TRUE(LogHas({"obrazok v knihe nie je", "jablko"}) && LogHas({"obrazok v knihe nie je", "hory"}));
    ASSERT_TRUE(RELOAD_REG(PageFile("").c_str()));
    EXPECT_TRUE(!background_path && !background.lpDDS);
    PRIDAJ_KULISU(strom.c_str(), 1, 1, 1, 1);  // an unreadable page shows empty, not the page before
    EXPECT_FALSE(RELOAD_REG(tree.Path("7.str").c_str()));
    EXPECT_EQ(std::pair(REG.count, dirty), std::pair(0, false));
}

TEST_F(Registry, JunkOverlongLinesAndHugeNumbersNeitherCrashNorOverfill) {
    std::string junk;
    for (unsigned i = 0, state = 7; i < 20000; ++i) junk += char((state = state * 1103515245u + 12345u) >> 23);
    junk += "\nk strom 3 4 1 1 0" + std::string(382, ' ') + "\r\nk strom 5 6 1 1 0" + std::string(383, ' ') +
            "\nk " + std::string(228, 'a') + " 1 1\nh pes 99999999999999999999 -99999999999 3 1 999999\n";
    ASSERT_TRUE(RELOAD_REG(PageFile(junk).c_str()));
    EXPECT_TRUE(LogHas({"riadok dlhsi ako 399 znakov"}));
    CHerec* far = Obj(REG.count - 1);
    EXPECT_EQ(std::tuple(Obj(REG.count - 2)->x, Obj(REG.count - 2)->y, far->phase_delay), std::tuple(3, 4, 128));
    running = true;
    TIK_ANIMACIE();  // far-off objects bounce back on screen, without overflow
    EXPECT_EQ(std::pair(far->x, far->y), std::pair(W - 9, 0));
}

TEST_F(Registry, PhasesComeInOrderBadLinesAreSkippedAndWithoutAFileTheWholePicture) {
    PRIDAJ_HERCA(pes.c_str(), 0, 0, 1, 1, 0);  // "3 3", "0xc 3", "024 3"
    EXPECT_EQ(std::tuple(Obj(0)->PocetFaz(), Phase(Obj(0), 2).x1, Phase(Obj(0), 2).y2), std::tuple(3, 19, 9));
    tree.File("pes.faz", "abc\n20 5\n12\n500 5\n-1 3\n\n3 3 x\n" + std::string(500, '1') + "\n");
    CHerec other;
    other.srf = Obj(0)->srf;  // borrowed
    P_Load_Fazy(tree.Path("pes.faz").c_str(), &other);
    EXPECT_EQ(std::tuple(other.PocetFaz(), Phase(&other, 0).x1, Phase(&other, 1).x1), std::tuple(2, 19, 1));

    tree.File("pes.faz", "x y\n");  // nothing usable: the whole picture
    const std::string macka = Picture("macka.bmp", 30, 20);
    VYMAZ_REG();
    for (const std::string& p : {pes, macka}) PRIDAJ_HERCA(p.c_str(), 0, 0, 1, 1, 0);
    const tf_TFAZA whole = Phase(Obj(1), 0);
    EXPECT_EQ(std::tuple(Obj(1)->PocetFaz(), whole.x1, whole.y1, whole.x2, whole.y2), std::tuple(1, 1, 1, 29, 19));
    EXPECT_EQ(std::pair(Obj(0)->PocetFaz(), Phase(Obj(0), 0).x2), std::pair(1, 27));
}

TEST_F(Registry, PhasesAndPageFilesWithoutEndAreReadOnlySoFarAndActorsShareOnePhaseList) {
    std::string phases, page;
    for (int i = 0; i < 20000; ++i) phases += "3 3\n";
    tree.File("pes.faz", phases);
    for (int i = 0; i < 1100; ++i) page += i == 1050 ? "p les 4\n" : "h pes " + std::to_string(i) + " 5 3 1 0\n";
    ASSERT_TRUE(RELOAD_REG(PageFile(page).c_str()));
    EXPECT_TRUE(LogHas({"P_Load_Fazy: Chyba, viac ako 256 faz"}) && LogHas({"RELOAD_REG: Chyba, subor dlhsi ako 1024"}));
    EXPECT_EQ(std::tuple(REG.count, Obj(0)->PocetFaz(), background_path), std::tuple(60, 256, nullptr));
    for (int i = 1; i < REG.count; ++i) ASSERT_EQ(Obj(i)->Faza(255), Obj(0)->Faza(255)) << i;  // one list
    ODSTRAN_OBJEKT(0);  // the list stays with the sharers, as the picture does
    EXPECT_EQ(std::tuple(Obj(0)->vlastni, Obj(0)->PocetFaz(), Phase(Obj(0), 255).x2), std::tuple(true, 256, 9));
}
