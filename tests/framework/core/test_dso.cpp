#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/tf_dso.h"
#include "platform/resources.h"
#include "tests/support/findings.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

using test_support::LogHas;
using Bytes = std::string;  // wave images and samples
using namespace findings;

namespace {
Bytes ramp(size_t n) {
    Bytes s(n, 0);
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 7);
    return s;
}

// Offset of the samples in the image, or -1. The parser gets a copy of exactly the image's
// size, so that the sanitizer sees any read past it.
long data_offset(const Bytes& img, DWORD* size = nullptr, WORD* bits = nullptr) {
    std::unique_ptr<BYTE[]> copy(new BYTE[img.size()]);
    std::copy(img.begin(), img.end(), copy.get());
    const WAVEFORMATEX* f;
    const BYTE* d;
    DWORD n;
    if (!DSParseWaveResource(copy.get(), static_cast<DWORD>(img.size()), &f, &d, &n)) return -1;
    if (size) *size = n;
    if (bits) *bits = f->wBitsPerSample;
    return d - copy.get();
}

Bytes contents(IDirectSoundBuffer* b, size_t size) {
    void* p;
    DWORD n;
    if (FAILED(b->Lock(0, static_cast<DWORD>(size), &p, &n, nullptr, nullptr, 0))) return {};
    Bytes s(static_cast<char*>(p), n);
    b->Unlock(p, n, nullptr, 0);
    return s;
}

class Dso : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::FreshLog();
        plat_DSound_SetDevice(PLAT_SOUND_FAKE);
        ASSERT_EQ(tf_DSO_INIT(nullptr), 1);
        plat_DSound_ClearPlays();
        t.File("osem.wav", wav8);
    }
    void TearDown() override {
        tf_DSO_DONE();
        plat_DSound_SetDevice(PLAT_SOUND_REAL);
    }
    test_support::TempTree t;
    const Bytes eight = ramp(101), sixteen = ramp(64);
    const Bytes wav8 = Riff({Fmt(1, 22050, 8), Chunk("data", eight)});
    const Bytes wav16 = Riff({Chunk("data", sixteen), Fmt(2, 44100, 16)});
    const std::string path8 = t.Path("osem.wav");
};
}  // namespace

TEST(DsoParse, FindsChunksInEitherOrderPastOthersAndPadding) {
    const Bytes list = Chunk("LIST", ramp(3));
    DWORD size;
    WORD bits;
    EXPECT_EQ(data_offset(Riff({list, Chunk("data", ramp(10)), Fmt(2, 8000, 16)}), &size, &bits),
              static_cast<long>(12 + list.size() + 8));
    EXPECT_EQ(std::make_pair(size, bits), std::make_pair(DWORD{10}, WORD{16}));
    Bytes odd = Riff({Fmt(1, 8000, 8), Chunk("data", ramp(5))});
    odd.pop_back();  // the last pad byte may be missing
    EXPECT_GT(data_offset(odd), 0);
    for (size_t n = 0; n + 1 < odd.size(); ++n) EXPECT_EQ(data_offset(odd.substr(0, n)), -1) << n;
}

TEST(DsoParse, RefusesBrokenImagesWithALogLine) {
    const Bytes data = Chunk("data", ramp(8)), mono = Fmt(1, 8000, 8);
    // A format without its bits, followed by bytes that would read as 8 bits.
    Bytes badAlign = Fmt(2, 8000, 16), noBits = Chunk("fmt ", mono.substr(8, 14)) + Bytes("\x08\0xx", 4) + LE(0, 4);
    badAlign[20] = 3;
    std::vector<Bytes> broken = {{}, Riff({mono}), Riff({data}), Riff({mono, data}, 0), Riff({mono, data}, ~0u)};
    broken.back().pop_back();  // data cut short, the RIFF size claims more
    broken.push_back(Riff({mono, data}, 4 + static_cast<int64_t>(mono.size())));  // data outside the RIFF
    for (size_t at : {3, 8}) broken.emplace_back(Riff({mono, data}))[at] = 'X';   // not "RIFF", not "WAVE"
    for (const Bytes& f : {Chunk("fmt ", ramp(12)), noBits, Fmt(1, 8000, 8, 3), Fmt(0, 8000, 8), Fmt(3, 8000, 16),
                           Fmt(1, 0, 8), Fmt(1, 100, 8), Fmt(2, 192001, 16), Fmt(1, 8000, 24), badAlign,
                           Chunk("fmt ", Bytes(16, 0), ~0u - 15)})
        broken.push_back(Riff({f, data}));
    broken.push_back(Riff({mono, Chunk("data", Bytes(8000 * 30 + 1, '\x80'))}));  // longer than half a minute
    for (int64_t len : {9u, ~0u}) broken.push_back(Riff({mono, Chunk("data", ramp(8), len)}));
    // Lengths that bring 32-bit offsets back round to the same chunk.
    for (int64_t len : {~0u - 7, ~0u - 8}) broken.push_back(Riff({Chunk("LIST", {}, len), mono, data}));
    for (size_t i = 0; i < broken.size(); ++i) {
        test_support::FreshLog();
        EXPECT_EQ(data_offset(broken[i]), -1) << i;
        EXPECT_TRUE(LogHas({"TF_DSO_w(", TF_LOG_ERR, "DSParseWaveResource"})) << i;
    }
}

