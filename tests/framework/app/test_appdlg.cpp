// The frame's info, resolution and redraw-timer dialogs, used through the title buttons and
// the dialogs' own buttons with the pointer, on the headless display.
#include "framework/widgets/tf_dedb.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_policon.h"
#include "platform/codepage.h"
#include "tests/framework/app/app_fixture.h"

using namespace app_test;

namespace {
// A press and release in the middle of `r`, the pointer coming there first.
void click(const RECT& r) {
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
        plat_Headless_Post(msg, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
}

void click_row(tf_CDUIR* list, const char* text) {
    for (int i = 0; i < list->volby.count; ++i)
        if (const auto* v = static_cast<tf_TVOLBA*>(list->volby.GET(i)); v->text && v->text == std::string(text)) return click(v->obdlz);
    ADD_FAILURE() << text;
}

using TfAppDlg = AppTest;
}  // namespace

// Info shows the application's info and icon, its OK hides it. Resolution applies nothing
// before a choice, shows the size, applies a chosen row or cancels. The timer's steps change
// the period, stop at the ends, and its OK saves it.
TEST_F(TfAppDlg, InfoResolutionAndTimerThroughTheirButtons) {
    config.modes = {{800, 600}, {1024, 768}, {1280, 1024}, {1600, 900}, {1920, 1080}};
    RecordingScreen screen;
    const auto click_id = [&](int id) {
        tf_CPol* w = screen.FindCHLWithID(id);
        int sir = 0, vys = 0;
        w->GetSize(&sir, &vys), click({w->x, w->y, w->x + sir, w->y + vys});
    };
    screen.SetAppInfo("Pexlo", "(verzia: 1.1)", plat_W1250(u8"tím"), nullptr, 220, 100);
    // The icon's surface is there once the display is.
    screen.on_note = [&](const std::string& what) { if (what == "Init") screen.m_pIconSurface = tf_DSGN.rezia_dll_srf; };
    tf_CAppInfoDlg* info = screen.m_pDlgInfo;
    tf_CAppResolutionDlg* dlg = screen.m_pDlgRozlisenie;
    tf_CAppTimerDlg* timer = screen.m_pDlgCasovac;
    std::vector<std::string> seen;
    auto text = [&](int id) { return std::string(static_cast<tf_CLabel*>(info->FindCHLWithID(id))->text); };
    auto boxes = [&] { seen.push_back(std::string(dlg->m_pSirka->text) + " " + dlg->m_pVyska->text); };
    auto period = [&](int id, int times) {
        seen.push_back(std::to_string(timer->m_RedrawLevel) + " " + timer->m_pPerioda->text);
        for (int i = 0; i < times; ++i) click_id(id);
    };
    const std::vector<std::function<void()>> steps = {
        [&] { screen.HandleFWInteraction(TF_APP_ID_APPLY_RESOLUTION, 1, nullptr), click_id(TF_APP_ID_INFO); },  // nothing chosen
        [&] {
            EXPECT_EQ(text(1204) + text(1205) + text(1207), "Pexlo(verzia: 1.1)" + std::string(plat_W1250(u8"tím")));
            EXPECT_EQ(info->m_pIcon->faza.x1, screen.m_pAppIcon->faza.x1);
            click_id(TF_APPDLG_ID_INFO_OK), click_id(TF_APP_ID_RESOLUTION);
        },
        [&] { EXPECT_FALSE(info->zivy); boxes(), click_row(dlg->m_duir_Rozlisenia, "1280  x  1024"); },
        [&] { boxes(), click_id(TF_APPDLG_ID_RES_APPLY); },
        [&] { click_id(TF_APP_ID_RESOLUTION); }, [&] { click_row(dlg->m_duir_Rozlisenia, "800  x  600"); },
        [&] { boxes(), click_id(TF_APPDLG_ID_RES_CANCEL); },
        [&] { EXPECT_FALSE(dlg->zivy); click_id(TF_APP_ID_TIMER); },
        [&] { period(TF_APPDLG_ID_TIMER_UP, 3); }, [&] { period(TF_APPDLG_ID_TIMER_DOWN, 10); },
        [&] { period(TF_APPDLG_ID_TIMER_OK, 1); }, [&] { EXPECT_FALSE(timer->zivy); }};
    Run(screen, [&](int moment) {  // a step at every other idle moment, a frame after each; then Esc
        const size_t i = size_t(moment / 2);
        if (moment % 2 == 1 && i <= steps.size()) i < steps.size() ? steps[i]() : PostKey(VK_ESCAPE);
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"1920 1080", "1280 1024", "800 600", "2 16", "5 100", "1 4"}));
    // Released for the one change and the shutdown: the cancel changed nothing.
    EXPECT_EQ(std::tuple(screen.Count("Changed 1920x1080->1280x1024"), screen.Count("Release"), ReadIni()),
              std::tuple(1, 2, "1280 1024\n1 4"));
}
