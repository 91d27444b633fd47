// The pexlo-export the editor runs: beside its program in a build, under the install prefix
// once installed, whatever the search path holds; Shift+F9 exporting the open book with it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "book/px_citanie.h"
#include "book/px_editor_cmd.h"
#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/test_export_fixture.h"
#include "tests/support/temp_tree.h"

namespace {
// A program file at `rel`, runnable or not.
void Program(const test_support::TempTree& tree, const std::string& rel, bool runnable = true) {
    std::filesystem::create_directories(std::filesystem::path(tree.Host(rel)).parent_path());
    tree.File(rel, "#!/bin/sh\n");
    chmod(tree.Host(rel).c_str(), runnable ? 0755 : 0644);
}
}  // namespace

TEST(ExporterFound, BesideTheEditorElseUnderItsInstallPrefixElseOnThePath) {
    test_support::TempTree tree;
    for (const char* dir : {"build", "usr", "usr/libexec", "usr/libexec/pexlo", "opt", "opt/bin", "odd"}) tree.Dir(dir);
    Program(tree, "build/pexlo-export");
    Program(tree, "usr/bin/pexlo-export");
    Program(tree, "usr/libexec/pexlo/pexlo-export", false);  // not runnable: passed over
    Program(tree, "opt/libexec/pexlo/pexlo-export");
    tree.Dir("odd/pexlo-export");  // a folder of that name is no program
    const struct {
        const char* editor;
        std::string want;
    } cases[] = {
        {"build", tree.Host("build/pexlo-export")},
        {"usr/libexec/pexlo", tree.Host("usr/bin/pexlo-export")},
        {"opt/bin", tree.Host("opt/libexec/pexlo/pexlo-export")},
        {"odd", "pexlo-export"},
        {"nowhere/libexec/pexlo", "pexlo-export"},
    };
    for (const auto& c : cases) EXPECT_EQ(PX_Najdi_exporter(tree.Host(c.editor)), c.want) << c.editor;
    EXPECT_EQ(PX_Najdi_exporter(""), "pexlo-export") << "no program path known";
}

// Shift+F9: the open book as its files hold it (the shown page's unsaved change is not in it)
// made in the background, one export at a time; reading the book meanwhile writes nothing.
using editor_test::Editor;
TEST_F(Editor, ShiftF9ExportsTheBookAsSavedWhileTheEditorGoesOn) {
    using namespace editor_test;
    Library();
    tree.File("KNIHA_Les/KNIHA.INI", "strana " + std::to_string(W) + " " + std::to_string(H) + "\ncas_strany 1\n");
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));  // page 2: les, strom, pes
        Key(VK_BACK);                             // the dog goes; not saved
        plat_Headless_SetKeyDown(VK_SHIFT, true);
        Key(VK_F9);
        Key(VK_F9);  // one export at a time
        plat_Headless_SetKeyDown(VK_SHIFT, false);
        Key(VK_F9);
        EXPECT_EQ(std::string(status_text), plat_W1250(u8"kniha: Les  Exportujem knihu…"));
        Key(VK_F5);  // reading while the export runs: its ticks see the export end
        ASSERT_TRUE(px_citanie.zapnute);
        bool told = false;  // how far it is
        for (int i = 0; i < 24000 && std::string(status_text).find("Exportujem") != std::string::npos; ++i) {
            usleep(5000);
            Tick();
            told = told || std::string(status_text).ends_with(" %");
        }
        EXPECT_TRUE(told);
        Key(VK_ESCAPE);
        EXPECT_EQ(std::tuple(std::string(status_text), dirty, REG.count),
                  std::tuple("kniha: Les  GIF: Les.gif", true, 1));
    });
    const export_test::Gif g = export_test::Decode(tree.Read("KNIHA_Les/Les.gif"));
    // Two pages of a second with a turn before the second and before the card, at 20 a second.
    ASSERT_EQ(std::tuple(g.w, g.h, g.frames.size()), std::tuple(W / 2, H / 2, size_t{(1000 + 600 + 1000 + 600) / 50}));
    // The dog's phases differ in blue alone.
    const auto shows = [&](size_t frame, uint32_t rgb, uint32_t mask = 0xFFFFFF) {
        return std::count_if(g.frames[frame].begin(), g.frames[frame].end(), [&](uint32_t c) {
                   return export_test::ColourError({c & mask}, {rgb & mask}).second <= 8;
               }) > 0;
    };
    EXPECT_FALSE(shows(0, DOG, 0xFFFF00)) << "page 1";
    EXPECT_TRUE(shows(40, DOG, 0xFFFF00) && shows(40, TREE)) << "page 2 as saved, with its dog";
    EXPECT_EQ(tree.Read("KNIHA_Les/2.str"), "p les 4\nk strom 300 200 6 1 0\n");  // saved at the end
    EXPECT_FALSE(tree.Exists("KNIHA_Les/2.gif")) << "no page export alongside";
}
