// The page registry: shared pictures and their ownership, the object limit, copies, removal.
#include "tests/book/book_fixture.h"

using namespace book_test;
using test_support::LogHas;
using Registry = PageTest;

TEST_F(Registry, SharedPicturesPassToTheFirstLaterSharerWhenTheOwnerGoes) {
    for (int x : {10, 30, 60, 90}) PRIDAJ_HERCA((x == 30 ? strom : pes).c_str(), x, 10, 6, 1, x);
    PRIDAJ_KULISU(pes.c_str(), 10, 60, 1, 2);  // a prop of the same picture is no sharer
    EXPECT_TRUE(LogHas({"Pridavam novy srf pre herca", "pes.bmp"}) && LogHas({"Zdielam srf pre herca", "pes.bmp"}) &&
                LogHas({"Pridavam novy srf pre kulisu", "pes.bmp"}) && LogHas({"cesta_faz", "pes.faz"}));
    CHerec *owner = Obj(0), *heir = Obj(2);
    EXPECT_EQ(std::tuple(heir->srf, heir->vlastni, heir->fazy.count, Phase(heir, 2).x1, Obj(4)->srf == owner->srf),
              std::tuple(owner->srf, false, 3, 19, false));
    EXPECT_EQ(std::tuple(heir->x, heir->fx, heir->base_y, heir->vx, heir->eui(), heir->phase_delay),
              std::tuple(60, 60.0, 10, 2.0, 2, 60));
    EXPECT_EQ(std::pair(owner->srf->TC, owner->srf->BC), std::pair(Raw(owner, 6, 6), Raw(owner, 0, 0)));

    hovered = 1;
    setup_target = 3;
    ODSTRAN_OBJEKT(0);
    EXPECT_EQ(std::tuple(REG.count, Obj(1), heir->vlastni, Obj(2)->vlastni, dirty),
              std::tuple(4, heir, true, false, true));
    EXPECT_EQ(std::pair(hovered, setup_target), std::pair(0, 2));  // the editor's marks follow their objects
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(Px(60, 10), Raw(heir, 1, 1));  // still drawn
    ODSTRAN_OBJEKT(1);
    ODSTRAN_POSLEDNY();
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(std::tuple(REG.count, Obj(1)->vlastni, Px(90, 10), Px(60, 10), setup_target),
              std::tuple(2, true, Raw(Obj(1), 1, 1), FILL, 1));
}

TEST_F(Registry, SixtyFromTheListsButCopiesAlwaysAndBadIndicesOnlyLog) {
    test_support::AssertCounter asserts;
    ODSTRAN_OBJEKT(0);  // empty: nothing at all
    EXPECT_FALSE(LogHas({"index mimo rozsah"}));
    for (int i = 0; i < 61; ++i) PRIDAJ_KULISU(strom.c_str(), i, 0, 1, 2);
    PRIDAJ_HERCA(pes.c_str(), 5, 5, 1, 2, 0);
    EXPECT_EQ(REG.count, 60);
    CHerec* from = Obj(7);
    from->vx = -3.5;
    from->turn_step = 0.01;
    from->phase_delay = 4;
    from->phase_countdown = 3;
    from->fx = 7.5;
    KOPIRUJ_OBJEKT(7);
    ASSERT_EQ(REG.count, 61);
    CHerec* copy = Obj(60);
    EXPECT_EQ(std::tuple(copy->x, copy->y, copy->fx, copy->fy, copy->base_y, copy->vx),
              std::tuple(57, 50, 57.5, 50.0, 50, -3.5));
    EXPECT_EQ(std::tuple(copy->turn_step, copy->phase_delay, copy->phase_countdown, copy->motion, copy->edge),
              std::tuple(0.0, 4, 0, 1, 2));
    EXPECT_EQ(std::tuple(copy->eui(), copy->srf, copy->vlastni, copy->fazy.count), std::tuple(1, from->srf, false, 1));

    ODSTRAN_OBJEKT(61);
    ODSTRAN_OBJEKT(-1);
    KOPIRUJ_OBJEKT(61);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "assert: index mimo rozsah"}));
    EXPECT_EQ(std::tuple(REG.count, dirty, asserts.count()), std::tuple(61, false, 0));  // the program goes on
    REPORT_REG("F1 report");
    EXPECT_TRUE(LogHas({"REPORT_REG BEGIN", "F1 report"}) && LogHas({">>> Das->", "[60] [1] [", "strom.bmp]"}));
    VYMAZ_REG();
    EXPECT_EQ(std::pair(REG.count, dirty), std::pair(0, false));
}
