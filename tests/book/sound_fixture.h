// The editor stories of the page's sound: the editor on SDL's sound devices (the tests set up
// its file-backed drivers), and a wait in real time for what the audio thread does.
#pragma once
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include "platform/dsound.h"
#include "platform/sound_file.h"
#include "tests/book/editor_fixture.h"
#include "tests/support/tones.h"

namespace editor_test {

// Waits, in real time, until the audio thread has made `done` come true; false after 20 s.
inline bool Await(const std::function<bool()>& done) {
    for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20); !done();) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

inline void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The narration in the page's file beside it; empty without one.
inline std::vector<int16_t> Beside(const test_support::TempTree& tree, const char* page) {
    plat_Sound s;
    return plat_ReadSoundFile(tree.Path(page).c_str(), 600, 1, &s) == PLAT_SOUND_OK ? s.samples
                                                                                   : std::vector<int16_t>{};
}

struct Sound : Editor {
    void SetUp() override {
        Editor::SetUp();
        plat_DSound_SetDevice(PLAT_SOUND_SDL);
    }
    void TearDown() override {
        disk.reset();
        plat_DSound_SetDevice(PLAT_SOUND_REAL);
        Editor::TearDown();
    }
    // The microphone hears a 440 Hz tone of `seconds`; what is heard goes to "out.raw".
    void Microphone(int seconds) {
        tree.File("tone.raw", test_support::RawBytes(test_support::Tone(440, seconds, PLAT_MIX_RATE)));
        disk.emplace(tree.Host("out.raw"), tree.Host("tone.raw"), 10);
    }
    std::optional<test_support::DiskAudio> disk;
};

}  // namespace editor_test
