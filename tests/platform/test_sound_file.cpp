// Sound files: read at the mixer's rate with their tone and length, written whole, and every
// kind of bad file refused with its reason before a sample is read.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/sound_file.h"
#include "tests/support/temp_tree.h"
#include "tests/support/tones.h"

using test_support::Frequency;
using test_support::Tone;

namespace {
struct SoundFile : testing::Test {
    // The sound written by libsndfile into `rel`.
    void Encoded(const std::string& rel, const std::vector<int16_t>& s, int channels, int rate, plat_SoundFormat f) {
        const std::vector<uint8_t> bytes = plat_EncodeSound(s, channels, rate, f);
        ASSERT_FALSE(bytes.empty());
        tree.File(rel, std::string(bytes.begin(), bytes.end()));
    }
    plat_SoundError Read(const std::string& rel, int channels = 1, double max_seconds = 600) {
        return plat_ReadSoundFile(tree.Path(rel).c_str(), max_seconds, channels, &sound);
    }
    // Every other channel of the sound (left: 0, right: 1).
    std::vector<int16_t> Channel(int c) const {
        std::vector<int16_t> out;
        for (size_t i = static_cast<size_t>(c); i < sound.samples.size(); i += static_cast<size_t>(sound.channels))
            out.push_back(sound.samples[i]);
        return out;
    }
    test_support::TempTree tree;
    plat_Sound sound;
};

// A 16-bit PCM wave header that claims what it is told, followed by `bytes` zero bytes.
std::string wave(int channels, uint32_t rate, uint32_t data_bytes, size_t bytes) {
    std::vector<uint8_t> v;
    const auto tag = [&](const char* t) { v.insert(v.end(), t, t + 4); };
    tag("RIFF");
    plat_AppendLE(v, 36 + data_bytes, 4);
    tag("WAVE");
    tag("fmt ");
    plat_AppendLE(v, 16, 4);
    plat_AppendLE(v, 1, 2);
    plat_AppendLE(v, static_cast<uint32_t>(channels), 2);
    plat_AppendLE(v, rate, 4);
    plat_AppendLE(v, rate * static_cast<uint32_t>(channels) * 2, 4);
    plat_AppendLE(v, static_cast<uint32_t>(channels) * 2, 2);
    plat_AppendLE(v, 16, 2);
    tag("data");
    plat_AppendLE(v, data_bytes, 4);
    v.resize(v.size() + bytes);
    return {v.begin(), v.end()};
}
}  // namespace

TEST_F(SoundFile, WavOggAndManyChannelsComeAtTheMixersRateWithTheirToneAndLength) {
    Encoded("a.wav", Tone(1000, 1.0, 48000, 2), 2, 48000, PLAT_SOUND_WAV16);
    ASSERT_EQ(Read("a.wav"), PLAT_SOUND_OK);
    EXPECT_EQ(sound.channels, 1);
    EXPECT_EQ(sound.Frames(), size_t{PLAT_MIX_RATE});
    EXPECT_NEAR(Frequency(sound.samples, PLAT_MIX_RATE), 1000, 2);

    Encoded("b.ogg", Tone(440, 2.0, 22050), 1, 22050, PLAT_SOUND_OGG);
    ASSERT_EQ(Read("b.ogg", 2), PLAT_SOUND_OK);
    EXPECT_EQ(sound.channels, 2);
    EXPECT_EQ(sound.Frames(), 2u * PLAT_MIX_RATE);
    EXPECT_EQ(Channel(0), Channel(1));  // a mono sound on both sides
    EXPECT_NEAR(Frequency(Channel(0), PLAT_MIX_RATE), 440, 2);

    // Six channels: the even ones left, the odd ones right.
    std::vector<int16_t> six;
    for (int i = 0; i < 4410; ++i)
        for (int16_t v : {1000, -400, 3000, -400, 2000, -400}) six.push_back(v);
    std::vector<uint8_t> bytes;
    {
        const std::string head = wave(6, PLAT_MIX_RATE, static_cast<uint32_t>(six.size() * 2), 0);
        bytes.assign(head.begin(), head.end());
        for (int16_t v : six) plat_AppendLE(bytes, static_cast<uint16_t>(v), 2);
    }
    tree.File("six.wav", std::string(bytes.begin(), bytes.end()));
    ASSERT_EQ(Read("six.wav", 2), PLAT_SOUND_OK);
    EXPECT_EQ(Channel(0), std::vector<int16_t>(4410, 2000));
    EXPECT_EQ(Channel(1), std::vector<int16_t>(4410, -400));
}

