// Books from elsewhere: copied from a Windows machine (names on disk in other cases than the
// page files write them, CRLF lines, Slovak names in UTF-8 on disk and Windows-1250 in the
// files), unpacked from a Windows archive (names on disk in raw Windows-1250), and names on
// disk that no path of the program can hold.
#include "book/px_anim.h"
#include "tests/book/book_fixture.h"

using namespace book_test;

namespace {
struct Foreign {
    const char* form;
    std::string name;  // the book's name (Windows-1250)
    // Names on disk: the book's folder and the pictures inside it.
    std::string book, background, prop, actor, phases;
    std::string prop_row;  // how the props list shows the prop (Windows-1250)
};

const Foreign kForeign[] = {
    {"copied from Windows", "Rozpr\xE1vky", "KNIHA_Rozprávky", "Pozadia/LÚKA.bmp", "Kulisy/STÔL.BMP",
     "Herci/Žaba.bmp", "Herci/ŽABA.FAZ", "ST\xD4L"},
    {"unpacked from a Windows archive", "B\xE1sne", "KNIHA_B\xE1sne", "Pozadia/l\xFAka.bmp", "Kulisy/st\xF4l.bmp",
     "Herci/\x9E" "aba.bmp", "Herci/\x9E" "aba.faz", "st\xF4l"},
};

// Kind, x, y, motion, edge, delay and phase count of every object.
std::vector<std::array<int, 7>> Objects() {
    std::vector<std::array<int, 7>> all;
    for (int i = 0; i < REG.count; ++i) {
        CHerec* o = Obj(i);
        all.push_back({o->eui(), o->x, o->y, o->motion, o->edge, o->phase_delay, o->PocetFaz()});
    }
    return all;
}
}  // namespace

TEST_F(KsBooks, BooksFromWindowsOpenByTheirSlovakNamesPlayAndSaveWhatReadsBackTheSame) {
    for (const Foreign& f : kForeign) {
        for (const char* sub : {"", "/Pozadia", "/Kulisy", "/Herci"}) tree.Dir(f.book + sub);
        Picture(f.book + "/" + f.background, 40, 30);
        Picture(f.book + "/" + f.prop, 16, 12);
        Picture(f.book + "/" + f.actor, 19, 10, [](int x, int y) {  // two 8 x 8 phases in cyan frames
            return x % 9 == 0 || y % 9 == 0 ? 0x00FFFFu : 0x400000u * (x / 9 + 1);
        });
        tree.File(f.book + "/" + f.phases, "3 3\r\n12 3\r\n");
        tree.File(f.book + "/1.str", "p l\xFAka 4\r\nk st\xF4l 10 20 6 1 0\r\nh \x9E" "aba 30 40 3 1 2\r\n");
    }
    tf_CDas_Surface pozadie("pozadie");
    background_surface = &pozadie;
    for (const Foreign& f : kForeign) {
        SCOPED_TRACE(f.form);
        const int book = Open(f.name);
        ASSERT_NE(book, -1);
        EXPECT_STREQ((*utl_duir_Kulisy)[0]->text, f.prop_row.c_str());
        EXPECT_TRUE(background_path && background_surface->lpDDS);
        const auto page = Objects();
        ASSERT_EQ(page, (std::vector<std::array<int, 7>>{{1, 10, 20, 6, 1, 0, 1}, {2, 30, 40, 3, 1, 2, 2}}));
        running = true;
        for (int i = 0; i < 3; ++i) TIK_ANIMACIE();
        EXPECT_TRUE(Obj(1)->x != 30 && Obj(1)->akt_faza == 1) << "the actor travels and changes phase";
        running = false;

        VOLBA_STRANY(book, 1);
        dirty = true;
        ASSERT_TRUE(ULOZ_STRANU());
        VOLBA_STRANY(book, 1);
        EXPECT_EQ(Objects(), page);
        EXPECT_TRUE(background_path && background_surface->lpDDS);
    }
}

TEST_F(KsBooks, NamesOnDiskThatNoPathCanHoldAreNeverBooksPagesOrPictures) {
    Book("x", {"1"});
    tree.Dir("app/KNIHA_DEFNEW");
    tree.File("app/KNIHA_DEFNEW/1.str", "k strom 1 1 1 1 0\n");
    tree.Dir("KNIHA_x\\..\\app\\KNIHA_DEFNEW");  // beside KNIHA_x: as an archive may unpack it
    tree.File("KNIHA_x/..\\..\\app\\KNIHA_DEFNEW\\2.str", "k strom 1 1 1 1 0\n");
    tree.File("KNIHA_x/ot\xC3\xA1zka?.str");
    Picture("KNIHA_x/Kulisy/strom.bmp", 16, 12);
    Picture("KNIHA_x/Kulisy/..\\..\\..\\app\\rezia.bmp", 16, 12);
    const int x = Open("x");
    NACITAJ_KNIHY();  // a second scan logs nothing more
    EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, PX_ID_NEW_BOOK, PX_ID_CLOSE_BOOKS}));
    EXPECT_EQ(std::tuple(x, KS.count, utl_duir_Kulisy->CountR()), std::tuple(100, 1, 1));
    int told = 0;
    for (const std::string& line : test_support::LogLines())
        told += line.find("Nepouzitelny nazov na disku vynechany") != std::string::npos;
    EXPECT_EQ(told, 4);
    EXPECT_EQ(tree.Names("app/KNIHA_DEFNEW"), std::vector<std::string>{"1.str"}) << "no thumbnails in the template";
}
