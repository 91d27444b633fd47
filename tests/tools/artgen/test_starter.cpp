// The starter library whole when the program reads it: every page with all its objects, every
// actor with its framed phases.
#include <filesystem>
#include <fstream>

#include "framework/core/tf_fsi.h"
#include "platform/codepage.h"
#include "tests/book/book_fixture.h"
#include "tests/support/pixels.h"
#include "tools/artgen/starter.h"

using namespace book_test;
namespace fs = std::filesystem;

namespace {

// The lines of a file at a program path.
int lines_in(const std::string& path) {
    std::ifstream in(plat_HostPath(path.c_str()), std::ios::binary);
    return int(std::count(std::istreambuf_iterator<char>(in), {}, '\n'));
}

// The program in a copy of the built library's app/ on a full-size screen, its log kept out.
class Starter : public KsBooks {
protected:
    void SetUp() override {
        KsBooks::SetUp();
        tf_LOG_SetONOFF(0);
        fs::copy(PEXLO_STARTER_DIR "/library", tree.Host(), fs::copy_options::recursive);
        std::swap(tf_ScreenW, screen_w), std::swap(tf_ScreenH, screen_h);
        tf_lpDDSBack->Release(), tf_lpDDSBack = plat_CreateTestSurface(1920, 1080);
        background_surface = &background;
        NACITAJ_KNIHY();
    }
    void TearDown() override {
        KsBooks::TearDown();
        background.RELEASE_SURFACE();
        std::swap(tf_ScreenW, screen_w), std::swap(tf_ScreenH, screen_h);
        tf_LOG_SetONOFF(1);
    }

    tf_CDas_Surface background{"pozadie"};
    int screen_w = 1920, screen_h = 1080;
};

TEST_F(Starter, TheSampleBooksPagesAndActorsReadBackWholeAndANewBookStartsLiving) {
    const int sample = NAJDI_KNIHU(plat_W1250(u8"Ukážka"));
    ASSERT_GE(sample, PX_FIRST_BOOK_ID);
    VOLBA_KNIHY(sample, false);
    int pages = 0, sounds = 0;
    for (int page = 1; struct_kniha_strana* ks = NAJDI_KS(sample, page); ++page, ++pages) {
        VOLBA_STRANY(sample, page);
        // One object for every line but the background's and the sound's: no name the book
        // does not have, and every sound named readable.
        const int sound = px_narracia.pozadie.empty() ? 0 : 1;
        sounds += sound;
        EXPECT_EQ(std::tuple(REG.count, !!background_path, !!ks->page_icon, !!px_narracia.pozadie_zvuk),
                  std::tuple(lines_in(ks->page_path) - 1 - sound, true, true, sound == 1)) << "page " << page;
    }
    EXPECT_GE(pages, 4);
    EXPECT_EQ(sounds, 2);
    EXPECT_EQ(PX_Zvuky_knihy(NAJDI_KS(sample, 1)->book_path), (std::vector<std::string>{"uspavanka.ogg", "vtaci_spev.wav"}));

    // Every actor has a framed, well-filled phase of one size for each line of its phases file.
    ASSERT_EQ(utl_duir_Herci->CountR(), 5);
    for (int row = 0; row < utl_duir_Herci->CountR(); ++row) {
        const char* path = static_cast<const char*>((*utl_duir_Herci)[row]->data);
        PRIDAJ_HERCA(path, 0, 0, 1, 1, 0);
        CHerec* o = Obj(REG.count - 1);
        ASSERT_EQ(o->PocetFaz(), lines_in(tf_FSI_Zmen_priponu(path, "faz"))) << path;
        for (int i = 0; i < o->PocetFaz(); ++i) {
            const tf_TFAZA f = Phase(o, i), first = Phase(o, 0);
            const int w = f.x2 - f.x1, h = f.y2 - f.y1;
            EXPECT_EQ(std::pair(w, h), std::pair(first.x2 - first.x1, first.y2 - first.y1)) << path;
            const auto count = [&](int grow, uint16_t c) {
                return test_support::CountIn(f.x1 - grow, f.y1 - grow, f.x2 - 1 + grow, f.y2 - 1 + grow,
                                             [&](int x, int y) { return Raw(o, x, y) == c; });
            };
            EXPECT_EQ(count(1, o->srf->BC), 2 * (w + h) + 4) << path << " phase " << i << " is not framed";
            EXPECT_LT(count(0, o->srf->TC), w * h * 4 / 5) << path << " phase " << i << " is nearly empty";
        }
    }

    // A new book starts on the template's living page.
    PX_Nova_kniha_zadana("nova");
    const struct_kniha_strana* first = NAJDI_KS(current_book, 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(std::make_tuple(std::string(first->book_name), current_page, REG.count > 2, background_mode,
                              background_path && first->page_icon),
              std::make_tuple("nova", 1, true, 4, true));
}

}  // namespace
