// The frame tests' set-up: the headless display, a screen that records its hooks, and a run
// of Execute driven by a script.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/app/tf_app.h"
#include "framework/app/tf_appdlg.h"
#include "platform/backend.h"

namespace app_test {

extern const char* const kIni;  // the settings file the tests use

// A screen that notes its hooks in `trail` ("Init", "Redraw", "WM:<msg>", ...).
struct RecordingScreen : tf_CAppScreen {
    explicit RecordingScreen(const char* ini = kIni) : tf_CAppScreen(nullptr, SW_SHOWNORMAL, ini) {}
    void Init() override { Note("Init"); }
    void Init2() override { Note("Init2"); }
    void Do_LOAD_SRF() override { Note("Load"); }
    void Do_RELEASE_SRF() override { Note("Release"); }
    void Do_RESTORE_SRF() override { Note("Restore"); }
    void Redraw_Screen() override;
    void HandleWMInteraction(HWND, UINT msg, WPARAM, LPARAM) override;
    void ChangedResolution(int oldW, int oldH, int newW, int newH) override;
    int SetupVisual() override {
        Note("SetupVisual");
        return tf_CAppScreen::SetupVisual();
    }
    void Note(const std::string& what);
    // How many hooks named `what` were noted.
    int Count(const std::string& what) const;
    // Index of the first note `what` at or after `from`, -1 when there is none.
    int Find(const std::string& what, int from = 0) const;

    std::vector<std::string> trail;
    std::vector<DWORD> frame_times;      // headless clock at each Redraw_Screen
    std::function<void()> on_redraw;     // runs inside Redraw_Screen
    std::function<void(const std::string&)> on_note;  // runs at every note
    bool note_messages = false;          // note every message, not only the shutdown ones
};

// A container whose key handler takes the keys in `eats`.
struct KeyEater : tf_CPolCHLO {
    explicit KeyEater(tf_CPolCHLO* parent) : tf_CPolCHLO(parent, 77) {}
    bool INFORMUJ_SA_KLAV(int key) override;
    std::vector<int> eats;
    std::vector<int> offered;
};

class AppTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs Execute; `script` gets the number of each idle moment (the loop would wait with
    // nothing queued), from 1. A run still going after 500 idle moments is failed and closed.
    int Run(tf_CAppScreen& screen, std::function<void(int)> script);
    void WriteIni(const std::string& content);
    std::string ReadIni();
    bool IniExists();

    plat_HeadlessConfig config;
};

void PostKey(int vk, bool ctrl = false, bool shift = false);
// The raw pixel of the surface the user sees.
uint16_t Shown(int x, int y);

}  // namespace app_test