TEST_F(SoundFile, AWrittenNarrationIsAWholeMonoWaveThatReadsBackExactlyAndAFailedWriteLeavesNone) {
    const std::vector<int16_t> tone = Tone(523, 0.5, PLAT_MIX_RATE);
    ASSERT_TRUE(plat_WriteWavFile(tree.Path("n.wav").c_str(), tone));
    const std::string bytes = tree.Read("n.wav");
    EXPECT_EQ(bytes.substr(0, 4) + bytes.substr(8, 4), "RIFFWAVE");
    EXPECT_EQ(bytes.size(), 44 + tone.size() * 2);
    ASSERT_EQ(Read("n.wav"), PLAT_SOUND_OK);
    EXPECT_EQ(sound.samples, tone);

    const std::vector<uint8_t> ogg = plat_EncodeSound(tone, 1, PLAT_MIX_RATE, PLAT_SOUND_OGG);
    EXPECT_EQ(std::string(ogg.begin(), ogg.begin() + 4), "OggS");
    EXPECT_TRUE(plat_EncodeSound({1, 2, 3}, 2, PLAT_MIX_RATE, PLAT_SOUND_WAV16).empty());  // no whole stereo frames

    plat_SetWriteFailure(true);
    EXPECT_FALSE(plat_WriteWavFile(tree.Path("m.wav").c_str(), tone));
    plat_SetWriteFailure(false);
    EXPECT_EQ(tree.Names(), std::vector<std::string>{"n.wav"});
}

TEST_F(SoundFile, BadFilesAreRefusedWithTheirReasonAndNothingRead) {
    Encoded("good.wav", Tone(440, 1.0, 22050), 1, 22050, PLAT_SOUND_WAV16);
    Encoded("good.ogg", Tone(440, 1.0, 22050), 1, 22050, PLAT_SOUND_OGG);
    const std::string wav = tree.Read("good.wav"), ogg = tree.Read("good.ogg");
    tree.File("empty.wav");
    tree.Dir("folder.wav");
    ASSERT_EQ(mkfifo(tree.Host("fifo.wav").c_str(), 0600), 0);
    tree.File("big.wav", wave(1, 44100, 1000, 0));
    std::filesystem::resize_file(tree.Host("big.wav"), 2L << 30);  // sparse: costs no disk
    tree.File("text.wav", "This is no sound at all, only words.\n");
    tree.File("cut.wav", wav.substr(0, wav.size() / 2));
    tree.File("cut.ogg", ogg.substr(0, ogg.size() / 2));
    tree.File("silent.wav", wave(1, 22050, 0, 0));
    tree.File("hours.wav", wave(1, 44100, 8 * 3600 * 44100 * 2u, 4000));  // claims 8 hours, holds a moment
    tree.File("long.wav", wave(1, 4000, 11 * 60 * 4000 * 2, 11 * 60 * 4000 * 2));  // 11 minutes
    tree.File("1hz.wav", wave(1, 1, 2000, 2000));
    tree.File("10mhz.wav", wave(1, 10000000, 2000, 2000));
    tree.File("64ch.wav", wave(64, 44100, 64 * 200, 64 * 200));

    const std::pair<const char*, plat_SoundError> cases[] = {
        {"missing.wav", PLAT_SOUND_MISSING},  {"empty.wav", PLAT_SOUND_EMPTY},    {"folder.wav", PLAT_SOUND_NOT_REGULAR},
        {"fifo.wav", PLAT_SOUND_NOT_REGULAR}, {"big.wav", PLAT_SOUND_TOO_BIG},    {"text.wav", PLAT_SOUND_UNKNOWN},
        {"cut.wav", PLAT_SOUND_DAMAGED},      {"cut.ogg", PLAT_SOUND_DAMAGED},    {"silent.wav", PLAT_SOUND_EMPTY},
        {"hours.wav", PLAT_SOUND_DAMAGED},    {"long.wav", PLAT_SOUND_TOO_LONG},  {"1hz.wav", PLAT_SOUND_BAD_RATE},
        {"10mhz.wav", PLAT_SOUND_BAD_RATE},   {"64ch.wav", PLAT_SOUND_BAD_CHANNELS},
    };
    for (const auto& [name, error] : cases) {
        sound.samples.assign(3, 1);
        EXPECT_EQ(Read(name), error) << name;
        EXPECT_TRUE(sound.samples.empty()) << name;
        EXPECT_STRNE(plat_SoundErrorText(error), plat_SoundErrorText(PLAT_SOUND_FAILED)) << name;
    }
    EXPECT_EQ(Read("good.wav", 1, 0.5), PLAT_SOUND_TOO_LONG);  // the caller's own limit
    EXPECT_EQ(Read("good.ogg", 1, 1.5), PLAT_SOUND_OK);
}
