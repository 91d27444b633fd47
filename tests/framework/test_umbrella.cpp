// The umbrella header alone gives a program the whole framework.
#include "framework/tf.h"

#include <gtest/gtest.h>

TEST(Umbrella, ReachesEveryLayer) {
    tf_CPolCHLO root;
    tf_CIcon icon;
    int w = 0, h = 0;
    icon.GetSize2(&w, &h);
    EXPECT_EQ(w, 100);
    EXPECT_TRUE(tf_glob_test_v_rect(0, 0, w, h, w, h));
    EXPECT_STREQ(tf_glob_Get_ClassName(root.class_id), "tf_CPolCHLO");
}
