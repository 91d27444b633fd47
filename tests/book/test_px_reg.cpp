// The page registry: shared pictures and their ownership, the object limit, copies, removal.
#include <gtest/gtest.h>

#include "tests/book/book_fixture.h"
#include "tests/support/test_support.h"

using book_test::Obj;
using test_support::LogHas;

namespace {
struct Registry : book_test::PageTest {
    void SetUp() override {
        PageTest::SetUp();
        StandardAssets();
    }
    // The raw value the picture holds at (x, y).
    uint16_t PicturePx(const CHerec* o, int x, int y) { return o->srf->lpDDS->Row(y)[x]; }
};
}  // namespace

TEST_F(Registry, ObjectsOfOnePictureShareItsSurfaceAndPhases) {
    PRIDAJ_HERCA(pes.c_str(), 10, 20, 3, 1, 2);
    PRIDAJ_HERCA(pes.c_str(), 100, 20, 3, 1, 0);
    PRIDAJ_KULISU(pes.c_str(), 10, 60, 1, 2);  // a prop of the same picture is no sharer
    ASSERT_EQ(REG.count, 3);
    EXPECT_TRUE(LogHas({"Pridavam novy srf pre herca", "pes.bmp"}));
    EXPECT_TRUE(LogHas({"Zdielam srf pre herca", "pes.bmp"}));
    EXPECT_TRUE(LogHas({"Pridavam novy srf pre kulisu", "pes.bmp"}));
    EXPECT_TRUE(LogHas({"cesta_faz", "pes.faz"}));

    CHerec *first = Obj(0), *second = Obj(1), *prop = Obj(2);
    EXPECT_EQ(second->srf, first->srf);
    EXPECT_NE(prop->srf, first->srf);
    EXPECT_TRUE(first->vlastni && !second->vlastni && prop->vlastni);
    ASSERT_EQ(second->fazy.count, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(static_cast<tf_TFAZA*>(second->fazy.GET(i))->x1, static_cast<tf_TFAZA*>(first->fazy.GET(i))->x1);
    EXPECT_EQ(prop->fazy.count, 1);  // a prop never reads the phases file

    // Every object starts where it was put, with the defaults of a new object.
    EXPECT_EQ(std::pair(second->x, second->y), std::pair(100, 20));
    EXPECT_EQ(std::tuple(second->fx, second->fy, second->base_y), std::tuple(100.0, 20.0, 20));
    EXPECT_EQ(std::tuple(second->vx, second->vy, second->turn, second->eui()), std::tuple(2.0, 2.0, 0.0, int(PX_ACTOR)));
    EXPECT_EQ(first->phase_delay, 2);
    EXPECT_EQ(prop->eui(), int(PX_PROP));
    // The transparent colour comes from (6, 6), the actor's border colour from (0, 0).
    EXPECT_EQ(first->srf->TC, PicturePx(first, 6, 6));
    EXPECT_EQ(first->srf->BC, PicturePx(first, 0, 0));
}

TEST_F(Registry, RemovingTheOwnerPassesThePictureToTheFirstLaterSharer) {
    PRIDAJ_KULISU(strom.c_str(), 10, 10, 6, 1);  // owner of strom
    PRIDAJ_HERCA(pes.c_str(), 30, 10, 6, 1, 0);  // owner of pes
    PRIDAJ_KULISU(strom.c_str(), 60, 10, 6, 1);
    PRIDAJ_KULISU(strom.c_str(), 90, 10, 6, 1);
    CHerec* heir = Obj(2);
    tf_CDas_Surface* picture = Obj(0)->srf;

    ODSTRAN_OBJEKT(0);
    ASSERT_EQ(REG.count, 3);
    EXPECT_EQ(Obj(1), heir);  // the later objects moved up, in order
    EXPECT_TRUE(heir->vlastni);
    EXPECT_FALSE(Obj(2)->vlastni);
    EXPECT_EQ(heir->srf, picture);
    EXPECT_TRUE(dirty);

    // The heir still draws the picture, and takes it with it when it goes.
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(Px(60, 10), picture->lpDDS->Row(1)[1]);
    ODSTRAN_OBJEKT(1);
    EXPECT_TRUE(Obj(1)->vlastni);
    ZOBRAZ_STRANU(back);
    EXPECT_EQ(Px(90, 10), Obj(1)->srf->lpDDS->Row(1)[1]);
    EXPECT_EQ(Px(61, 11), FILL);
}

TEST_F(Registry, SixtyObjectsAtMostFromTheListsButCopiesAlways) {
    for (int i = 0; i < 60; ++i) PRIDAJ_KULISU(strom.c_str(), i, 0, 1, 2);
    ASSERT_EQ(REG.count, 60);
    PRIDAJ_KULISU(strom.c_str(), 5, 5, 1, 2);
    PRIDAJ_HERCA(pes.c_str(), 5, 5, 1, 2, 0);
    EXPECT_EQ(REG.count, 60);
    EXPECT_FALSE(LogHas({"pes.bmp"}));

    CHerec* from = Obj(7);
    from->vx = -3.5;
    from->vy = 1.25;
    from->turn = 0.1;
    from->turn_step = 0.01;
    from->phase_delay = 4;
    from->phase_countdown = 3;
    from->fx = 7.5;
    KOPIRUJ_OBJEKT(7);
    ASSERT_EQ(REG.count, 61);
    CHerec* copy = Obj(60);
    EXPECT_EQ(std::tuple(copy->x, copy->y, copy->fx, copy->fy, copy->base_y), std::tuple(57, 50, 57.5, 50.0, 50));
    EXPECT_EQ(std::tuple(copy->vx, copy->vy, copy->turn, copy->turn_step), std::tuple(-3.5, 1.25, 0.1, 0.0));
    EXPECT_EQ(std::tuple(copy->motion, copy->edge, copy->phase_delay, copy->phase_countdown, copy->eui()),
              std::tuple(1, 2, 4, 0, int(PX_PROP)));
    EXPECT_EQ(copy->srf, from->srf);
    EXPECT_FALSE(copy->vlastni);
    EXPECT_EQ(copy->fazy.count, 1);
}

TEST_F(Registry, RemovalOutsideTheRegistryOnlyLogs) {
    test_support::AssertCounter asserts;
    ODSTRAN_OBJEKT(0);  // empty: nothing, not even a line
    ODSTRAN_POSLEDNY();
    EXPECT_FALSE(LogHas({"index mimo rozsah"}));
    EXPECT_FALSE(dirty);

    PRIDAJ_KULISU(strom.c_str(), 0, 0, 1, 2);
    ODSTRAN_OBJEKT(1);
    ODSTRAN_OBJEKT(-1);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "assert: index mimo rozsah"}));
    EXPECT_EQ(REG.count, 1);
    EXPECT_FALSE(dirty);
    EXPECT_EQ(asserts.count(), 0);  // the program goes on
    KOPIRUJ_OBJEKT(3);
    EXPECT_EQ(REG.count, 1);
}

