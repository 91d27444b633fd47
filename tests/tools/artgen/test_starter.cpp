// The starter library whole when the program reads it: every page with all its objects, every
// actor with its framed phases.
#include <filesystem>
#include <sstream>

#include "framework/core/tf_fsi.h"
#include "platform/codepage.h"
#include "tests/book/book_fixture.h"
#include "tests/support/pixels.h"
#include "tools/artgen/starter.h"

using namespace book_test;
namespace fs = std::filesystem;

namespace {

// The bytes of a file at a program path.
std::string read(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(plat_HostPath(path.c_str()), std::ios::binary).rdbuf();
    return bytes.str();
}

int lines_of(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

// The program in a copy of the built library's app/ on a full-size screen, its log kept out.
class Starter : public BookTest {
protected:
    void SetUp() override {
        BookTest::SetUp();
        tf_LOG_SetONOFF(0);
        fs::copy(PEXLO_STARTER_DIR "/library", tree.Host(), fs::copy_options::recursive);
        home = fs::current_path();
        fs::current_path(tree.Host("app"));
        std::swap(tf_ScreenW, screen_w);
        std::swap(tf_ScreenH, screen_h);
        tf_CDUI_NoVoid = true;
        tf_lpDDSBack = plat_CreateTestSurface(1920, 1080);
        background_surface = &background;
        duir_KNIHY = new tf_CDUIR("duir_KNIHY");
        duir_STRANY = new tf_CDUIR("duir_STRANY");
        utl_duir_Pozadia = new tf_UTL_CDUIR_THMFILE("utl_duir_Pozadia");
        utl_duir_Kulisy = new tf_UTL_CDUIR_THMFILE("utl_duir_Kulisy");
        utl_duir_Herci = new tf_UTL_CDUIR_THMFILE("utl_duir_Herci");
        NACITAJ_KNIHY();
    }
    void TearDown() override {
        UVOLNI_VSETKO();
        background.RELEASE_SURFACE();
        BookTest::TearDown();
        tf_lpDDSBack->Release();
        tf_lpDDSBack = nullptr;
        std::swap(tf_ScreenW, screen_w);
        std::swap(tf_ScreenH, screen_h);
        tf_LOG_SetONOFF(1);
        fs::current_path(home);
    }

    tf_CDas_Surface background{"pozadie"};
    fs::path home;
    int screen_w = 1920, screen_h = 1080;
};

TEST_F(Starter, TheSampleBooksPagesAndActorsReadBackWholeAndANewBookStartsLiving) {
    const int sample = NAJDI_KNIHU(plat_W1250(u8"Ukážka"));
    ASSERT_GE(sample, PX_FIRST_BOOK_ID);
    VOLBA_KNIHY(sample, false);
    int pages = 0;
    for (int page = 1; struct_kniha_strana* ks = NAJDI_KS(sample, page); ++page, ++pages) {
        VOLBA_STRANY(sample, page);
        // One object for every line but the background's: no name the book does not have.
        EXPECT_EQ(REG.count, lines_of(read(ks->page_path)) - 1) << "page " << page;
        EXPECT_TRUE(background_path) << "page " << page;
        EXPECT_TRUE(ks->page_icon) << "page " << page;
    }
    EXPECT_GE(pages, 4);

    // Every actor has a framed, well-filled phase of one size for each line of its phases file.
    ASSERT_EQ(utl_duir_Herci->CountR(), 5);
    for (int row = 0; row < utl_duir_Herci->CountR(); ++row) {
        const char* path = static_cast<const char*>((*utl_duir_Herci)[row]->data);
        PRIDAJ_HERCA(path, 0, 0, 1, 1, 0);
        CHerec* o = Obj(REG.count - 1);
        const int phases = lines_of(read(tf_FSI_Zmen_priponu(path, "faz")));
        EXPECT_TRUE(phases >= 3 && phases <= 6) << path;
        ASSERT_EQ(o->PocetFaz(), phases) << path;
        for (int i = 0; i < phases; ++i) {
            const tf_TFAZA f = Phase(o, i), first = Phase(o, 0);
            EXPECT_EQ(std::pair(f.x2 - f.x1, f.y2 - f.y1), std::pair(first.x2 - first.x1, first.y2 - first.y1)) << path;
            const int framed = test_support::CountIn(f.x1 - 1, f.y1 - 1, f.x2, f.y2, [&](int x, int y) {
                return Raw(o, x, y) == o->srf->BC;
            });
            EXPECT_EQ(framed, 2 * (f.x2 - f.x1 + f.y2 - f.y1) + 4) << path << " phase " << i << " is not framed";
            EXPECT_GT(test_support::CountIn(f.x1, f.y1, f.x2 - 1, f.y2 - 1, [&](int x, int y) { return Raw(o, x, y) != o->srf->TC; }),
                      (f.x2 - f.x1) * (f.y2 - f.y1) / 5) << path << " phase " << i << " is nearly empty";
        }
    }

    // A new book starts on the template's living page.
    PX_Nova_kniha_zadana("nova");
    ASSERT_TRUE(NAJDI_KS(current_book, 1));
    EXPECT_STREQ(NAJDI_KS(current_book, 1)->book_name, "nova");
    EXPECT_EQ(std::make_tuple(current_page, REG.count > 2, background_mode), std::make_tuple(1, true, 4));
    EXPECT_TRUE(background_path && NAJDI_KS(current_book, 1)->page_icon);
    EXPECT_EQ(utl_duir_Herci->CountR(), 5);
}

}  // namespace
