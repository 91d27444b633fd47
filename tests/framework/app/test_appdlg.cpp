// The frame's info, resolution and redraw-timer dialogs, used through the title buttons and
// the dialogs' own buttons with the pointer, on the headless display.
#include "framework/widgets/tf_dedb.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_policon.h"
#include "framework/widgets/tf_tlac.h"
#include "platform/codepage.h"
#include "tests/framework/app/app_fixture.h"

using namespace app_test;

namespace {
int g_asserts = 0;

struct TfAppDlg : AppTest {
    void SetUp() override {
        AppTest::SetUp();
        g_asserts = 0;
        previous = tf_SetAssertHandler([](const char*, int) { ++g_asserts; });
    }
    void TearDown() override {
        tf_SetAssertHandler(previous);
        AppTest::TearDown();
    }
    // Each step runs at its own idle moment, with at least one frame after it; then Esc.
    void RunSteps(std::vector<std::function<void()>> steps) {
        Run(screen, [&](int moment) {
            if (moment % 2 == 0) return;  // time moves on to the next frame
            const size_t i = size_t(moment / 2);
            if (i < steps.size())
                steps[i]();
            else if (i == steps.size())
                PostKey(VK_ESCAPE);
        });
    }
    // A press and release in the middle of the widget, the pointer coming there first.
    static void Click(tf_CPol* w) {
        int sir = 0, vys = 0;
        w->GetSize(&sir, &vys);
        const LPARAM at = MAKELPARAM(w->x + sir / 2, w->y + vys / 2);
        for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) plat_Headless_Post(msg, 0, at);
    }
    void ClickId(int id) { Click(screen.FindCHLWithID(id)); }
    static const char* Text(tf_CPolCHLO* dlg, int id) { return static_cast<tf_CLabel*>(dlg->FindCHLWithID(id))->text; }
    // Opaque pixels of the icon's phase that the frame on screen does not show at (x, y).
    static int IconMismatches(const tf_CIcon* icon, int x, int y, int* seen) {
        const tf_TFAZA& f = icon->faza;
        int bad = 0;
        *seen = 0;
        for (int v = 0; v < f.vys - 1; ++v)
            for (int u = 0; u < f.sir - 1; ++u) {
                const uint16_t want = Px(icon->srf->lpDDS, f.x1 + u, f.y1 + v);
                if (want == icon->srf->TC) continue;
                ++*seen;
                bad += Px(plat_PrimarySurface(), x + u, y + v) != want;
            }
        return bad;
    }

    RecordingScreen screen;
    tf_AssertHandler previous = nullptr;
};
}  // namespace

TEST_F(TfAppDlg, InfoShowsTheApplicationsInfoOrPlaceholdersAndItsOkHidesIt) {
    tf_CAppInfoDlg* info = screen.m_pDlgInfo;
    std::vector<std::string> texts;
    int seen = 0, bad = -1;
    auto look = [&] {
        for (int id : {1203, 1204, 1205, 1206, 1207, 1208, 1209, 1211}) texts.push_back(Text(info, id));
        const auto* shown = static_cast<tf_CPolIcon*>(info->FindCHLWithID(TF_APPDLG_ID_INFO_ICON));
        bad = IconMismatches(shown, info->x + 110, info->y + 118, &seen);
    };
    RunSteps({[&] { ClickId(TF_APP_ID_INFO); },
              [&] {
                  look();
                  EXPECT_EQ(info->m_pIcon->faza.x1, tf_DSGN.ico_void->faza.x1);  // the placeholder
                  EXPECT_EQ(info->m_pIcon->srf, tf_DSGN.ico_void->srf);
                  ClickId(TF_APPDLG_ID_INFO_OK);
              },
              [&] { EXPECT_FALSE(info->zivy); }});
    EXPECT_EQ(texts, (std::vector<std::string>{plat_W1250(u8"beží tramlin softvér"), "<void Title>",
                                               "(<void Version>)", "Programoval:", "<void Name>",
                                               plat_W1250(u8"Tento program je postavený na kniżnici"),
                                               "'tramlin 2D Framework' (2D engine)", "OK"}));
    EXPECT_GT(seen, 20);
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(std::pair(info->x, info->y), std::pair(960 - 183, 540 - 146));  // centred

    // The application's own info, and its icon measured out of a picture it holds.
    tf_DSGN_DONE();  // the design is built afresh with the next display
    RecordingScreen app;
    app.SetAppInfo("Pexlo", "(verzia: 1.1)", plat_W1250(u8"tím"), nullptr, 220, 100);
    app.on_note = [&](const std::string& what) {
        if (what == "Init") app.m_pIconSurface = tf_DSGN.rezia_dll_srf;  // there once the display is
    };
    texts.clear();
    Run(app, [&](int moment) {
        if (moment == 1) {
            app.m_pDlgInfo->zivy = true;
        } else if (moment == 3) {
            info = app.m_pDlgInfo;
            look();
            EXPECT_EQ(info->m_pIcon->faza.x1, app.m_pAppIcon->faza.x1);
            PostKey(VK_ESCAPE);
        }
    });
    EXPECT_EQ(texts[1] + texts[2] + texts[4], "Pexlo(verzia: 1.1)" + std::string(plat_W1250(u8"tím")));
    EXPECT_GT(seen, 20);
    EXPECT_EQ(bad, 0);
}

TEST_F(TfAppDlg, InfoWithoutAScreenAboveItSaysSoAndShowsPlaceholders) {
    tf_CAppInfoDlg lone(nullptr, TF_APP_ID_INFO_DLG);
    EXPECT_EQ(lone.SetupVisual(), 0);
    EXPECT_EQ(g_asserts, 1);
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR", "tf_CAppInfoDlg::SetupVisual(); app == NULL"}));
    EXPECT_STREQ(lone.m_pTitle->text, "<void Title>");
    EXPECT_FALSE(lone.zivy);
}
