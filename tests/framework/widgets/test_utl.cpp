// The pickers: rows from a folder's pictures and their thumbnails, the icon statistics and
// the row geometry fitted to them, reloading, the folder picker, and folders and files
// that are missing, unreadable or oddly named.
#include "framework/widgets/tf_utl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/codepage.h"
#include "tests/framework/surface/surface_fixture.h"
#include "tests/framework/widgets/widget_fixture.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

using test_support::LogHas;

namespace {
const char* const LEFT_DATA = "neuvolnene privatne data";

struct Picker : widget_test::ScreenTest {
    void SetUp() override {
        widget_test::ScreenTest::SetUp();
        tf_CDUI_NoVoid = true;
    }
    // A w x h picture, red at (1, 1) and its frame, green inside.
    void Picture(const std::string& rel, int w, int h) {
        srf_test::Rows rows(h, std::string(w, 'g'));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (x < 2 || y < 2 || x == w - 1 || y == h - 1) rows[y][x] = 'r';
        const std::vector<unsigned char> bytes = srf_test::Bmp(rows);
        tree.File(rel, std::string(bytes.begin(), bytes.end()));
    }
    std::string Path(const std::string& rel) { return tree.Path(rel); }
    // Rows' values, captions and paths as one text: "1 name path|...".
    static std::string Rows(tf_CDUIR& l) {
        std::string s;
        for (int i = 0; i < l.CountR(); ++i)
            s += std::to_string(l[i]->hodnota) + " " + (l[i]->text ? l[i]->text : "-") + " " +
                 (l[i]->data ? static_cast<const char*>(l[i]->data) : "-") + "|";
        return s;
    }
    std::string Row(int hodnota, const std::string& name, const std::string& rel) {
        return std::to_string(hodnota) + " " + name + " " + Path(rel) + "|";
    }
    static bool Shown(tf_TVOLBAR* r) { return r->ikona && r->ikona->platny && r->ikona->srf; }

    test_support::TempTree tree;
    test_support::AssertCounter asserts;
};
}  // namespace

// ---- loading pictures

TEST_F(Picker, ThreePicturesGiveRowsOneToThreeInListingOrderWithTheirPaths) {
    Picture("auto10.bmp", 8, 6);
    Picture("Breza.bmp", 8, 6);
    Picture("auto2.bmp", 8, 6);
    Picture("auto2.thm", 40, 30);
    tree.File("poznamka.txt", "x");
    tree.Dir("vnutri.bmp");  // a folder is no picture
    tf_UTL_CDUIR_THMFILE l;
    EXPECT_EQ(std::make_tuple(l.class_id, std::string(l.nazov), l.thm_sir, l.thm_vys),
              std::make_tuple(121, std::string("noname"), 100, 75));
    EXPECT_EQ(l.LOAD(tree.Path().c_str(), true), 0);
    EXPECT_EQ(Rows(l), Row(1, "auto2", "auto2.bmp") + Row(2, "auto10", "auto10.bmp") + Row(3, "Breza", "Breza.bmp"));
    EXPECT_TRUE(Shown(l[0]));
    EXPECT_EQ(std::make_pair(l[0]->ikona->faza.sir, l[0]->ikona->faza.vys), std::make_pair(40, 30));
    EXPECT_TRUE(l[1]->ikona && !Shown(l[1]) && l[2]->ikona && !Shown(l[2]));  // rows without thumbnail
    EXPECT_TRUE(l[0]->vlastni_ikona);
    EXPECT_TRUE(l.zmena_r);

    l.LOAD(tree.Path().c_str(), true);  // appends
    EXPECT_EQ(l.CountR(), 6);
    EXPECT_EQ(l[5]->hodnota, 3);
    EXPECT_EQ(asserts.count(), 0);
}

TEST_F(Picker, TheSkinAndSpritePicturesStayOutOfTheList) {
    for (const char* name : {"rezia.bmp", "rezia_dll.bmp", "sprit01.bmp", "sprite.bmp", "strom.bmp"}) Picture(name, 4, 4);
    tf_UTL_CDUIR_THMFILE l;
    l.LOAD(tree.Path().c_str(), false);
    EXPECT_EQ(Rows(l), Row(1, "strom", "strom.bmp"));
}

TEST_F(Picker, LoadingKeysThumbnailsOnlyWhenAskedAndPutsTheFlagBack) {
    Picture("a.bmp", 4, 4);
    Picture("a.thm", 10, 10);
    for (int before : {0, 1}) {
        for (bool priehladne : {false, true}) {
            tf_glob_Set_CIcon_default_transparency(before);
            tf_UTL_CDUIR_THMFILE l;
            l.LOAD(tree.Path().c_str(), priehladne);
            ASSERT_TRUE(Shown(l[0]));
            EXPECT_EQ(l[0]->ikona->srf->TC != 0, priehladne) << before;
            EXPECT_EQ(tf_glob_Get_CIcon_default_transparency(), before);
        }
    }
    tf_glob_Set_CIcon_default_transparency(1);
}

