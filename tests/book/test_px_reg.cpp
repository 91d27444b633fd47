// The page registry: shared pictures and their ownership, the object limit, copies, removal.
#include "tests/book/book_fixture.h"

using book_test::Obj;
using book_test::Phase;
using test_support::LogHas;
using Registry = book_test::PageTest;

TEST_F(Registry, ObjectsOfOnePictureShareItsSurfaceAndPhases) {
    PRIDAJ_HERCA(pes.c_str(), 10, 20, 3, 1, 2);
    PRIDAJ_HERCA(pes.c_str(), 100, 20, 3, 1, 0);
    PRIDAJ_KULISU(pes.c_str(), 10, 60, 1, 2);  // a prop of the same picture is no sharer
    EXPECT_TRUE(LogHas({"Pridavam novy srf pre herca", "pes.bmp"}) && LogHas({"Zdielam srf pre herca", "pes.bmp"}) &&
                LogHas({"Pridavam novy srf pre kulisu", "pes.bmp"}) && LogHas({"cesta_faz", "pes.faz"}));
    CHerec *first = Obj(0), *second = Obj(1), *prop = Obj(2);
    EXPECT_TRUE(second->srf == first->srf && prop->srf != first->srf);
    EXPECT_EQ(std::tuple(first->vlastni, second->vlastni, prop->vlastni), std::tuple(true, false, true));
    EXPECT_EQ(std::tuple(second->fazy.count, Phase(second, 2).x1, prop->fazy.count), std::tuple(3, 19, 1));
    EXPECT_EQ(std::tuple(second->x, second->y, second->fx, second->fy, second->base_y),
              std::tuple(100, 20, 100.0, 20.0, 20));
    EXPECT_EQ(std::tuple(second->vx, second->vy, second->eui(), first->phase_delay), std::tuple(2.0, 2.0, 2, 2));
    // The transparent colour comes from (6, 6), the actor's border colour from (0, 0).
    EXPECT_EQ(std::pair(first->srf->TC, first->srf->BC), std::pair(Raw(first, 6, 6), Raw(first, 0, 0)));
}

TEST_F(Registry, RemovingTheOwnerPassesThePictureToTheFirstLaterSharer) {
    for (int x : {10, 30, 60, 90}) PRIDAJ_KULISU((x == 30 ? pes : strom).c_str(), x, 10, 6, 1);
    CHerec* heir = Obj(2);
    hovered = 1;
    setup_target = 3;
    ODSTRAN_OBJEKT(0);
    ASSERT_EQ(std::tuple(REG.count, Obj(1), dirty), std::tuple(3, heir, true));  // the rest moved up
    EXPECT_EQ(std::tuple(heir->vlastni, Obj(2)->vlastni), std::tuple(true, false));
    EXPECT_EQ(std::pair(hovered, setup_target), std::pair(0, 2));  // the editor's marks follow
    // The heir still draws the picture, and hands it on when it goes.
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(Px(60, 10), Raw(heir, 1, 1));
    ODSTRAN_OBJEKT(1);
    EXPECT_TRUE(Obj(1)->vlastni);
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(std::pair(Px(90, 10), Px(60, 10)), std::pair(Raw(Obj(1), 1, 1), FILL));
    ODSTRAN_POSLEDNY();
    EXPECT_EQ(std::tuple(REG.count, setup_target), std::tuple(1, -1));
}

TEST_F(Registry, SixtyObjectsAtMostFromTheListsButCopiesAlways) {
    for (int i = 0; i < 61; ++i) PRIDAJ_KULISU(strom.c_str(), i, 0, 1, 2);
    PRIDAJ_HERCA(pes.c_str(), 5, 5, 1, 2, 0);
    EXPECT_EQ(REG.count, 60);
    EXPECT_FALSE(LogHas({"pes.bmp"}));

    CHerec* from = Obj(7);
    from->vx = -3.5;
    from->turn = 0.1;
    from->turn_step = 0.01;
    from->phase_delay = 4;
    from->phase_countdown = 3;
    from->fx = 7.5;
    KOPIRUJ_OBJEKT(7);
    ASSERT_EQ(REG.count, 61);
    CHerec* copy = Obj(60);
    EXPECT_EQ(std::tuple(copy->x, copy->y, copy->fx, copy->fy, copy->base_y), std::tuple(57, 50, 57.5, 50.0, 50));
    EXPECT_EQ(std::tuple(copy->vx, copy->turn, copy->turn_step, copy->phase_delay, copy->phase_countdown),
              std::tuple(-3.5, 0.1, 0.0, 4, 0));
    EXPECT_EQ(std::tuple(copy->motion, copy->edge, copy->eui(), copy->srf, copy->vlastni, copy->fazy.count),
              std::tuple(1, 2, 1, from->srf, false, 1));
}

TEST_F(Registry, RemovalOutsideTheRegistryOnlyLogs) {
    test_support::AssertCounter asserts;
    ODSTRAN_OBJEKT(0);  // empty: nothing at all
    ODSTRAN_POSLEDNY();
    EXPECT_FALSE(LogHas({"index mimo rozsah"}) || dirty);
    PRIDAJ_KULISU(strom.c_str(), 0, 0, 1, 2);
    ODSTRAN_OBJEKT(1);
    ODSTRAN_OBJEKT(-1);
    KOPIRUJ_OBJEKT(3);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "assert: index mimo rozsah"}));
    EXPECT_EQ(std::tuple(REG.count, dirty, asserts.count()), std::tuple(1, false, 0));  // the program goes on
    dragged = 0;
    VYMAZ_REG();
    EXPECT_EQ(std::tuple(REG.count, dragged, dirty), std::tuple(0, -1, false));
}

TEST_F(Registry, ReportAndAMissingPicture) {
    const std::string missing = tree.Path("nic.bmp");
    PRIDAJ_KULISU(strom.c_str(), 0, 0, 1, 2);
    PRIDAJ_HERCA(missing.c_str(), 10, 10, 1, 2, 0);  // added all the same, drawing no picture
    REPORT_REG("F1 report");
    EXPECT_TRUE(LogHas({"REPORT_REG BEGIN", "F1 report"}) && LogHas({"REPORT_REG END", "F1 report"}));
    EXPECT_TRUE(LogHas({">>> Das->", "[0] [1] [", "strom.bmp]"}) && LogHas({">>> Das->", "[1] [2] [", "nic.bmp]"}));
    EXPECT_TRUE(LogHas({"P_Load_Fazy: Subor neexistuje => EVIDUJ_CS()", "nic.faz"}));
    EXPECT_EQ(Obj(1)->srf->lpDDS, nullptr);
    running = true;
    TIK_ANIMACIE();
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(Obj(1)->x, 12);
}
