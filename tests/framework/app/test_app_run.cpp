// A whole run: the start-up steps, the shutdown order, and the failures of the display.
#include <string>

#include "tests/framework/app/app_fixture.h"
#include "tests/support/test_support.h"

using namespace app_test;

namespace {
using TfAppRun = AppTest;

// Index of the first log line holding every fragment, from `from` on; -1 when none does.
int LogIndex(std::initializer_list<const char*> fragments, int from = 0) {
    const auto lines = test_support::LogLines();
    for (size_t i = static_cast<size_t>(from); i < lines.size(); ++i) {
        bool all = true;
        for (const char* f : fragments) all = all && lines[i].find(f) != std::string::npos;
        if (all) return static_cast<int>(i);
    }
    return -1;
}
}  // namespace

TEST_F(TfAppRun, StartUpStepsThenFramesThenAnOrderlyShutdown) {
    RecordingScreen screen;
    int live_at_start = plat_LiveSurfaceCount();
    const int code = Run(screen, [&](int moment) {
        if (moment == 1) {
            EXPECT_EQ(tf_pAppScreen, &screen);
            EXPECT_EQ(screen.m_lpDDSBack, tf_lpDDSBack);
            EXPECT_NE(tf_lpDDSBack, nullptr);
            EXPECT_EQ(screen.m_ScreenW, 1920);
        }
        if (screen.Count("Redraw") == 3) PostKey(VK_ESCAPE);
    });
    EXPECT_EQ(code, 0);

    // The hooks: set-up, frames, then the close message, the release and nothing after.
    const int init = screen.Find("Init"), setup = screen.Find("SetupVisual"), init2 = screen.Find("Init2");
    const int first_frame = screen.Find("Redraw"), close = screen.Find("WM:16"), destroy = screen.Find("WM:2");
    const int release = screen.Find("Release");
    EXPECT_EQ(init, 0);
    EXPECT_LT(init, setup);
    EXPECT_LT(setup, init2);
    EXPECT_LT(init2, first_frame);
    EXPECT_LT(first_frame, close);
    EXPECT_LT(close, destroy);
    EXPECT_EQ(release, destroy + 1);
    EXPECT_EQ(release, static_cast<int>(screen.trail.size()) - 1);
    EXPECT_EQ(screen.Count("Redraw"), 3);

    // The log: the eight steps in order, then the shutdown lines.
    const auto lines = test_support::LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "===========");
    const char* steps[] = {"spracovanie m_LocApp_INI", "tf_APP_Inicializuj", "tf_APP_Synchro_dll2App", "Init();",
                           "SetupVisual_Private", "init m_duir_Rozlisenia", "Init2", "while..."};
    int at = 0;
    for (int n = 1; n <= 8; ++n) {
        const std::string number = "[" + std::to_string(n) + "]";
        at = LogIndex({"TF_APP_w(", " : QZOV [tf_CAppScreen::Execute; ", steps[n - 1], number.c_str()}, at);
        EXPECT_GE(at, 0) << "step " << n;
    }
    const int destroyed = LogIndex({"TF_APP_w(", ") : case WM_DESTROY - dll; tf_APP_WindowProc"}, at);
    EXPECT_GT(destroyed, at);
    EXPECT_GT(LogIndex({") : dll - tf_APP_Vykonaj_RELEASE_SRF"}, destroyed), destroyed);

    EXPECT_EQ(tf_lpDD, nullptr);
    EXPECT_EQ(tf_lpDDSPrimary, nullptr);
    EXPECT_EQ(tf_lpDDSBack, nullptr);
    EXPECT_EQ(plat_LiveSurfaceCount(), live_at_start);
}

TEST_F(TfAppRun, FramesComeEverySixteenMillisecondsByDefault) {
    RecordingScreen screen;
    Run(screen, [&](int) {
        if (screen.frame_times.size() == 3) PostKey(VK_ESCAPE);
    });
    ASSERT_EQ(screen.frame_times.size(), 3u);
    EXPECT_EQ(screen.frame_times[2] - screen.frame_times[1], 16u);
    EXPECT_EQ(screen.frame_times[1] - screen.frame_times[0], 16u);
}

TEST_F(TfAppRun, WithoutADisplayExecuteReturnsAtOnceWithAMessage) {
    config.failWindow = true;
    RecordingScreen screen;
    int moments = 0;
    testing::internal::CaptureStderr();
    const int code = Run(screen, [&](int) { ++moments; });
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, 1);
    EXPECT_EQ(moments, 0);
    EXPECT_TRUE(screen.trail.empty()) << screen.trail.front();
    EXPECT_NE(err.find("could not be opened"), std::string::npos) << err;
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR", "tf_APP_Inicializuj"}));
    EXPECT_EQ(LogIndex({"QZOV", "[3]"}), -1);
    EXPECT_TRUE(plat_Headless_MessageBoxes().empty());
    EXPECT_EQ(tf_lpDD, nullptr);
}

TEST_F(TfAppRun, AModeTheDisplayRefusesEndsTheProgramThroughTheFailurePath) {
    RecordingScreen screen;
    const int code = Run(screen, [&](int moment) {
        if (moment == 1) {
            EXPECT_EQ(tf_APP_ChangeDisplayMode(0, 0), 0);
        }
    });
    EXPECT_EQ(code, 0);
    ASSERT_EQ(plat_Headless_MessageBoxes().size(), 1u);
    EXPECT_EQ(plat_Headless_MessageBoxes()[0], "Problem pri inicializacii");
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR: ", "[Problem pri inicializcii [tf_APP_Inic_problem]]"}));
    EXPECT_GE(screen.Find("WM:2"), 0);
    EXPECT_EQ(tf_lpDD, nullptr);
    EXPECT_FALSE(IniExists());  // not a Close: nothing saved
}

TEST_F(TfAppRun, CloseTwiceInARowShutsDownOnce) {
    RecordingScreen screen;
    const int code = Run(screen, [&](int moment) {
        if (moment == 1) {
            PostKey(VK_ESCAPE);
            PostKey(VK_F12);
            plat_Headless_Post(WM_TIMER, 1, 0);
        }
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(screen.Count("WM:2"), 1);
    EXPECT_EQ(screen.Count("Release"), 1);
    EXPECT_EQ(ReadIni(), "1920 1080\n2 16");
}

TEST_F(TfAppRun, TheScreenCanRunAgainAfterAClose) {
    for (int round = 0; round < 2; ++round) {
        RecordingScreen screen;
        EXPECT_EQ(Run(screen, [&](int moment) {
                      if (moment == 2) PostKey(VK_ESCAPE);
                  }),
                  0);
        EXPECT_GE(screen.Count("Redraw"), 1);
    }
    EXPECT_EQ(tf_pAppScreen, nullptr);  // the screen that went is not reachable
}
