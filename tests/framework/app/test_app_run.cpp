// A whole run: the start-up steps, the shutdown order, and the failures of the display.
#include "tests/framework/app/app_fixture.h"
#include "tests/support/test_support.h"

using namespace app_test;
using test_support::LogIndex;
using TfAppRun = AppTest;

TEST_F(TfAppRun, StartUpStepsThenFramesThenAnOrderlyShutdown) {
    RecordingScreen screen;
    const int live = plat_LiveSurfaceCount();
    const int code = Run(screen, [&](int) {
        EXPECT_EQ(screen.m_lpDDSBack, tf_lpDDSBack);
        if (screen.Count("Redraw") == 3) PostKey(VK_ESCAPE);
    });
    EXPECT_EQ(code, 0);
    const std::vector<std::string> expected = {"Init",   "SetupVisual", "Init2",      "Redraw",
                                               "Redraw", "Redraw",      "WM_CLOSE",   "WM_DESTROY", "Release"};
    EXPECT_EQ(screen.trail, expected);
    EXPECT_EQ(screen.frame_times[2] - screen.frame_times[1], 16u);  // the default period

    EXPECT_EQ(test_support::LogLines().at(0), "===========");
    const char* steps[] = {"spracovanie m_LocApp_INI", "tf_APP_Inicializuj", "tf_APP_Synchro_dll2App", "Init();",
                           "SetupVisual_Private", "init m_duir_Rozlisenia", "Init2", "while..."};
    int at = 0;
    for (int n = 1; n <= 8; ++n) {
        const std::string step =
            std::string(") : QZOV [tf_CAppScreen::Execute; ") + steps[n - 1] + "] [" + std::to_string(n) + "]";
        at = LogIndex({"TF_APP_w(", step.c_str()}, at);
        ASSERT_GE(at, 0) << "step " << n;
    }
    const int destroyed = LogIndex({"TF_APP_w(", ") : case WM_DESTROY - dll; tf_APP_WindowProc"}, at);
    EXPECT_GT(destroyed, at);
    EXPECT_GT(LogIndex({"TF_APP_w(", ") : dll - tf_APP_Vykonaj_RELEASE_SRF"}, destroyed), destroyed);
    EXPECT_EQ(tf_lpDDSPrimary, nullptr);
    EXPECT_EQ(tf_lpDDSBack, nullptr);
    EXPECT_EQ(plat_LiveSurfaceCount(), live);
}

TEST_F(TfAppRun, WithoutADisplayExecuteReturnsAtOnceWithAMessage) {
    config.failWindow = true;
    RecordingScreen screen;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Run(screen, [](int) { ADD_FAILURE() << "waited for messages"; }), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("could not be opened"), std::string::npos);
    EXPECT_TRUE(screen.trail.empty());
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR", "tf_APP_Inicializuj"}));
    EXPECT_EQ(LogIndex({"QZOV", "[3]"}), -1);
    EXPECT_TRUE(plat_Headless_MessageBoxes().empty());
}

TEST_F(TfAppRun, AModeTheDisplayRefusesEndsTheProgramThroughTheFailurePath) {
    RecordingScreen screen;
    EXPECT_EQ(Run(screen, [&](int) { EXPECT_EQ(tf_APP_ChangeDisplayMode(0, 0), 0); }), 0);
    EXPECT_EQ(plat_Headless_MessageBoxes(), std::vector<std::string>{"Problem pri inicializacii"});
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR: ", "[Problem pri inicializcii [tf_APP_Inic_problem]]"}));
    EXPECT_EQ(screen.Count("WM_DESTROY"), 1);
    EXPECT_EQ(ReadIni(), "");  // not a Close: nothing saved
}
