// Deleting, renaming and bringing back: pages and books go to the trash through a row's menu
// and one confirmation, and come back from the books list's trash; each checked on disk, in the
// catalogue and on the screen.
#include "book/px_historia.h"
#include "framework/widgets/tf_label.h"
#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"

using namespace editor_test;

namespace {
const std::string TRASH = "Kôš";

class Trash : public Editor {
protected:
    // A right press on entry i of a shown list, then entry `item` of the row's menu.
    void RowMenu(tf_CDUI* list, int i, int item) {
        ASSERT_NO_FATAL_FAILURE(Point(list, i));
        const RECT r = static_cast<tf_TVOLBA*>(list->volby.GET(i))->obdlz;
        Post(WM_RBUTTONDOWN, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        ASSERT_TRUE(px_editor->riadok->zivy);
        ASSERT_NO_FATAL_FAILURE(Choose(px_editor->riadok, item));
    }
    void PageRowMenu(int book, int page, int item) {
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, book));
        ASSERT_NO_FATAL_FAILURE(RowMenu(duir_STRANY, page, item));
    }
    void BookRowMenu(int book, int item) {
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        ASSERT_NO_FATAL_FAILURE(RowMenu(duir_KNIHY, book, item));
    }
    // The answer to the yes-or-no question asked.
    void Answer(bool yes) {
        tf_UTL_CDLG_EDIT* d = px_editor->otazka;
        ASSERT_TRUE(d->zivy);
        ASSERT_NO_FATAL_FAILURE(Press(yes ? *d->tlac_ok : *d->tlac_zrus));
    }
    // Entry i of the trash, brought back.
    void Restore(int i) {
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, duir_KNIHY->CountR() - 2));  // "Kôš"
        ASSERT_NO_FATAL_FAILURE(Choose(px_editor->kos, i));
        ASSERT_NO_FATAL_FAILURE(Answer(true));
    }
    static std::vector<std::string> Rows(tf_CDUIR* list) {
        std::vector<std::string> rows;
        for (int i = 0; i < list->CountR(); ++i) rows.push_back(plat_Utf8FromCp1250((*list)[i]->text));
        return rows;
    }
    static std::string Said() { return plat_Utf8FromCp1250(status_text); }
};
}  // namespace

TEST_F(Trash, APageGoesToTheTrashAndComesBackToItsPlace) {
    Library();
    tree.File("KNIHA_Les/3.str", "h pes 10 10 6 1 0\n");
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Tick();  // page 1 shown; page 2 gets a thumbnail when saved
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Key(VK_BACK);
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));  // saved on leaving: 2.str and 2.thm
        ASSERT_TRUE(tree.Exists("KNIHA_Les/2.thm"));
        const std::string page2 = tree.Read("KNIHA_Les/2.str"), thm2 = tree.Read("KNIHA_Les/2.thm");

        ASSERT_NO_FATAL_FAILURE(PageRowMenu(0, 1, 0));  // page 2: "Odstrániť"
        ASSERT_NO_FATAL_FAILURE(Answer(false));
        EXPECT_TRUE(tree.Exists("KNIHA_Les/2.str")) << "cancelled";
        ASSERT_NO_FATAL_FAILURE(PageRowMenu(0, 1, 0));
        EXPECT_EQ(plat_Utf8FromCp1250(px_editor->otazka->lbl_otazka2->text), "Les, strana 2");
        ASSERT_NO_FATAL_FAILURE(Answer(true));
        EXPECT_FALSE(tree.Exists("KNIHA_Les/2.str") || tree.Exists("KNIHA_Les/2.thm"));
        EXPECT_EQ(std::pair(tree.Read(TRASH + "/1/KNIHA_Les/2.str"), tree.Read(TRASH + "/1/KNIHA_Les/2.thm")),
                  std::pair(page2, thm2));
        EXPECT_EQ(Said(), "V koši: strana 2");
        EXPECT_EQ(std::tuple(current_page, next_page, duir_STRANY->CountR()), std::tuple(1, 2, 2))
            << "page 3 follows page 1 now; nothing was renumbered on disk";
        EXPECT_TRUE(tree.Exists("KNIHA_Les/3.str"));

        ASSERT_NO_FATAL_FAILURE(Restore(0));
        EXPECT_EQ(std::pair(tree.Read("KNIHA_Les/2.str"), tree.Read("KNIHA_Les/2.thm")), std::pair(page2, thm2));
        EXPECT_EQ(tree.Names(TRASH), std::vector<std::string>{});
        EXPECT_EQ(std::tuple(current_page, next_page, duir_STRANY->CountR()), std::tuple(1, 2, 3));
        EXPECT_EQ(Said(), "Obnovené: Les, strana 2");
    });
}

// The shown page, changed and playing, deleted: its last state goes to the trash and the page
// before it is shown; undo has nothing of the deleted page.
TEST_F(Trash, TheShownPageDeletedWhilePlayingTakesItsChangesAlong) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Key(VK_BACK);
        Key(VK_SPACE);
        ASSERT_NO_FATAL_FAILURE(PageRowMenu(0, 1, 0));
        ASSERT_NO_FATAL_FAILURE(Answer(true));
        EXPECT_EQ(tree.Read(TRASH + "/1/KNIHA_Les/2.str"), "p les 4\nk strom 300 200 6 1 0\n");
        EXPECT_EQ(std::tuple(current_page, next_page, REG.count, running, dirty), std::tuple(1, 0, 1, false, false));
        EXPECT_EQ(PX_HIST_Krokov(), 0);
    });
}

