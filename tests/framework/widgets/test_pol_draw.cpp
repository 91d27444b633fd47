// The drag handles as they land on a surface.
#include <gtest/gtest.h>

#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/gdi.h"

namespace {
struct TfPolDraw : ::testing::Test {
    void TearDown() override { srf->Release(); }
    bool lit(int px, int py) { return srf->Row(py)[px] != 0; }
    IDirectDrawSurface* srf = plat_CreateTestSurface(100, 100);
    HDC dc = nullptr;
};
}  // namespace

TEST_F(TfPolDraw, RingForAWidgetHollowSquareForAContainer) {
    tf_CPol w;
    w.MoveToRel(30, 50);
    tf_CPolCHLO box;
    box.MoveToRel(70, 50);
    w.ZOBRAZ(srf);
    box.ZOBRAZ(srf);
    int r = w.polomer;
    EXPECT_TRUE(lit(w.x, w.y) && lit(box.x, box.y));              // the dots
    EXPECT_TRUE(lit(w.x - r, w.y) || lit(w.x - r, w.y - 1));      // the ring's left
    EXPECT_FALSE(lit(w.x - 6, w.y) || lit(box.x - 6, box.y));     // hollow
    EXPECT_FALSE(lit(w.x - r, w.y - r));                          // a ring has no corners
    EXPECT_TRUE(lit(box.x - r, box.y - r));
    HGDIOBJ gray = GetStockObject(GRAY_BRUSH);
    ASSERT_EQ(srf->GetDC(&dc), DD_OK);
    EXPECT_EQ(SelectObject(dc, gray), GetStockObject(WHITE_BRUSH));  // each context starts afresh
}

TEST_F(TfPolDraw, HiddenLockedOrMissingSurfacesGetNothing) {
    tf_CPolCHLO box;
    box.class_id = TF_CLASS_DDIALOG;  // a dialog draws itself; here only its children show
    tf_CPol* child = new tf_CPol(&box, 40, 40);
    box.zivy = false;
    box.ZOBRAZ(srf);
    DDSURFACEDESC desc;
    ASSERT_EQ(srf->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);  // no context meanwhile
    child->ZOBRAZ(srf);
    srf->Unlock(nullptr);
    IDirectDrawSurface* saved = tf_lpDDSBack;
    tf_lpDDSBack = nullptr;
    child->ZOBRAZ();
    EXPECT_FALSE(lit(child->x, child->y));
    box.zivy = true;
    tf_lpDDSBack = srf;
    box.ZOBRAZ();
    tf_lpDDSBack = saved;
    EXPECT_FALSE(lit(box.x, box.y));
    EXPECT_TRUE(lit(child->x, child->y));
}
