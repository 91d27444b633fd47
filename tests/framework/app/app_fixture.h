// The frame tests' set-up: the headless display, a screen that notes its hooks, and a run
// of Execute driven by a script.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "framework/app/tf_app.h"
#include "framework/app/tf_appdlg.h"
#include "framework/tuning/tf_km.h"
#include "framework/widgets/tf_dsgn.h"
#include "platform/backend.h"
#include "tests/support/pixels.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

namespace app_test {

inline const char* const INI = "APP_TEST.INI";
using Trail = std::vector<std::string>;

// Notes its hooks in `trail`; `on_note` runs at each note.
struct RecordingScreen : tf_CAppScreen {
    explicit RecordingScreen(const char* ini = INI) : tf_CAppScreen(nullptr, SW_SHOWNORMAL, ini) {}
    void Init() override { Note("Init"); }
    void Init2() override { Note("Init2"); }
    void Do_LOAD_SRF() override { Note("Load"); }
    void Do_RELEASE_SRF() override { Note("Release"); }
    void Do_RESTORE_SRF() override { Note("Restore"); }
    int SetupVisual() override { return Note("SetupVisual"), tf_CAppScreen::SetupVisual(); }
    void Redraw_Screen() override { frame_times.push_back(plat_Headless_Now()), Note("Redraw"); }
    void HandleWMInteraction(HWND, UINT msg, WPARAM, LPARAM) override {
        if (msg == WM_CLOSE || msg == WM_DESTROY) Note(msg == WM_CLOSE ? "WM_CLOSE" : "WM_DESTROY");
    }
    void ChangedResolution(int oldW, int oldH, int newW, int newH) override {
        tf_CAppScreen::ChangedResolution(oldW, oldH, newW, newH);
        Note("Changed " + std::to_string(oldW) + "x" + std::to_string(oldH) + "->" + std::to_string(newW) + "x" +
             std::to_string(newH));
    }
    void Note(const std::string& what) {
        trail.push_back(what);
        if (on_note) on_note(what);
    }
    int Count(const std::string& what) const { return int(std::count(trail.begin(), trail.end(), what)); }

    Trail trail;
    std::vector<DWORD> frame_times;  // the headless clock at each frame
    std::function<void(const std::string&)> on_note;
};

class AppTest : public testing::Test {
protected:
    void SetUp() override {
        test_support::FreshLog();
        remove(INI);
        tf_ScreenW = 1920;  // as at program start
        tf_ScreenH = 1080;
    }
    void TearDown() override {
        tf_KM_on = false;
        tf_DSGN_DONE();
        EXPECT_EQ(tf_lpDD, nullptr) << "the display outlived its run";
    }
    // Runs Execute; `script` gets the number of each idle moment (the loop would wait with
    // nothing queued), from 1. A run still going after 500 moments fails and is closed.
    int Run(tf_CAppScreen& screen, std::function<void(int)> script) {
        plat_Headless_Start(config);
        int moment = 0;
        plat_Headless_SetIdleScript([&] {
            if (++moment < 500) return script(moment);
            if (moment == 500) ADD_FAILURE() << "the run did not end";
            plat_Headless_Post(WM_CLOSE, 0, 0);
        });
        const int code = screen.Execute();
        plat_Headless_SetIdleScript(nullptr);
        return code;
    }
    static std::string ReadIni() { return test_support::ReadFile(INI); }

    plat_HeadlessConfig config;
};

inline void PostKey(int vk, bool ctrl = false, bool shift = false) {
    plat_Headless_SetKeyDown(VK_CONTROL, ctrl);
    plat_Headless_SetKeyDown(VK_SHIFT, shift);
    plat_Headless_Post(WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
}
using test_support::Px;

}  // namespace app_test