TEST_F(Registry, RemovalKeepsTheEditorsIndicesOnTheirObjects) {
    for (int i = 0; i < 5; ++i) PRIDAJ_KULISU(strom.c_str(), i * 20, 0, 1, 2);
    hovered = 1;
    dragged = 2;
    setup_target = 4;
    ODSTRAN_OBJEKT(2);
    EXPECT_EQ(std::tuple(hovered, dragged, setup_target), std::tuple(1, -1, 3));
    ODSTRAN_POSLEDNY();
    EXPECT_EQ(std::tuple(hovered, setup_target), std::tuple(1, -1));
    dirty = false;
    VYMAZ_REG();
    EXPECT_EQ(std::tuple(REG.count, hovered, dirty), std::tuple(0, -1, false));
}

TEST_F(Registry, ReportListsEveryObjectWithItsKindAndPicture) {
    PRIDAJ_KULISU(strom.c_str(), 0, 0, 1, 2);
    PRIDAJ_HERCA(pes.c_str(), 0, 0, 1, 2, 0);
    REPORT_REG("F1 report");
    EXPECT_TRUE(LogHas({"REPORT_REG BEGIN", "F1 report"}));
    EXPECT_TRUE(LogHas({">>> Das->", "[0] [1] [", "strom.bmp]"}));
    EXPECT_TRUE(LogHas({">>> Das->", "[1] [2] [", "pes.bmp]"}));
    EXPECT_TRUE(LogHas({"REPORT_REG END", "F1 report"}));
}

TEST_F(Registry, AMissingPictureStillAddsAnObjectThatDrawsNothingOfIt) {
    const std::string missing = tree.Path("nic.bmp");
    PRIDAJ_HERCA(missing.c_str(), 10, 10, 1, 2, 0);
    ASSERT_EQ(REG.count, 1);
    EXPECT_EQ(Obj(0)->srf->lpDDS, nullptr);
    EXPECT_TRUE(LogHas({"P_Load_Fazy: Subor neexistuje => EVIDUJ_CS()", "nic.faz"}));
    running = true;
    TIK_ANIMACIE();  // its edges use the empty look's size
    EXPECT_EQ(Obj(0)->x, 12);
}
