// Pictures imported into a book and read back by the program's own loaders: props keyed
// where the source was see-through, opaque photos kept opaque, backgrounds fitted to the
// page, actors whose measured phases give back the frames; names, clashes, defaults, and
// every failure leaving the book as it was.
#include <gmock/gmock.h>

#include "book/px_editor_cmd.h"
#include "book/px_import.h"
#include "book/px_import_meno.h"
#include "platform/codepage.h"
#include "platform/pixel.h"
#include "tests/book/book_fixture.h"
#include "tests/support/picture_files.h"
#include "tests/support/pixels.h"

using namespace book_test;
using test_support::PixelAt;

namespace {

const char BOOK[] = "..\\KNIHA_T";

// The colour of a raw pixel value, opaque: it comes back as that value exactly.
uint32_t Argb(uint16_t v) {
    const COLORREF c = plat_From565(v);
    return 0xFF000000u | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

// A drawing in blocks of 2 x 2 of raw values that differ (few enough for a GIF's palette),
// see-through where `clear` says.
PixelAt Drawing(int seed, const std::function<bool(int, int)>& clear) {
    return [=](int x, int y) {
        return clear(x, y) ? 0u : Argb(static_cast<uint16_t>(x / 2 * 977 + y / 2 * 3061 + seed * 7919));
    };
}

struct Import : PageTest {
    void SetUp() override {
        PageTest::SetUp();
        for (const char* d : {"KNIHA_T", "KNIHA_T/Pozadia", "KNIHA_T/Kulisy", "KNIHA_T/Herci", "src"}) tree.Dir(d);
    }
    std::string Png(const std::string& name, int w, int h, const PixelAt& px) {
        EXPECT_TRUE(test_support::WritePng(tree.Host("src/" + name), w, h, px));
        return tree.Host("src/" + name);
    }
    PX_ImportVysledok Run(const std::vector<std::string>& files, PX_Druh druh, int page_w = W, int page_h = H) {
        return PX_IMPORT_Subory(BOOK, files, druh, page_w, page_h);
    }
    // Everything in the book's picture folders.
    std::vector<std::string> Book() {
        std::vector<std::string> all;
        for (const char* d : {"Pozadia", "Kulisy", "Herci"})
            for (const std::string& n : tree.Names(std::string("KNIHA_T/") + d)) all.push_back(d + ("/" + n));
        return all;
    }
    // The actor's measured phases, each compared with its frame (w x h, standing on the
    // floor of its cell in the middle): the pixels that differ.
    static int PhaseDifferences(CHerec* o, const std::vector<std::tuple<int, int, PixelAt>>& frames) {
        int n = 0;
        for (size_t i = 0; i < frames.size(); ++i) {
            const tf_TFAZA f = Phase(o, static_cast<int>(i));
            const auto& [w, h, px] = frames[i];
            const int left = f.x1 + (f.x2 - f.x1 - w) / 2, top = f.y2 - h;
            for (int y = f.y1; y < f.y2; ++y)
                for (int x = f.x1; x < f.x2; ++x) {
                    const bool inside = x >= left && x < left + w && y >= top;
                    const uint32_t want = inside ? px(x - left, y - top) : 0;
                    n += Raw(o, x, y) != (want >> 24 ? plat_XrgbTo565(want) : o->srf->TC);
                }
        }
        return n;
    }
};

}  // namespace

TEST_F(Import, APngWithAlphaBecomesAPropThatShowsThePageThroughItsSeeThroughPixels) {
    const PixelAt cat = Drawing(1, [](int x, int y) { return (x * x + y * y) % 5 == 0; });  // (5, 5) see-through
    const PX_ImportVysledok v = Run({Png("cat.png", 40, 30, cat)}, PX_DRUH_KULISA);
    ASSERT_TRUE(v.ok()) << PX_IMPORT_Sprava(v);
    EXPECT_EQ(std::tuple(v.obrazky[0].bmp, v.obrazky[0].sir, v.obrazky[0].vys),
              std::tuple("..\\KNIHA_T\\Kulisy\\cat.bmp", 40, 30));
    PRIDAJ_KULISU(v.obrazky[0].bmp.c_str(), 10, 20, PX_MOTION_STILL, PX_EDGE_BOUNCE);
    ZOBRAZ_STRANU(back);
    int wrong = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) wrong += Px(10 + x, 20 + y) != (cat(x, y) ? plat_XrgbTo565(cat(x, y)) : FILL);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(Book(), (std::vector<std::string>{"Kulisy/cat.bmp"}));
}

