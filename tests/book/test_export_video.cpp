// The whole book as a video from a terminal, checked with FFmpeg's own tools: the frames of
// the book's GIF at its times, each page's narration from its start and its background sound
// under it, in WebM and in MP4; a video that cannot be written leaves nothing behind.
#include <gmock/gmock.h>

#include <cmath>
#include <cstring>

#include "book/px_citanie.h"
#include "book/px_export_kniha.h"
#include "platform/sound_file.h"
#include "tests/book/book_fixture.h"
#include "tests/support/tones.h"

using testing::HasSubstr;

namespace {
constexpr uint32_t RED = 0xF80000, BLUE = 0x0000F8;

bool have_ffmpeg() { return test_support::RunCommand("ffprobe -version && ffmpeg -version").first == 0; }

// "V": page 1 red with a narration of a second, page 2 blue with a background hum, read at a
// page time of 2 s.
struct BookVideo : book_test::BookTest {
    void SetUp() override {
        book_test::BookTest::SetUp();
        book_test::DrawnBook(tree, "KNIHA_V", {{"1", "p r 4\n"}, {"2", "p b 4\nz hum.wav\n"}});
        for (auto [name, rgb] : {std::pair("r", RED), {"b", BLUE}})
            book_test::WritePicture(tree, std::string("KNIHA_V/Pozadia/") + name + ".bmp", 64, 36,
                                    [rgb](int, int) { return rgb; });
        tree.File("KNIHA_V/KNIHA.INI", "cas_strany 2\n");
        tree.Dir("KNIHA_V/Zvuky");
        ASSERT_TRUE(plat_WriteWavFile(tree.Path("KNIHA_V/1.wav").c_str(), test_support::Tone(300, 1, PLAT_MIX_RATE)));
        ASSERT_TRUE(
            plat_WriteWavFile(tree.Path("KNIHA_V/Zvuky/hum.wav").c_str(), test_support::Tone(600, 0.5, PLAT_MIX_RATE)));
    }
    static std::pair<int, std::string> Cli(const std::string& more) {
        return test_support::RunCommand(std::string(PEXLO_EXPORT_BIN) +
                                        " ../KNIHA_V --screen 480x270 --size 240x135 --fps 10 " + more);
    }
    // What ffprobe says of the file: one value.
    std::string Probe(const std::string& file, const std::string& what) const {
        const auto [status, said] =
            test_support::RunCommand("ffprobe -v error " + what + " -of csv=p=0 " + tree.Host(file));
        EXPECT_EQ(status, 0) << said;
        return said.substr(0, said.find('\n'));
    }
    // The file's sound decoded to mono 16-bit at PLAT_MIX_RATE.
    std::vector<int16_t> Sound(const std::string& file) const {
        const auto [status, said] = test_support::RunCommand("ffmpeg -v error -y -i " + tree.Host(file) +
                                                             " -map 0:a -ac 1 -ar 44100 -f s16le " + tree.Host("a.raw"));
        EXPECT_EQ(status, 0) << said;
        const std::string raw = tree.Read("a.raw");
        std::vector<int16_t> out(raw.size() / 2);
        memcpy(out.data(), raw.data(), out.size() * 2);
        return out;
    }
};

// The root mean square of the samples from `from` to `to` seconds.
double Rms(const std::vector<int16_t>& s, double from, double to) {
    const size_t a = static_cast<size_t>(from * PLAT_MIX_RATE), b = std::min(s.size(), size_t(to * PLAT_MIX_RATE));
    double sum = 0;
    for (size_t i = a; i < b; ++i) sum += double(s[i]) * s[i];
    return b > a ? std::sqrt(sum / double(b - a)) : -1;
}
}  // namespace

