// The starter library: drawn the same on every run, and whole when the program reads it: every
// page with all its objects, every actor with its framed phases, thumbnails as a save writes them.
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "framework/core/tf_fsi.h"
#include "platform/codepage.h"
#include "tests/book/book_fixture.h"
#include "tools/artgen/starter.h"

using namespace book_test;
namespace fs = std::filesystem;

namespace {

// Every file under a folder with its bytes, by path relative to the folder.
std::map<std::string, std::string> files_under(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) {
            std::ifstream in(e.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            files[fs::relative(e.path(), root).string()] = bytes.str();
        }
    return files;
}

// The bytes of the file at a program path.
std::string read(const std::string& path) {
    std::ifstream in(plat_HostPath(path.c_str()), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

TEST(StarterLibrary, IsDrawnTheSameOnEveryRun) {
    test_support::TempTree drawn;
    ASSERT_TRUE(artgen::WriteStarter(drawn.Host()));
    const auto fresh = files_under(drawn.Host()), built = files_under(PEXLO_STARTER_DIR);
    std::vector<std::string> fresh_names, built_names;
    for (const auto& [name, bytes] : fresh) fresh_names.push_back(name);
    for (const auto& [name, bytes] : built) built_names.push_back(name);
    ASSERT_EQ(fresh_names, built_names);
    for (const auto& [name, bytes] : fresh) EXPECT_TRUE(bytes == built.at(name)) << name << " differs between runs";
    // What a new book brings: backgrounds, props, actors with their phases, an icon, a page.
    const auto in_template = [&](const std::string& folder, const std::string& ext) {
        return std::count_if(fresh.begin(), fresh.end(), [&](const auto& f) {
            const fs::path p(f.first);
            return p.parent_path() == "library/app/KNIHA_DEFNEW" + folder && p.extension() == ext;
        });
    };
    EXPECT_GE(in_template("/Pozadia", ".bmp"), 5);
    EXPECT_GE(in_template("/Kulisy", ".bmp"), 8);
    EXPECT_GE(in_template("/Herci", ".bmp"), 5);
    EXPECT_EQ(in_template("/Herci", ".faz"), in_template("/Herci", ".bmp"));
    EXPECT_EQ(in_template("", ".str"), 1);
    for (const char* icon : {"icons/hicolor/64x64/apps/pexlo.png", "icons/hicolor/256x256/apps/pexlo.png"})
        EXPECT_EQ(fresh.at(icon).substr(1, 3), "PNG") << icon;
}

// The program in a copy of the built library's app/ on a full-size screen, its log kept out.
class Starter : public BookTest {
protected:
    void SetUp() override {
        BookTest::SetUp();
        tf_LOG_SetONOFF(0);
        fs::copy(PEXLO_STARTER_DIR "/library", tree.Host(), fs::copy_options::recursive);
        ASSERT_TRUE(getcwd(home_, sizeof home_));
        ASSERT_EQ(chdir(tree.Host("app").c_str()), 0);
        std::swap(tf_ScreenW, screen_w_);
        std::swap(tf_ScreenH, screen_h_);
        tf_CDUI_NoVoid = true;
        tf_lpDDSBack = plat_CreateTestSurface(1920, 1080);
        background_surface = &background_;
        duir_KNIHY = new tf_CDUIR("duir_KNIHY");
        duir_STRANY = new tf_CDUIR("duir_STRANY");
        utl_duir_Pozadia = new tf_UTL_CDUIR_THMFILE("utl_duir_Pozadia");
        utl_duir_Kulisy = new tf_UTL_CDUIR_THMFILE("utl_duir_Kulisy");
        utl_duir_Herci = new tf_UTL_CDUIR_THMFILE("utl_duir_Herci");
        NACITAJ_KNIHY();
        sample_ = NAJDI_KNIHU(plat_W1250(u8"Ukážka"));
        ASSERT_GE(sample_, PX_FIRST_BOOK_ID);
    }
    void TearDown() override {
        UVOLNI_VSETKO();
        background_.RELEASE_SURFACE();
        BookTest::TearDown();
        tf_lpDDSBack->Release();
        tf_lpDDSBack = nullptr;
        std::swap(tf_ScreenW, screen_w_);
        std::swap(tf_ScreenH, screen_h_);
        tf_LOG_SetONOFF(1);
        ASSERT_EQ(chdir(home_), 0);
    }

    int sample_ = -1;

private:
    tf_CDas_Surface background_{"pozadie"};
    char home_[4096] = "";
    int screen_w_ = 1920, screen_h_ = 1080;
};

TEST_F(Starter, SamplePagesReadBackWholeWithCurrentThumbnailsAndShowEverything) {
    VOLBA_KNIHY(sample_, false);
    std::set<int> motions, edges, delays, modes;
    int pages = 0;
    for (int page = 1; struct_kniha_strana* ks = NAJDI_KS(sample_, page); ++page, ++pages) {
        VOLBA_STRANY(sample_, page);
        // One object for every line but the background's: no name the book does not have.
        const std::vector<std::string> lines = lines_of(read(ks->page_path));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(REG.count, static_cast<int>(lines.size()) - 1) << "page " << page;
        EXPECT_TRUE(background_path) << "page " << page;
        modes.insert(background_mode);
        for (int i = 0; i < REG.count; ++i) {
            motions.insert(Obj(i)->motion);
            edges.insert(Obj(i)->edge);
            if (Obj(i)->eui() == PX_ACTOR) delays.insert(Obj(i)->phase_delay);
        }
        // The thumbnail beside the page is what saving the page writes now.
        const std::string thm_path = tf_FSI_Zmen_priponu(ks->page_path, "thm"), thm = read(thm_path);
        ZOBRAZ_STRANU(tf_lpDDSBack);
        PX_Nastav_cestu_nahladu(ks->page_path);
        thumbnail_request = true;
        PX_Obnov_nahlad();
        EXPECT_TRUE(thm == read(thm_path)) << "page " << page;
        EXPECT_TRUE(ks->page_icon);
    }
    EXPECT_GE(pages, 4);
    EXPECT_EQ(motions, (std::set<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(edges, (std::set<int>{1, 2}));
    EXPECT_GE(delays.size(), 3u);
    EXPECT_EQ(modes, (std::set<int>{1, 2, 3, 4, 5}));
}

TEST_F(Starter, ANewBookStartsOnTheTemplatesLivingPage) {
    PX_Nova_kniha_zadana("nova");
    ASSERT_EQ(NAJDI_KS(current_book, 1) ? std::string(NAJDI_KS(current_book, 1)->book_name) : "", "nova");
    EXPECT_EQ(std::make_tuple(current_page, REG.count > 2, background_mode), std::make_tuple(1, true, 4));
    EXPECT_TRUE(background_path && NAJDI_KS(current_book, 1)->page_icon);
    EXPECT_EQ(utl_duir_Herci->CountR(), 5);
}

TEST_F(Starter, EveryActorHasAFramedPhaseForEachLineOfItsPhasesFile) {
    VOLBA_KNIHY(sample_, false);
    ASSERT_EQ(utl_duir_Herci->CountR(), 5);
    for (int row = 0; row < utl_duir_Herci->CountR(); ++row) {
        const char* path = static_cast<const char*>((*utl_duir_Herci)[row]->data);
        PRIDAJ_HERCA(path, 0, 0, 1, 1, 0);
        CHerec* o = Obj(REG.count - 1);
        const int lines = static_cast<int>(lines_of(read(tf_FSI_Zmen_priponu(path, "faz"))).size());
        EXPECT_GE(lines, 3) << path;
        EXPECT_LE(lines, 6) << path;
        ASSERT_EQ(o->PocetFaz(), lines) << path;
        for (int i = 0; i < lines; ++i) {
            const tf_TFAZA f = Phase(o, i), first = Phase(o, 0);
            EXPECT_EQ(std::make_pair(f.x2 - f.x1, f.y2 - f.y1), std::make_pair(first.x2 - first.x1, first.y2 - first.y1))
                << path << " phase " << i << ": all phases the same size";
            int off_frame = 0, drawn_px = 0;
            for (int y = f.y1 - 1; y <= f.y2; ++y)
                for (int x = f.x1 - 1; x <= f.x2; ++x) {
                    const bool frame = x < f.x1 || x == f.x2 || y < f.y1 || y == f.y2;
                    off_frame += frame && Raw(o, x, y) != o->srf->BC;
                    drawn_px += !frame && Raw(o, x, y) != o->srf->TC;
                }
            EXPECT_EQ(off_frame, 0) << path << " phase " << i << " is not framed";
            EXPECT_GT(drawn_px, (f.x2 - f.x1) * (f.y2 - f.y1) / 5) << path << " phase " << i << " is nearly empty";
        }
    }
}

}  // namespace
