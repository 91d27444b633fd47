// The generator of resources/: what it draws is what is committed, and no drawn pixel takes
// the value that means see-through or phase border.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/ddraw.h"
#include "platform/resources.h"
#include "tests/support/temp_tree.h"
#include "tools/artgen/artgen.h"
#include "tools/artgen/canvas.h"

namespace {

TEST(Artgen, CommittedResourcesAreWhatTheGeneratorDraws) {
    test_support::TempTree dir;
    ASSERT_TRUE(artgen::WriteAll(dir.Host()));
    const std::vector<std::string> made = dir.Names();
    EXPECT_EQ(made.size(), 6u);  // every picture in resources/
    for (const std::string& name : made) {
        std::ostringstream committed;
        committed << std::ifstream(std::string(PEXLO_SOURCE_DIR) + "/resources/" + name, std::ios::binary).rdbuf();
        EXPECT_FALSE(committed.str().empty()) << name << " is not in resources/";
        EXPECT_TRUE(committed.str() == dir.Read(name))
            << name << " differs from what tools/artgen draws: run pexlo_artgen resources";
        EXPECT_NE(plat_FindResource(name.c_str()), nullptr) << name << " is not compiled in";
    }
    test_support::TempTree unwritable;
    EXPECT_FALSE(artgen::WriteAll(unwritable.Host("missing/folder")));
}

TEST(Artgen, DrawnPixelsNeverTakeTheKeyOrBorderValue) {
    const uint16_t KEY = 0xF81F, BORDER = 0x07E0;
    artgen::Canvas c(3, 1);
    c.Fill(artgen::Box(0, 0, 1, 1, 0), artgen::Solid(artgen::Hex(0xFF00FF)));  // exactly the key
    c.Fill(artgen::Box(1, 0, 2, 1, 0), artgen::Solid(artgen::Hex(0x00FF00)));  // exactly the border
    IDirectDrawSurface* s = plat_CreateTestSurface(4, 1);
    ASSERT_NE(s, nullptr);
    c.Put(s, 1, 0, KEY, BORDER);
    EXPECT_EQ(s->Row(0)[0], 0);                // outside the canvas: untouched
    EXPECT_EQ(s->Row(0)[1] & ~31, KEY & ~31);  // only blue moves
    EXPECT_NE(s->Row(0)[1], KEY);
    EXPECT_EQ(s->Row(0)[2] & ~31, BORDER & ~31);
    EXPECT_NE(s->Row(0)[2], BORDER);
    EXPECT_EQ(s->Row(0)[3], KEY);  // not drawn: see-through
    s->Release();
}

}  // namespace