// Page 1 for its narration and the moment after, the turn and page 2 for the page time, the
// card's turn and the card: as many frames at 10 a second, the sound as long, the narration
// loud at the start and gone after, the hum under page 2 at the editor's lower gain, the card
// silent; the first frame the red page.
TEST_F(BookVideo, TheBooksFramesTimesAndSoundsInBothFormats) {
    if (!have_ffmpeg()) GTEST_SKIP() << "ffmpeg is not installed";
    const int total_ms = 1000 + PX_DOZNIEVANIE_MS + PX_PRECHOD_MS + 2000 + PX_PRECHOD_MS + PX_KARTA_MS;
    for (const std::string ext : {"webm", "mp4"}) {
        const auto [status, said] = Cli("--video " + tree.Host("V." + ext));
        ASSERT_EQ(status, 0) << said;
        EXPECT_THAT(said, HasSubstr("2 pages, " + std::to_string(total_ms / 100) + " frames"));
        EXPECT_EQ(Probe("V." + ext, "-select_streams v:0 -count_frames -show_entries stream=nb_read_frames"),
                  std::to_string(total_ms / 100))
            << ext;
        EXPECT_EQ(Probe("V." + ext, "-select_streams v:0 -show_entries stream=width,height"), "240,134") << ext;
        EXPECT_NEAR(std::stod(Probe("V." + ext, "-show_entries format=duration")), total_ms / 1000.0, 0.1) << ext;

        const std::vector<int16_t> sound = Sound("V." + ext);
        EXPECT_NEAR(static_cast<double>(sound.size()) / PLAT_MIX_RATE, total_ms / 1000.0, 0.05) << ext;
        const double page2 = (1000 + PX_DOZNIEVANIE_MS) / 1000.0, card = page2 + (PX_PRECHOD_MS + 2000) / 1000.0;
        const double voice = Rms(sound, 0.1, 0.9), after = Rms(sound, 1.2, page2 - 0.1),
                     hum = Rms(sound, page2 + 0.1, card - 0.1), end = Rms(sound, card + 0.1, total_ms / 1000.0 - 0.1);
        EXPECT_NEAR(voice, 12000 / std::sqrt(2), 1200) << ext;
        EXPECT_NEAR(hum, 0.3 * 12000 / std::sqrt(2), 500) << ext;
        EXPECT_LT(std::max(after, end), 100) << ext;

        const auto [decoded, why] = test_support::RunCommand("ffmpeg -v error -y -i " + tree.Host("V." + ext) +
                                                             " -frames:v 1 -f rawvideo -pix_fmt rgb24 " +
                                                             tree.Host("first.rgb"));
        ASSERT_EQ(decoded, 0) << why;
        const std::string rgb = tree.Read("first.rgb");
        ASSERT_EQ(rgb.size(), 240u * 134 * 3);
        for (size_t at : {size_t(0), size_t(67 * 240 + 120) * 3, rgb.size() - 3}) {
            const auto c = [&](size_t i) { return static_cast<int>(static_cast<uint8_t>(rgb[at + i])); };
            EXPECT_TRUE(c(0) > 200 && c(1) < 40 && c(2) < 40) << ext << " " << at << ": " << c(0) << " " << c(1) << " " << c(2);
        }
    }
}

// A name without a video's extension, a folder that is not there, options a video takes no
// part of: each a message, and no file.
TEST_F(BookVideo, WhatCannotBeAVideoIsRefusedWithAMessage) {
    const std::pair<std::string, std::string> cases[] = {
        {"--video " + tree.Host("V.avi"), "ends in .webm or .mp4"},
        {"--video " + tree.Host("nowhere/V.webm"), "no such folder"},
        {"--video " + tree.Host("V.webm") + " --book", "no --book"},
        {"--video " + tree.Host("V.webm") + " 1", "no pages"},
    };
    for (const auto& [args, message] : cases) {
        const auto [status, said] = Cli(args);
        EXPECT_NE(status, 0) << args;
        EXPECT_THAT(said, HasSubstr(message)) << args;
    }
    EXPECT_EQ(tree.Names(), (std::vector<std::string>{"KNIHA_V", "app"}));
}
