// The program's files written through a writer that fails at each step in turn: the old
// file stays whole every time and no temporary is left beside it.
#include "framework/app/tf_app.h"
#include "framework/surface/tf_dbmp.h"
#include "tests/book/book_fixture.h"

using namespace book_test;

TEST_F(PageTest, PageThumbnailAndSettingsKeepTheirOldFileWhenAWriteStepFails) {
    PRIDAJ_KULISU(strom.c_str(), 120, 30, 6, 1);
    const std::pair<std::string, std::function<bool()>> writers[] = {
        {"1.str", [&] { return SAVE_REG(tree.Path("1.str").c_str()); }},
        {"1.thm", [&] { return tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(tf_lpDD, back, true, 100, 50,
                                                                          tree.Path("1.thm").c_str()); }},
        {"PX.INI", [&] { return tf_APP_WriteINI(tree.Path("PX.INI").c_str(), 1024, 768, 3, 40); }},
    };
    for (const auto& [name, write] : writers) tree.File(name, "old " + name);
    const std::vector<std::string> names = tree.Names();
    for (plat_WriteStep step :
         {PLAT_WRITE_STEP_OPEN, PLAT_WRITE_STEP_WRITE, PLAT_WRITE_STEP_FLUSH, PLAT_WRITE_STEP_RENAME}) {
        plat_SetWriteFailureStep(step);
        for (const auto& [name, write] : writers) {
            EXPECT_FALSE(write()) << name << " at step " << step;
            EXPECT_EQ(tree.Read(name), "old " + name) << name << " at step " << step;
        }
        EXPECT_EQ(tree.Names(), names) << "step " << step;
    }
    plat_SetWriteFailureStep(PLAT_WRITE_STEP_NONE);
    for (const auto& [name, write] : writers) EXPECT_TRUE(write()) << name;
    EXPECT_EQ(tree.Read("1.str"), "k strom 120 30 6 1 0\n");
    EXPECT_EQ(tree.Read("1.thm").substr(0, 2), "BM");
    EXPECT_EQ(tree.Read("PX.INI"), "1024 768\n3 40");
    EXPECT_EQ(tree.Names(), names);
}
