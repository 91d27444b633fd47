// The catalogue: ids and names from the listing, the books and pages lists, choosing a
// book, books made from the template, and freeing everything.
#include <cstring>

#include "book/px_reg.h"
#include "platform/codepage.h"
#include "tests/book/ks_fixture.h"

using namespace ks_test;
using test_support::LogHas;

TEST_F(KsBooks, IdsFollowTheListingAndOnlyPageFilesArePages) {
    Book("b", {"1", "10", "2", "rezia1", "sprit"});
    Book("a", {"jedna"}, {"jedna"});
    Book("", {"1"});
    Book("prazdna", {});
    NACITAJ_KNIHY();

    // Natural order: "KNIHA_", "KNIHA_a", "KNIHA_b", "KNIHA_prazdna"; 1, 2, 10.
    std::vector<std::tuple<int, int, std::string, std::string>> got;
    for (int i = 0; i < KS.count; ++i) {
        auto* k = static_cast<struct_kniha_strana*>(KS.GET(i));
        got.emplace_back(k->book_id, k->page_id, k->book_name, k->page_name);
    }
    EXPECT_EQ(got, (decltype(got){{100, 1, "", "1"}, {101, 1, "a", "jedna"}, {102, 1, "b", "1"}, {102, 2, "b", "2"},
                                  {102, 3, "b", "10"}}));
    EXPECT_STREQ(NAJDI_KS(102, 3)->page_path, "..\\KNIHA_b\\10.str");
    EXPECT_EQ(NAJDI_KS(102, 3)->page_icon, nullptr);
    EXPECT_NE(NAJDI_KS(101, 1)->page_icon, nullptr) << "its thumbnail";
    EXPECT_EQ(NAJDI_KNIHU("prazdna"), -1) << "a book without pages has no record";
    EXPECT_EQ(NAJDI_KNIHU("B"), -1);

    EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, 101, 102, 103, PX_ID_NEW_BOOK, PX_ID_CLOSE_BOOKS}));
    EXPECT_STREQ((*duir_KNIHY)[5]->text, plat_W1250(u8"Zavrieť"));
    EXPECT_TRUE((*duir_KNIHY)[4]->detail == duir_STRANY && !(*duir_KNIHY)[5]->detail);

    NAPLN_STRANY(102, false);
    EXPECT_EQ(Values(duir_STRANY), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(duir_STRANY->zamknute);
    NAPLN_STRANY(103, false);
    EXPECT_TRUE(duir_STRANY->CountR() == 0 && duir_STRANY->zamknute) << "nothing to open";
}

TEST_F(KsBooks, ChoosingShowsPagesAndPicturesAndWhatHasNoRecordChangesNothing) {
    Book("a", {"1", "2", "3"});
    Book("c", {});
    Bmp("KNIHA_a/Pozadia/les.bmp");
    Bmp("KNIHA_a/Pozadia/more.bmp");
    Bmp("KNIHA_a/Herci/pes.bmp");
    const int a = Open("a");
    EXPECT_EQ(Shown(), std::make_tuple(a, 1, 0, 2, false));
    EXPECT_EQ(listed_book, a);
    EXPECT_STREQ(status_text, "kniha: a  strana: 1");
    EXPECT_EQ(std::make_tuple(utl_duir_Pozadia->CountR(), utl_duir_Kulisy->CountR(), utl_duir_Herci->CountR()),
              std::make_tuple(2, 0, 1));
    VOLBA_STRANY(a, 2);
    EXPECT_EQ(Shown(), std::make_tuple(a, 2, 1, 3, false));
    VOLBA_STRANY(a, 3);
    EXPECT_EQ(Shown(), std::make_tuple(a, 3, 2, 0, false));

    dirty = true;
    VOLBA_KNIHY(a + 1, true);  // "c", without pages
    VOLBA_STRANY(a, 9);
    VOLBA_STRANY(a + 1, 1);
    VOLBA_STRANY(a, PX_NEW_PAGE);
    EXPECT_EQ(Shown(), std::make_tuple(a, 3, 2, 0, true));
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "VOLBA_KNIHY() - nenajdena kniha v strukture KS"}));
    EXPECT_TRUE(LogHas({"ID kniha, strana", "[100]", "[9]"}));
    EXPECT_EQ(asserts.count(), 0) << "a user's choice never stops the program";
}

TEST_F(KsBooks, ARebuildFollowsTheCurrentBookAndDropsBorrowedIcons) {
    Book("m", {"1", "2"}, {"1", "2"});
    const int m = Open("m");
    Book("a", {"1"});  // lists before "m"
    NACITAJ_KNIHY();
    EXPECT_EQ(duir_STRANY->CountR(), 0) << "its rows borrowed the old records' icons";
    EXPECT_EQ(current_book, m + 1);
    VOLBA_KNIHY(current_book, false);
    EXPECT_EQ((*duir_STRANY)[1]->ikona, NAJDI_KS(current_book, 2)->page_icon);
}

TEST_F(KsBooks, NewBooksComeFromTheTemplateUnderASafeNewName) {
    Book("a", {"1"});
    PX_Nova_kniha_zadana("nova");
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "Nexistencia sablony novej knihy!"}));
    const std::vector<std::string> before = tree.Names();

    tree.Dir("app/KNIHA_DEFNEW");
    tree.File("app/KNIHA_DEFNEW/1.str", "p les 4\n");
    tree.Dir("app/KNIHA_DEFNEW/Pozadia");
    Bmp("app/KNIHA_DEFNEW/Pozadia/les.bmp");
    PX_Nova_kniha_zadana("nova");
    EXPECT_EQ(tree.Read("KNIHA_nova/1.str"), "p les 4\n");
    EXPECT_EQ(std::make_tuple(current_book, current_page), std::make_tuple(NAJDI_KNIHU("nova"), 1));
    EXPECT_EQ(utl_duir_Pozadia->CountR(), 1);

    tree.File("KNIHA_a/1.str", "moje");
    EXPECT_FALSE(NOVA_KNIHA("a"));
    EXPECT_EQ(tree.Read("KNIHA_a/1.str"), "moje");
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "Duplicitny nazov knihy! (adresar uz existuje)"}));
    for (const char* bad : {"..\\von", "a/b", "..", "c:d", "", "x*"}) EXPECT_FALSE(NOVA_KNIHA(bad)) << bad;
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "..\\von"}));
    PX_Nova_kniha_zadana("");
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "Nezadany nazov knihy!"}));
    EXPECT_EQ(tree.Names().size(), before.size() + 1);
}

TEST_F(KsBooks, FreeingLeavesNothingBehind) {
    Book("a", {"1"}, {"1"});
    Open("a");
    default_book_icon = new tf_CIcon();
    dui_setup = new tf_CDUI("dui_setup");
    dui_setup_1 = new tf_CDUI("dui_setup_1");
    dui_setup->Eviduj_Master_Detail_popup(1, dui_setup_1);
    for (HPEN& pen : outline_pens) pen = CreatePen(PS_SOLID, 3, 0x00FF00);
    UVOLNI_VSETKO();
    EXPECT_TRUE(KS.count == 0 && !duir_KNIHY && !utl_duir_Herci && !dui_setup_1 && !default_book_icon && !outline_pens[2]);
    UVOLNI_VSETKO();  // again: nothing left to free
}
