// A book as one file, as the author meets it: a book's row exports it into a folder picked,
// a ".pexlo" dropped on the window, named on the command line or given to pexlo-export comes and
// goes whole; a taken name gets a free one, a bad file is refused with nothing left behind.
#include <optional>

#include "book/px_archiv.h"
#include "book/px_editor_cmd.h"
#include "book/px_sprava.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "tests/book/editor_fixture.h"
#include "tests/platform/archive_fixture.h"
#include "tests/support/env.h"
#include "tests/support/test_support.h"

using namespace editor_test;

namespace {
using archive_test::SameFiles;

class Archiv : public Editor {
protected:
    void SetUp() override {
        Editor::SetUp();
        tree.Dir("domov"), tree.Dir("domov/Documents");
        home.emplace("HOME", tree.Host("domov").c_str());
        config.emplace("XDG_CONFIG_HOME", nullptr);
        documents.emplace("XDG_DOCUMENTS_DIR", nullptr);
    }
    // The item `text` of the menu of the books list's row `book`.
    void RowItem(int book, const std::string& text) {
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, book));
        const RECT r = static_cast<tf_TVOLBA*>(duir_KNIHY->volby.GET(book))->obdlz;
        Post(WM_RBUTTONDOWN, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        ASSERT_TRUE(px_editor->riadok->zivy);
        tf_CARRE& items = px_editor->riadok->volby;
        for (int i = 0; i < items.count; ++i)
            if (plat_Utf8FromCp1250(static_cast<tf_TVOLBA*>(items.GET(i))->text) == text)
                return Choose(px_editor->riadok, i);
        FAIL() << "no " << text << " in the row's menu";
    }
    // The picker's row `text`.
    void Take(const std::string& text) {
        tf_CDUIR& l = *px_editor->vyber;
        for (int i = 0; i < l.CountR(); ++i)
            if (plat_Utf8FromCp1250(l[i]->text) == text) return Choose(&l, i);
        FAIL() << "no row " << text << " in the picker";
    }
    // The book and page shown, as the author reads them.
    static std::string Shown() {
        const struct_kniha_strana* ks = NAJDI_KS(current_book, current_page);
        return ks ? plat_Utf8FromCp1250(ks->book_name) + ", " + plat_Utf8FromCp1250(ks->page_name) : "";
    }
    static std::string Said() { return plat_Utf8FromCp1250(status_text); }
    // Ticks until the export running in the background has ended.
    void WaitForExport() {
        for (int i = 0; i < 24000 && Said().find("Exportujem") != std::string::npos; ++i) {
            usleep(5000);
            Tick();
        }
    }

    std::optional<test_support::Env> home, config, documents;
};
}  // namespace

// The shown page's changes are saved first, so the file holds the book as the author sees it.
TEST_F(Archiv, ABookExportedFromItsRowComesBackWholeUnderAFreeNameAndOpens) {
    Library();
    const std::string page = tree.Read("KNIHA_Les/2.str");
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Key(VK_BACK);  // the actor goes, not yet saved
        ASSERT_NO_FATAL_FAILURE(RowItem(0, "Exportovať"));
        ASSERT_NO_FATAL_FAILURE(Take("» Uložiť sem: Documents"));
        EXPECT_NE(tree.Read("KNIHA_Les/2.str"), page);
        EXPECT_EQ(Said(), "Kniha uložená do ~/Documents/Les.pexlo");
        ASSERT_TRUE(tree.Exists("domov/Documents/Les.pexlo"));
        Drop({tree.Host("domov/Documents/Les.pexlo")});
        EXPECT_TRUE(SameFiles(tree.Host("KNIHA_Les (2)"), tree.Host("KNIHA_Les")));
        EXPECT_EQ(Shown(), "Les (2), 1");
        EXPECT_EQ(Said(), "Importovaná kniha: Les (2)");
        EXPECT_EQ(tree.Read("KNIHA_Les (2)/2.str").find("h pes"), std::string::npos);
        Drop({tree.Host("domov/Documents/Les.pexlo")});
        EXPECT_TRUE(SameFiles(tree.Host("KNIHA_Les (3)"), tree.Host("KNIHA_Les")));
        EXPECT_EQ(Shown(), "Les (3), 1");
        EXPECT_EQ(tree.Names(), (std::vector<std::string>{"KNIHA_Les", "KNIHA_Les (2)", "KNIHA_Les (3)", "KNIHA_More",
                                                          "app", "domov"}));
    });
}

