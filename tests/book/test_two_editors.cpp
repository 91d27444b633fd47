// Two editors started on one library, each in a process of its own, kept in step through
// pipes: both change page 1 and save it, the second started while the first saves, then both
// export. Nothing is lost without a word, each GIF shows its own editor's page, and neither
// start touches what the other editor is writing.
#include <unistd.h>

#include <algorithm>
#include <atomic>

#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/editor_processes.h"
#include "tests/book/test_export_fixture.h"

using namespace editor_test;

namespace {
const std::string BOTH = "k strom 300 200 6 1 0\nh pes 500 300 6 1 0\n";
const std::string TREE_ONLY = "k strom 300 200 6 1 0\n", DOG_ONLY = "h pes 500 300 6 1 0\n";

// The first editor's save of page 1 waits, its temporary whole and not yet renamed, until the
// second editor has started and shown the page.
std::atomic<Signal*> first_saving = nullptr;  // the writer thread asks too
Signal* second_shown = nullptr;
void hold_page_1(const char* host) {
    const std::string path = host;
    if (!first_saving || path.size() < 15 || path.substr(path.size() - 15) != "KNIHA_Les/1.str") return;
    first_saving.exchange(nullptr)->Give();
    EXPECT_EQ(second_shown->Take(), '.') << "the second editor did not show the page";
}

class TwoEditors : public Editor {
protected:
    // Ticks until the export has ended (slow builds get two minutes); its status line.
    std::string Exported() {
        for (int i = 0; i < 6000 && std::string(status_text).find("Exportujem") != std::string::npos; ++i) {
            usleep(20000);  // the exporters get the cores
            Tick();
        }
        return plat_Utf8FromCp1250(status_text);
    }
    // The first frame of the book's GIF shows the tree, the dog.
    std::pair<bool, bool> Shows(const std::string& gif) const {
        const export_test::Gif g = export_test::Decode(tree.Read("KNIHA_Les/" + gif));
        const auto shows = [&](uint32_t rgb) {
            return !g.frames.empty() && std::any_of(g.frames[0].begin(), g.frames[0].end(), [&](uint32_t c) {
                return export_test::ColourError({c}, {rgb}).second <= 8;
            });
        };
        return {shows(TREE), shows(DOG)};
    }
    std::string Recovery(pid_t pid) const { return "app/.pexlo-obnova-" + std::to_string(pid) + "-strana.txt"; }
};
}  // namespace

TEST_F(TwoEditors, BothSaveAndExportPage1AndNothingIsLostWithoutAWord) {
    Library();
    tree.File("KNIHA_Les/1.str", BOTH);
    Signal saving, shown, saved, exporting;
    first_saving = &saving;
    second_shown = &shown;
    const pid_t first = Fork([&] {
        plat_SetBeforeRenameHook(hold_page_1);
        Run([&] {
            ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
            Key(VK_BACK);  // the dog goes
            plat_Headless_AdvanceTime(3000);
            Tick();
            plat_WaitForWrites();
            EXPECT_TRUE(tree.Exists(Recovery(getpid())));
            Ctrl('S');  // held until the second editor shows the page
            EXPECT_EQ(std::tuple(tree.Read("KNIHA_Les/1.str"), plat_Utf8FromCp1250(status_text), dirty),
                      std::tuple(TREE_ONLY, std::string("Uložené: strana 1"), false));
            saved.Give();
            Key(VK_F9);
            exporting.Give();
            EXPECT_EQ(Exported(), "kniha: Les  GIF: 1.gif");
        });
    });
    ASSERT_GT(first, 0);
    ASSERT_EQ(saving.Take(), '.') << "the first editor did not save";
    // The second starts while the first's page file waits to be renamed into place.
    const pid_t second = Fork([&] {
        Run([&] {
            EXPECT_FALSE(px_editor->otazka->zivy) << "a running editor's changes offered back";
            EXPECT_TRUE(tree.Exists(Recovery(first))) << "the start removed the running editor's recovery file";
            EXPECT_EQ(NamesStarting(tree, {PLAT_WRITE_TEMP_PREFIX + std::to_string(first) + "-"}).size(), 1u)
                << "the start removed the running editor's temporary";
            ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
            EXPECT_EQ(REG.count, 2);
            shown.Give();
            ASSERT_EQ(saved.Take(), '.');
            Move(Mid(0).x, Mid(0).y);
            Key(VK_DELETE);  // the tree goes
            Ctrl('S');
            EXPECT_EQ(std::tuple(plat_Utf8FromCp1250(status_text), current_page, dirty),
                      std::tuple(std::string("Strana 1 sa medzitým zmenila inde, uložené ako strana 3"), 3, false));
            ASSERT_EQ(exporting.Take(), '.');  // while the first one's export runs
            Key(VK_F9);
            EXPECT_EQ(Exported(), "kniha: Les  GIF: 3.gif");
        });
    });
    ASSERT_GT(second, 0);
    EXPECT_EQ(Ended(first), "exit 0");
    EXPECT_EQ(Ended(second), "exit 0");

    EXPECT_EQ(std::pair(tree.Read("KNIHA_Les/1.str"), tree.Read("KNIHA_Les/3.str")), std::pair(TREE_ONLY, DOG_ONLY));
    EXPECT_EQ(Shows("1.gif"), std::pair(true, false)) << "the first editor's page";
    EXPECT_EQ(Shows("3.gif"), std::pair(false, true)) << "the second editor's page";
    EXPECT_EQ(BrokenFiles(tree), "");
    EXPECT_EQ(NamesStarting(tree, {".pexlo-"}), std::vector<std::string>{}) << "both ended cleanly";
    EXPECT_TRUE(tree.Exists("KNIHA_Les/1.thm") && tree.Exists("KNIHA_Les/3.thm"));
}
