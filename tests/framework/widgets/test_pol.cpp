// The plain widget: names, cascade, the drag handle and how the handles are drawn.
#include "framework/widgets/tf_pol.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/surface/tf_display.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/gdi.h"

TEST(TfPol, LongNamesAreCut) {
    tf_CPol named;
    const std::string long_name(40, 'n');
    named.Set_Nazov(long_name.c_str());
    EXPECT_EQ(std::string(named.nazov), long_name.substr(0, sizeof named.nazov - 1));
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
}
