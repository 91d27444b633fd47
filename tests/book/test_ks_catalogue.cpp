// The catalogue: ids and names from the listing, the books and pages lists, choosing a
// book, books made from the template, and freeing everything.
#include <cstring>
#include <string>

#include "book/px_reg.h"
#include "framework/core/tf_dso.h"
#include "platform/codepage.h"
#include "tests/book/ks_fixture.h"

using namespace ks_test;
using test_support::LogHas;

namespace {
struct Ids {
    int book, page;
    std::string name, page_name;
    bool operator==(const Ids&) const = default;
};
std::vector<Ids> Catalogue() {
    std::vector<Ids> v;
    for (int i = 0; i < KS.count; ++i) {
        auto* k = static_cast<struct_kniha_strana*>(KS.GET(i));
        v.push_back({k->book_id, k->page_id, k->book_name, k->page_name});
    }
    return v;
}
}  // namespace

TEST_F(KsBooks, IdsFollowTheListingAndOnlyPageFilesArePages) {
    Book("b", {"1", "10", "2", "rezia1", "sprit"});
    tree.File("KNIHA_b/poznamka.txt");
    Book("a", {"jedna"}, {"jedna"});
    Book("", {"1"});
    Bmp("KNIHA_a/kniha_ikona.bmp");
    tree.Dir("ine");  // not a book
    NACITAJ_KNIHY();

    // Natural order: "KNIHA_", "KNIHA_a", "KNIHA_b"; 1.str, 2.str, 10.str.
    EXPECT_EQ(Catalogue(), (std::vector<Ids>{{100, 1, "", "1"},
                                            {101, 1, "a", "jedna"},
                                            {102, 1, "b", "1"},
                                            {102, 2, "b", "2"},
                                            {102, 3, "b", "10"}}));
    const struct_kniha_strana* ten = NAJDI_KS(102, 3);
    ASSERT_NE(ten, nullptr);
    EXPECT_STREQ(ten->book_path, "..\\KNIHA_b");
    EXPECT_STREQ(ten->page_path, "..\\KNIHA_b\\10.str");
    EXPECT_EQ(ten->page_index, 2);
    EXPECT_EQ(ten->book_index, 2);
    EXPECT_EQ(ten->page_icon, nullptr);
    ASSERT_NE(NAJDI_KS(101, 1)->page_icon, nullptr) << "a thumbnail becomes the page's icon";
    EXPECT_EQ(NAJDI_KS(101, 1)->page_icon->srf->sir, 100);
    EXPECT_EQ(NAJDI_KS(102, 4), nullptr);
    EXPECT_EQ(NAJDI_KNIHU(""), 100);
    EXPECT_EQ(NAJDI_KNIHU("b"), 102);
    EXPECT_EQ(NAJDI_KNIHU("B"), -1) << "names compare byte for byte";

    // Book rows, then "Nová kniha" and "Zavrieť"; every row but the last opens the pages.
    EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, 101, 102, PX_ID_NEW_BOOK, PX_ID_CLOSE_BOOKS}));
    EXPECT_STREQ((*duir_KNIHY)[3]->text, plat_W1250(u8"Nová kniha"));
    EXPECT_STREQ((*duir_KNIHY)[4]->text, plat_W1250(u8"Zavrieť"));
    for (int r = 0; r < 4; ++r) EXPECT_EQ((*duir_KNIHY)[r]->detail, duir_STRANY) << r;
    EXPECT_EQ((*duir_KNIHY)[4]->detail, nullptr);
    EXPECT_TRUE((*duir_KNIHY)[1]->vlastni_ikona && (*duir_KNIHY)[1]->ikona) << "the book's own icon";
    EXPECT_FALSE((*duir_KNIHY)[2]->vlastni_ikona);
}

TEST_F(KsBooks, ABookWithoutPagesHasARowButNoRecord) {
    Book("prazdna", {});
    Book("plna", {"1", "2"}, {"2"});
    tf_CIcon fallback;
    default_book_icon = &fallback;
    NACITAJ_KNIHY();
    default_book_icon = nullptr;

    EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, 101, PX_ID_NEW_BOOK, PX_ID_CLOSE_BOOKS}));
    EXPECT_EQ((*duir_KNIHY)[1]->ikona, &fallback) << "the default book icon, borrowed";
    EXPECT_EQ(NAJDI_KNIHU("prazdna"), -1);

    NAPLN_STRANY(NAJDI_KNIHU("plna"), false);
    EXPECT_EQ(Values(duir_STRANY), (std::vector<int>{1, 2}));
    EXPECT_FALSE(duir_STRANY->zamknute);
    EXPECT_EQ((*duir_STRANY)[1]->ikona, NAJDI_KS(100, 2)->page_icon);
    EXPECT_FALSE((*duir_STRANY)[1]->vlastni_ikona) << "the record keeps its icon";

    NAPLN_STRANY(101, false);
    EXPECT_EQ(duir_STRANY->CountR(), 0);
    EXPECT_TRUE(duir_STRANY->zamknute) << "nothing to open for a book without pages";
    EXPECT_EQ(listed_book, 101);
}

