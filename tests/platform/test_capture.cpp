// The recorder on SDL's file-backed capture driver: the input file's samples as they were, the
// level and the seconds, the two-minute cap, a vanished device, and no device at all.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/capture.h"
#include "platform/dsound.h"
#include "platform/sound_file.h"
#include "tests/support/temp_tree.h"
#include "tests/support/tones.h"

namespace {
struct Capture : testing::Test {
    void SetUp() override { plat_DSound_SetDevice(PLAT_SOUND_SDL); }
    void TearDown() override {
        plat_Capture_Take();
        plat_DSound_SetDevice(PLAT_SOUND_REAL);
    }
    // Polls as the editor's ticks do until the recording holds `seconds`; false when it ended
    // first (or after 20 s).
    static bool RecordFor(double seconds) {
        for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
             std::chrono::steady_clock::now() < end;) {
            if (!plat_Capture_Poll()) return false;
            if (plat_Capture_Seconds() >= seconds) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
    test_support::TempTree tree;
    std::string why;
};
}  // namespace

TEST_F(Capture, TheInputsSamplesComeAsTheyWereWithTheirLevelAndSecondsUntilStopped) {
    const std::vector<int16_t> tone = test_support::Tone(440, 3.0, PLAT_MIX_RATE);
    tree.File("in.raw", test_support::RawBytes(tone));
    test_support::DiskAudio disk(tree.Host("out.raw"), tree.Host("in.raw"), 10);
    ASSERT_TRUE(plat_Capture_Available());
    ASSERT_TRUE(plat_Capture_Start(&why)) << why;
    EXPECT_FALSE(plat_Capture_Start(&why));  // one recording at a time
    ASSERT_TRUE(RecordFor(0.5));
    EXPECT_GE(plat_Capture_Level(), 11990);  // the tone's peak
    ASSERT_TRUE(RecordFor(3.2));
    EXPECT_EQ(plat_Capture_Level(), 0);  // the file ended: silence since
    const std::vector<int16_t> got = plat_Capture_Take();
    EXPECT_FALSE(plat_Capture_Recording());
    EXPECT_EQ(plat_Capture_HowEnded(), PLAT_CAPTURE_STOPPED);
    ASSERT_GE(got.size(), tone.size());
    EXPECT_TRUE(std::equal(tone.begin(), tone.end(), got.begin()));
    EXPECT_TRUE(plat_Capture_Take().empty());  // handed over once
}

TEST_F(Capture, TheCapEndsARecordingAtTwoMinutesAndAVanishedDeviceEndsItWithWhatItHad) {
    tree.File("silence.raw");  // read to its end, then silence
    test_support::DiskAudio disk(tree.Host("out.raw"), tree.Host("silence.raw"), 0);
    ASSERT_TRUE(plat_Capture_Start(&why)) << why;
    EXPECT_FALSE(RecordFor(PLAT_CAPTURE_MAX_SECONDS + 1));
    EXPECT_EQ(plat_Capture_HowEnded(), PLAT_CAPTURE_FULL);
    EXPECT_EQ(plat_Capture_Take().size(), size_t{PLAT_CAPTURE_MAX_SECONDS} * PLAT_MIX_RATE);

    ASSERT_TRUE(plat_Capture_Start(&why)) << why;
    ASSERT_TRUE(RecordFor(0.2));
    plat_Capture_LoseDevice();
    EXPECT_FALSE(plat_Capture_Poll());
    EXPECT_EQ(plat_Capture_HowEnded(), PLAT_CAPTURE_LOST);
    EXPECT_GE(plat_Capture_Take().size(), size_t{PLAT_MIX_RATE} / 5);
}

TEST_F(Capture, WithoutAnInputDeviceNothingStartsAndNothingWaits) {
    {
        test_support::DiskAudio disk(tree.Host("out.raw"), tree.Host("missing.raw"), 0);
        EXPECT_FALSE(plat_Capture_Start(&why));  // a device that cannot be opened
        EXPECT_NE(why.find("missing.raw"), std::string::npos) << why;
        setenv("SDL_AUDIODRIVER", "none-here", 1);  // no sound system at all
        EXPECT_FALSE(plat_Capture_Available());
        EXPECT_FALSE(plat_Capture_Start(&why));
        EXPECT_FALSE(why.empty());
    }
    for (plat_SoundDevice device : {PLAT_SOUND_NONE, PLAT_SOUND_FAKE}) {
        plat_DSound_SetDevice(device);
        why.clear();
        EXPECT_FALSE(plat_Capture_Available()) << device;
        EXPECT_FALSE(plat_Capture_Start(&why)) << device;
        EXPECT_FALSE(why.empty() || plat_Capture_Recording() || plat_Capture_Poll()) << device;
    }
}