TEST_F(Picker, RowsWithoutThumbnailCountAs100x100AndTheNumberOfIconRowsComesBack) {
    tf_UTL_CDUIR_THMFILE l;
    int v[4] = {-7, -7, -7, -7};
    EXPECT_EQ(l.GetIconsStatistics(&v[0], &v[1], &v[2], &v[3]), 0);
    EXPECT_EQ(std::vector<int>(v, v + 4), std::vector<int>(4, -7));  // untouched

    l.PRIDAJ(50, "bez ikony");  // a row of the owner's without icon does not count
    Picture("a.bmp", 4, 4);
    Picture("a.thm", 40, 130);
    Picture("b.bmp", 4, 4);
    Picture("c.bmp", 4, 4);
    Picture("c.thm", 120, 20);
    l.LOAD(tree.Path().c_str(), true);
    EXPECT_EQ(l.GetIconsStatistics(&v[0], &v[1], &v[2], &v[3]), 3);
    EXPECT_EQ(std::vector<int>(v, v + 4), (std::vector<int>{40, 120, 20, 130}));
    EXPECT_EQ(l.GetIconsStatistics(nullptr, nullptr, nullptr, &v[3]), 3);
}

// ---- fitting the rows

TEST_F(Picker, AutoresizeCapsAtTallAndWideThumbnails) {
    tf_UTL_CDUIR_THMFILE l;
    const int before[3] = {l.vyska_volby, l.krok_volby, l.text_okraj};
    EXPECT_EQ(l.AUTORESIZE(), -1);
    EXPECT_EQ(std::vector<int>({l.vyska_volby, l.krok_volby, l.text_okraj}), std::vector<int>(before, before + 3));

    Picture("velky.bmp", 4, 4);
    Picture("velky.thm", 300, 200);
    l.LOAD(tree.Path().c_str(), true);
    l.zmena_r = false;
    EXPECT_EQ(l.AUTORESIZE(), 0);
    EXPECT_EQ(std::make_tuple(l.vyska_volby, l.krok_volby, l.text_okraj, l.ikona_okraj), std::make_tuple(150, 158, 150, 1));
    EXPECT_EQ(std::string(l.ikona_mod) + std::string(l.text_mod), "LCLC");
    EXPECT_TRUE(l.zmena_r);
}

TEST_F(Picker, AutoresizeGrowsRowsToSmallThumbnailsButNeverShrinksThem) {
    for (const char* n : {"a", "b"}) {
        Picture(std::string(n) + ".bmp", 4, 4);
        Picture(std::string(n) + ".thm", 100, 75);
    }
    tf_UTL_CDUIR_THMFILE l;
    l.LOAD(tree.Path().c_str(), true);
    l.vyska_volby = 40;
    l.AUTORESIZE();
    EXPECT_EQ(std::make_pair(l.vyska_volby, l.krok_volby), std::make_pair(76, 84));
    EXPECT_GE(l.text_okraj, 115);

    l.vyska_volby = 90;
    l.text_okraj = 130;
    l.AUTORESIZE();
    EXPECT_EQ(std::make_tuple(l.vyska_volby, l.krok_volby, l.text_okraj), std::make_tuple(90, 98, 130));

    l.CHOD_NA(20, 20);  // and the view lays the rows out at that step
    l.RESET_GEOMETRIER();
    const RECT a = static_cast<tf_TVOLBA*>(l.volby.GET(0))->obdlz, b = static_cast<tf_TVOLBA*>(l.volby.GET(1))->obdlz;
    EXPECT_EQ(b.top - a.top, 98);
}

// ---- reloading and going away

TEST_F(Picker, ReloadFreesEveryPathBeforeTheRowsGo) {
    for (const char* n : {"a.bmp", "b.bmp", "c.bmp"}) Picture(n, 4, 4);
    tf_UTL_CDUIR_THMFILE l;
    EXPECT_EQ(l.RELOAD(tree.Path().c_str(), true), 0);  // empty: only loads
    EXPECT_EQ(l.CountR(), 3);
    l.LOAD(tree.Path().c_str(), true);
    remove(tree.Host("b.bmp").c_str());
    EXPECT_EQ(l.RELOAD(tree.Path().c_str(), true), 0);
    EXPECT_EQ(Rows(l), Row(1, "a", "a.bmp") + Row(2, "c", "c.bmp"));
    EXPECT_FALSE(LogHas({LEFT_DATA}));
    EXPECT_EQ(asserts.count(), 0);
}

