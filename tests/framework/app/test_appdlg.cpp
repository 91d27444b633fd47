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

namespace {
// The entry the row list shows for that caption, or null.
tf_TVOLBA* Shown(tf_CDUIR* list, const char* text) {
    for (int i = 0; i < list->volby.count; ++i) {
        auto* v = static_cast<tf_TVOLBA*>(list->volby.GET(i));
        if (v->text && std::string(v->text) == text) return v;
    }
    return nullptr;
}

void ClickRow(tf_CDUIR* list, const char* text) {
    const tf_TVOLBA* v = Shown(list, text);
    ASSERT_NE(v, nullptr) << text;
    const LPARAM at = MAKELPARAM((v->obdlz.left + v->obdlz.right) / 2, (v->obdlz.top + v->obdlz.bottom) / 2);
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) plat_Headless_Post(msg, 0, at);
}
}  // namespace

TEST_F(TfAppDlg, ResolutionShowsTheSizeAppliesAChosenRowOrCancels) {
    config.modes = {{800, 600}, {1024, 768}, {1280, 1024}, {1600, 900}, {1920, 1080}};
    tf_CAppResolutionDlg* dlg = screen.m_pDlgRozlisenie;
    tf_CDUIR* list = dlg->m_duir_Rozlisenia;
    std::vector<std::string> boxes;
    auto note_boxes = [&] { boxes.push_back(std::string(dlg->m_pSirka->text) + " " + dlg->m_pVyska->text); };
    RunSteps({[&] { ClickId(TF_APP_ID_RESOLUTION); },
              [&] {
                  note_boxes();
                  EXPECT_EQ(list->CountR(), 5);
                  ClickRow(list, "1280  x  1024");
              },
              [&] {
                  note_boxes();
                  EXPECT_TRUE(dlg->zivy && list->zivy);  // the list stays after a choice
                  screen.trail.clear();
                  ClickId(TF_APPDLG_ID_RES_APPLY);
              },
              [&] {
                  EXPECT_FALSE(dlg->zivy);
                  EXPECT_EQ(plat_PrimarySurface()->Width(), 1280);
                  ClickId(TF_APP_ID_RESOLUTION);
              },
              [&] {
                  note_boxes();
                  ClickRow(list, "800  x  600");
              },
              [&] {
                  note_boxes();
                  screen.trail.push_back("cancel");
                  ClickId(TF_APPDLG_ID_RES_CANCEL);
              },
              [&] {
                  EXPECT_FALSE(dlg->zivy);
                  EXPECT_EQ(plat_PrimarySurface()->Width(), 1280);
              }});
    EXPECT_EQ(boxes, (std::vector<std::string>{"1920 1080", "1280 1024", "1280 1024", "800 600"}));
    EXPECT_EQ(screen.Count("Changed 1920x1080->1280x1024"), 1);
    EXPECT_EQ(std::count_if(screen.trail.begin(), screen.trail.end(),
                            [](const std::string& s) { return s.rfind("Changed", 0) == 0; }),
              1);  // nothing after the cancel
    EXPECT_EQ(ReadIni(), "1280 1024\n2 16");
}

TEST_F(TfAppDlg, ResolutionIgnoresAnApplyBeforeAChoiceAndRowsWithoutASize) {
    tf_CAppResolutionDlg* dlg = screen.m_pDlgRozlisenie;
    RunSteps({[&] {
        screen.HandleFWInteraction(TF_APP_ID_APPLY_RESOLUTION, 1, nullptr);  // nothing chosen yet
        EXPECT_EQ(tf_lpDDSBack->Width(), 1920);
        dlg->m_ChosenW = 1024;
        dlg->m_ChosenH = 768;
        int value = 90;
        const char* const bad_rows[] = {"wide  x  tall", "1024 x", "-800  x  600", "1024  by  0", "", nullptr};
        for (const char* bad : bad_rows) {
            dlg->m_duir_Rozlisenia->PRIDAJ(value, bad);
            EXPECT_FALSE(dlg->HandleFWInteraction(TF_APPDLG_ID_RES_LIST, value++, dlg->m_duir_Rozlisenia));
        }
        EXPECT_FALSE(dlg->HandleFWInteraction(TF_APPDLG_ID_RES_LIST, 77, dlg->m_duir_Rozlisenia));  // no such row
        EXPECT_EQ(std::pair(dlg->m_ChosenW, dlg->m_ChosenH), std::pair(1024, 768));
        EXPECT_STREQ(dlg->m_pSirka->text, "");
    }});
    EXPECT_EQ(screen.Count("Release"), 1);  // the shutdown's only
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR", "tf_CAppResolutionDlg", "[90]"}));
}

