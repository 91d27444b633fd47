// The catalogue: ids and names from the listing, and what must not work: choices without a
// record, saves that fail, folders that vanish, names on disk no path can hold; and freeing
// everything.
#include "platform/codepage.h"
#include "tests/book/book_fixture.h"

using namespace book_test;

TEST_F(KsBooks, IdsFollowTheListingOnlyPageFilesArePagesAndWhatHasNoRecordChangesNothing) {
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
    EXPECT_EQ(NAJDI_KNIHU("prazdna"), -1) << "a book without pages has no record";
    EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, 101, 102, 103, PX_ID_NEW_BOOK, PX_ID_TRASH, PX_ID_CLOSE_BOOKS}));

    // What has no record changes nothing; a user's choice never stops the program.
    VOLBA_KNIHY(102, true);
    VOLBA_STRANY(102, 3);
    dirty = true;
    VOLBA_KNIHY(103, true);  // "prazdna", without pages
    VOLBA_STRANY(102, 9);
    VOLBA_STRANY(103, 1);
    VOLBA_STRANY(102, PX_NEW_PAGE);
    EXPECT_EQ(std::tuple(Shown(), asserts.count()), std::tuple(std::make_tuple(102, 3, 2, 0, true), 0));
}

TEST_F(KsBooks, AFailedSaveKeepsThePageChangedAndTheFilesAsTheyWere) {
    Book("a", {"1"});
    tree.File("KNIHA_a/1.str", "k strom 10 20 6 1 0\n");
    const int a = Open("a");
    NOVA_STRANA(1);
    Change("a");
    chmod(tree.Host("KNIHA_a").c_str(), 0555);
    plat_SetWriteFailure(geteuid() == 0);  // root ignores the folder's mode
    const bool saved_new = ULOZ_STRANU();
    const auto shown_new = Shown();
    VOLBA_STRANY(a, 1);
    Change("a");
    const bool saved_old = ULOZ_STRANU();
    chmod(tree.Host("KNIHA_a").c_str(), 0755);
    plat_SetWriteFailure(false);
    EXPECT_FALSE(saved_new || saved_old || !dirty);
    EXPECT_EQ(shown_new, std::make_tuple(a, PX_NEW_PAGE, 1, 0, true));
    EXPECT_NE(std::string(status_text).find(plat_W1250(u8"nepodarilo uložiť")), std::string::npos);
    plat_SetWriteLimit(2);  // the disk fills up halfway
    EXPECT_FALSE(ULOZ_STRANU());
    plat_SetWriteLimit(-1);
    EXPECT_EQ(tree.Read("KNIHA_a/1.str"), "k strom 10 20 6 1 0\n");
    EXPECT_EQ(tree.Names("KNIHA_a"), (std::vector<std::string>{"1.str", "Herci", "Kulisy", "Pozadia"}));
    EXPECT_EQ(std::pair(KS.count, thumbnail_request), std::pair(1, false));
}

TEST_F(KsBooks, FoldersThatDisappearLeaveAWorkingEditor) {
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
    EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, PX_ID_NEW_BOOK, PX_ID_TRASH, PX_ID_CLOSE_BOOKS}));
    EXPECT_EQ(std::make_tuple(current_book, current_page), std::make_tuple(-1, -1)) << "the shown book is gone";
    EXPECT_EQ(asserts.count(), 0);
}

// UVOLNI_VSETKO frees and forgets every list, menu, icon and pen of the editor (the editor
// stories free them so, shown through the editor's layered group).
TEST_F(KsBooks, TheEditorsListsAreFreedOnceAndByUvolniVsetkoAlone) {
    Book("a", {"1"}, {"1"});
    Open("a");
    tf_CDUI** menus[] = {&dui_PozGeometria, &dui_setup, &dui_setup_1, &dui_setup_2, &dui_setup_3, &dui_setup_4};
    for (tf_CDUI** menu : menus) *menu = new tf_CDUI("menu");
    default_book_icon = new tf_CIcon();
    for (HPEN& pen : outline_pens) pen = CreatePen(PS_SOLID, 3, 0x00FF00);
    UVOLNI_VSETKO();
    bool all_cleared = !duir_KNIHY && !utl_duir_Herci && KS.count == 0 && !default_book_icon && !outline_pens[2];
    for (tf_CDUI** menu : menus) all_cleared = all_cleared && !*menu;
    EXPECT_TRUE(all_cleared);
    // A list made as a container's child breaks the rule: it stays the container's to free.
    tf_CPolCHLO screen;
    dui_setup = new tf_CDUI(&screen, 0, 0);
    UVOLNI_VSETKO();
    EXPECT_TRUE(dui_setup == nullptr && asserts.count() == 1);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "UVOLNI_VSETKO - zoznam je dietom kontajnera"}));
}

