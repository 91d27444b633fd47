// Pictures dropped on the editor's window: the author answers what they become, and they
// show on the page at once, keyed, fitted and animated, as one step undo takes back; files
// that are no pictures are named on the status line and nothing is written.
#include <algorithm>
#include <filesystem>
#include <set>

#include "book/px_plocha.h"
#include "book/px_sprava.h"
#include "framework/widgets/tf_label.h"
#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/import_pictures.h"

using namespace editor_test;
using namespace import_test;
using test_support::PixelAt;

namespace {

class Dropped : public Editor {
protected:
    std::string Png(const std::string& name, int w, int h, const PixelAt& px) {
        tree.Dir("src");
        EXPECT_TRUE(test_support::WritePng(tree.Host("src/" + name), w, h, px));
        return tree.Host("src/" + name);
    }
    // The book "Les" as its folders hold it.
    std::vector<std::string> Book() {
        std::vector<std::string> all;
        for (const char* d : {"Pozadia", "Kulisy", "Herci"})
            for (const std::string& n : tree.Names(std::string("KNIHA_Les/") + d)) all.push_back(d + ("/" + n));
        return all;
    }
    static bool Asks(const char8_t* question) {
        return px_editor->otazka->zivy && px_editor->otazka->otazka == std::string(plat_W1250(question));
    }
    static bool Says(const char8_t* words) { return std::string(status_text).find(plat_W1250(words)) != std::string::npos; }
    // The object's rectangle on the screen after a frame, the pointer out of the way: the
    // pixels where it does not show the w x h picture `want` at its top left (mirrored when the
    // object faces left) or, beside it and where the picture is see-through, the page's fill.
    int Differs(CHerec* o, int w, int h, const PixelAt& want) {
        Move(W - 3, H / 2);
        Tick();
        const RECT r = PX_Na_obrazovku(RECT{o->x, o->y, o->x + o->AktSIR(), o->y + o->AktVYS()});
        const int left = r.left, top = r.top;
        return test_support::CountIn(r.left, r.top, r.right - 1, r.bottom - 1, [&](int x, int y) {
            const bool inside = x >= left && x < left + w && y >= top && y < top + h;
            const uint32_t c = inside ? want(o->zrkadlo ? left + w - 1 - x : x - left, y - top) : 0;
            return Px(x, y) != (c ? Raw(c & 0xFFFFFF) : FILL);
        });
    }
    // Width and height in the header of a BMP the book holds.
    std::pair<int, int> BmpSize(const std::string& rel) {
        const std::string b = tree.Read(rel);
        if (b.size() < 26) return {0, 0};
        auto at = [&](size_t i) { return int(uint8_t(b[i]) | uint8_t(b[i + 1]) << 8 | uint8_t(b[i + 2]) << 16); };
        return {at(18), at(22)};
    }
};

}  // namespace