TEST_F(Import, APhotoWithoutTransparencyStaysOpaqueAndAHugeOneBecomesABackgroundAtThePageSize) {
    const PixelAt halves = [](int x, int) { return x < 2000 ? 0xFFE0A040u : 0xFF40A0E0u; };
    ASSERT_TRUE(test_support::WriteJpeg(tree.Host("src/photo.jpg"), 4000, 3000, halves));
    const std::string photo = tree.Host("src/photo.jpg");
    EXPECT_EQ(PX_IMPORT_Navrh({photo}, 1920, 1080), PX_DRUH_POZADIE);
    const PX_ImportVysledok big = Run({photo}, PX_DRUH_POZADIE, 1920, 1080);
    const PX_ImportVysledok small = Run({photo}, PX_DRUH_POZADIE);
    ASSERT_TRUE(big.ok() && small.ok());
    EXPECT_EQ(small.obrazky[0].bmp, "..\\KNIHA_T\\Pozadia\\photo_2.bmp");
    tf_CDas_Surface page;
    page.NAHRAJ_SURFACE(big.obrazky[0].bmp.c_str());
    EXPECT_EQ(std::tuple(page.sir, page.vys), std::tuple(1440, 1080));
    page.NAHRAJ_SURFACE(small.obrazky[0].bmp.c_str());
    ASSERT_EQ(std::tuple(page.sir, page.vys), std::tuple(160, H));
    EXPECT_NEAR(page.lpDDS->Row(60)[20] >> 11, 0xE0 >> 3, 2);
    EXPECT_NEAR(page.lpDDS->Row(60)[150] & 31, 0xE0 >> 3, 2);

    // The same photo, small, as a prop: keyed by rows above it, drawn whole.
    const std::string jpeg = tree.Host("src/snap.jpg");
    ASSERT_TRUE(test_support::WriteJpeg(
        jpeg, 30, 20, [](int x, int y) { return 0xFF000000u | (0x80 + x * 4) << 16 | (y * 12) << 8 | 0x90; }));
    const PX_ImportVysledok prop = Run({jpeg}, PX_DRUH_KULISA);
    ASSERT_TRUE(prop.ok());
    PRIDAJ_KULISU(prop.obrazky[0].bmp.c_str(), 50, 40, PX_MOTION_STILL, PX_EDGE_BOUNCE);
    ZOBRAZ_STRANU(back);
    const int seen = test_support::CountIn(50, 40, 50 + 29, 40 + 25, [&](int x, int y) { return Px(x, y) != FILL; });
    const int key_rows = test_support::CountIn(50, 40, 50 + 29, 40 + 5, [&](int x, int y) { return Px(x, y) == FILL; });
    EXPECT_EQ(std::pair(seen, key_rows), std::pair(30 * 20, 30 * 6));
}

