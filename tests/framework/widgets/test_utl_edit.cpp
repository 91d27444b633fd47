// The one-line edit dialog: its children, its look from the design, the three buttons'
// reports to the owner, and typing into it.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "framework/app/tf_dsgn.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_policon.h"
#include "framework/widgets/tf_tlac.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"
#include "platform/window.h"
#include "tests/framework/widgets/widget_fixture.h"
#include "tests/support/test_support.h"

using test_support::LogHas;

namespace {
// The owner: records what reaches it.
struct Owner : tf_CPolCHLO {
    bool HandleFWInteraction(int id, int value, tf_CPol* source) override {
        calls.emplace_back(id, value, source);
        return true;
    }
    std::vector<std::tuple<int, int, tf_CPol*>> calls;
};

struct EditDialog : widget_test::ScreenTest {
    void SetUp() override {
        widget_test::ScreenTest::SetUp();
        dlg = new tf_UTL_CDLG_EDIT(&owner, "Nova kniha", "Meno knihy:");
    }
    void TearDown() override {
        tf_DSGN_DONE();
        widget_test::ScreenTest::TearDown();
    }
    // A pointer press on the button as the owner's screen passes it, the poll that follows
    // (buttons act on the press), and the release.
    int Press(tf_CTlac* t) {
        owner.INFORMUJ_SA(t->x + 5, t->y + 5, 0);
        owner.INFORMUJ_SA(t->x + 5, t->y + 5, 1);
        int id = 0;
        const bool reported = owner.INFORMUJ_MA(&id);
        owner.INFORMUJ_SA(t->x + 5, t->y + 5, -1);
        return reported ? id : 0;
    }
    tf_CPol* Child(int i) { return dlg->GetCHLWithIndex(i); }

    widget_test::SkinResource skin;
    test_support::AssertCounter asserts;
    Owner owner;
    tf_UTL_CDLG_EDIT* dlg = nullptr;
};
}  // namespace

TEST_F(EditDialog, ItsChildrenComeInOrderAndItIs292x157) {
    EXPECT_TRUE(LogHas({"tf_UTL_CDLG_EDIT::tf_UTL_CDLG_EDIT(...)"}));
    std::vector<std::pair<int, int>> kids;
    for (int i = 0; i < dlg->deti.count; ++i) kids.emplace_back(Child(i)->class_id, Child(i)->ID);
    EXPECT_EQ(kids, (std::vector<std::pair<int, int>>{{4, -10103}, {8, -1}, {9, -1}, {9, -1}, {7, -1}, {4, -10101},
                                                      {4, -10102}, {8, -1}, {8, -1}, {9, -10104}, {9, -10105}}));
    EXPECT_EQ(std::make_tuple(dlg->class_id, dlg->ID, dlg->parent), std::make_tuple(14, -1, static_cast<tf_CPolCHLO*>(&owner)));
    int w = 0, h = 0;
    dlg->GetSize(&w, &h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(292, 157));
    EXPECT_EQ(dlg->edit->max_dlzka, 20);
    for (tf_CTlac* t : {dlg->tlac_ok, dlg->tlac_zrus}) EXPECT_EQ(std::make_pair(t->AktSIR(), t->AktVYS()), std::make_pair(95, 27));
    EXPECT_EQ(std::make_pair(dlg->tlac_zrus->x - dlg->x, dlg->tlac_zrus->y - dlg->y), std::make_pair(155, 108));
    EXPECT_EQ(std::string(dlg->nadpis) + "/" + dlg->otazka, "Nova kniha/Meno knihy:");
}

TEST_F(EditDialog, LongTitlesAreCutTo99Bytes) {
    const std::string longer(150, 'N');
    tf_UTL_CDLG_EDIT d(nullptr, longer.c_str(), nullptr);
    EXPECT_EQ(std::string(d.nadpis), longer.substr(0, 99));
    EXPECT_EQ(std::string(d.otazka), "");
}

TEST_F(EditDialog, SetupBeforeTheDesignIsLoggedAndPlacesTheChildren) {
    EXPECT_EQ(dlg->SetupVisual(), 0);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "tf_UTL_CDLG_EDIT::SetupVisual - !tf_DSGN_INIT_flag"}));
    EXPECT_EQ(std::make_pair(dlg->edit->rx, dlg->edit->ry), std::make_pair(51, 69));
    EXPECT_EQ(std::make_pair(dlg->znak_zrus->rx, dlg->znak_zrus->ry), std::make_pair(165, 114));
    EXPECT_EQ(asserts.count(), 0);
}