TEST_F(Dropped, APngWithAlphaBecomesAKeyedPropInOneStepThatUndoTakesOffThePage) {
    Library();
    const std::string flower = Png("kvet.png", FLOWER_W, FLOWER_H, Flower());
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));  // "Les" page 1: strom alone, no background
        Click(W - 3, H / 2);
        const int objects = REG.count, props = utl_duir_Kulisy->CountR();
        Drop({flower});
        ASSERT_TRUE(Asks(u8"Importovať ako kulisu?")) << "a small picture: a prop by default";
        Key(VK_RETURN);
        EXPECT_FALSE(px_editor->otazka->zivy);
        ASSERT_EQ(REG.count, objects + 1);
        CHerec* o = Obj(REG.count - 1);
        EXPECT_EQ(std::tuple(o->eui(), o->AktSIR(), o->AktVYS()), std::tuple(int(PX_PROP), FLOWER_W + 2, FLOWER_H + 2))
            << "with the key around it";
        EXPECT_EQ(Differs(o, FLOWER_W, FLOWER_H, Flower()), 0) << "the see-through pixels show the page, the rest the flower";
        EXPECT_TRUE(dirty);
        EXPECT_EQ(utl_duir_Kulisy->CountR(), props + 1) << "listed at once";
        EXPECT_TRUE(Says(u8"Importované: kulisa „kvet“"));
        const RECT placed = PX_Na_obrazovku(RECT{o->x, o->y, o->x + o->AktSIR(), o->y + o->AktVYS()});

        Ctrl('Z');
        EXPECT_EQ(REG.count, objects);
        EXPECT_TRUE(Says(u8"import obrázkov")) << plat_Utf8FromCp1250(status_text);
        Move(W - 3, H / 2), Tick();
        EXPECT_EQ(test_support::CountIn(placed.left, placed.top, placed.right - 1, placed.bottom - 1,
                                        [&](int x, int y) { return Px(x, y) != FILL; }),
                  0);
        EXPECT_TRUE(tree.Exists("KNIHA_Les/Kulisy/kvet.bmp")) << "the file stays in the book";
        EXPECT_EQ(utl_duir_Kulisy->CountR(), props + 1);
        Ctrl('Y');
        ASSERT_EQ(REG.count, objects + 1);
        EXPECT_EQ(Differs(Obj(REG.count - 1), FLOWER_W, FLOWER_H, Flower()), 0);
    });
}

TEST_F(Dropped, ALargePhotoBecomesABackgroundAtThePageSizeAndOtherKindsCanBeChosen) {
    Library();
    tree.Dir("src");
    const std::string photo = tree.Host("src/fotka.jpg");
    ASSERT_TRUE(test_support::WriteJpeg(photo, 2048, 1536, Photo(2048, 1536)));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Click(W - 3, H / 2);
        const int objects = REG.count;
        Drop({photo});
        ASSERT_TRUE(Asks(u8"Importovať ako pozadie?"));
        Press(*px_editor->otazka->tlac_zrus);  // "Iný druh"
        EXPECT_TRUE(Asks(u8"Importovať ako kulisu?"));
        Press(*px_editor->otazka->tlac_zrus);
        EXPECT_TRUE(Asks(u8"Importovať ako herca?"));
        Press(*px_editor->otazka->tlac_zrus);
        ASSERT_TRUE(Asks(u8"Importovať ako pozadie?")) << "the kinds go round";
        Key(VK_RETURN);
        EXPECT_EQ(REG.count, objects) << "a background is no object";
        ASSERT_TRUE(background_path);
        EXPECT_TRUE(plat_Cp1250EqualNoCase(background_path, "..\\KNIHA_Les\\Pozadia\\fotka.bmp")) << background_path;
        EXPECT_EQ(BmpSize("KNIHA_Les/Pozadia/fotka.bmp"), std::pair(W, H));
        Move(W - 3, H / 2), Tick();
        const COLORREF sky = plat_From565(Px(W / 4, H / 2 - 20));  // below the sun, above the hills
        const COLORREF want = plat_From565(Raw(Photo(W, H)(W / 4, H / 2 - 20) & 0xFFFFFF));
        EXPECT_NEAR(GetBValue(sky), GetBValue(want), 16);
        EXPECT_NEAR(GetGValue(sky), GetGValue(want), 16);
        EXPECT_TRUE(dirty);

        Drop({photo});  // the same photo again, as a prop: scaled to half the page, named apart
        Press(*px_editor->otazka->tlac_zrus);
        Key(VK_RETURN);
        ASSERT_EQ(REG.count, objects + 1);
        // In its frame, the key's rows above it: its corner would hold the key otherwise.
        EXPECT_EQ(std::pair(Obj(objects)->AktSIR(), Obj(objects)->AktVYS()), std::pair(W / 2 + 2, H / 2 + 2 + 6));
        EXPECT_TRUE(tree.Exists("KNIHA_Les/Kulisy/fotka.bmp"));
    });
}