namespace {
// Time between each frame and the next from frame `from` on.
std::vector<DWORD> Gaps(const std::vector<DWORD>& times, size_t from) {
    std::vector<DWORD> out;
    for (size_t i = from + 1; i < times.size(); ++i) out.push_back(times[i] - times[i - 1]);
    return out;
}
}  // namespace

TEST_F(TfAppDlg, TimerStepsUpTheFramePeriodAndCloseSavesIt) {
    tf_CAppTimerDlg* dlg = screen.m_pDlgCasovac;
    std::vector<std::string> shown;
    auto note = [&] { shown.push_back(std::to_string(dlg->m_RedrawLevel) + " " + dlg->m_pPerioda->text); };
    size_t mark = 0;
    RunSteps({[&] { ClickId(TF_APP_ID_TIMER); },
              [&] {
                  note();
                  for (int i = 0; i < 3; ++i) ClickId(TF_APPDLG_ID_TIMER_UP);
              },
              [&] {
                  note();
                  mark = screen.frame_times.size() - 1;  // the first frame of the new period
              },
              [] {}, [] {},
              [&] { ClickId(TF_APPDLG_ID_TIMER_OK); },
              [&] { EXPECT_FALSE(dlg->zivy); }});
    EXPECT_EQ(shown, (std::vector<std::string>{"2 16", "5 100"}));
    EXPECT_EQ(Gaps(screen.frame_times, mark), std::vector<DWORD>(Gaps(screen.frame_times, mark).size(), 100));
    EXPECT_GE(screen.frame_times.size() - mark, 4u);
    EXPECT_EQ(ReadIni(), "1920 1080\n5 100");
}

TEST_F(TfAppDlg, TimerStepsStopAtTheEndsAndStillRestartTheTimer) {
    WriteIni("1920 1080\n10 400");
    tf_CAppTimerDlg* dlg = screen.m_pDlgCasovac;
    std::vector<std::string> shown;
    auto note = [&] { shown.push_back(std::to_string(dlg->m_RedrawLevel) + " " + dlg->m_pPerioda->text); };
    DWORD clicked = 0;
    size_t mark = 0;
    RunSteps({[&] { ClickId(TF_APP_ID_TIMER); },
              [&] {
                  note();
                  clicked = plat_Headless_Now();
                  ClickId(TF_APPDLG_ID_TIMER_UP);
              },
              [&] {
                  note();
                  EXPECT_EQ(screen.frame_times.back() - clicked, 400u);  // counted from the click
                  for (int i = 0; i < 10; ++i) ClickId(TF_APPDLG_ID_TIMER_DOWN);
              },
              [&] {
                  note();
                  mark = screen.frame_times.size() - 1;
              },
              [] {}, [] {}});
    EXPECT_EQ(shown, (std::vector<std::string>{"10 400", "10 400", "1 4"}));
    // 4 ms is below the window timer's shortest period of 10 ms, which the frames then keep.
    EXPECT_EQ(Gaps(screen.frame_times, mark), std::vector<DWORD>(Gaps(screen.frame_times, mark).size(), 10));
    EXPECT_EQ(ReadIni(), "1920 1080\n1 4");
}
