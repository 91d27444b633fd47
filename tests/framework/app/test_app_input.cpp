// Keys and pointer events through the window procedure.
#include "tests/framework/app/app_fixture.h"

using namespace app_test;

namespace {
// Takes every key while `eating`; notes the pointer events and reports a completed press once.
struct Widget : tf_CPolCHLO {
    explicit Widget(tf_CPolCHLO* parent) : tf_CPolCHLO(parent, 901) {}
    bool INFORMUJ_SA_KLAV(int key) override { return keys.push_back(key), eating; }
    bool INFORMUJ_SA(int x_, int y_, int event) override {
        return events.push_back(std::to_string(x_) + "," + std::to_string(y_) + ":" + std::to_string(event)), true;
    }
    bool INFORMUJ_MA(int*) override { return HandleFWInteraction(ID, 1, this); }
    std::vector<int> keys;
    Trail events;
    bool eating = true;
};
using TfAppInput = AppTest;
}  // namespace

// Esc and F12 close and save unless a widget takes them; Ctrl+F2 (or Shift+F2) hides and shows
// the resolution and timer buttons, closing their dialogs; pointer events reach the widgets.
TEST_F(TfAppInput, KeysCloseOrToggleTheButtonsUnlessAWidgetTakesThemPointerEventsReachTheWidgets) {
    RecordingScreen plain;
    EXPECT_EQ(Run(plain, [&](int) { PostKey(VK_F12); }), 0);
    EXPECT_EQ(ReadIni(), "1920 1080\n2 16");
    remove(INI);
    RecordingScreen screen;
    auto* widget = new Widget(&screen);
    const auto shown = [&] {  // the resolution, timer, close and info buttons, then the two dialogs
        std::string on;
        for (int id : {TF_APP_ID_RESOLUTION, TF_APP_ID_TIMER, TF_APP_ID_CLOSE, TF_APP_ID_INFO}) on += "01"[screen.FindCHLWithID(id)->zivy];
        return on + "01"[screen.m_pDlgRozlisenie->zivy] + "01"[screen.m_pDlgCasovac->zivy];
    };
    const char* const on[] = {"111100", "001100", "111100", "111100"};  // at moments 2 to 5
    Run(screen, [&](int moment) {
        if (moment >= 2 && moment <= 5) {  // still running, nothing saved (the action 901 means nothing here)
            EXPECT_EQ(std::tuple(ReadIni(), shown()), std::tuple("", on[moment - 2])) << moment;
        }
        if (moment == 1) PostKey(VK_ESCAPE), PostKey(VK_F12), PostKey(VK_F2, true);
        if (moment == 2) {
            widget->eating = false;  // and both dialogs open
            screen.HandleFWInteraction(TF_APP_ID_RESOLUTION, 0, nullptr), screen.HandleFWInteraction(TF_APP_ID_TIMER, 0, nullptr);
            PostKey(VK_F2, true);
        }
        if (moment == 3) PostKey(VK_F2, false, true);  // Shift serves as well
        if (moment == 4) {
            PostKey(VK_F2);  // alone it does nothing
            plat_Headless_Post(WM_MOUSEMOVE, 0, MAKELPARAM(1900, 1070));
            plat_Headless_Post(WM_LBUTTONDOWN, 0, MAKELPARAM(12, 34));
            plat_Headless_Post(WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));  // not for the widgets
        }
        if (moment == 5) widget->ID = TF_APP_ID_CLOSE, plat_Headless_Post(WM_LBUTTONUP, 0, MAKELPARAM(1, 2));
    });
    EXPECT_EQ(widget->keys, (std::vector<int>{VK_ESCAPE, VK_F12, VK_F2, VK_F2, VK_F2, VK_F2}));
    EXPECT_EQ(widget->events, (Trail{"1900,1070:0", "12,34:1", "1,2:-1"}));
    EXPECT_EQ(ReadIni(), "1920 1080\n2 16");
}