TEST_F(Dropped, ThreePngsDroppedTogetherBecomeAnActorWhosePhasesCycleWhenPlaying) {
    Library();
    std::vector<std::string> birds;
    for (int i : {3, 1, 2}) birds.push_back(Png("vtak" + std::to_string(i) + ".png", BIRD_W, BIRD_H, Bird(i - 1)));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Click(W - 3, H / 2);
        const int objects = REG.count;
        const size_t actors = tree.Names("KNIHA_Les/Herci").size();
        Drop(birds);
        ASSERT_TRUE(Asks(u8"Importovať ako herca?"));
        EXPECT_NE(std::string(px_editor->otazka->lbl_otazka2->text).find(plat_W1250(u8"a ďalšie: 2")), std::string::npos);
        Key(VK_RETURN);
        EXPECT_TRUE(Says(u8"herec „vtak1“, 3 fázy")) << plat_Utf8FromCp1250(status_text);
        ASSERT_EQ(REG.count, objects + 1);
        CHerec* o = Obj(objects);
        ASSERT_EQ(std::tuple(o->eui(), o->PocetFaz()), std::tuple(int(PX_ACTOR), 3));
        for (int f = 0; f < 3; ++f) {
            o->SF(f);
            EXPECT_EQ(Differs(o, BIRD_W, BIRD_H, Bird(f)), 0) << "phase " << f << " is the file " << f + 1 << "'s drawing";
        }
        Key(VK_SPACE);
        std::set<int> shown;
        for (int t = 0; t < 12; ++t) {
            Tick();
            shown.insert(o->akt_faza);
        }
        Key(VK_SPACE);
        EXPECT_EQ(shown, (std::set<int>{0, 1, 2}));
        EXPECT_EQ(tree.Names("KNIHA_Les/Herci").size(), actors + 3) << "vtak1: its sheet, phases and thumbnail";
        EXPECT_TRUE(tree.Exists("KNIHA_Les/Herci/vtak1.bmp"));
    });
}

TEST_F(Dropped, FilesThatAreNoPicturesAreNamedAndNothingIsWritten) {
    Library();
    const std::string flower = Png("kvet.png", FLOWER_W, FLOWER_H, Flower());
    tree.Dir("src/priecinok");
    tree.File("src/list.txt", "no picture");
    tree.File("src/zlomeny.png", tree.Read("src/kvet.png").substr(0, 60));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Click(W - 3, H / 2);
        const std::vector<std::string> before = Book();
        const int objects = REG.count;
        const struct {
            std::string file;
            const char8_t* words;
        } rows[] = {
            {tree.Host("src/priecinok"), u8"priecinok: je to priečinok"},
            {tree.Host("src/list.txt"), u8"list.txt: nie je obrázok"},
            {tree.Host("src/nie.png"), u8"nie.png: súbor neexistuje"},
        };
        for (const auto& r : rows) {
            Drop({flower, r.file});
            EXPECT_FALSE(px_editor->otazka->zivy) << r.file;
            EXPECT_TRUE(Says(r.words)) << plat_Utf8FromCp1250(status_text);
            EXPECT_TRUE(PX_Sprava_Je_chyba());
        }
        Drop({tree.Host("src/zlomeny.png")});  // its header is whole: only reading it finds the cut
        ASSERT_TRUE(Asks(u8"Importovať ako kulisu?"));
        Key(VK_RETURN);
        EXPECT_TRUE(Says(u8"zlomeny.png: obrázok je poškodený")) << plat_Utf8FromCp1250(status_text);
        Drop({flower});  // asked; a drop meanwhile waits for no answer; then Esc
        Drop({tree.Host("src/list.txt")});
        EXPECT_TRUE(Asks(u8"Importovať ako kulisu?") && Says(u8"Najprv odpovedz na otázku"));
        Key(VK_ESCAPE);
        Drop({flower});  // asked, and the file goes before the answer
        std::filesystem::remove(flower);
        Key(VK_RETURN);
        EXPECT_TRUE(Says(u8"súbor neexistuje"));
        EXPECT_EQ(Book(), before);
        EXPECT_EQ(REG.count, objects);
        EXPECT_FALSE(dirty);
    });
}