TEST_F(EditDialog, SetupTakesItsLookFromTheDesign) {
    ASSERT_EQ(tf_DSGN_INIT(), 1);
    dlg->CHOD_NA(100, 50);
    owner.SetupVisual_Private();
    EXPECT_TRUE(LogHas({"tf_UTL_CDLG_EDIT::SetupVisual()"}));
    EXPECT_FALSE(LogHas({"!tf_DSGN_INIT_flag"}));
    EXPECT_EQ(dlg->tlac_x->fazy.count, tf_DSGN._T_x_->fazy.count);
    EXPECT_EQ(dlg->tlac_x->srf, tf_DSGN._T_x_->srf);
    EXPECT_EQ(std::make_pair(dlg->tlac_x->x, dlg->tlac_x->y), std::make_pair(376, 50));
    for (tf_CPolIcon* i : {dlg->obrazok, dlg->znak_ok, dlg->znak_zrus}) EXPECT_EQ(i->srf, tf_DSGN.rezia_dll_srf);
    EXPECT_EQ(std::make_pair(dlg->obrazok->x, dlg->obrazok->y), std::make_pair(110, 74));
    EXPECT_EQ(std::make_pair(dlg->znak_ok->x, dlg->znak_ok->y), std::make_pair(162, 164));
    auto label = [&](int id) { return static_cast<tf_CLabel*>(dlg->FindCHLWithID(id)); };
    EXPECT_STREQ(label(-10104)->text, "OK");
    EXPECT_STREQ(label(-10105)->text, plat_W1250(u8"Zrušiť"));
    EXPECT_EQ(std::make_pair(label(-10105)->x, label(-10105)->y), std::make_pair(290, 164));
    EXPECT_EQ(std::make_pair(dlg->lbl_nadpis->x, dlg->lbl_nadpis->y), std::make_pair(104, 50));
    EXPECT_STREQ(dlg->lbl_otazka->text, "Meno knihy:");
    EXPECT_EQ(std::make_tuple(dlg->edit->x, dlg->edit->y, dlg->edit->sir, dlg->edit->vys), std::make_tuple(151, 119, 200, 21));
    dlg->ZOBRAZ(back);
    EXPECT_GT(Inked(151, 119, 351, 140), 0);
}

TEST_F(EditDialog, CancelAndCloseHideTheDialogAndStillReportToTheOwner) {
    ASSERT_EQ(tf_DSGN_INIT(), 1);
    owner.SetupVisual_Private();
    EXPECT_EQ(Press(dlg->tlac_zrus), -10102);
    EXPECT_FALSE(dlg->zivy);
    ASSERT_EQ(owner.calls.size(), 1u);
    EXPECT_EQ(owner.calls[0], std::make_tuple(-10102, 1, static_cast<tf_CPol*>(dlg->tlac_zrus)));

    dlg->zivy = true;
    EXPECT_EQ(Press(dlg->tlac_x), -10103);
    EXPECT_FALSE(dlg->zivy);
    ASSERT_EQ(owner.calls.size(), 2u);
    EXPECT_EQ(std::get<0>(owner.calls[1]), -10103);
    EXPECT_EQ(Press(dlg->tlac_ok), 0);  // a hidden dialog takes no press
}

TEST_F(EditDialog, OkReportsAndLeavesTheDialogShownWithTheTypedText) {
    owner.SetupVisual_Private();
    for (int key : {int('K'), int('N'), int('I'), int('H'), int('A'), VK_BACK, int('Y')}) EXPECT_TRUE(owner.INFORMUJ_SA_KLAV(key));
    EXPECT_FALSE(owner.INFORMUJ_SA_KLAV('5'));
    EXPECT_EQ(Press(dlg->tlac_ok), -10101);
    EXPECT_TRUE(dlg->zivy);
    ASSERT_EQ(owner.calls.size(), 1u);
    EXPECT_EQ(std::get<0>(owner.calls[0]), -10101);
    EXPECT_STREQ(dlg->Get_Text(), "KNIHY");
}

TEST_F(EditDialog, TypingStopsAtTheEditBoxLimit) {
    for (int i = 0; i < 30; ++i) owner.INFORMUJ_SA_KLAV('A' + i % 26);
    const std::string typed = dlg->Get_Text();
    // The edit box takes one letter beyond its limit, as every edit box does.
    EXPECT_EQ(typed.size(), 21u);
    EXPECT_EQ(typed, std::string("ABCDEFGHIJKLMNOPQRSTU"));
    dlg->zivy = false;
    EXPECT_FALSE(owner.INFORMUJ_SA_KLAV('B'));  // hidden: keys pass by
}

TEST_F(EditDialog, WithoutAnOwnerActionsAreNotTakenButCancelStillHides) {
    tf_UTL_CDLG_EDIT d(nullptr, "T", "Q");
    EXPECT_FALSE(d.HandleFWInteraction(-10101, 1, d.tlac_ok));
    EXPECT_TRUE(d.zivy);
    EXPECT_FALSE(d.HandleFWInteraction(-10102, 1, d.tlac_zrus));
    EXPECT_FALSE(d.zivy);
    EXPECT_TRUE(dlg->HandleFWInteraction(7, 3, nullptr));  // anything else goes up as it came
    EXPECT_EQ(owner.calls.back(), std::make_tuple(7, 3, static_cast<tf_CPol*>(nullptr)));
    EXPECT_TRUE(dlg->zivy);
}
