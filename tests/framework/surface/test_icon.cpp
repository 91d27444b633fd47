// Icons: phases measured on a surface, owned pictures from files or resources.
#include "framework/surface/tf_icon.h"

#include "framework/core/tf_fsi.h"
#include "platform/resources.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/support/test_support.h"

using namespace srf_test;
using test_support::LogHas;

namespace {
const Rows ICON = {"BBBBBB", "B.rgyB", "BgrykB", "BBBBBB"};

class Icon : public Screen {
protected:
    Icon() : Screen(120, 120, 20, 12) {}
};
}  // namespace

TEST_F(Icon, FromASurfaceMeasuresItsPhaseAndDrawsInsideTheScreen) {
    tf_CDas_Surface s;
    Load(s, "srf_icon_s.bmp", ICON);
    s.BC_NASTAV(0, 0);
    tf_CIcon whole(&s, 0, 5), measured(&s, 2, 2), given(&s, tf_TFAZA(1, 1, 3, 2));
    EXPECT_EQ(std::make_tuple(whole.faza.x2, whole.faza.sir, measured.faza.x2, measured.faza.y2, given.faza.x2),
              std::make_tuple(5, 6, 5, 3, 3));  // whole: the surface less its frame
    s.TC_NASTAV(1, 1);
    tf_CIcon invalid(static_cast<tf_CDas_Surface*>(nullptr), 1, 1);
    invalid.ZOBRAZ(back, 0, 0);
    measured.ZOBRAZ_2(back, 0, 0);  // inside (1, W - 1, 1, H - 1)
    ExpectCopy(&s, 1, 1, {2, 2, 5, 3}, true);
}

TEST_F(Icon, FromAFileOrAResourceOwnsItsSurfaceAndTakesTheKeyUnloadableOnesDrawNothing) {
    test_support::WriteFile("srf_icon.bmp", Bmp(ICON));
    test_support::WriteFile("srf_icon_bad.bmp", std::string("BM\0\0", 4));
    static const std::string res = Bmp(ICON);  // a resource's data outlives the run
    plat_AddResource("srf_icon_res.bmp", reinterpret_cast<const BYTE*>(res.data()), res.size());
    ASSERT_FALSE(tf_FSI_Existuje_sub("srf_icon_res.bmp"));
    const int live = plat_LiveSurfaceCount();
    {
        tf_CIcon own(dd, "srf_icon.bmp"), res(dd, "SRF_ICON_RES.BMP");
        ASSERT_TRUE(own.srf && res.srf && res.platny);
        EXPECT_EQ(std::make_tuple(own.vlastni, own.srf->TC), std::make_tuple(1, Px(own.srf->lpDDS, 1, 1)));
        own.EVIDUJ_PREBER(&res);  // the owned surface is freed, the other one borrowed
        EXPECT_EQ(std::make_tuple(own.srf, own.vlastni, plat_LiveSurfaceCount()), std::make_tuple(res.srf, 0, live + 1));
    }
    EXPECT_EQ(plat_LiveSurfaceCount(), live);
    tf_CIcon missing(dd, "srf_icon_missing.bmp"), bad(dd, "srf_icon_bad.bmp");
    EXPECT_TRUE(LogHas({"tf_CIcon::tf_CIcon nenahraty subor (B) [RETURN!]"}));
    for (tf_CIcon* i : {&missing, &bad}) i->ZOBRAZ(back, 0, 0);
    EXPECT_EQ(plat_LiveSurfaceCount(), live);
    ExpectPaper();
}
