// Recovery after a crash: the editor keeps a changed page's state in a file of its own while
// it is changed, and a start offers back what an editor that is gone left; files that cannot
// be brought back are refused and removed.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "framework/widgets/tf_label.h"
#include "platform/codepage.h"
#include "platform/sound_file.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/editor_processes.h"

using namespace editor_test;

namespace {
// The id of a process that has ended.
int GonePid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

class Recovery : public Editor {
protected:
    std::string Own() const { return "app/.pexlo-obnova-" + std::to_string(getpid()) + "-strana.txt"; }
    std::string Left(const std::string& content) {
        const std::string name = "app/.pexlo-obnova-" + std::to_string(GonePid()) + "-strana.txt";
        tree.File(name, content);
        return name;
    }
    static std::string File(const char* page, const std::string& lines, int count = -1) {
        int n = 0;
        for (char c : lines) n += c == '\n';
        return std::string("pexlo-obnova 1\nkniha ..\\KNIHA_Les\n") + page + "\nriadkov " +
               std::to_string(count < 0 ? n : count) + "\n" + lines + "koniec\n";
    }
    std::string Question() const {
        tf_UTL_CDLG_EDIT* d = px_editor->otazka;
        return d->zivy ? plat_Utf8FromCp1250(d->lbl_otazka2->text) : "";
    }
};
}  // namespace

TEST_F(Recovery, AChangedPageIsKeptWhileChangedAndGoesWhenSavedOrEnded) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Tick();
        plat_WaitForWrites();
        EXPECT_FALSE(tree.Exists(Own())) << "nothing unsaved";
        Key(VK_BACK);
        Tick();
        plat_WaitForWrites();
        const std::string page = "strana ..\\KNIHA_Les\\2.str\nzaklad " + plat_FileVersion("..\\KNIHA_Les\\2.str");
        EXPECT_EQ(tree.Read(Own()), File(page.c_str(), "p les 4\nk strom 300 200 6 1 0\n"));
        Key(VK_BACK);
        Tick();
        plat_WaitForWrites();
        EXPECT_NE(tree.Read(Own()).find("k strom"), std::string::npos) << "not again within two seconds";
        plat_Headless_AdvanceTime(2000);
        Tick();
        plat_WaitForWrites();
        EXPECT_EQ(tree.Read(Own()).find("k strom"), std::string::npos);
        Ctrl('S');
        Tick();
        plat_WaitForWrites();
        EXPECT_FALSE(tree.Exists(Own())) << "saved";
        Key(VK_SPACE);  // playing changes nothing to save
        Tick(3);
        ASSERT_NO_FATAL_FAILURE(FromMenu(4, 0));
        Tick();
        plat_WaitForWrites();
        EXPECT_TRUE(tree.Exists(Own()));
        plat_SetWriteFailureStep(PLAT_WRITE_STEP_RENAME);  // the page cannot be saved: the author ends without it
        Key(VK_ESCAPE);
        ASSERT_TRUE(px_editor->otazka->zivy);
        ASSERT_NO_FATAL_FAILURE(Press(*px_editor->otazka->tlac_ok));  // "Skončiť"
        plat_SetWriteFailureStep(PLAT_WRITE_STEP_NONE);
    });
    EXPECT_EQ(exit_code, 0);
    EXPECT_FALSE(tree.Exists(Own())) << "a clean end";
}

TEST_F(Recovery, AStartOffersBackWhatACrashLeftAsOneStepToUndo) {
    Library();
    const std::string left = Left(File("strana ..\\KNIHA_Les\\2.str", "p les 4\nk strom 1 2 6 1 0\n"));
    Run([&] {
        EXPECT_EQ(Question(), "Les, strana 2");
        ASSERT_NO_FATAL_FAILURE(Press(*px_editor->otazka->tlac_ok));  // "Obnoviť"
        EXPECT_EQ(std::tuple(current_page, REG.count, Obj(0)->x, Obj(0)->y, dirty), std::tuple(2, 1, 1, 2, true));
        EXPECT_FALSE(tree.Exists(left));
        Ctrl('Z');
        EXPECT_EQ(std::pair(REG.count, dirty), std::pair(2, false)) << "the page as its file holds it";
        Ctrl('Y');
        Ctrl('S');
        EXPECT_EQ(tree.Read("KNIHA_Les/2.str"), "p les 4\nk strom 1 2 6 1 0\n");
    });
}

TEST_F(Recovery, ANewPageComesBackAfterItsPageAndADroppedOneGoes) {
    Library();
    const std::string kept = Left(File("nova ..\\KNIHA_Les\\1.str", "h pes 5 6 6 1 0\n"));
    Run([&] {
        EXPECT_EQ(Question(), "Les, nová strana za stranou 1");
        ASSERT_NO_FATAL_FAILURE(Press(*px_editor->otazka->tlac_ok));
        EXPECT_EQ(std::tuple(current_page, prev_page, REG.count, dirty), std::tuple(PX_NEW_PAGE, 1, 1, true));
        Ctrl('S');
        EXPECT_EQ(tree.Read("KNIHA_Les/3.str"), "h pes 5 6 6 1 0\n");
    });
    const std::string dropped = Left(File("strana ..\\KNIHA_Les\\1.str", ""));
    Run([&] {
        ASSERT_NE(Question(), "");
        ASSERT_NO_FATAL_FAILURE(Press(*px_editor->otazka->tlac_zrus));  // "Zahodiť"
        EXPECT_EQ(std::pair(current_page, dirty), std::pair(3, false)) << "the page last shown";
    });
    EXPECT_FALSE(tree.Exists(dropped));
    EXPECT_EQ(tree.Read("KNIHA_Les/1.str"), "k strom 300 200 6 1 0\n");
}

