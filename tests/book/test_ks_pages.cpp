// Pages: where a new page is saved, thumbnails after a save, and saves that fail (a
// read-only book, a full disk, a folder gone) without losing anything.
#include <cstring>

#include "book/px_reg.h"
#include "platform/codepage.h"
#include "tests/book/ks_fixture.h"

using namespace ks_test;
using test_support::LogHas;
using KsPages = KsBooks;

TEST_F(KsPages, ANewPageIsSavedBehindTheLastUnderAFreeNumber) {
    Book("a", {"1", "3"});  // ids 1 and 2
    tree.File("KNIHA_a/3.str", "k strom 1 2 3 4 5\n");
    const int a = Open("a");
    VOLBA_STRANY(a, 2);
    Change("a");
    NOVA_STRANA(2);
    EXPECT_EQ(Shown(), std::make_tuple(a, PX_NEW_PAGE, 2, 0, false));
    EXPECT_EQ(status_text, std::string("kniha: a  ") + plat_W1250(u8"[Nová strana]"));
    EXPECT_EQ(background_path, nullptr);

    Change("a");
    ASSERT_TRUE(ULOZ_STRANU());
    EXPECT_EQ(tree.Read("KNIHA_a/3.str"), "k strom 1 2 3 4 5\n") << "never overwritten";
    EXPECT_FALSE(tree.Read("KNIHA_a/4.str").empty() || tree.Read("KNIHA_a/4.thm").empty());
    const struct_kniha_strana* ks = NAJDI_KS(a, 3);
    ASSERT_NE(ks, nullptr);
    EXPECT_STREQ(ks->page_path, "..\\KNIHA_a\\4.str");
    EXPECT_EQ(Shown(), std::make_tuple(a, 3, 2, 0, false));
    EXPECT_STREQ(status_text, "kniha: a  strana: 4");
    EXPECT_EQ(Values(duir_STRANY), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(ks->page_icon && (*duir_STRANY)[2]->ikona == ks->page_icon);

    // The next frame refreshes the thumbnail in place.
    ASSERT_TRUE(thumbnail_request);
    PX_Obnov_nahlad();
    EXPECT_EQ(NAJDI_KS(a, 3)->page_icon, ks->page_icon);
    VOLBA_STRANY(a, 2);
    EXPECT_EQ(next_page, 3);
}

TEST_F(KsPages, APageWithoutThumbnailGetsOneAtItsFirstSave) {
    Book("a", {"1"});
    const int a = Open("a");
    Change("a");
    ASSERT_TRUE(ULOZ_STRANU());
    EXPECT_STREQ(thumbnail_path, "..\\KNIHA_a\\1.thm");
    PX_Obnov_nahlad();
    EXPECT_TRUE(LogHas({"KS bol bez ikony.", "..\\KNIHA_a\\1.thm"}));
    ASSERT_NE(NAJDI_KS(a, 1)->page_icon, nullptr);
    EXPECT_EQ((*duir_STRANY)[0]->ikona, NAJDI_KS(a, 1)->page_icon);
}

TEST_F(KsPages, AFailedSaveKeepsThePageChangedAndTheFilesAsTheyWere) {
    Book("a", {"1"});
    tree.File("KNIHA_a/1.str", "k strom 10 20 6 1 0\n");
    const int a = Open("a");
    NOVA_STRANA(1);
    Change("a");
    ReadOnly("a", true);
    const bool saved_new = ULOZ_STRANU();
    const auto shown_new = Shown();
    VOLBA_STRANY(a, 1);
    Change("a");
    const bool saved_old = ULOZ_STRANU();
    ReadOnly("a", false);
    EXPECT_FALSE(saved_new || saved_old);
    EXPECT_EQ(shown_new, std::make_tuple(a, PX_NEW_PAGE, 1, 0, true));
    EXPECT_TRUE(dirty);
    EXPECT_NE(std::string(status_text).find(plat_W1250(u8"nepodarilo uložiť")), std::string::npos);

    plat_SetWriteLimit(2);  // the disk fills up halfway
    EXPECT_FALSE(ULOZ_STRANU());
    plat_SetWriteLimit(-1);
    EXPECT_EQ(tree.Read("KNIHA_a/1.str"), "k strom 10 20 6 1 0\n");
    EXPECT_EQ(tree.Names("KNIHA_a"), (std::vector<std::string>{"1.str", "Herci", "Kulisy", "Pozadia"}));
    EXPECT_EQ(KS.count, 1);
    EXPECT_FALSE(thumbnail_request);
}

TEST_F(KsPages, FoldersThatDisappearLeaveAWorkingEditor) {
    Book("a", {"1", "2"});
    Book("b", {"1"});
    const int a = Open("a");
    ASSERT_EQ(system(("rm -r " + tree.Host("KNIHA_a")).c_str()), 0);

    VOLBA_STRANY(a, 2);
    EXPECT_EQ(std::make_tuple(current_page, REG.count), std::make_tuple(2, 0)) << "an empty page under its number";
    NOVA_STRANA(2);
    Change("a");
    EXPECT_FALSE(ULOZ_STRANU());
    EXPECT_EQ(KS.count, 3);
    VOLBA_KNIHY(a, true);
    EXPECT_EQ(utl_duir_Pozadia->CountR(), 0);

    NACITAJ_KNIHY();
    EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, PX_ID_NEW_BOOK, PX_ID_CLOSE_BOOKS}));
    EXPECT_EQ(std::make_tuple(current_book, current_page), std::make_tuple(-1, -1)) << "the shown book is gone";
    EXPECT_FALSE(ULOZ_STRANU());
    EXPECT_EQ(asserts.count(), 0);
}