TEST_F(Picker, PickersGoWithTheirContainerWithoutLeavingPaths) {
    Picture("a.bmp", 4, 4);
    tree.Dir("Herci");
    {
        tf_CPolCHLO screen;
        (new tf_UTL_CDUIR_THMFILE(&screen, 10, 20))->LOAD(tree.Path().c_str(), true);
        (new tf_UTL_CDUIR_DIR(&screen, 7))->LOAD(tree.Path().c_str(), "*.*");
        EXPECT_EQ(static_cast<tf_CDUIR*>(screen.GetCHLWithIndex(0))->CountR(), 1);
        EXPECT_EQ(static_cast<tf_CDUIR*>(screen.GetCHLWithIndex(1))->CountR(), 1);
    }
    EXPECT_TRUE(LogHas({"~tf_UTL_CDUIR_THMFILE", "noname"}));
    EXPECT_TRUE(LogHas({"~tf_UTL_CDUIR_DIR", "noname"}));
    EXPECT_FALSE(LogHas({LEFT_DATA}));
    EXPECT_FALSE(LogHas({"TLFW ERROR"}));
    EXPECT_EQ(asserts.count(), 0);
}

TEST_F(Picker, EveryConstructorSetsThePickerUpAndLogsItsForm) {
    tf_CPolCHLO screen;
    tf_UTL_CDUIR_THMFILE* t[] = {new tf_UTL_CDUIR_THMFILE(), new tf_UTL_CDUIR_THMFILE("Kulisy"),
                                 new tf_UTL_CDUIR_THMFILE(&screen, 5, 6), new tf_UTL_CDUIR_THMFILE(&screen, 9)};
    tf_UTL_CDUIR_DIR* d[] = {new tf_UTL_CDUIR_DIR(), new tf_UTL_CDUIR_DIR("Knihy"), new tf_UTL_CDUIR_DIR(&screen, 5, 6),
                             new tf_UTL_CDUIR_DIR(&screen, 9)};
    for (const char* form : {"()", "(.)", "(parent,rx,ry)", "(parent,iID)"}) {
        EXPECT_TRUE(LogHas({(std::string("  tf_UTL_CDUIR_THMFILE::tf_UTL_CDUIR_THMFILE") + form).c_str()})) << form;
        EXPECT_TRUE(LogHas({(std::string("  tf_UTL_CDUIR_DIR::tf_UTL_CDUIR_DIR") + form).c_str()})) << form;
    }
    EXPECT_EQ(std::string(t[1]->nazov) + std::string(d[1]->nazov), "KulisyKnihy");
    for (int i : {0, 2, 3}) EXPECT_EQ(std::string(t[i]->nazov) + std::string(d[i]->nazov), "nonamenoname");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(std::make_pair(t[i]->class_id, d[i]->class_id), std::make_pair(121, 122));
    EXPECT_EQ(std::make_pair(t[2]->parent, d[3]->parent), std::make_pair(&screen, &screen));
    EXPECT_EQ(std::make_pair(t[3]->ID, d[3]->ID), std::make_pair(9, 9));
    delete t[0];
    delete t[1];
    delete d[0];
    delete d[1];
}

// ---- folders

TEST_F(Picker, FolderPickerStartsAt100InListingOrder) {
    for (const char* n : {"Pozadia", "Kulisy", "Herci"}) tree.Dir(n);
    Picture("Kniha.bmp", 4, 4);  // files are no rows
    tf_UTL_CDUIR_DIR l;
    EXPECT_EQ(l.LOAD(tree.Path().c_str(), "*.*"), 0);
    EXPECT_EQ(Rows(l), Row(100, "Herci", "Herci") + Row(101, "Kulisy", "Kulisy") + Row(102, "Pozadia", "Pozadia"));
    EXPECT_TRUE(!l[0]->ikona && l.zmena_r);

    tf_UTL_CDUIR_DIR k;
    k.LOAD(tree.Path().c_str(), "K*");
    EXPECT_EQ(Rows(k), Row(100, "Kulisy", "Kulisy"));
    k.PRIDAJ_DIR(7, "bez cesty", nullptr);
    EXPECT_EQ(k.CountR(), 2);
    EXPECT_EQ(k[1]->data, nullptr);
}

// ---- bad input

