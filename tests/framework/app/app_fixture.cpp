#include "tests/framework/app/app_fixture.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "framework/tuning/tf_km.h"
#include "tests/support/test_support.h"

namespace app_test {

const char* const kIni = "APP_TEST.INI";

void RecordingScreen::Note(const std::string& what) {
    trail.push_back(what);
    if (on_note) on_note(what);
}

void RecordingScreen::Redraw_Screen() {
    Note("Redraw");
    frame_times.push_back(plat_Headless_Now());
    if (on_redraw) on_redraw();
}

void RecordingScreen::HandleWMInteraction(HWND, UINT msg, WPARAM, LPARAM) {
    if (note_messages || msg == WM_CLOSE || msg == WM_DESTROY) Note("WM:" + std::to_string(msg));
}

void RecordingScreen::ChangedResolution(int oldW, int oldH, int newW, int newH) {
    tf_CAppScreen::ChangedResolution(oldW, oldH, newW, newH);
    Note("Changed " + std::to_string(oldW) + "x" + std::to_string(oldH) + "->" + std::to_string(newW) +
                    "x" + std::to_string(newH));
}

int RecordingScreen::Count(const std::string& what) const {
    return static_cast<int>(std::count(trail.begin(), trail.end(), what));
}

int RecordingScreen::Find(const std::string& what, int from) const {
    for (size_t i = static_cast<size_t>(std::max(from, 0)); i < trail.size(); ++i)
        if (trail[i] == what) return static_cast<int>(i);
    return -1;
}

bool KeyEater::INFORMUJ_SA_KLAV(int key) {
    offered.push_back(key);
    return std::find(eats.begin(), eats.end(), key) != eats.end();
}

void AppTest::SetUp() {
    test_support::FreshLog();
    remove(kIni);
    tf_ScreenW = 1920;
    tf_ScreenH = 1080;
    tf_KM_on = false;
    tf_bAppActive = 0;
    plat_Headless_Start(config);
}

void AppTest::TearDown() {
    plat_Headless_SetIdleScript(nullptr);
    tf_KM_on = false;
    remove(kIni);
    EXPECT_EQ(tf_lpDD, nullptr) << "the display outlived its run";
}

int AppTest::Run(tf_CAppScreen& screen, std::function<void(int)> script) {
    plat_Headless_Start(config);
    int moment = 0;
    plat_Headless_SetIdleScript([&] {
        ++moment;
        if (moment == 500) {
            ADD_FAILURE() << "the run did not end";
            PostKey(VK_ESCAPE);
        } else if (moment < 500) {
            script(moment);
        }
    });
    const int code = screen.Execute();
    plat_Headless_SetIdleScript(nullptr);
    return code;
}

void AppTest::WriteIni(const std::string& content) { std::ofstream(kIni, std::ios::binary) << content; }

std::string AppTest::ReadIni() {
    std::ostringstream s;
    s << std::ifstream(kIni, std::ios::binary).rdbuf();
    return s.str();
}

bool AppTest::IniExists() { return std::ifstream(kIni).good(); }

void PostKey(int vk, bool ctrl, bool shift) {
    plat_Headless_SetKeyDown(VK_CONTROL, ctrl);
    plat_Headless_SetKeyDown(VK_SHIFT, shift);
    plat_Headless_Post(WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
}

uint16_t Shown(int x, int y) { return plat_PrimarySurface()->Row(y)[x]; }

}  // namespace app_test
