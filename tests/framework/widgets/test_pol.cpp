#include "framework/widgets/tf_pol.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/widgets/tf_polchlo.h"

TEST(TfPol, NamesCascadeAndOffsets) {
    EXPECT_STREQ(tf_glob_Get_ClassName(TF_CLASS_UTL_THMFILE), "tf_UTL_CDUIR_THMFILE");
    EXPECT_STREQ(tf_glob_Get_ClassName(10), "?");
    tf_CPol named;
    std::string long_name(40, 'n');
    named.Set_Nazov(long_name.c_str());
    EXPECT_EQ(std::string(named.nazov), long_name.substr(0, sizeof named.nazov - 1));

    tf_CPolCHLO root;
    root.MoveToRel(200, 300);
    tf_glob_CascadeX = 15;  // as at the start of a run
    tf_glob_CascadeY = 10;
    tf_CPol* first = new tf_CPol(&root, 7);
    tf_CPol second(nullptr, 8);
    EXPECT_EQ(first->y - root.y, 20);
    EXPECT_EQ(second.x, 45);
    first->CHOD_NA(10, 20);  // absolute; the offset follows
    EXPECT_EQ(first->rx, 10 - root.x);
}

TEST(TfPol, HandleCircleAndPlainDrag) {
    tf_CPolCHLO root;
    root.MoveToRel(10, 10);
    tf_CPol* w = new tf_CPol(&root, 40, 40);
    int hx = w->x, hy = w->y;
    EXPECT_TRUE(w->CanDrag(hx + w->polomer, hy));  // on the circle
    EXPECT_FALSE(w->CanDrag(hx + 7, hy + 8));      // in the square, off the circle
    EXPECT_FALSE(w->INFORMUJ_SA(hx, hy, 1));       // a press before arming
    EXPECT_FALSE(w->INFORMUJ_SA(hx + 30, hy, 0));  // off the handle: not armed
    EXPECT_TRUE(w->INFORMUJ_SA(hx + 3, hy, 0));
    EXPECT_TRUE(w->INFORMUJ_SA(hx + 3, hy + 2, 1));  // grabbed 3, 2 off the origin
    EXPECT_TRUE(w->INFORMUJ_SA(hx + 103, hy + 52, 0));
    EXPECT_TRUE(w->INFORMUJ_SA(0, 0, -1));
    EXPECT_FALSE(w->INFORMUJ_SA(0, 0, 0));  // released: moves pass by
    EXPECT_EQ(w->x, hx + 100);
    EXPECT_EQ(w->ry, w->y - root.y);
    w->tahatelny = false;
    EXPECT_TRUE(w->CanDrag(w->x, w->y));  // a bare handle drags all the same
    // They share the form and never take an event.
    for (int cid : {TF_CLASS_DEDB, TF_CLASS_POLICON, TF_CLASS_LABEL}) {
        tf_CPol other;
        other.class_id = cid;
        EXPECT_FALSE(other.INFORMUJ_SA(0, 0, 0));
        other.tahatelny = false;
        EXPECT_FALSE(other.CanDrag(0, 0));
    }
}