TEST_F(Picker, MissingOrVanishedFoldersAreLoggedAndGiveNoRows) {
    tf_UTL_CDUIR_THMFILE l;
    for (const char* dir : {"", "\\nikde\\niet"}) {
        test_support::FreshLog();
        EXPECT_EQ(l.LOAD(dir, true), 0);
        EXPECT_TRUE(LogHas({"Doslo k chybe pri nacitani BMP suborov", "X"})) << dir;
    }
    EXPECT_EQ(l.LOAD(nullptr, true), 0);
    EXPECT_EQ(l.CountR(), 0);

    tree.Dir("zmizne");
    Picture("zmizne/a.bmp", 4, 4);
    l.LOAD(tree.Path("zmizne").c_str(), true);
    ASSERT_EQ(l.CountR(), 1);
    remove(tree.Host("zmizne/a.bmp").c_str());
    remove(tree.Host("zmizne").c_str());
    test_support::FreshLog();
    EXPECT_EQ(l.RELOAD(tree.Path("zmizne").c_str(), true), 0);
    EXPECT_EQ(l.CountR(), 0);
    EXPECT_TRUE(LogHas({"Doslo k chybe pri nacitani BMP suborov"}));
    EXPECT_EQ(l.AUTORESIZE(), -1);

    tf_UTL_CDUIR_DIR d;
    for (const char* dir : {"", "\\nikde\\niet"}) {
        test_support::FreshLog();
        EXPECT_EQ(d.LOAD(dir, "*.*"), 0);
        EXPECT_TRUE(LogHas({"Doslo k chybe pri nacitani adresarov", "X"})) << dir;
    }
    EXPECT_EQ(d.LOAD(tree.Path().c_str(), nullptr), 0);
    EXPECT_EQ(d.CountR(), 0);
    EXPECT_EQ(asserts.count(), 0);
}

TEST_F(Picker, UnreadableOrGarbageThumbnailsGiveRowsWithoutPicture) {
    for (const char* n : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"}) Picture(n, 4, 4);
    tree.File("a.thm", "to nie je obrazok");
    tree.Dir("b.thm");
    Picture("c.thm", 30, 20);
    const std::string whole = tree.Read("c.thm");
    tree.File("c.thm", whole.substr(0, 60));  // the header and a few pixels
    tree.File("d.thm", "");
    tf_UTL_CDUIR_THMFILE l;
    l.LOAD(tree.Path().c_str(), true);
    ASSERT_EQ(l.CountR(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(Shown(l[i])) << i;
    int v[4] = {};
    EXPECT_EQ(l.GetIconsStatistics(&v[0], &v[1], &v[2], &v[3]), 4);
    EXPECT_EQ(std::vector<int>(v, v + 4), std::vector<int>(4, 100));
    l.CHOD_NA(10, 10);
    l.ZOBRAZ(back);  // draws the rows without pictures
    EXPECT_EQ(asserts.count(), 0);
}

TEST_F(Picker, NamesWithSpacesAndAccentsKeepTheirBytes) {
    tree.Dir("Kulisy ľudí");  // the host's names are UTF-8
    Picture("Kulisy ľudí/Žltá ruža.bmp", 4, 4);
    Picture("Kulisy ľudí/Žltá ruža.thm", 12, 9);
    tf_UTL_CDUIR_THMFILE l;
    const std::string dir = tree.Path() + "\\" + plat_W1250(u8"Kulisy ľudí");
    l.LOAD(dir.c_str(), true);
    ASSERT_EQ(l.CountR(), 1);
    EXPECT_STREQ(l[0]->text, plat_W1250(u8"Žltá ruža"));
    EXPECT_EQ(static_cast<const char*>(l[0]->data), dir + "\\" + plat_W1250(u8"Žltá ruža.bmp"));
    EXPECT_TRUE(Shown(l[0]));

    tf_UTL_CDUIR_DIR d;
    d.LOAD(tree.Path().c_str(), "*.*");
    ASSERT_EQ(d.CountR(), 1);
    EXPECT_STREQ(d[0]->text, plat_W1250(u8"Kulisy ľudí"));
    EXPECT_EQ(static_cast<const char*>(d[0]->data), dir);
}

TEST_F(Picker, AFolderOfManyPicturesListsThemAllInNaturalOrder) {
    const int n = 300;
    for (int i = 1; i <= n; ++i) {
        tree.File("p" + std::to_string(i) + ".bmp", "");
        if (i % 50 == 0) Picture("p" + std::to_string(i) + ".thm", 20 + i / 10, 10 + i / 20);
    }
    tf_UTL_CDUIR_THMFILE l;
    l.LOAD(tree.Path().c_str(), true);
    ASSERT_EQ(l.CountR(), n);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(l[i]->hodnota, i + 1);
        EXPECT_EQ(std::string(l[i]->text), "p" + std::to_string(i + 1));
        EXPECT_EQ(Shown(l[i]), (i + 1) % 50 == 0) << i;
    }
    int v[4] = {};
    EXPECT_EQ(l.GetIconsStatistics(&v[0], &v[1], &v[2], &v[3]), n);
    EXPECT_EQ(std::vector<int>(v, v + 4), (std::vector<int>{25, 100, 12, 100}));
    EXPECT_EQ(l.RELOAD(tree.Path().c_str(), true), 0);
    EXPECT_EQ(l.CountR(), n);
    EXPECT_FALSE(LogHas({LEFT_DATA}));
}