TEST_F(Dso, PlaysFromTheStartAndALostBufferIsRefilledFromItsOrigin) {
    static const Bytes resource = wav16;  // a resource's data outlives the run
    plat_AddResource("dso_test_lost.wav", reinterpret_cast<const BYTE*>(resource.data()), resource.size());
    tf_CDSO_Zvuk res, file;
    ASSERT_EQ(res.NAHRAJ_RES("dso_test_lost.wav"), 1);
    ASSERT_EQ(file.NAHRAJ_FILE(path8.c_str()), 1);
    for (auto [z, samples, bits] : {std::tuple{&res, &sixteen, 16}, {&file, &eight, 8}}) {
        z->m_pBuffer->SetCurrentPosition(50);
        plat_DSound_ClearPlays();
        plat_DSound_LoseNextPlay();
        EXPECT_TRUE(z->SPUSTI());
        ASSERT_EQ(plat_DSound_Plays().size(), 1u);
        const plat_SoundPlay& play = plat_DSound_Plays()[0];
        EXPECT_EQ(std::make_tuple(play.buffer, play.position, play.bytes, play.format.wBitsPerSample),
                  std::make_tuple(z->m_pBuffer, 0u, static_cast<DWORD>(samples->size()), static_cast<WORD>(bits)));
        EXPECT_EQ(contents(z->m_pBuffer, samples->size()), *samples);
    }
    std::remove(t.Host("osem.wav").c_str());
    plat_DSound_LoseNextPlay();
    EXPECT_FALSE(file.SPUSTI());
}

TEST_F(Dso, BadFilesFailCleanlyWithTheirLogLines) {
    t.File("empty.wav");
    t.File("float.wav", (Riff({Fmt(1, 8000, 32, 3), Chunk("data", ramp(8))})));
    t.File("tiny.wav", (Riff({Fmt(1, 8000, 8), Chunk("data", ramp(2))})));  // too short for a buffer
    t.Dir("folder.wav");
    ASSERT_EQ(mkfifo(t.Host("fifo.wav").c_str(), 0644), 0);  // would wait for a writer
    t.File("huge.wav", (Riff({Fmt(1, 8000, 8), Chunk("data", ramp(8))})));
    ASSERT_EQ(truncate(t.Host("huge.wav").c_str(), (64 << 20) + 1), 0);  // not read into memory
    const char* unparsed = "[CHYBA pri parsovani DSParseWaveResource]";
    for (auto [name, line] : {std::pair{"missing.wav", "[CHYBA pri otvoreni F]"},
                              {"folder.wav", "[CHYBA pri otvoreni F]"},
                              {"fifo.wav", "not a regular file, not read"},
                              {"huge.wav", "[CHYBA subor vacsi ako 64 MB]"},
                              {"empty.wav", unparsed},
                              {"float.wav", unparsed},
                              {"tiny.wav", "CHYBA pri CreateSoundBuffer"}}) {
        test_support::FreshLog();
        tf_CDSO_Zvuk z;
        EXPECT_EQ(z.NAHRAJ_FILE(t.Path(name).c_str()), 0) << name;
        EXPECT_TRUE(LogHas({line})) << name;
        EXPECT_TRUE(LogHas({"NAHRAJ_FILE - CHYBA pri DSLoadSoundBuffer_FILE_qz!", t.Path(name).c_str()})) << name;
    }
}