TEST_F(Import, AnAnimatedGifAndThreePngsBecomeActorsWhosePhasesGiveBackTheFrames) {
    std::vector<std::tuple<int, int, PixelAt>> frames;
    std::string pngs;
    for (int i = 0; i < 3; ++i) {
        frames.emplace_back(24, 16, Drawing(i, [i](int x, int y) { return (x - 6 * i) * (x - 6 * i) + y * y > 150; }));
        pngs += " '" + Png("f" + std::to_string(i) + ".png", 24, 16, std::get<2>(frames.back())) + "'";
    }
    ASSERT_TRUE(test_support::Convert("-dispose Background -delay 10" + pngs + " '" + tree.Host("src/run.gif") + "'"));
    EXPECT_EQ(PX_IMPORT_Navrh({tree.Host("src/run.gif")}, W, H), PX_DRUH_HEREC);
    const PX_ImportVysledok gif = Run({tree.Host("src/run.gif")}, PX_DRUH_HEREC);
    ASSERT_TRUE(gif.ok()) << PX_IMPORT_Sprava(gif);
    EXPECT_EQ(std::tuple(gif.obrazky[0].fazy, gif.obrazky[0].faz), std::tuple(3, "..\\KNIHA_T\\Herci\\run.faz"));

    // Drawings of different sizes, given in any order: phases in the order of their names.
    std::vector<std::tuple<int, int, PixelAt>> sized;
    std::vector<std::string> files;
    for (int i : {3, 1, 2})
        files.push_back(Png("step" + std::to_string(i * i * i) + ".png", 10 + 4 * i, 6 + 3 * i,
                            Drawing(i, [](int x, int) { return x == 2; })));
    for (int i : {1, 2, 3}) sized.emplace_back(10 + 4 * i, 6 + 3 * i, Drawing(i, [](int x, int) { return x == 2; }));
    EXPECT_EQ(PX_IMPORT_Navrh(files, W, H), PX_DRUH_HEREC);
    const PX_ImportVysledok steps = Run(files, PX_DRUH_HEREC);
    ASSERT_TRUE(steps.ok());
    EXPECT_EQ(std::tuple(steps.obrazky.size(), steps.obrazky[0].meno, steps.obrazky[0].sir),
              std::tuple(size_t{1}, "step1", 22));

    // Read as the page reads an actor, measured as the program measures phases.
    PRIDAJ_HERCA(gif.obrazky[0].bmp.c_str(), 0, 0, PX_MOTION_STILL, PX_EDGE_BOUNCE, 0);
    PRIDAJ_HERCA(steps.obrazky[0].bmp.c_str(), 0, 0, PX_MOTION_STILL, PX_EDGE_BOUNCE, 0);
    ASSERT_EQ(std::pair(Obj(0)->PocetFaz(), Obj(1)->PocetFaz()), std::pair(3, 3));
    EXPECT_EQ(PhaseDifferences(Obj(0), frames), 0);
    EXPECT_EQ(PhaseDifferences(Obj(1), sized), 0);

    // The list shows it at once, with a thumbnail of its first phase; its row places it.
    const int row = PX_IMPORT_ObnovZoznam(BOOK, steps.obrazky[0]);
    ASSERT_GT(row, 0);
    EXPECT_TRUE(tree.Read("KNIHA_T/Herci/step1.thm").size() > 54);
    PX_AddActor(row);
    ASSERT_EQ(REG.count, 3);
    EXPECT_STREQ(Obj(2)->srf->subor_nazov, steps.obrazky[0].bmp.c_str());
}

TEST_F(Import, APictureUsingEveryColourStillGetsFreeKeyAndFrameColoursByTheFewestChanges) {
    const PixelAt all = [](int x, int y) { return Argb(static_cast<uint16_t>(y * 256 + x)); };
    const std::string every = Png("every.png", 256, 256, all);
    const PX_ImportVysledok prop = Run({every}, PX_DRUH_KULISA, 1024, 1024);
    const PX_ImportVysledok actor = Run({every}, PX_DRUH_HEREC, 1024, 1024);
    ASSERT_TRUE(prop.ok() && actor.ok());
    EXPECT_EQ(std::pair(prop.obrazky[0].posunute, actor.obrazky[0].posunute), std::pair(1, 2));
    PRIDAJ_HERCA(actor.obrazky[0].bmp.c_str(), 0, 0, PX_MOTION_STILL, PX_EDGE_BOUNCE, 0);
    CHerec* o = Obj(0);
    ASSERT_EQ(o->PocetFaz(), 1);
    const tf_TFAZA f = Phase(o, 0);
    ASSERT_EQ(std::pair(f.x2 - f.x1, f.y2 - f.y1), std::pair(256, 256));
    int changed = 0, keyed = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const uint16_t got = Raw(o, f.x1 + x, f.y1 + y), was = static_cast<uint16_t>(y * 256 + x);
            keyed += got == o->srf->TC || got == o->srf->BC;
            // One step: a single field of the value moved by one.
            const int d = (got >> 11) - (was >> 11) + ((got >> 5) & 63) - ((was >> 5) & 63) + (got & 31) - (was & 31);
            changed += got != was && (d == 1 || d == -1);
        }
    EXPECT_EQ(std::tuple(keyed, changed, o->srf->TC != 0), std::tuple(0, 2, true));
}