TEST_F(KsBooks, ChoosingABookShowsItsFirstPageAndItsPictures) {
    Book("a", {"1", "2", "3"});
    Bmp("KNIHA_a/Pozadia/les.bmp");
    Bmp("KNIHA_a/Pozadia/more.bmp");
    Bmp("KNIHA_a/Kulisy/strom.bmp");
    Bmp("KNIHA_a/Herci/pes.bmp");
    const int a = Open("a");

    EXPECT_EQ(current_book, a);
    EXPECT_EQ(listed_book, a);
    EXPECT_EQ(current_page, 1);
    EXPECT_EQ(next_page, 2);
    EXPECT_EQ(prev_page, 0);
    EXPECT_STREQ(status_text, "kniha: a  strana: 1");
    EXPECT_EQ(Values(duir_STRANY), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(utl_duir_Pozadia->CountR(), 2);
    ASSERT_EQ(utl_duir_Kulisy->CountR(), 1);
    EXPECT_NE(strstr(static_cast<char*>((*utl_duir_Kulisy)[0]->data), "strom"), nullptr);
    EXPECT_EQ(utl_duir_Herci->CountR(), 1);
    EXPECT_TRUE(LogHas({"Reload P", "KNIHA_a\\Pozadia\\"}));

    VOLBA_STRANY(a, 2);
    EXPECT_EQ(std::make_tuple(current_page, prev_page, next_page), std::make_tuple(2, 1, 3));
    VOLBA_STRANY(a, 3);
    EXPECT_EQ(std::make_tuple(current_page, prev_page, next_page), std::make_tuple(3, 2, 0));
    EXPECT_FALSE(dirty);
}

TEST_F(KsBooks, ChoosingWhatHasNoRecordChangesNothing) {
    Book("a", {"1", "2"});
    Book("b", {"1"});
    Book("c", {});
    const int a = Open("a");
    VOLBA_STRANY(a, 2);
    dirty = true;
    const std::string status = status_text;

    VOLBA_KNIHY(NAJDI_KNIHU("a") + 2, true);  // "c": no pages
    VOLBA_KNIHY(777, false);
    VOLBA_STRANY(a, 9);
    VOLBA_STRANY(a + 1, 1);  // not the current book
    VOLBA_STRANY(a, PX_NEW_PAGE);

    EXPECT_EQ(std::make_tuple(current_book, current_page, prev_page, next_page, dirty),
              std::make_tuple(a, 2, 1, 0, true));
    EXPECT_EQ(status, status_text);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "VOLBA_KNIHY() - nenajdena kniha v strukture KS"}));
    EXPECT_TRUE(LogHas({"ID knihy", "[777]"}));
    EXPECT_TRUE(LogHas({"ID kniha, strana", "[100]", "[9]"}));
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "assert"}));
    EXPECT_EQ(asserts.count(), 0) << "a user's choice never stops the program";
}

TEST_F(KsBooks, ARebuildKeepsTheCurrentBookAndDropsBorrowedIcons) {
    Book("m", {"1", "2"}, {"1", "2"});
    const int m = Open("m");
    ASSERT_EQ(duir_STRANY->CountR(), 2);

    Book("a", {"1"});  // lists before "m"
    NACITAJ_KNIHY();
    EXPECT_EQ(duir_STRANY->CountR(), 0) << "its rows borrowed the icons of the old records";
    EXPECT_EQ(current_book, m + 1);
    EXPECT_EQ(NAJDI_KNIHU("m"), current_book);

    VOLBA_KNIHY(current_book, false);
    EXPECT_EQ(Values(duir_STRANY), (std::vector<int>{1, 2}));
    EXPECT_EQ((*duir_STRANY)[0]->ikona, NAJDI_KS(current_book, 1)->page_icon);
}

