// pexlo-export from a terminal: a book's pages into a folder at the screen and pace of the
// library's settings, and every refusal with its message and status, writing nothing.
#include <gmock/gmock.h>
#include <sys/wait.h>

#include "tests/book/test_export_fixture.h"

using namespace export_test;
using testing::HasSubstr;

namespace {
struct Cli : ExportLibrary {
    // The program run from the library's app folder (after the shell commands `before`): its
    // exit status and all it printed.
    static std::pair<int, std::string> Run(const std::string& args, const std::string& before = "") {
        FILE* p = popen((before + PEXLO_EXPORT_BIN + " " + args + " 2>&1").c_str(), "r");
        std::string text;
        char buf[512];
        while (p && fgets(buf, sizeof buf, p)) text += buf;
        const int status = p ? pclose(p) : -1;
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
    }
    // Width, height and frames of a GIF the program wrote; its size is added to *bytes.
    std::tuple<int, int, size_t> Shape(const std::string& rel, size_t* bytes) {
        const std::string file = tree.Read(rel);
        *bytes += file.size();
        const Gif g = Decode(std::vector<uint8_t>(file.begin(), file.end()));
        return {g.w, g.h, g.frames.size()};
    }
};
}  // namespace

TEST_F(Cli, ExportsThePagesAtTheScreenAndPaceOfTheLibrarysSettings) {
    Page("1", "p les 2\nh pes 40 60 3 1 0\n");
    Page("2", "p les 2\nk strom 300 150 6 1 0\nh nie 1 1 3 1 0\n");
    Page("10", "p les 2\n");
    tree.File("app/PX.INI", "480 270\n5 100");  // a timer of 100 ms: ten frames a second at most
    const auto [status, text] = Run("../KNIHA_T -o ../gifs --seconds 1");
    EXPECT_EQ(status, 0) << text;
    size_t bytes = 0;
    for (const char* page : {"1", "2", "10"})
        EXPECT_EQ(Shape("gifs/" + std::string(page) + ".gif", &bytes), std::tuple(240, 135, size_t{10})) << page;
    EXPECT_THAT(text, HasSubstr("page 2: the picture nie is missing"));
    EXPECT_THAT(text, HasSubstr("3 pages, 30 frames, " + std::to_string(bytes) + " bytes"));

    const auto [named, said] = Run("../KNIHA_T 10 --screen 200x100 --size 50x25 --fps 4 --seconds=2");
    EXPECT_EQ(named, 0) << said;
    EXPECT_EQ(Shape("KNIHA_T/10.gif", &bytes), std::tuple(50, 25, size_t{8}));  // beside the page by default
    EXPECT_EQ(tree.Names("KNIHA_T"),
              (std::vector<std::string>{"1.str", "10.gif", "10.str", "2.str", "Herci", "Kulisy", "Pozadia"}));
}

TEST_F(Cli, RefusesWithAMessageAndWritesNothing) {
    Page("1", "p les 2\n");
    tree.Dir("KNIHA_E");
    tree.Dir("plain");
    const struct {
        const char* args;
        int status;
        const char* message;
    } rows[] = {
        {"", 2, "no book folder given"},
        {"../KNIHA_X", 1, "no book folder at ../KNIHA_X"},
        {"../plain", 1, "../plain is no book"},
        {"../KNIHA_E", 1, "the book ../KNIHA_E has no pages"},
        {"../KNIHA_T 1 7", 1, "the book has no page 7"},
        {"../KNIHA_T -o /proc", 1, "cannot write into the output folder /proc"},
        {"../KNIHA_T --seconds 0", 2, "--seconds takes a number above 0"},
        {"../KNIHA_T --seconds lots", 2, "--seconds takes a number above 0"},
        {"../KNIHA_T --fps 51", 2, "--fps takes a whole number from 1 to 50"},
        {"../KNIHA_T --size 0x0", 2, "--size takes WIDTHxHEIGHT"},
        {"../KNIHA_T --screen 99999x768", 2, "--screen takes WIDTHxHEIGHT"},
        {"../KNIHA_T --screen 640x480 --size 800x600", 2, "--size must not exceed the screen, 640x480"},
        {"../KNIHA_T --size 1921x100", 2, "--size must not exceed the screen, 1920x1080"},  // no settings
        {"../KNIHA_T --speed 3", 2, "unknown option --speed"},
        {"../KNIHA_T -o", 2, "-o needs a value"},
        {"../KNIHA_T --from 1.str", 2, "--from plays one page: name it"},
        {"../KNIHA_T neu --from nothing.str", 1, "no page file at nothing.str"},
    };
    for (const auto& r : rows) {
        const auto [status, text] = Run(r.args);
        EXPECT_EQ(status, r.status) << r.args;
        EXPECT_THAT(text, HasSubstr(std::string("pexlo-export: ") + r.message)) << r.args;
    }
    EXPECT_EQ(tree.Names("KNIHA_T"), (std::vector<std::string>{"1.str", "Herci", "Kulisy", "Pozadia"}));
}

// The shell's limit on file sizes stands for a disk that fills up: the GIF that does not fit
// is said to be unwritten, and neither it nor its temporary is left.
TEST_F(Cli, AFullDiskLeavesNoHalfGif) {
    Page("1", "p les 2\nh pes 40 60 3 1 0\n");
    const auto [status, text] = Run("../KNIHA_T --seconds 1", "trap '' XFSZ; ulimit -f 1; exec ");
    EXPECT_EQ(status, 1) << text;
    EXPECT_THAT(text, HasSubstr("pexlo-export: page 1: cannot write"));
    EXPECT_EQ(tree.Names("KNIHA_T"), (std::vector<std::string>{"1.str", "Herci", "Kulisy", "Pozadia"}));
}
