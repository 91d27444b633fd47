// Keys, pointer events and the frame's actions through the window procedure.
#include <string>

#include "framework/tuning/tf_km.h"
#include "tests/framework/app/app_fixture.h"

using namespace app_test;

namespace {
// A pressable widget: remembers where the pointer events hit and reports `pressed` once.
struct Pressable : tf_CPol {
    Pressable(tf_CPolCHLO* parent, int ID) : tf_CPol(parent, ID) { class_id = 4; }
    bool INFORMUJ_SA(int x_, int y_, int event) override {
        events.push_back(std::to_string(x_) + "," + std::to_string(y_) + ":" + std::to_string(event));
        if (event == -1) pressed = true;
        return true;
    }
    bool PollAction(int* value) override {
        if (!pressed) return false;
        pressed = false;
        *value = 1;
        return true;
    }
    std::vector<std::string> events;
    bool pressed = false;
};

struct TfAppKeys : AppTest {
    bool Shown(int id) { return screen.FindCHLWithID(id)->zivy; }
    RecordingScreen screen;
};
}  // namespace

TEST_F(TfAppKeys, EscapeAndF12CloseAndSave) {
    for (int key : {VK_ESCAPE, VK_F12}) {
        remove(kIni);
        RecordingScreen s;
        const int code = Run(s, [&](int moment) {
            if (moment == 2) PostKey(key);
        });
        EXPECT_EQ(code, 0);
        EXPECT_EQ(ReadIni(), "1920 1080\n2 16") << key;
        EXPECT_EQ(s.Count("Release"), 1);
    }
}

TEST_F(TfAppKeys, AKeyTakenByAWidgetDoesNotClose) {
    auto* eater = new KeyEater(&screen);
    eater->eats = {VK_ESCAPE, VK_F12, VK_F2};
    int frames_after = -1;
    Run(screen, [&](int moment) {
        if (moment == 1) {
            PostKey(VK_ESCAPE);
            PostKey(VK_F12);
            PostKey(VK_F2, true);
        } else if (moment == 5) {
            frames_after = screen.Count("Redraw");
            eater->eats.clear();
            PostKey(VK_F12);
        }
    });
    EXPECT_EQ(eater->offered, (std::vector<int>{VK_ESCAPE, VK_F12, VK_F2, VK_F12}));
    EXPECT_GT(frames_after, 2);  // still running after the three keys
    EXPECT_TRUE(Shown(TF_APP_ID_RESOLUTION));
    EXPECT_EQ(ReadIni(), "1920 1080\n2 16");  // saved by the last F12 only
}

TEST_F(TfAppKeys, F1WithoutAModifierChangesNothing) {
    Run(screen, [&](int moment) {
        if (moment == 1) {
            PostKey(VK_F1);
            PostKey('A');
            PostKey(VK_F2);  // F2 alone neither
        } else if (moment == 4) {
            EXPECT_FALSE(tf_KM_on);
            EXPECT_FALSE(IniExists());
            EXPECT_TRUE(Shown(TF_APP_ID_RESOLUTION));
            EXPECT_TRUE(Shown(TF_APP_ID_TIMER));
            PostKey(VK_ESCAPE);
        }
    });
    EXPECT_GE(screen.Count("Redraw"), 2);  // it went on drawing
}

TEST_F(TfAppKeys, CtrlF2TwiceHidesAndShowsTheExtraButtonsAndKeepsTheDialogsHidden) {
    Run(screen, [&](int moment) {
        if (moment == 1) {
            screen.HandleFWInteraction(TF_APP_ID_RESOLUTION, 0, nullptr);
            screen.HandleFWInteraction(TF_APP_ID_TIMER, 0, nullptr);
            EXPECT_TRUE(screen.m_pDlgRozlisenie->zivy && screen.m_pDlgCasovac->zivy);
            PostKey(VK_F2, true);
        } else if (moment == 2) {
            EXPECT_FALSE(Shown(TF_APP_ID_RESOLUTION));
            EXPECT_FALSE(Shown(TF_APP_ID_TIMER));
            EXPECT_TRUE(Shown(TF_APP_ID_CLOSE) && Shown(TF_APP_ID_INFO));
            EXPECT_FALSE(screen.m_pDlgRozlisenie->zivy || screen.m_pDlgCasovac->zivy);
            PostKey(VK_F2, false, true);  // Shift serves as well
        } else if (moment == 3) {
            EXPECT_TRUE(Shown(TF_APP_ID_RESOLUTION));
            EXPECT_TRUE(Shown(TF_APP_ID_TIMER));
            EXPECT_FALSE(screen.m_pDlgRozlisenie->zivy || screen.m_pDlgCasovac->zivy);
            PostKey(VK_ESCAPE);
        }
    });
}

