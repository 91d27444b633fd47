// The plain widget: names, cascade, the drag handle and how the handles are drawn.
#include "framework/widgets/tf_pol.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/surface/tf_display.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/gdi.h"

TEST(TfPol, NamesAreCutCascadeAndOffsetsFollow) {
    tf_CPol named;
    const std::string long_name(40, 'n');
    named.Set_Nazov(long_name.c_str());
    EXPECT_EQ(std::string(named.nazov), long_name.substr(0, sizeof named.nazov - 1));
    tf_CPolCHLO root;
    root.MoveToRel(200, 300);
    tf_glob_CascadeX = 15;  // as at the start of a run
    tf_glob_CascadeY = 10;
    tf_CPol* first = new tf_CPol(&root, 7);
    tf_CPol second(nullptr, 8);
    EXPECT_EQ(std::make_pair(first->y - root.y, second.x), std::make_pair(20, 45));
    first->CHOD_NA(10, 20);  // absolute; the offset follows
    EXPECT_EQ(first->rx, 10 - root.x);
}

TEST(TfPol, HandleCircleAndPlainDrag) {
    tf_CPolCHLO root;
    root.MoveToRel(10, 10);
    tf_CPol* w = new tf_CPol(&root, 40, 40);
    const int hx = w->x, hy = w->y;
    EXPECT_TRUE(w->CanDrag(hx + w->polomer, hy));  // on the circle
    EXPECT_FALSE(w->CanDrag(hx + 7, hy + 8));      // in the square, off the circle
    EXPECT_FALSE(w->INFORMUJ_SA(hx, hy, 1));       // a press before arming
    EXPECT_FALSE(w->INFORMUJ_SA(hx + 30, hy, 0));  // off the handle: not armed
    for (int e : {0, 1}) EXPECT_TRUE(w->INFORMUJ_SA(hx + 3, hy + 2 * e, e));  // grabbed 3, 2 off the origin
    EXPECT_TRUE(w->INFORMUJ_SA(hx + 103, hy + 52, 0) && w->INFORMUJ_SA(0, 0, -1));
    EXPECT_FALSE(w->INFORMUJ_SA(0, 0, 0));  // released: moves pass by
    EXPECT_EQ(std::make_pair(w->x, w->ry), std::make_pair(hx + 100, w->y - root.y));
    w->tahatelny = false;
    EXPECT_TRUE(w->CanDrag(w->x, w->y));  // a bare handle drags all the same
    for (int cid : {TF_CLASS_DEDB, TF_CLASS_POLICON, TF_CLASS_LABEL}) {  // they share the form, take no event
        tf_CPol other;
        other.class_id = cid;
        other.tahatelny = false;
        EXPECT_FALSE(other.INFORMUJ_SA(0, 0, 0) || other.CanDrag(0, 0));
    }
}

TEST(TfPol, RingForAWidgetHollowSquareForAContainerNothingWhenHiddenLockedOrMissing) {
    IDirectDrawSurface* srf = plat_CreateTestSurface(100, 100);
    auto lit = [&](int x, int y) { return srf->Row(y)[x] != 0; };
    tf_CPol w;
    w.MoveToRel(30, 50);
    tf_CPolCHLO box, dialog;
    box.MoveToRel(70, 50);
    w.ZOBRAZ(srf);
    box.ZOBRAZ(srf);
    const int r = w.polomer;
    EXPECT_TRUE(lit(w.x, w.y) && lit(box.x, box.y));              // the dots
    EXPECT_TRUE(lit(w.x - r, w.y) || lit(w.x - r, w.y - 1));      // the ring's left
    EXPECT_FALSE(lit(w.x - 6, w.y) || lit(box.x - 6, box.y));     // hollow
    EXPECT_FALSE(lit(w.x - r, w.y - r));                          // a ring has no corners
    EXPECT_TRUE(lit(box.x - r, box.y - r));
    HDC dc = nullptr;
    ASSERT_EQ(srf->GetDC(&dc), DD_OK);
    EXPECT_EQ(SelectObject(dc, GetStockObject(GRAY_BRUSH)), GetStockObject(WHITE_BRUSH));  // each context starts afresh
    srf->ReleaseDC(dc);

    DDSURFACE_ZMAZ(srf, 0);
    dialog.class_id = TF_CLASS_DDIALOG;  // a dialog draws itself; here only its children show
    tf_CPol* child = new tf_CPol(&dialog, 40, 40);
    dialog.zivy = false;
    dialog.ZOBRAZ(srf);
    DDSURFACEDESC desc;
    ASSERT_EQ(srf->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);  // no context meanwhile
    child->ZOBRAZ(srf);
    srf->Unlock(nullptr);
    IDirectDrawSurface* saved = tf_lpDDSBack;
    tf_lpDDSBack = nullptr;
    child->ZOBRAZ();
    EXPECT_FALSE(lit(child->x, child->y));
    dialog.zivy = true;
    tf_lpDDSBack = srf;
    dialog.ZOBRAZ();
    tf_lpDDSBack = saved;
    EXPECT_TRUE(!lit(dialog.x, dialog.y) && lit(child->x, child->y));
    srf->Release();
}
