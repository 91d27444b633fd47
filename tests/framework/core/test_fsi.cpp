#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "framework/core/tf_arre.h"
#include "framework/core/tf_fsi.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

namespace {
class Fsi : public ::testing::Test {
protected:
    void SetUp() override { test_support::FreshLog(); }
    test_support::TempTree t;
};
}  // namespace

TEST(FsiNames, SplitAtTheLastSeparatorAndTheLastDotOfTheName) {
    const char* const cases[][4] = {// path, name, name with extension, extension changed to "thm"
                                    {"Pozadia\\lesy.bmp", "lesy", "lesy.bmp", "Pozadia\\lesy.thm"},
                                    {"x\\a.b.bmp", "a.b", "a.b.bmp", "x\\a.b.thm"},
                                    {"lesy.bmp", "lesy", "lesy.bmp", "lesy.thm"},
                                    {"a.b\\name", "name", "name", "a.b\\name.thm"}};
    for (const auto& c : cases) {
        char name[64], full[64], changed[64];
        tf_FSI_Vystrihni_meno(c[0], name);
        tf_FSI_Odstrihni_meno(c[0], full);
        tf_FSI_Zmen_priponu(c[0], "thm", changed);
        EXPECT_EQ(std::string(name) + "|" + full + "|" + changed, std::string(c[1]) + "|" + c[2] + "|" + c[3]);
    }
    char buf[64] = "Herci\\pes.bmp";
    tf_FSI_Zmen_priponu(buf, "faz", buf);  // in place
    EXPECT_STREQ(buf, "Herci\\pes.faz");
}

TEST_F(Fsi, ListNamesHonoursItsRoom) {
    for (const char* n : {"1.str", "2.str", "3.str"}) t.File(n);
    char* out[3] = {nullptr, nullptr, nullptr};
    int last = 7;
    EXPECT_EQ(tf_FSI_ListNames(t.Path().c_str(), "*.STR", 0, true, out, 2, &last), -1);
    ASSERT_EQ(last, 1);
    EXPECT_EQ(out[1], t.Path("2.str"));
    EXPECT_EQ(out[2], nullptr);
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR:  [ListNames - malo miesta]"}));
    free(out[0]);
    free(out[1]);
}

TEST_F(Fsi, ListingsGiveTheKindAskedForAndSkipPathsThatDoNotFitWithALogLine) {
    std::string deep(200, 'd');
    t.Dir(deep);
    t.File(deep + "/" + std::string(70, 'f') + ".bmp");
    t.File(deep + "/short.bmp");
    t.Dir(deep + "/folder.bmp");  // not a file
    tf_CARRE listed;
    EXPECT_EQ(tf_FSI_Zisti_SubAdr((t.Path(deep) + "\\").c_str(), "*.bmp", 0, true, &listed), 0);
    ASSERT_EQ(listed.count, 1);
    EXPECT_EQ(static_cast<char*>(listed[0]), t.Path(deep + "/short.bmp"));  // no doubled separator
    listed.UVOLNI_char();
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR:  [Pridlha cesta]"}));
}

TEST_F(Fsi, SynchroCopiesTheTreeButLeavesAnExistingSubfolderAlone) {
    for (const char* d : {"src", "src/Pozadia", "src/Herci", "src/Herci/x", "dst", "dst/Pozadia", "dst/b"}) t.Dir(d);
    t.File("src/top.txt", "new top");
    t.File("src/rezia.bmp", "skin");
    t.File("src/Pozadia/les.bmp", "les");
    t.File("src/Herci/x/pes.bmp", "pes");
    t.File("src/b", "b");  // a folder is in its way
    t.File("dst/top.txt", "old top");
    EXPECT_EQ(tf_FSI_SynchroFolders(t.Path("src").c_str(), t.Path("dst").c_str()), 0);
    EXPECT_EQ(t.Read("dst/top.txt"), "new top");
    EXPECT_EQ(t.Read("dst/rezia.bmp"), "skin");
    EXPECT_EQ(t.Read("dst/Herci/x/pes.bmp"), "pes");
    EXPECT_TRUE(t.Names("dst/Pozadia").empty());
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR:  [Problem pri CopyFile]"}));
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR:  [Problem pri CreateDirectory]"}));
}