TEST_F(Import, NamesKeepCodePageLettersAndClashesTakeANumber) {
    EXPECT_EQ(PX_IMPORT_Meno("/x/a:b*c?<>| d\".png"), "a_b_c_d");
    EXPECT_EQ(PX_IMPORT_Meno(reinterpret_cast<const char*>(u8"/x/日本.png")), "obrazok");
    EXPECT_EQ(PX_IMPORT_Meno("/x/sprite.gif"), "Sprite");
    EXPECT_EQ(PX_IMPORT_Meno("/x/.hidden"), "hidden");
    EXPECT_EQ(PX_IMPORT_Meno("/x/" + std::string(60, 'a') + ".png"), std::string(40, 'a'));
    const std::string slovak =
        Png(reinterpret_cast<const char*>(u8"Mačka čierna.png"), 8, 8, Drawing(0, [](int, int) { return false; }));
    const PixelAt dot = Drawing(0, [](int, int) { return false; });
    tree.File("KNIHA_T/Kulisy/dup.thm", "stale");
    const PX_ImportVysledok v = Run({slovak, Png("dup.png", 8, 8, dot), Png("Dup.jpg.png", 8, 8, dot)}, PX_DRUH_KULISA);
    ASSERT_TRUE(v.ok());
    EXPECT_EQ(v.obrazky[0].meno, "Dup_jpg");
    EXPECT_EQ(v.obrazky[1].meno, "dup_2");
    EXPECT_EQ(v.obrazky[2].meno, plat_W1250(u8"Mačka_čierna"));
    EXPECT_EQ(Book(), (std::vector<std::string>{"Kulisy/Dup_jpg.bmp",
                                                reinterpret_cast<const char*>(u8"Kulisy/Mačka_čierna.bmp"),
                                                "Kulisy/dup.thm", "Kulisy/dup_2.bmp"}));
    EXPECT_THAT(PX_IMPORT_Sprava(v), testing::HasSubstr(plat_W1250(u8"Importované: kulisa „Dup_jpg“")));
}

TEST_F(Import, BadFilesAndFailedWritesLeaveTheBookAsItWas) {
    const PixelAt dot = Drawing(0, [](int, int) { return false; });
    const std::string good = Png("good.png", 30, 30, dot);
    tree.File("src/note.png", "not a picture");
    const std::string note = tree.Host("src/note.png");
    const PX_ImportVysledok bad = Run({good, note}, PX_DRUH_KULISA);
    EXPECT_EQ(std::tuple(bad.chyba, bad.subor, bad.obrazok.fault, bad.obrazky.size()),
              std::tuple(PX_ImportChyba::OBRAZOK, note, plat_PictureFault::NOT_PICTURE, size_t{0}));
    EXPECT_EQ(PX_IMPORT_Sprava(Run({tree.Host("src/gone.png")}, PX_DRUH_KULISA)),
              plat_W1250(u8"[gone.png: súbor neexistuje]"));
    EXPECT_EQ(Run({}, PX_DRUH_KULISA).chyba, PX_ImportChyba::ZIADNY_SUBOR);
    EXPECT_EQ(PX_IMPORT_Subory("..\\KNIHA_X", {good}, PX_DRUH_KULISA, W, H).chyba, PX_ImportChyba::KNIHA);

    plat_SetWriteFailure(true);  // a read-only book
    EXPECT_EQ(Run({good, good}, PX_DRUH_POZADIE).chyba, PX_ImportChyba::ZAPIS);
    plat_SetWriteFailure(false);
    plat_SetWriteLimit(2000);  // the phases file goes in, the sheet does not: it goes again
    EXPECT_EQ(Run({good}, PX_DRUH_HEREC).chyba, PX_ImportChyba::ZAPIS);
    // Two small props written, the large third fails: all three go.
    const std::string small = Png("dot.png", 4, 4, dot);
    const PX_ImportVysledok third = Run({small, small, Png("wide.png", 120, 50, dot)}, PX_DRUH_KULISA);
    EXPECT_EQ(std::tuple(third.chyba, third.priecinok), std::tuple(PX_ImportChyba::ZAPIS, "..\\KNIHA_T\\Kulisy"));
    std::filesystem::remove(tree.Host("KNIHA_T/Pozadia"));  // a missing folder is made, and goes again
    EXPECT_EQ(Run({good}, PX_DRUH_POZADIE).chyba, PX_ImportChyba::ZAPIS);
    EXPECT_EQ(Book(), std::vector<std::string>{});
    EXPECT_FALSE(std::filesystem::exists(tree.Host("KNIHA_T/Pozadia")));
    plat_SetWriteLimit(-1);
    ASSERT_TRUE(Run({good}, PX_DRUH_POZADIE).ok());
    EXPECT_EQ(Book(), std::vector<std::string>{"Pozadia/good.bmp"});
}
