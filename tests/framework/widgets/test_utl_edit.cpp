// The one-line edit dialog: its look from the design, the buttons' reports to the owner,
// and typing into it.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "framework/widgets/tf_dsgn.h"
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
using Call = std::tuple<int, int, tf_CPol*>;

// The owner: records what reaches it.
struct Owner : tf_CPolCHLO {
    bool HandleFWInteraction(int id, int value, tf_CPol* source) override {
        calls.emplace_back(id, value, source);
        return true;
    }
    std::vector<Call> calls;
};

struct EditDialog : widget_test::ScreenTest {
    void SetUp() override {
        widget_test::ScreenTest::SetUp();
        dlg = new tf_UTL_CDLG_EDIT(&owner, "Nova kniha", "Meno knihy:");
        dlg->CHOD_NA(100, 50);
    }
    void TearDown() override {
        tf_DSGN_DONE();
        widget_test::ScreenTest::TearDown();
    }
    // Press, poll (buttons act on the press) and release, as the owner passes them on:
    // the id reported, or 0.
    int Press(tf_CTlac* t) {
        int id = 0;
        owner.INFORMUJ_SA(t->x + 5, t->y + 5, 0);
        owner.INFORMUJ_SA(t->x + 5, t->y + 5, 1);
        const bool reported = owner.INFORMUJ_MA(&id);
        owner.INFORMUJ_SA(t->x + 5, t->y + 5, -1);
        return reported ? id : 0;
    }

    widget_test::SkinResource skin;
    test_support::AssertCounter asserts;
    Owner owner;
    tf_UTL_CDLG_EDIT* dlg = nullptr;
};
}  // namespace

TEST_F(EditDialog, SetupTakesTheTextsFromTheDesignAndIsLoggedWithoutIt) {
    EXPECT_EQ(dlg->SetupVisual(), 0);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "tf_UTL_CDLG_EDIT::SetupVisual - !tf_DSGN_INIT_flag"}));
    EXPECT_EQ(asserts.count(), 0);
    ASSERT_EQ(tf_DSGN_INIT_Background(nullptr), 1);
    owner.SetupVisual_Private();
    EXPECT_TRUE(dlg->tlac_x->srf == tf_DSGN._T_x_->srf && dlg->obrazok->srf == tf_DSGN.rezia_dll_srf);
    auto label = [&](int id) { return static_cast<tf_CLabel*>(dlg->FindCHLWithID(id))->text; };
    EXPECT_EQ(std::string(label(-10104)) + "/" + label(-10105) + "/" + dlg->lbl_nadpis->text + "/" + dlg->lbl_otazka->text,
              std::string("OK/") + plat_W1250(u8"Zrušiť") + "/Nova kniha/Meno knihy:");
    int w = 0, h = 0;
    dlg->GetSize(&w, &h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(292, 157));
    const tf_CDEDB* e = dlg->edit;
    dlg->ZOBRAZ(back);
    EXPECT_GT(Inked(e->x, e->y, e->x + e->sir, e->y + e->vys), 0);

    const std::string longer(150, 'N');  // the title is cut to its buffer
    tf_UTL_CDLG_EDIT d(nullptr, longer.c_str(), nullptr);
    EXPECT_EQ(std::string(d.nadpis) + "/" + d.otazka, longer.substr(0, 99) + "/");
}

TEST_F(EditDialog, TypingCancelAndCloseHideItAndReportOkReportsAndLeavesItShown) {
    ASSERT_EQ(tf_DSGN_INIT_Background(nullptr), 1);
    owner.SetupVisual_Private();
    for (int key : {int('K'), int('N'), int('I'), int('H'), int('A'), VK_BACK, int('Y')}) EXPECT_TRUE(owner.INFORMUJ_SA_KLAV(key));
    EXPECT_FALSE(owner.INFORMUJ_SA_KLAV('5'));
    EXPECT_EQ(Press(dlg->tlac_ok), -10101);
    EXPECT_TRUE(dlg->zivy);
    EXPECT_STREQ(dlg->Get_Text(), "KNIHY");
    for (int i = 0; i < 30; ++i) owner.INFORMUJ_SA_KLAV('A' + i % 26);
    // 20, and the one letter beyond its limit that every edit box takes.
    EXPECT_EQ(std::string(dlg->Get_Text()), "KNIHYABCDEFGHIJKLMNOP");

    EXPECT_EQ(Press(dlg->tlac_zrus), -10102);
    EXPECT_FALSE(dlg->zivy);
    EXPECT_EQ(Press(dlg->tlac_ok), 0);  // hidden: no press reaches it
    EXPECT_FALSE(owner.INFORMUJ_SA_KLAV('B'));
    dlg->zivy = true;
    EXPECT_EQ(Press(dlg->tlac_x), -10103);
    EXPECT_FALSE(dlg->zivy);
    EXPECT_EQ(owner.calls, (std::vector<Call>{{-10101, 1, dlg->tlac_ok}, {-10102, 1, dlg->tlac_zrus}, {-10103, 1, dlg->tlac_x}}));
}

TEST_F(EditDialog, WithoutAnOwnerActionsAreNotTakenButCancelStillHides) {
    tf_UTL_CDLG_EDIT d(nullptr, "T", "Q");
    EXPECT_FALSE(d.HandleFWInteraction(-10101, 1, d.tlac_ok));
    EXPECT_TRUE(d.zivy);
    EXPECT_FALSE(d.HandleFWInteraction(-10102, 1, d.tlac_zrus));
    EXPECT_FALSE(d.zivy);
    EXPECT_TRUE(dlg->HandleFWInteraction(7, 3, nullptr));  // anything else goes up as it came
    EXPECT_EQ(owner.calls, (std::vector<Call>{{7, 3, nullptr}}));
}