TEST_F(TfAppKeys, TheTitleButtonsActionsWorkThroughTheScreen) {
    Run(screen, [&](int moment) {
        if (moment != 1) return;
        for (int id : {TF_APP_ID_INFO, TF_APP_ID_RESOLUTION, TF_APP_ID_TIMER})
            EXPECT_FALSE(screen.HandleFWInteraction(id, 0, nullptr));
        EXPECT_TRUE(screen.m_pDlgInfo->zivy);
        EXPECT_TRUE(screen.m_pDlgRozlisenie->zivy);
        EXPECT_TRUE(screen.m_pDlgCasovac->zivy);
        EXPECT_EQ(screen.m_pDlgRozlisenie->m_ChosenW, 1920);  // preset to the current mode
        EXPECT_EQ(screen.m_pDlgRozlisenie->m_ChosenH, 1080);
        screen.HandleFWInteraction(TF_APP_ID_INFO, 0, nullptr);
        screen.HandleFWInteraction(12345, 0, nullptr);
        EXPECT_FALSE(screen.m_pDlgInfo->zivy);
        EXPECT_TRUE(screen.m_pDlgRozlisenie->zivy);
        EXPECT_FALSE(IniExists());
        EXPECT_FALSE(screen.HandleFWInteraction(TF_APP_ID_CLOSE, 0, nullptr));
    });
    EXPECT_EQ(ReadIni(), "1920 1080\n2 16");
    EXPECT_EQ(screen.Count("Release"), 1);
}

TEST_F(TfAppKeys, AClickReachesTheWidgetsAndItsActionCloses) {
    auto* button = new Pressable(&screen, TF_APP_ID_CLOSE + 1000);
    int moves = 0;
    Run(screen, [&](int moment) {
        if (moment == 1) {
            plat_Headless_Post(WM_MOUSEMOVE, 0, MAKELPARAM(1900, 1070));
            plat_Headless_Post(WM_LBUTTONDOWN, 0, MAKELPARAM(12, 34));
            plat_Headless_Post(WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));  // the right button is not theirs
            plat_Headless_Post(WM_LBUTTONUP, 0, MAKELPARAM(12, 34));
        } else if (moment == 2) {
            moves = static_cast<int>(button->events.size());
            button->ID = TF_APP_ID_CLOSE;  // the next completed press is the close button's
            plat_Headless_Post(WM_LBUTTONDOWN, 0, MAKELPARAM(1, 2));
            plat_Headless_Post(WM_LBUTTONUP, 0, MAKELPARAM(1, 2));
        }
    });
    EXPECT_EQ(moves, 3);
    ASSERT_GE(button->events.size(), 3u);
    EXPECT_EQ(button->events[0], "1900,1070:0");
    EXPECT_EQ(button->events[1], "12,34:1");
    EXPECT_EQ(button->events[2], "12,34:-1");
    EXPECT_EQ(ReadIni(), "1920 1080\n2 16");
}

TEST_F(TfAppKeys, TheTuningModeTakesTheInputButFramesAndShutdownGoOn) {
    auto* button = new Pressable(&screen, 900);
    int frames_in_tuning = 0;
    Run(screen, [&](int moment) {
        if (moment == 1) {
            tf_KM_on = true;
            plat_Headless_Post(WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));
            plat_Headless_Post(WM_ACTIVATEAPP, 1, 0);
            PostKey(VK_ESCAPE);
        } else if (moment == 4) {
            frames_in_tuning = screen.Count("Redraw");
            EXPECT_TRUE(button->events.empty());
            EXPECT_EQ(tf_bAppActive, 0);
            EXPECT_FALSE(IniExists());
            plat_Headless_Post(WM_CLOSE, 0, 0);  // the window still closes
        }
    });
    EXPECT_GE(frames_in_tuning, 2);
    EXPECT_EQ(screen.Count("Release"), 1);
}

TEST_F(TfAppKeys, ActivationIsNoted) {
    Run(screen, [&](int moment) {
        if (moment == 1) plat_Headless_Post(WM_ACTIVATEAPP, 1, 0);
        if (moment == 2) {
            EXPECT_EQ(tf_bAppActive, 1);
            plat_Headless_Post(WM_ACTIVATEAPP, 0, 0);
        }
        if (moment == 3) {
            EXPECT_EQ(tf_bAppActive, 0);
            PostKey(VK_ESCAPE);
        }
    });
}