TEST_F(KsBooks, NamesOnDiskThatNoPathCanHoldAreNeverBooksPagesOrPictures) {
    Book("x", {"1"});
    tree.Dir("app/KNIHA_DEFNEW");
    tree.File("app/KNIHA_DEFNEW/1.str", "k strom 1 1 1 1 0\n");
    tree.Dir("KNIHA_x\\..\\app\\KNIHA_DEFNEW");  // beside KNIHA_x: as an archive may unpack it
    tree.File("KNIHA_x/..\\..\\app\\KNIHA_DEFNEW\\2.str", "k strom 1 1 1 1 0\n");
    tree.File("KNIHA_x/ot\xC3\xA1zka?.str");
    Picture("KNIHA_x/Kulisy/St\xC3\xB4l.BMP", 16, 12);  // "Stôl" in UTF-8
    Picture("KNIHA_x/Kulisy/..\\..\\..\\app\\rezia.bmp", 16, 12);
    const int x = Open("x");
    EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, PX_ID_NEW_BOOK, PX_ID_TRASH, PX_ID_CLOSE_BOOKS}));
    EXPECT_EQ(std::tuple(x, KS.count, utl_duir_Kulisy->CountR()), std::tuple(100, 1, 1));
    EXPECT_STREQ((*utl_duir_Kulisy)[0]->text, "St\xF4l");
    int told = 0;
    for (const std::string& line : test_support::LogLines())
        told += line.find("Nepouzitelny nazov na disku vynechany") != std::string::npos;
    EXPECT_EQ(told, 4);
}

// A page's thumbnail is loaded when its book's pages are first listed, not with the catalogue;
// a save still draws the shown page into its thumbnail and its icon.
TEST_F(KsBooks, ThumbnailsLoadWhenTheirBooksPagesAreFirstListedAndASaveRefreshesThem) {
    Book("a", {"1", "2", "3"}, {"1"});  // page 2 has no thumbnail yet
    Picture("KNIHA_a/3.THM", 100, 50);
    Book("b", {"1"}, {"1"});
    NACITAJ_KNIHY();
    auto loaded = [] {
        std::vector<bool> icons;
        for (int i = 0; i < KS.count; ++i)
            icons.push_back(static_cast<struct_kniha_strana*>(KS.GET(i))->page_icon != nullptr);
        return icons;
    };
    EXPECT_EQ(loaded(), (std::vector<bool>{false, false, false, false}));
    NAPLN_STRANY(100, false);
    EXPECT_EQ(loaded(), (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ((*duir_STRANY)[0]->ikona, NAJDI_KS(100, 1)->page_icon);

    VOLBA_KNIHY(100, false);
    for (const auto& [page, colour] : std::vector<std::pair<int, uint16_t>>{{1, 0xF800}, {2, 0x07E0}}) {
        VOLBA_STRANY(100, page);
        Change("a");
        ASSERT_TRUE(ULOZ_STRANU());
        DDSURFACE_ZMAZ(tf_lpDDSBack, colour);  // the frame the thumbnail is taken from
        PX_Obnov_nahlad();
        const tf_CIcon* icon = NAJDI_KS(100, page)->page_icon;
        ASSERT_TRUE(icon && icon->srf && icon->srf->lpDDS) << "page " << page;
        const IDirectDrawSurface* picture = icon->srf->lpDDS;
        EXPECT_EQ(picture->Row(picture->Height() / 2)[picture->Width() / 2], colour) << "page " << page;
        EXPECT_EQ((*duir_STRANY)[page - 1]->ikona, icon) << "page " << page;
    }
    EXPECT_EQ(loaded(), (std::vector<bool>{true, true, true, false})) << "book b's pages were never listed";
}
