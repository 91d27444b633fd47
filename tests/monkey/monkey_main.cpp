// A long random session: the editor on a copy of the starter library, driven by the random
// hand of the editor tests for the seconds given (default 60), its timer ticking as fast as
// the program lets it. Each run of the editor ends after a few thousand events (or when the
// hand closes it) and the next starts; a library grown past a few books and pages is put back
// to the starter's. Prints the events, pages saved, books made and memory held; a crash, a
// failed consistency check or a leak at the end fails it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/book/editor_fixture.h"
#include "tests/book/random_input.h"

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

int seconds = 60;
constexpr int EVENTS_PER_RUN = 4000, MAX_BOOKS = 6, MAX_PAGES = 40;

// A figure of /proc/self/status ("VmRSS", "VmHWM") in MiB.
long mib(const char* field) {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(line.find(':') + 1)) / 1024;
    return -1;
}

class Monkey : public editor_test::Editor {
protected:
    // The books of the library folder (the working folder's parent), and their page files.
    std::pair<int, int> Count() const {
        int books = 0, pages = 0;
        for (const fs::directory_entry& b : fs::directory_iterator(tree.Host()))
            if (b.path().filename().string().rfind("KNIHA_", 0) == 0 && b.is_directory()) {
                ++books;
                for (const fs::directory_entry& p : fs::directory_iterator(b.path()))
                    pages += p.path().extension() == ".str";
            }
        return {books, pages};
    }
    // The starter's books, afresh.
    void Restock() {
        for (const fs::directory_entry& b : fs::directory_iterator(tree.Host()))
            if (b.path().filename().string().rfind("KNIHA_", 0) == 0) fs::remove_all(b.path());
        fs::copy(fs::path(PEXLO_STARTER_DIR) / "library", tree.Host(),
                 fs::copy_options::recursive | fs::copy_options::skip_existing);
    }
};

TEST_F(Monkey, RandomSession) {
    Restock();
    const Clock::time_point start = Clock::now(), end = start + std::chrono::seconds(seconds);
    editor_test::RandomInput hand(static_cast<unsigned>(time(nullptr)));
    long events = 0, saves = 0, books_made = 0, pages_made = 0, runs = 0;
    int minute = 0;
    while (Clock::now() < end) {
        tf_LOG_ForgetRun();  // each run starts its log afresh, as the program does
        const auto [books, pages] = Count();
        Run([&] {
            const auto send = [&](UINT msg, WPARAM w, int x, int y) {
                if (px_editor->uvolnene) return;
                Post(msg, w, MAKELPARAM(x, y));
                ++events;
            };
            for (int i = 0; i < EVENTS_PER_RUN && !px_editor->uvolnene && Clock::now() < end; ++i)
                hand.Gesture(send);
        });
        ++runs;
        for (const std::string& line : test_support::LogLines())
            saves += line.find("SAVE_REG BEG") != std::string::npos;
        const auto [books_now, pages_now] = Count();
        books_made += books_now - books;
        pages_made += pages_now - pages;
        if (books_now > MAX_BOOKS || pages_now > MAX_PAGES) Restock();
        if (Clock::now() >= start + std::chrono::minutes(minute + 1)) {
            printf("monkey: minute %d, %ld events, memory %ld MiB\n", ++minute, events, mib("VmRSS"));
            fflush(stdout);
        }
        ASSERT_EQ(asserts.count(), 0);
    }
    printf("monkey: %d s, %ld runs, %ld events, %ld pages saved (%ld new), %ld books made, memory %ld MiB, "
           "peak %ld MiB\n",
           seconds, runs, events, saves, pages_made, books_made, mib("VmRSS"), mib("VmHWM"));
    EXPECT_GT(events, 0);
}
}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1) seconds = std::max(1, atoi(argv[1]));
    return RUN_ALL_TESTS();
}
