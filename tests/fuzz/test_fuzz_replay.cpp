// The committed fuzzing corpus and every past finding, read again through the fuzzing targets:
// a fault once found cannot come back unnoticed (the sanitizer build checks memory and
// undefined behaviour on the way), and no file on disk trips a consistency check.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "tests/support/test_support.h"

namespace {
namespace fs = std::filesystem;

const std::pair<const char*, int (*)(const uint8_t*, size_t)> kTargets[] = {
    {"page", pexlo_fuzz_page}, {"phases", pexlo_fuzz_phases}, {"ini", pexlo_fuzz_ini},
    {"wav", pexlo_fuzz_wav},   {"bmp", pexlo_fuzz_bmp},       {"catalogue", pexlo_fuzz_catalogue},
    {"archive", pexlo_fuzz_archive},
};

std::vector<fs::path> Files(const fs::path& dir) {
    std::vector<fs::path> files;
    if (fs::is_directory(dir))
        for (const fs::directory_entry& e : fs::directory_iterator(dir))
            if (e.is_regular_file()) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}
}  // namespace

TEST(FuzzReplay, TheCorpusAndEveryPastFindingReadCleanly) {
    test_support::AssertCounter asserts;
    for (const auto& [name, target] : kTargets) {
        const fs::path fuzz = fs::path(PEXLO_SOURCE_DIR) / "fuzz";
        const std::vector<fs::path> corpus = Files(fuzz / "corpus" / name), found = Files(fuzz / "findings" / name);
        EXPECT_FALSE(corpus.empty()) << name;
        std::vector<fs::path> all = corpus;
        all.insert(all.end(), found.begin(), found.end());
        for (const fs::path& file : all) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            EXPECT_EQ(target(bytes.data(), bytes.size()), 0) << file;
            EXPECT_EQ(asserts.count(), 0) << file;
        }
    }
}
