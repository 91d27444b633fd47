// The picture picker: rows from a folder, reloading, bad folders; and the one-line edit dialog.
#include "framework/widgets/tf_utl.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/widgets/tf_tlac.h"
#include "platform/window.h"
#include "tests/framework/widgets/widget_fixture.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

using test_support::LogHas;

namespace {
// "value caption path|" for every row.
std::string rows(tf_CDUIR& l) {
    std::string s;
    for (int i = 0; i < l.CountR(); ++i)
        s += std::to_string(l[i]->hodnota) + " " + l[i]->text + " " +
             (l[i]->data ? static_cast<const char*>(l[i]->data) : "-") + "|";
    return s;
}
}  // namespace

using Picker = widget_test::ScreenTest;

TEST_F(Picker, ReloadFollowsTheFolderBadFoldersGiveNoRowsAndTheOwnerFreesEveryPath) {
    test_support::AssertCounter asserts;
    tf_CDUI_NoVoid = true;
    test_support::TempTree tree;
    const std::string dir = tree.Path();
    for (const char* n : {"a.bmp", "b.bmp", "c.bmp"}) tree.File(n);  // listed by name alone
    {
        tf_CPolCHLO screen;  // the owner destroys the pickers by their class ids
        tf_UTL_CDUIR_THMFILE* l = new tf_UTL_CDUIR_THMFILE(&screen, 10, 20);
        l->LOAD(dir.c_str(), true);
        remove(tree.Host("b.bmp").c_str());
        EXPECT_EQ(l->RELOAD(dir.c_str(), true), 0);
        EXPECT_EQ(rows(*l), "1 a " + dir + "\\a.bmp|2 c " + dir + "\\c.bmp|");
        for (const char* bad : {"\\nikde\\niet", "", static_cast<const char*>(nullptr)}) {
            EXPECT_EQ(l->RELOAD(bad, true), 0);
            EXPECT_EQ(l->CountR(), 0);
        }
        EXPECT_TRUE(LogHas({"Doslo k chybe pri nacitani BMP suborov", "X"}));
        l->LOAD(dir.c_str(), true);
    }
    EXPECT_TRUE(LogHas({"~tf_UTL_CDUIR_THMFILE"}));
    EXPECT_FALSE(LogHas({"neuvolnene privatne data"}));
    EXPECT_EQ(asserts.count(), 0);
}

namespace {
struct EditDialog : widget_test::DesignedScreen {
    test_support::AssertCounter asserts;
    widget_test::Recorder owner;
};
}  // namespace

TEST_F(EditDialog, TypingCancelAndCloseHideItAndReportOkReportsAndLeavesItShown) {
    auto* dlg = new tf_UTL_CDLG_EDIT(&owner, "Nova kniha", "Meno knihy:");
    dlg->CHOD_NA(100, 50);
    ASSERT_EQ(tf_DSGN_INIT_Background(nullptr), 1);
    owner.SetupVisual_Private();
    const auto press = [&](tf_CTlac* t) { return widget_test::Click(owner, t->x + 5, t->y + 5); };
    for (int key : {int('K'), int('N'), int('I'), int('H'), int('A'), VK_BACK, int('Y')}) EXPECT_TRUE(owner.INFORMUJ_SA_KLAV(key));
    EXPECT_TRUE(owner.INFORMUJ_SA_KLAV('5')) << "a shown dialog takes every key, typing it nowhere";
    EXPECT_EQ(press(dlg->tlac_ok), -10101);
    EXPECT_TRUE(dlg->zivy);
    EXPECT_STREQ(dlg->Get_Text(), "KNIHY");
    for (int i = 0; i < 30; ++i) owner.INFORMUJ_SA_KLAV('A' + i % 26);
    // 20, and the one letter beyond its limit that every edit box takes.
    EXPECT_EQ(std::string(dlg->Get_Text()), "KNIHYABCDEFGHIJKLMNOP");

    EXPECT_EQ(press(dlg->tlac_zrus), -10102);
    EXPECT_FALSE(dlg->zivy);
    EXPECT_EQ(press(dlg->tlac_ok), 0);  // hidden: no press reaches it
    EXPECT_FALSE(owner.INFORMUJ_SA_KLAV('B'));
    dlg->zivy = true;
    EXPECT_EQ(press(dlg->tlac_x), -10103);
    EXPECT_FALSE(dlg->zivy);
    EXPECT_EQ(owner.reports, (widget_test::Reports{{-10101, 1}, {-10102, 1}, {-10103, 1}}));
}

TEST_F(EditDialog, InItsNameModeItTakesWhatANameMayHoldAndEnterAndEscAnswerIt) {
    auto* dlg = new tf_UTL_CDLG_EDIT(&owner, "Nova kniha", "Meno knihy:");
    ASSERT_EQ(tf_DSGN_INIT_Background(nullptr), 1);
    owner.SetupVisual_Private();
    EXPECT_TRUE(owner.INFORMUJ_SA_ZNAK('a'));
    EXPECT_STREQ(dlg->Get_Text(), "") << "the A-Z mode types keys, not characters";
    dlg->edit->Rezim_nazvu(5);
    EXPECT_TRUE(owner.INFORMUJ_SA_KLAV('K'));
    EXPECT_STREQ(dlg->Get_Text(), "") << "the name mode types characters, not keys";
    for (int c : std::initializer_list<int>{0xF4, 'j', ' ', '/', '.', '\t', 0x7F, '2', '-', '_', 'x'}) EXPECT_TRUE(owner.INFORMUJ_SA_ZNAK(c));
    EXPECT_STREQ(dlg->Get_Text(), "\xF4j 2-") << "five at most, nothing a path could read";
    EXPECT_TRUE(owner.INFORMUJ_SA_KLAV(VK_BACK));
    EXPECT_STREQ(dlg->Get_Text(), "\xF4j 2");

    int id = 0;
    EXPECT_TRUE(owner.INFORMUJ_SA_KLAV(VK_RETURN));
    EXPECT_TRUE(dlg->INFORMUJ_MA(&id));
    EXPECT_EQ(std::pair(id, dlg->zivy), std::pair(-10101, true)) << "Enter answers as OK does";
    EXPECT_FALSE(dlg->INFORMUJ_MA(&id)) << "once";
    EXPECT_TRUE(owner.INFORMUJ_SA_KLAV(VK_ESCAPE));
    EXPECT_TRUE(dlg->INFORMUJ_MA(&id));
    EXPECT_EQ(std::pair(id, dlg->zivy), std::pair(-10103, false)) << "Esc closes it as its x does";
    EXPECT_FALSE(owner.INFORMUJ_SA_KLAV(VK_RETURN)) << "hidden, it takes no key";
    EXPECT_EQ(owner.reports, (widget_test::Reports{{-10101, 1}, {-10103, 1}}));
}