TEST_F(KsBooks, NewBooksComeFromTheTemplate) {
    tree.Dir("app/KNIHA_DEFNEW");
    tree.Dir("app/KNIHA_DEFNEW/Pozadia");
    tree.File("app/KNIHA_DEFNEW/1.str", "p les 4\n");
    Bmp("app/KNIHA_DEFNEW/Pozadia/les.bmp");
    Book("stara", {"1"});

    PX_Nova_kniha_zadana("nova");
    EXPECT_EQ(tree.Read("KNIHA_nova/1.str"), "p les 4\n");
    EXPECT_FALSE(tree.Read("KNIHA_nova/Pozadia/les.bmp").empty());
    EXPECT_TRUE(LogHas({"Zadany nazov:", "nova"}));
    EXPECT_EQ(current_book, NAJDI_KNIHU("nova"));
    EXPECT_EQ(current_page, 1);
    EXPECT_EQ(utl_duir_Pozadia->CountR(), 1);

    tree.File("KNIHA_stara/1.str", "moje");
    EXPECT_FALSE(NOVA_KNIHA("stara"));
    EXPECT_EQ(tree.Read("KNIHA_stara/1.str"), "moje") << "an existing book is never overwritten";
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "Duplicitny nazov knihy! (adresar uz existuje)"}));
    EXPECT_TRUE(LogHas({"Adresar:", "..\\KNIHA_stara"}));

    const std::vector<std::string> before = tree.Names();
    for (const char* bad : {"..\\von", "a\\b", "a/b", "..", "c:d", "x*"}) EXPECT_FALSE(NOVA_KNIHA(bad)) << bad;
    EXPECT_EQ(tree.Names(), before);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "..\\von"}));

    PX_Nova_kniha_zadana("");
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "Nezadany nazov knihy!"}));
    EXPECT_EQ(tree.Names(), before);
    EXPECT_EQ(asserts.count(), 0);
}

TEST_F(KsBooks, WithoutTheTemplateNoBookIsMade) {
    Book("a", {"1"});
    const int a = Open("a");
    PX_Nova_kniha_zadana("nova");
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "Nexistencia sablony novej knihy!"}));
    EXPECT_TRUE(LogHas({"Adresar:", ".\\KNIHA_DEFNEW"}));
    EXPECT_EQ(tree.Names(), (std::vector<std::string>{"KNIHA_a", "app"}));
    EXPECT_EQ(current_book, a);

    // A template without pages: the book is made and listed, but there is nothing to show.
    tree.Dir("app/KNIHA_DEFNEW");
    PX_Nova_kniha_zadana("prazdna");
    EXPECT_EQ(tree.Names(), (std::vector<std::string>{"KNIHA_a", "KNIHA_prazdna", "app"}));
    EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, 101, PX_ID_NEW_BOOK, PX_ID_CLOSE_BOOKS}));
    EXPECT_EQ(std::make_tuple(current_book, current_page), std::make_tuple(a, 1));
}

TEST_F(KsBooks, FreeingLeavesNothingBehind) {
    Book("a", {"1", "2"}, {"1", "2"});
    Open("a");
    default_book_icon = new tf_CIcon();
    dui_PozGeometria = new tf_CDUI("dui_PozGeometria");
    dui_setup = new tf_CDUI("dui_setup");
    dui_setup_1 = new tf_CDUI("dui_setup_1");
    dui_setup_2 = new tf_CDUI("dui_setup_2");
    dui_setup_3 = new tf_CDUI("dui_setup_3");
    dui_setup_4 = new tf_CDUI("dui_setup_4");
    dui_setup->Eviduj_Master_Detail_popup(1, dui_setup_1);
    for (HPEN& pen : outline_pens) pen = CreatePen(PS_SOLID, 3, 0x00FF00);
    tf_CDSO_Zvuk naraz, koniec;
    zvuk_naraz = &naraz, zvuk_koniec = &koniec;

    UVOLNI_VSETKO();
    EXPECT_TRUE(LogHas({"PX - UVOLNI_VSETKO()"}));
    EXPECT_EQ(KS.count, 0);
    EXPECT_EQ(REG.count, 0);
    for (void* p : {static_cast<void*>(duir_KNIHY), static_cast<void*>(duir_STRANY),
                    static_cast<void*>(utl_duir_Pozadia), static_cast<void*>(utl_duir_Kulisy),
                    static_cast<void*>(utl_duir_Herci), static_cast<void*>(dui_PozGeometria),
                    static_cast<void*>(dui_setup), static_cast<void*>(dui_setup_4),
                    static_cast<void*>(default_book_icon), static_cast<void*>(outline_pens[2])})
        EXPECT_EQ(p, nullptr);
    zvuk_naraz = zvuk_koniec = nullptr;
    UVOLNI_VSETKO();  // twice is harmless
    EXPECT_EQ(asserts.count(), 0);
}