// "Importovať knihu" lists the book files of the documents folder; the chosen one comes in.
TEST_F(Archiv, ABookFileChosenInThePickerComesInAsABook) {
    Library();
    tree.File("domov/Documents/les.bmp", "BM");
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(1, 0));  // the thumbnails an opened book gets are made
        ASSERT_NO_FATAL_FAILURE(RowItem(1, "Exportovať"));
        ASSERT_NO_FATAL_FAILURE(Take("» Uložiť sem: Documents"));
        ASSERT_NO_FATAL_FAILURE(RowItem(0, "Importovať knihu"));
        ASSERT_TRUE(px_editor->vyber->zivy);
        EXPECT_EQ(px_editor->vyber->CountR(), 3) << "home, up, the one book file";
        ASSERT_NO_FATAL_FAILURE(Take("   More.pexlo"));
        ASSERT_NO_FATAL_FAILURE(Take("» Importovať vybrané (1)"));
        EXPECT_TRUE(SameFiles(tree.Host("KNIHA_More (2)"), tree.Host("KNIHA_More")));
        EXPECT_EQ(Shown(), "More (2), 1");
    });
}

// Refused as it comes: not a zip, a name that climbs out, no page, no file; a book file dropped
// with a picture; a library that takes nothing. The shown page stays, nothing is left beside the books.
TEST_F(Archiv, ABadBookFileIsRefusedOnTheStatusLineWithNothingLeftBehind) {
    Library();
    tree.File("domov/text.pexlo", "p les 2\n");
    ASSERT_TRUE(archive_test::Pack(tree.Host("domov/von.pexlo"), {{"1.str", "p les 2\n"}, {"../../KNIHA_Von/1.str", "p\n"}}));
    ASSERT_TRUE(archive_test::Pack(tree.Host("domov/prazdna.pexlo"), {{"Pozadia/les.bmp", "BM"}}));
    tree.File("domov/kvet.bmp", "BM");
    ASSERT_TRUE(PX_Archiv_Zapis(tree.Host("KNIHA_More"), tree.Host("domov/More.pexlo")).ok());
    const auto before = tree.Names();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        const std::pair<std::vector<std::string>, const char*> cases[] = {
            {{tree.Host("domov/text.pexlo")}, "[Nie je to kniha: súbor je poškodený alebo neúplný]"},
            {{tree.Host("domov/von.pexlo")}, "[Kniha má nepoužiteľný názov súboru: ../../KNIHA_Von/1.str]"},
            {{tree.Host("domov/prazdna.pexlo")}, "[V knihe nie je žiadna strana]"},
            {{tree.Host("domov/chyba.pexlo")}, "[Súbor sa nedá čítať: chyba.pexlo]"},
            {{tree.Host("domov/kvet.bmp"), tree.Host("domov/von.pexlo")}, "[Knihy a obrázky importuj zvlášť]"},
        };
        for (const auto& [files, message] : cases) {
            Drop(files);
            EXPECT_EQ(Said(), message);
            EXPECT_TRUE(PX_Sprava_Je_chyba());
            EXPECT_EQ(Shown(), "Les, 2");
            EXPECT_EQ(tree.Names(), before);
        }
        plat_SetWriteFailure(true);  // a library on a read-only disk
        Drop({tree.Host("domov/More.pexlo")});
        plat_SetWriteFailure(false);
        EXPECT_EQ(Said(), "[Chyba: do knižnice sa nedá zapisovať]");
        EXPECT_EQ(tree.Names(), before);
    });
}

// An export that cannot be written says so and leaves no file; the book stays as it was.
TEST_F(Archiv, AnExportThatCannotBeWrittenSaysSo) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(RowItem(1, "Exportovať"));
        plat_SetWriteFailure(true);
        ASSERT_NO_FATAL_FAILURE(Take("» Uložiť sem: Documents"));
        plat_SetWriteFailure(false);
        EXPECT_EQ(Said(), "[Chyba: nedá sa zapisovať: More.pexlo]");
        EXPECT_EQ(tree.Names("domov/Documents"), std::vector<std::string>{});
    });
}

