#include <gtest/gtest.h>

#include "framework/surface/tf_display.h"
#include "framework/surface/tf_geom.h"

TEST(Geometry, RectangleTestIncludesAllFourEdges) {
    EXPECT_TRUE(tf_glob_test_v_rect(10, 20, 30, 40, 30, 40));
    EXPECT_TRUE(tf_glob_test_v_rect(10, 20, 30, 40, 10, 20));
    EXPECT_FALSE(tf_glob_test_v_rect(10, 20, 30, 40, 31, 40));
    EXPECT_FALSE(tf_glob_test_v_rect(10, 20, 30, 40, 10, 19));
}

TEST(Geometry, DistanceDoesNotOverflowOnFarPoints) {
    EXPECT_DOUBLE_EQ(tf_glob_Distance(0, 0, 3, 4), 5.0);
    EXPECT_DOUBLE_EQ(tf_glob_Distance(-2147483647 - 1, 0, 2147483647, 0), 4294967295.0);
}

TEST(Geometry, ScreenClipLimitsEachEdge) {
    RECT r = {-10, -10, 5000, 5000};
    tf_glob_Orez_Rect2Screen(&r);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right, tf_ScreenW + 1);
    EXPECT_EQ(r.bottom, tf_ScreenH + 1);
}

TEST(Geometry, WindowClipCutsTheSourceRectangle) {
    RECT src = {0, 0, 20, 10};
    int x = -5, y = 95;
    ASSERT_TRUE(tf_glob_OREZ_Rect2LPHD(0, 100, 0, 100, &x, &y, &src));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(src.left, 5);
    EXPECT_EQ(src.right, 20);
    EXPECT_EQ(y, 95);
    EXPECT_EQ(src.bottom, 5);  // rows 95..99 only: the bottom limit is exclusive

    RECT right = {0, 0, 20, 10};
    x = 90;
    y = 0;
    ASSERT_TRUE(tf_glob_OREZ_Rect2LPHD(0, 100, 0, 100, &x, &y, &right));
    EXPECT_EQ(right.right, 10);
}

TEST(Geometry, WindowClipTouchingTheLeftEdgeKeepsAnEmptyWidth) {
    RECT src = {0, 0, 10, 10};
    int x = -10, y = 0;
    EXPECT_TRUE(tf_glob_OREZ_Rect2LPHD(0, 100, 0, 100, &x, &y, &src));
    EXPECT_EQ(src.right - src.left, 0);
    RECT beyond = {0, 0, 10, 10};
    x = -11;
    EXPECT_FALSE(tf_glob_OREZ_Rect2LPHD(0, 100, 0, 100, &x, &y, &beyond));
    EXPECT_EQ(beyond.left, 0);  // untouched when nothing is left
}
