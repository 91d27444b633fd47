// pexlo-import from a terminal: pictures into a book by their default kind or the one asked
// for, fitted to the page given, and every refusal with its message and status, writing
// nothing.
#include <gmock/gmock.h>

#include "tests/book/book_fixture.h"
#include "tests/support/picture_files.h"

using testing::HasSubstr;

namespace {

struct ImportCli : book_test::BookTest {
    void SetUp() override {
        BookTest::SetUp();
        for (const char* d :
             {"KNIHA_T", "KNIHA_T/Pozadia", "KNIHA_T/Kulisy", "KNIHA_T/Herci", "KNIHA_R", "src", "plain"})
            tree.Dir(d);
        tree.File("KNIHA_R/Kulisy", "a file where the props' folder should be");
        for (auto [name, w, h] :
             {std::tuple("a.png", 40, 30), {"b.png", 1000, 600}, {"f1.png", 40, 30}, {"f2.png", 30, 20}})
            test_support::WritePng(tree.Host(std::string("src/") + name), w, h,
                                   [](int x, int y) { return x == y ? 0u : 0xFF204080u + static_cast<uint32_t>(x); });
        tree.File("src/note.txt", "not a picture");
        std::vector<std::vector<uint8_t>> frames;
        for (int f = 0; f < 250; ++f) frames.push_back(std::vector<uint8_t>(16, static_cast<uint8_t>(f % 2)));
        test_support::WriteGif(tree.Host("src/blink.gif"), 4, 4, {0x2060A0, 0xE0E020}, frames);
    }
    // pexlo-import run from the app folder: its exit status and all it printed.
    static std::pair<int, std::string> Cli(const std::string& args) {
        return test_support::RunCommand(std::string(PEXLO_IMPORT_BIN) + " " + args);
    }
};

}  // namespace

TEST_F(ImportCli, PicturesGoInByTheirDefaultKindOrTheOneAskedForFittedToThePage) {
    const struct {
        const char* args;
        const char* said;
    } runs[] = {
        {"../KNIHA_T ../src/a.png", "prop Kulisy/a.bmp, 40x30\n"},
        {"../KNIHA_T ../src/b.png", "background Pozadia/b.bmp, 1000x600\n"},
        {"../KNIHA_T --page 800x600 ../src/b.png", "background Pozadia/b_2.bmp, 800x480 (scaled down from 1000x600)\n"},
        {"../KNIHA_T ../src/f2.png ../src/f1.png", "actor Herci/f1.bmp with 2 phases, 40x30\n"},
        {"../KNIHA_T --as=prop ../src/f2.png ../src/f1.png", "prop Kulisy/f1.bmp, 40x30\nprop Kulisy/f2.bmp, 30x20\n"},
        {"../KNIHA_T ../src/blink.gif",
         "actor Herci/blink.bmp with 200 phases, 4x4\npexlo-import: blink: only the first 200 frames taken\n"},
        {"../KNIHA_T --as background ../src/blink.gif",
         "background Pozadia/blink.bmp, 4x4\npexlo-import: blink: an animation; its first frame taken\n"},
    };
    for (const auto& r : runs) EXPECT_EQ(Cli(r.args), std::pair(0, std::string(r.said))) << r.args;
    EXPECT_EQ(tree.Names("KNIHA_T/Herci"), (std::vector<std::string>{"blink.bmp", "blink.faz", "f1.bmp", "f1.faz"}));
}

TEST_F(ImportCli, RefusalsSayWhyAndLeaveTheBookAsItWas) {
    const struct {
        const char* args;
        int status;
        const char* message;
    } rows[] = {
        {"", 2, "no book folder given"},
        {"../KNIHA_T", 2, "no picture files given"},
        {"../KNIHA_T --as tree ../src/a.png", 2, "--as takes background, prop or actor"},
        {"../KNIHA_T --page 10x10 ../src/a.png", 2, "--page takes WIDTHxHEIGHT, each from 16 to 8192"},
        {"../KNIHA_T --page 800x+600 ../src/a.png", 2, "--page takes WIDTHxHEIGHT"},
        {"../KNIHA_T '--page= 800x600' ../src/a.png", 2, "--page takes WIDTHxHEIGHT"},
        {"../KNIHA_T ../src/a.png --speed 3", 2, "unknown option --speed"},
        {"../KNIHA_T ../src/a.png --as", 2, "--as needs a value"},
        {"../KNIHA_X ../src/a.png", 1, "no book folder at ../KNIHA_X"},
        {"../plain ../src/a.png", 1, "../plain is no book"},
        {"../KNIHA_T ../src/a.png ../src/note.txt", 1,
         "../src/note.txt: it is no PNG, JPEG, GIF, BMP or WebP picture; nothing was imported"},
        {"../KNIHA_T ../src/gone.png", 1, "../src/gone.png: there is no such file"},
        {"../KNIHA_T ../src", 1, "../src: it is a folder, not a picture"},
        {"../KNIHA_R ../src/a.png", 1, "cannot write into ../KNIHA_R/Kulisy; nothing was imported"},
    };
    for (const auto& r : rows) {
        const auto [code, said] = Cli(r.args);
        EXPECT_EQ(code, r.status) << r.args;
        EXPECT_THAT(said, HasSubstr(std::string("pexlo-import: ") + r.message)) << r.args;
    }
    for (const char* d : {"KNIHA_T/Pozadia", "KNIHA_T/Kulisy", "KNIHA_T/Herci"})
        EXPECT_EQ(tree.Names(d), std::vector<std::string>{});
    EXPECT_EQ(tree.Names("KNIHA_R"), std::vector<std::string>{"Kulisy"});
}
