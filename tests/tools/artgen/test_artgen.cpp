// The generator of resources/: what it draws is what is committed, and its files load back
// exactly as drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/surface/tf_dsrfc.h"
#include "platform/bmp.h"
#include "platform/bytes.h"
#include "platform/resources.h"
#include "tests/support/temp_tree.h"
#include "tools/artgen/artgen.h"
#include "tools/artgen/detmath.h"

namespace {

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

uint32_t le(const std::string& b, size_t at, int bytes) {
    return plat_ReadLE(reinterpret_cast<const uint8_t*>(b.data()) + at, bytes);
}

// The samples of a WAV file after checking that it is 16-bit mono PCM at 22050 Hz.
std::vector<int16_t> wav_samples(const std::string& b) {
    std::vector<int16_t> out;
    if (b.size() < 44 || b.compare(0, 4, "RIFF") || b.compare(8, 8, "WAVEfmt ") || b.compare(36, 4, "data")) {
        ADD_FAILURE() << "not a plain WAV file";
        return out;
    }
    EXPECT_EQ(le(b, 4, 4), b.size() - 8);
    EXPECT_EQ(le(b, 20, 2), 1u);  // PCM
    EXPECT_EQ(le(b, 22, 2), 1u);  // mono
    EXPECT_EQ(le(b, 24, 4), 22050u);
    EXPECT_EQ(le(b, 28, 4), 44100u);
    EXPECT_EQ(le(b, 34, 2), 16u);
    EXPECT_EQ(le(b, 40, 4), b.size() - 44);
    for (size_t i = 44; i + 1 < b.size(); i += 2) out.push_back(static_cast<int16_t>(le(b, i, 2)));
    return out;
}

TEST(Artgen, CommittedResourcesAreWhatTheGeneratorDraws) {
    test_support::TempTree dir;
    ASSERT_TRUE(artgen::WriteAll(dir.Host()));
    const std::vector<std::string> made = dir.Names();
    EXPECT_EQ(made.size(), 6u);
    for (const std::string& name : made) {
        const std::string committed = read_file(std::string(PEXLO_SOURCE_DIR) + "/resources/" + name);
        EXPECT_FALSE(committed.empty()) << name << " is not in resources/";
        EXPECT_TRUE(committed == dir.Read(name))
            << name << " differs from what tools/artgen draws: run pexlo_artgen resources";
        EXPECT_NE(plat_FindResource(name.c_str()), nullptr) << name << " is not compiled in";
    }
    test_support::TempTree unwritable;
    EXPECT_FALSE(artgen::WriteAll(unwritable.Host("missing/folder")));
}

TEST(Artgen, BmpLoadsBackToTheSameRgb565Values) {
    // Every value once, in rows whose length needs padding.
    const int W = 255, H = 258;
    IDirectDrawSurface* s = plat_CreateTestSurface(W, H);
    ASSERT_NE(s, nullptr);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) s->Row(y)[x] = static_cast<uint16_t>(y * W + x);
    static std::deque<std::vector<uint8_t>> kept;  // resources must outlive the run
    kept.push_back(plat_EncodeSurfaceBMP(s));
    ASSERT_EQ(kept.back().size(), 54u + 768u * H);
    // White is written as full white: the last value opens the bottom-up pixel data.
    EXPECT_EQ(std::vector<uint8_t>(kept.back().begin() + 54, kept.back().begin() + 57), std::vector<uint8_t>(3, 0xFF));
    plat_AddResource("artgen_every565.bmp", kept.back().data(), kept.back().size());

    IDirectDraw* dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    tf_CDas_Surface back;
    back.NAHRAJ_SURFACE(dd, "artgen_every565.bmp");
    ASSERT_NE(back.lpDDS, nullptr);
    int wrong = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) wrong += back.lpDDS->Row(y)[x] != s->Row(y)[x];
    EXPECT_EQ(wrong, 0);
    back.RELEASE_SURFACE();
    s->Release();
    dd->Release();
}

TEST(Artgen, SoundsAreShortCleanAndAudible) {
    const struct {
        std::vector<uint8_t> bytes;
        double min_s, max_s;
    } sounds[] = {{artgen::ClickSound(), 0.01, 0.1}, {artgen::ChimeSound(), 0.5, 0.8}};
    for (const auto& snd : sounds) {
        const std::vector<int16_t> v = wav_samples(std::string(snd.bytes.begin(), snd.bytes.end()));
        ASSERT_FALSE(v.empty());
        const double seconds = static_cast<double>(v.size()) / 22050;
        EXPECT_GE(seconds, snd.min_s);
        EXPECT_LE(seconds, snd.max_s);
        int peak = 0;
        for (int16_t x : v) peak = std::max(peak, std::abs(static_cast<int>(x)));
        EXPECT_GT(peak, 6000);                // audible
        EXPECT_LT(peak, 32767);               // never clipped
        EXPECT_LT(std::abs(v.front()), 200);  // starts and ends without a crack
        EXPECT_LT(std::abs(v.back()), 200);
    }
}

TEST(Artgen, OwnMathAgreesWithTheLibrary) {
    for (double x = -20; x < 20; x += 0.37) {
        EXPECT_NEAR(artgen::Sin(x), std::sin(x), 1e-10) << x;
        EXPECT_NEAR(artgen::Cos(x), std::cos(x), 1e-10) << x;
    }
    for (double x = -30; x < 5; x += 0.41) EXPECT_NEAR(artgen::Exp(x) / std::exp(x), 1.0, 1e-12) << x;
}

}  // namespace