// "Exportovať video": the author browses to a folder (only folders are listed) and saves there;
// the video is made while the editor goes on, and the status line says where it went.
TEST_F(Archiv, ABooksVideoGoesIntoTheFolderPickedWhileTheEditorGoesOn) {
    Library();
    tree.Dir("domov/Documents/Trieda 2.A"), tree.File("domov/Documents/list.txt", "x");
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(RowItem(0, "Exportovať video"));
        EXPECT_EQ(px_editor->vyber->CountR(), 4) << "save, home, up, the one folder";
        ASSERT_NO_FATAL_FAILURE(Take("[Trieda 2.A]"));
        ASSERT_NO_FATAL_FAILURE(Take("» Uložiť sem: Trieda 2.A"));
        EXPECT_FALSE(px_editor->vyber->zivy);
        EXPECT_EQ(Said(), "kniha: Les  Exportujem video…");
        WaitForExport();
        EXPECT_EQ(Said(), "kniha: Les  Video uložené do ~/Documents/Trieda 2.A/Les.mp4");
    });
    const auto [status, said] = test_support::RunCommand(
        "ffprobe -v error -select_streams v:0 -show_entries stream=width,height -of csv=p=0 '" +
        tree.Host("domov/Documents/Trieda 2.A/Les.mp4") + "'");
    EXPECT_EQ(std::pair(status, said), std::pair(0, std::to_string(W) + "," + std::to_string(H) + "\n"));
    EXPECT_EQ(tree.Names("domov/Documents/Trieda 2.A"), std::vector<std::string>{"Les.mp4"});
}

// "Exportovať web" puts the web book into a folder of its own, a free name beside one taken.
TEST_F(Archiv, ABooksWebBookGoesIntoAFolderOfItsOwn) {
    Library();
    Run([&] {
        for (const char* folder : {"Les", "Les (2)"}) {
            ASSERT_NO_FATAL_FAILURE(RowItem(0, "Exportovať web"));
            ASSERT_NO_FATAL_FAILURE(Take("» Uložiť sem: Documents"));
            WaitForExport();
            EXPECT_EQ(Said(), std::string("kniha: Les  Webová kniha uložená do ~/Documents/") + folder + "/index.html");
        }
    });
    EXPECT_TRUE(tree.Exists("domov/Documents/Les/index.html") && tree.Exists("domov/Documents/Les (2)/2.gif"));
}

// `pexlo "Môj les.pexlo"`: the book comes in under the file's name and opens at its first page.
TEST_F(Archiv, ABookFileNamedAtTheStartOpensAtItsFirstPage) {
    Library();
    ASSERT_TRUE(PX_Archiv_Zapis(tree.Host("KNIHA_Les"), tree.Host("domov/Môj les.pexlo")).ok());
    PX_ImportAtStart(tree.Host("domov/Môj les.pexlo"));
    Run([&] {
        EXPECT_EQ(Shown(), "Môj les, 1");
        EXPECT_TRUE(SameFiles(tree.Host("KNIHA_Môj les"), tree.Host("KNIHA_Les")));
    });
}

// pexlo-export --archive writes the book whole; a book without pages, page names beside it or a
// folder that cannot take the file are refused with a message and no file.
TEST(ArchivCli, PexloExportWritesTheWholeBookAsOneFile) {
    test_support::TempTree tree;
    book_test::DrawnBook(tree, "KNIHA_Les", {{"1", "k strom 300 200 6 1 0\n"}, {"2", "p les 4\n"}});
    tree.Dir("KNIHA_Prazdna");
    const auto run = [&](const std::string& args) {
        return test_support::RunCommand("cd '" + tree.Host() + "' && " PEXLO_EXPORT_BIN " " + args);
    };
    const auto [code, out] = run("KNIHA_Les --archive les.pexlo");
    ASSERT_EQ(code, 0) << out;
    tree.Dir("spat");
    ASSERT_TRUE(plat_ReadArchive(tree.Host("les.pexlo"), tree.Host("spat"), PX_ARCHIV_STRANA).ok());
    EXPECT_TRUE(SameFiles(tree.Host("spat"), tree.Host("KNIHA_Les")));
    const std::pair<std::string, std::pair<int, std::string>> refused[] = {
        {"KNIHA_Prazdna --archive x.pexlo", {1, "has no pages"}},
        {"KNIHA_Les 1 --archive x.pexlo", {2, "takes no page names"}},
        {"KNIHA_Les --archive x.pexlo -o spat", {2, "takes no other option"}},
        {"KNIHA_Les --archive niet/x.pexlo", {1, "cannot write: niet/x.pexlo"}},
    };
    for (const auto& [args, expected] : refused) {
        const auto [c, said] = run(args);
        EXPECT_EQ(c, expected.first) << args;
        EXPECT_NE(said.find(expected.second), std::string::npos) << args << ": " << said;
    }
    EXPECT_EQ(tree.Names(), (std::vector<std::string>{"KNIHA_Les", "KNIHA_Prazdna", "les.pexlo", "spat"}));
}
