#include <gtest/gtest.h>

#include <string>

#include "platform/resources.h"

TEST(Resources, FoundByNameWithoutRegardToCaseLatestFirst) {
    static const unsigned char first[] = {1, 2, 3}, second[] = {9};
    plat_AddResource("Test_Zvuk.WAV", first, sizeof first);
    const plat_Resource* r = plat_FindResource("TEST_zvuk.wav");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->data, first);
    EXPECT_EQ(r->size, sizeof first);
    EXPECT_EQ(plat_FindResource("Test_Zvuk.WA"), nullptr);
    EXPECT_EQ(plat_FindResource(nullptr), nullptr);
    for (int i = 0; i < 50; ++i) plat_AddResource(("filler" + std::to_string(i)).c_str(), second, 1);
    EXPECT_EQ(r->data, first);  // still valid after many additions
    plat_AddResource("TEST_ZVUK.wav", second, sizeof second);
    EXPECT_EQ(plat_FindResource("Test_Zvuk.WAV")->data, second);
}
