// Pages: new pages and where they are saved, thumbnails after a save, and saves that fail
// (a read-only book, a full disk, a folder gone) without losing anything.
#include <cstring>
#include <string>

#include "book/px_reg.h"
#include "platform/codepage.h"
#include "tests/book/ks_fixture.h"

using namespace ks_test;
using test_support::LogHas;

namespace {
struct KsPages : KsBooks {
    // The page `page` of book `name` shown and a new page started behind it.
    int StartNewPage(const std::string& name, int page) {
        const int id = Open(name);
        VOLBA_STRANY(id, page);
        NOVA_STRANA(page);
        SetBackground(name);
        dirty = true;
        return id;
    }
};
}  // namespace

TEST_F(KsPages, ANewPageIsSavedBehindTheLastAndListedWithItsThumbnail) {
    Book("a", {"1", "2"});
    const int a = Open("a");
    VOLBA_STRANY(a, 2);
    SetBackground("a");
    NOVA_STRANA(2);
    EXPECT_EQ(std::make_tuple(current_page, prev_page, next_page), std::make_tuple(PX_NEW_PAGE, 2, 0));
    EXPECT_STREQ(status_text, (std::string("kniha: a  ") + plat_W1250(u8"[Nová strana]")).c_str());
    EXPECT_EQ(background_path, nullptr) << "a new page starts without background";
    const int records = KS.count;

    SetBackground("a");
    dirty = true;
    ASSERT_TRUE(ULOZ_STRANU());
    EXPECT_FALSE(tree.Read("KNIHA_a/3.str").empty());
    EXPECT_FALSE(tree.Read("KNIHA_a/3.thm").empty()) << "the thumbnail is written with the page";
    ASSERT_EQ(KS.count, records + 1);
    const struct_kniha_strana* ks = NAJDI_KS(a, 3);
    ASSERT_NE(ks, nullptr);
    EXPECT_STREQ(ks->page_name, "3");
    EXPECT_STREQ(ks->page_path, "..\\KNIHA_a\\3.str");
    EXPECT_EQ(ks->page_index, 2);
    ASSERT_NE(ks->page_icon, nullptr);
    EXPECT_EQ(std::make_tuple(current_page, prev_page, next_page, dirty), std::make_tuple(3, 2, 0, false));
    EXPECT_STREQ(status_text, "kniha: a  strana: 3");
    EXPECT_EQ(Values(duir_STRANY), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ((*duir_STRANY)[2]->ikona, ks->page_icon);
    EXPECT_TRUE(thumbnail_request);
    EXPECT_STREQ(thumbnail_path, "..\\KNIHA_a\\3.thm");

    // The next frame refreshes it in place: the list keeps the same icon.
    PX_Obnov_nahlad();
    EXPECT_FALSE(thumbnail_request);
    EXPECT_EQ(NAJDI_KS(a, 3)->page_icon, ks->page_icon);
    EXPECT_FALSE(LogHas({"KS bol bez ikony."}));

    // The page before it now leads to it.
    VOLBA_STRANY(a, 2);
    EXPECT_EQ(next_page, 3);
    NACITAJ_KNIHY();
    EXPECT_STREQ(NAJDI_KS(a, 3)->page_path, "..\\KNIHA_a\\3.str") << "a rebuild gives the same id";
}

TEST_F(KsPages, ANewPageNeverOverwritesAPageFile) {
    Book("a", {"1", "3"});
    tree.File("KNIHA_a/3.str", "k strom 1 2 3 4 5\n");
    const int a = StartNewPage("a", 2);  // pages 1.str and 3.str are ids 1 and 2

    ASSERT_TRUE(ULOZ_STRANU());
    EXPECT_EQ(tree.Read("KNIHA_a/3.str"), "k strom 1 2 3 4 5\n");
    EXPECT_FALSE(tree.Read("KNIHA_a/4.str").empty()) << "the next free number";
    const struct_kniha_strana* ks = NAJDI_KS(a, 3);
    ASSERT_NE(ks, nullptr) << "ids stay 1 ... n";
    EXPECT_STREQ(ks->page_name, "4");
    EXPECT_STREQ(ks->page_path, "..\\KNIHA_a\\4.str");
    EXPECT_EQ(std::make_tuple(current_page, prev_page), std::make_tuple(3, 2));
    int files_3 = 0;
    for (const struct_kniha_strana* r : Records()) files_3 += strcmp(r->page_path, "..\\KNIHA_a\\3.str") == 0;
    EXPECT_EQ(files_3, 1) << "one record per file";
}

TEST_F(KsPages, APageWithoutThumbnailGetsOneAtItsFirstSave) {
    Book("a", {"1", "2"}, {"2"});
    const int a = Open("a");
    ASSERT_EQ((*duir_STRANY)[0]->ikona, nullptr);
    SetBackground("a");
    dirty = true;

    ASSERT_TRUE(ULOZ_STRANU());
    EXPECT_FALSE(dirty);
    EXPECT_TRUE(thumbnail_request);
    EXPECT_STREQ(thumbnail_path, "..\\KNIHA_a\\1.thm");
    PX_Obnov_nahlad();
    EXPECT_TRUE(LogHas({"KS bol bez ikony.", "..\\KNIHA_a\\1.thm"}));
    ASSERT_NE(NAJDI_KS(a, 1)->page_icon, nullptr);
    EXPECT_EQ((*duir_STRANY)[0]->ikona, NAJDI_KS(a, 1)->page_icon);
    EXPECT_FALSE(tree.Read("KNIHA_a/1.thm").empty());

    PX_Obnov_nahlad();  // nothing asked: nothing written again
    EXPECT_FALSE(LogHas({"Nenajdeny KS alebo neexistuje subor!"}));
}

TEST_F(KsPages, ASaveIntoAReadOnlyBookFailsVisiblyAndLosesNothing) {
    Book("a", {"1"});
    tree.File("KNIHA_a/1.str", "p les 4\n");
    const int a = StartNewPage("a", 1);
    const int records = KS.count;
    ReadOnly("a");
    const bool saved_new = ULOZ_STRANU();
    const bool dirty_new = dirty;
    const std::string status_new = status_text;
    VOLBA_STRANY(a, 1);
    SetBackground("a");
    dirty = false;  // the editor clears it before saving
    const bool saved_old = ULOZ_STRANU();
    Writable("a");

    EXPECT_FALSE(saved_new);
    EXPECT_TRUE(dirty_new);
    EXPECT_NE(status_new.find(plat_W1250(u8"nepodarilo uložiť")), std::string::npos) << status_new;
    EXPECT_FALSE(saved_old);
    EXPECT_TRUE(dirty);
    EXPECT_EQ(KS.count, records);
    EXPECT_EQ(Values(duir_STRANY), (std::vector<int>{1}));
    EXPECT_FALSE(thumbnail_request);
    EXPECT_EQ(tree.Names("KNIHA_a"), (std::vector<std::string>{"1.str", "Herci", "Kulisy", "Pozadia"}));
    EXPECT_EQ(tree.Read("KNIHA_a/1.str"), "p les 4\n");
    EXPECT_EQ(asserts.count(), 0);
}

TEST_F(KsPages, ASaveCutShortLeavesTheOldPageFile) {
    Book("a", {"1"});
    tree.File("KNIHA_a/1.str", "k strom 10 20 6 1 0\n");
    Open("a");
    SetBackground("a");
    plat_SetWriteLimit(2);
    EXPECT_FALSE(ULOZ_STRANU());
    plat_SetWriteLimit(-1);
    EXPECT_EQ(tree.Read("KNIHA_a/1.str"), "k strom 10 20 6 1 0\n");
    EXPECT_TRUE(dirty);
    EXPECT_FALSE(thumbnail_request);
}

TEST_F(KsPages, FoldersThatDisappearLeaveAWorkingEditor) {
    Book("a", {"1", "2"});
    Book("b", {"1"});
    const int a = Open("a");
    ASSERT_EQ(system(("rm -rf " + tree.Host("KNIHA_a")).c_str()), 0);

    VOLBA_STRANY(a, 2);
    EXPECT_EQ(current_page, 2) << "an unreadable page shows empty under its number";
    EXPECT_EQ(REG.count, 0);
    EXPECT_TRUE(LogHas({"RELOAD_REG: Chyba, subor strany neexistuje"}));
    SetBackground("a");
    EXPECT_FALSE(ULOZ_STRANU());
    NOVA_STRANA(2);
    SetBackground("a");
    const int records = KS.count;
    EXPECT_FALSE(ULOZ_STRANU());
    EXPECT_EQ(KS.count, records);
    VOLBA_KNIHY(a, true);  // its picture folders are gone too
    EXPECT_EQ(utl_duir_Pozadia->CountR(), 0);

    NACITAJ_KNIHY();
    EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, PX_ID_NEW_BOOK, PX_ID_CLOSE_BOOKS}));
    EXPECT_EQ(current_book, -1) << "the shown book is gone";
    EXPECT_EQ(current_page, -1);
    EXPECT_FALSE(ULOZ_STRANU());
    EXPECT_EQ(asserts.count(), 0);
}