// A book deleted while one of its pages is shown, then its name taken by a new book: it comes
// back beside it under a free name, whole.
TEST_F(Trash, ABookComesBackUnderAFreeName) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(1, 0));  // "More"
        ASSERT_NO_FATAL_FAILURE(BookRowMenu(1, 1));  // "Odstrániť"
        EXPECT_EQ(plat_Utf8FromCp1250(px_editor->otazka->lbl_otazka2->text), "More");
        ASSERT_NO_FATAL_FAILURE(Answer(true));
        EXPECT_FALSE(tree.Exists("KNIHA_More"));
        EXPECT_EQ(tree.Read(TRASH + "/1/KNIHA_More/1.str"), "h pes 100 100 6 1 0\n");
        EXPECT_EQ(std::tuple(current_book, current_page, REG.count, utl_duir_Herci->CountR()), std::tuple(-1, -1, 0, 0));
        EXPECT_EQ(Rows(duir_KNIHY), (std::vector<std::string>{"Les", "Nová kniha", "Kôš", "Zavrieť"}));

        tree.Dir("KNIHA_More");  // made meanwhile beside the program
        ASSERT_NO_FATAL_FAILURE(Restore(0));
        EXPECT_EQ(tree.Read("KNIHA_More (2)/1.str"), "h pes 100 100 6 1 0\n");
        EXPECT_TRUE(tree.Exists("KNIHA_More (2)/Herci/pes.faz"));
        EXPECT_EQ(Rows(duir_KNIHY),
                  (std::vector<std::string>{"Les", "More", "More (2)", "Nová kniha", "Kôš", "Zavrieť"}));
    });
}

// The shown book renamed: the folder with everything in it, the catalogue's row, and the page
// shown stays, saves into the new folder and still undoes what was done before.
TEST_F(Trash, ABookRenamedKeepsItsPagesAndThePageShown) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Key(VK_BACK);
        ASSERT_NO_FATAL_FAILURE(BookRowMenu(0, 0));  // "Premenovať"
        tf_UTL_CDLG_EDIT* d = px_editor->nova_kniha;
        EXPECT_EQ(std::string(d->Get_Text()), "Les");
        for (int i = 0; i < 3; ++i) Key(VK_BACK);
        for (int key : {'H', 'O', 'R', 'Y'}) Key(key);
        ASSERT_NO_FATAL_FAILURE(Press(*d->tlac_ok));
        EXPECT_FALSE(tree.Exists("KNIHA_Les"));
        EXPECT_EQ(tree.Read("KNIHA_HORY/2.str"), "p les 4\nk strom 300 200 6 1 0\n") << "saved before";
        EXPECT_TRUE(tree.Exists("KNIHA_HORY/1.str") && tree.Exists("KNIHA_HORY/Pozadia/les.bmp"));
        EXPECT_EQ(Rows(duir_KNIHY)[0], "HORY");
        EXPECT_EQ(std::tuple(current_page, REG.count, dirty), std::tuple(2, 1, false));
        Ctrl('Z');
        EXPECT_EQ(std::pair(REG.count, dirty), std::pair(2, true));
        Tick();
        EXPECT_EQ(Px(1000, 700), Raw(GRASS)) << "the background found in the renamed book";
        Ctrl('S');
        EXPECT_EQ(tree.Read("KNIHA_HORY/2.str"), "p les 4\nk strom 300 200 6 1 0\nh pes 500 300 6 1 0\n");

        ASSERT_NO_FATAL_FAILURE(BookRowMenu(1, 0));  // "More" to "HORY": taken
        for (int i = 0; i < 4; ++i) Key(VK_BACK);
        for (int key : {'H', 'O', 'R', 'Y'}) Key(key);
        ASSERT_NO_FATAL_FAILURE(Press(*d->tlac_ok));
        EXPECT_TRUE(tree.Exists("KNIHA_More"));
        EXPECT_EQ(Said(), "[Kniha s týmto názvom už existuje]");
    });
}

// A trash that cannot be written: a message, and the page stays where it was, whole.
TEST_F(Trash, AnUnwritableTrashMovesNothing) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        plat_SetWriteFailure(true);
        ASSERT_NO_FATAL_FAILURE(PageRowMenu(0, 1, 0));
        ASSERT_NO_FATAL_FAILURE(Answer(true));
        plat_SetWriteFailure(false);
        EXPECT_EQ(tree.Read("KNIHA_Les/2.str"), "p les 4\nk strom 300 200 6 1 0\nh pes 500 300 6 1 0\n");
        EXPECT_FALSE(tree.Exists(TRASH + "/1"));
        EXPECT_EQ(Said(), "[Chyba: stranu sa nepodarilo odstrániť]");
        EXPECT_EQ(duir_STRANY->CountR(), 2);
    });
}
