// Video files: frames held for their times at a constant rate, sides made even, the sound cut
// to the pictures' length, and nothing under the file's name unless the whole file is there.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/video.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"
#include "tests/support/tones.h"

namespace {
struct Video : testing::Test {
    test_support::TempTree tree;
    void TearDown() override {
        plat_SetWriteFailure(false);
        chmod(tree.Host("ro").c_str(), 0755);
    }
    plat_Sound Mono(double seconds) const {
        plat_Sound s;
        s.samples = test_support::Tone(440, seconds, PLAT_MIX_RATE);
        return s;
    }
};
}  // namespace

// Frames of 0.1, 0.05 and 0.3 s at 20 a second are 2, 1 and 6 frames; 33 x 19 becomes 32 x 18; a
// sound of 3 s under 0.45 s of pictures is cut to them; the temporary is gone. The editor's
// kind is MP4 where both can be written.
TEST_F(Video, FramesTakeTheirTimesAndTheFileIsWholeUnderItsName) {
    for (const std::string ext : {"webm", "mp4"}) {
        const std::string path = tree.Host("a." + ext);
        plat_VideoWriter video(path, 33, 19, 20, Mono(3));
        ASSERT_EQ(video.Error(), "") << ext;
        std::vector<uint8_t> bgr(33 * 19 * 3, 0x80);
        for (double s : {0.1, 0.05, 0.3}) ASSERT_TRUE(video.Add(bgr.data(), s)) << ext;
        EXPECT_FALSE(tree.Exists("a." + ext));  // not before it is whole
        ASSERT_TRUE(video.Finish()) << video.Error();
        EXPECT_EQ(video.Frames(), 9);
        EXPECT_FALSE(video.Add(bgr.data(), 1)) << "a finished video takes no more";
        if (test_support::RunCommand("ffprobe -version").first != 0) continue;
        const auto [status, said] = test_support::RunCommand(
            "ffprobe -v error -count_frames -show_entries stream=codec_type,width,height,nb_read_frames,duration -of "
            "csv=p=0 " + path);
        ASSERT_EQ(status, 0) << said;
        EXPECT_NE(said.find("video,32,18"), std::string::npos) << said;
        EXPECT_NE(said.find(",9"), std::string::npos) << said;
    }
    EXPECT_EQ(tree.Names(), (std::vector<std::string>{"a.mp4", "a.webm"}));
    EXPECT_STREQ(plat_VideoKind(), ".mp4") << "where both can be written, the kind that plays on the most machines";
}

// A read-only folder and a name that is no video: a message at once, every later step refused,
// and no file at all.
TEST_F(Video, WhatCannotBeWrittenLeavesNothingAndSaysWhy) {
    tree.Dir("ro");
    chmod(tree.Host("ro").c_str(), 0555);
    plat_SetWriteFailure(geteuid() == 0);  // root ignores the folder's mode
    const std::pair<std::string, std::string> cases[] = {{"ro/a.webm", "cannot write into the folder"},
                                                         {"ro/a.mp4", "cannot write into the folder"},
                                                         {"b.avi", "ends in .webm or .mp4"}};
    for (const auto& [rel, message] : cases) {
        plat_VideoWriter video(tree.Host(rel), 16, 16, 10, Mono(1));
        EXPECT_NE(video.Error().find(message), std::string::npos) << rel << ": " << video.Error();
        std::vector<uint8_t> bgr(16 * 16 * 3);
        EXPECT_FALSE(video.Add(bgr.data(), 1)) << rel;
        EXPECT_FALSE(video.Finish()) << rel;
    }
    EXPECT_TRUE(tree.Names("ro").empty());
    EXPECT_EQ(tree.Names(), std::vector<std::string>{"ro"});
}
