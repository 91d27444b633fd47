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
// A press and release at (x, y), the pointer coming there first.
void click_at(int x, int y) {
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) plat_Headless_Post(msg, 0, MAKELPARAM(x, y));
}

void click_row(tf_CDUIR* list, const char* text) {
    for (int i = 0; i < list->volby.count; ++i) {
        const auto* v = static_cast<tf_TVOLBA*>(list->volby.GET(i));
        if (v->text && std::string(v->text) == text)
            return click_at((v->obdlz.left + v->obdlz.right) / 2, (v->obdlz.top + v->obdlz.bottom) / 2);
    }
    ADD_FAILURE() << text;
}

std::string text(tf_CPolCHLO* dlg, int id) { return static_cast<tf_CLabel*>(dlg->FindCHLWithID(id))->text; }

struct TfAppDlg : AppTest {
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
    void ClickId(int id) {
        tf_CPol* w = screen.FindCHLWithID(id);
        int sir = 0, vys = 0;
        w->GetSize(&sir, &vys);
        click_at(w->x + sir / 2, w->y + vys / 2);
    }

    RecordingScreen screen;
};
}  // namespace

// Info shows the application's info and icon, its OK hides it. Resolution applies nothing
// before a choice, shows the size, applies a chosen row or cancels. The timer's steps change
// the period, stop at the ends, and its OK saves it.
TEST_F(TfAppDlg, InfoResolutionAndTimerThroughTheirButtons) {
    config.modes = {{800, 600}, {1024, 768}, {1280, 1024}, {1600, 900}, {1920, 1080}};
    screen.SetAppInfo("Pexlo", "(verzia: 1.1)", plat_W1250(u8"tím"), nullptr, 220, 100);
    screen.on_note = [&](const std::string& what) {
        if (what == "Init") screen.m_pIconSurface = tf_DSGN.rezia_dll_srf;  // there once the display is
    };
    tf_CAppInfoDlg* info = screen.m_pDlgInfo;
    tf_CAppResolutionDlg* dlg = screen.m_pDlgRozlisenie;
    tf_CAppTimerDlg* timer = screen.m_pDlgCasovac;
    std::vector<std::string> boxes, periods;
    auto note_boxes = [&] { boxes.push_back(std::string(dlg->m_pSirka->text) + " " + dlg->m_pVyska->text); };
    auto click = [&](int id, int times) { for (int i = 0; i < times; ++i) ClickId(id); };
    auto period = [&] { periods.push_back(std::to_string(timer->m_RedrawLevel) + " " + timer->m_pPerioda->text); };
    RunSteps({[&] {
                  screen.HandleFWInteraction(TF_APP_ID_APPLY_RESOLUTION, 1, nullptr);  // nothing chosen yet
                  ClickId(TF_APP_ID_INFO);
              },
              [&] {
                  EXPECT_EQ(tf_lpDDSBack->Width(), 1920);
                  EXPECT_EQ(text(info, 1204) + text(info, 1205) + text(info, 1207),
                            "Pexlo(verzia: 1.1)" + std::string(plat_W1250(u8"tím")));
                  EXPECT_EQ(info->m_pIcon->faza.x1, screen.m_pAppIcon->faza.x1);
                  ClickId(TF_APPDLG_ID_INFO_OK);
              },
              [&] {
                  EXPECT_FALSE(info->zivy);
                  ClickId(TF_APP_ID_RESOLUTION);
              },
              [&] { note_boxes(), click_row(dlg->m_duir_Rozlisenia, "1280  x  1024"); },
              [&] { note_boxes(), ClickId(TF_APPDLG_ID_RES_APPLY); },
              [&] {
                  EXPECT_EQ(plat_PrimarySurface()->Width(), 1280);
                  ClickId(TF_APP_ID_RESOLUTION);
              },
              [&] { note_boxes(), click_row(dlg->m_duir_Rozlisenia, "800  x  600"); },
              [&] { note_boxes(), ClickId(TF_APPDLG_ID_RES_CANCEL); },
              [&] {
                  EXPECT_FALSE(dlg->zivy);
                  EXPECT_EQ(plat_PrimarySurface()->Width(), 1280);  // the cancel changed nothing
                  ClickId(TF_APP_ID_TIMER);
              },
              [&] { period(), click(TF_APPDLG_ID_TIMER_UP, 3); }, [&] { period(), click(TF_APPDLG_ID_TIMER_DOWN, 10); },
              [&] { period(), ClickId(TF_APPDLG_ID_TIMER_OK); }, [&] { EXPECT_FALSE(timer->zivy); }});
    EXPECT_EQ(boxes, (std::vector<std::string>{"1920 1080", "1280 1024", "1280 1024", "800 600"}));
    EXPECT_EQ(screen.Count("Changed 1920x1080->1280x1024"), 1);
    EXPECT_EQ(screen.Count("Release"), 2);  // the one change's and the shutdown's
    EXPECT_EQ(periods, (std::vector<std::string>{"2 16", "5 100", "1 4"}));
    EXPECT_EQ(ReadIni(), "1280 1024\n1 4");
}