// Cut short, garbage, of a book or a page no longer there, a line beyond what a page holds, a
// FIFO: each refused and removed, nothing asked; a running editor's own file is left alone.
TEST_F(Recovery, FilesThatCannotBeBroughtBackAreRefusedAndRemoved) {
    Library();
    const std::string whole = File("strana ..\\KNIHA_Les\\2.str", "p les 4\n");
    const std::vector<std::string> bad = {
        Left(whole.substr(0, whole.size() - 7)),                               // cut short
        Left(File("strana ..\\KNIHA_Les\\2.str", "p les 4\n", 3)),              // lines missing
        Left("\x01\x02garbage\n"),                                              // garbage
        Left(File("strana ..\\KNIHA_Les\\9.str", "")),                          // a page no longer there
        Left(std::string(whole).replace(whole.find("Les"), 3, "Nie")),          // another book
        Left(File("strana ..\\KNIHA_Les\\2.str", "p " + std::string(400, 'l') + " 4\n")),  // a line too long
        "app/.pexlo-obnova-" + std::to_string(GonePid()) + "-strana.txt",
    };
    ASSERT_EQ(mkfifo(tree.Host(bad.back()).c_str(), 0644), 0);
    const std::string running = "app/.pexlo-obnova-1-strana.txt";  // init: always running
    tree.File(running, whole);
    Run([&] { EXPECT_EQ(Question(), ""); });
    for (const std::string& f : bad) EXPECT_FALSE(tree.Exists(f)) << f;
    EXPECT_TRUE(tree.Exists(running));
    EXPECT_TRUE(test_support::LogHas({"Obnova: subor sa neda obnovit, odstraneny"}));
}

// A kill between a save and the removal of the changes kept before it: brought back, those
// changes go beside the page saved after them, never over it.
TEST_F(Recovery, ChangesKeptBeforeASaveComeBackBesideThePageSavedAfterThem) {
    Library();
    Signal kept, read, saved;
    const pid_t child = Fork([&] {
        Run([&] {
            ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));  // "p les 4", the tree, the dog
            Key(VK_BACK);                             // the dog goes
            Tick();
            plat_WaitForWrites();
            kept.Give();
            ASSERT_EQ(read.Take(), '.');  // the file kept is read before the save removes it
            Key(VK_BACK);  // the tree goes too
            Ctrl('S');
            EXPECT_EQ(NamesStarting(tree, {".pexlo-obnova-"}), std::vector<std::string>{}) << "not removed by the save";
            saved.Give();
            for (;;) pause();
        });
    });
    ASSERT_EQ(kept.Take(), '.');
    const std::vector<std::string> files = NamesStarting(tree, {".pexlo-obnova-"});
    ASSERT_EQ(files.size(), 1u);
    const std::string left = test_support::ReadFile(files[0]);
    read.Give();
    ASSERT_EQ(saved.Take(), '.');
    ASSERT_EQ(Ended(child, true), "signal 9");
    test_support::WriteFile(files[0], left);  // as the kill would have left it a moment earlier
    ASSERT_EQ(tree.Read("KNIHA_Les/2.str"), "p les 4\n");
    const pid_t start = Fork([&] {
        Run([&] {
            ASSERT_TRUE(px_editor->otazka->zivy);
            Press(*px_editor->otazka->tlac_ok);  // "Obnoviť"
            EXPECT_EQ(std::pair(REG.count, dirty), std::pair(1, true));
            Ctrl('S');
            EXPECT_EQ(plat_Utf8FromCp1250(status_text), "Strana 2 sa medzitým zmenila inde, uložené ako strana 3");
        });
    });
    EXPECT_EQ(Ended(start), "exit 0");
    EXPECT_EQ(std::pair(tree.Read("KNIHA_Les/2.str"), tree.Read("KNIHA_Les/3.str")),
              std::pair(std::string("p les 4\n"), std::string("p les 4\nk strom 300 200 6 1 0\n")));
    EXPECT_EQ(NamesStarting(tree, {".pexlo-"}), std::vector<std::string>{});
}

TEST_F(Recovery, ThePagesBackgroundSoundIsKeptAndComesBackPlayable) {
    Library();
    tree.Dir("KNIHA_Les/Zvuky");
    const std::vector<uint8_t> bird = plat_EncodeSound(std::vector<int16_t>(2205, 900), 1, 22050, PLAT_SOUND_WAV16);
    tree.File("KNIHA_Les/Zvuky/vtak.wav", std::string(bird.begin(), bird.end()));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        ASSERT_NO_FATAL_FAILURE(FromMenu(7, 1));  // "Zvuky...": vtak.wav
        Tick();
        plat_WaitForWrites();
        EXPECT_NE(tree.Read(Own()).find("\nz vtak.wav\n"), std::string::npos) << tree.Read(Own());
    });
    Left(File("strana ..\\KNIHA_Les\\2.str", "p les 4\nz vtak.wav\n"));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(Press(*px_editor->otazka->tlac_ok));  // "Obnoviť"
        EXPECT_EQ(px_narracia.pozadie, "vtak.wav");
        EXPECT_NE(px_narracia.pozadie_zvuk, nullptr) << "read from the book, ready to play";
    });
}
