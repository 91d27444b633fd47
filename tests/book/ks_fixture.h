// Books laid out as the program finds them: a scratch folder holding the working folder
// "app" and the books beside it, the test running inside "app" with a small screen and the
// editor's lists.
#pragma once
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "book/px_ks.h"
#include "book/px_stav.h"
#include "framework/app/tf_appstate.h"
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_utl.h"
#include "platform/ddraw.h"
#include "platform/files.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

namespace ks_test {

class KsBooks : public ::testing::Test {
protected:
    static constexpr int W = 320, H = 160;

    void SetUp() override {
        ASSERT_TRUE(getcwd(home_, sizeof home_));
        tree.Dir("app");
        ASSERT_EQ(chdir(tree.Host("app").c_str()), 0);
        test_support::FreshLog();
        PX_STAV_Reset();
        tf_CDUI_NoVoid = true;
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
        back_ = plat_CreateTestSurface(W, H);
        primary_ = plat_CreateTestSurface(W, H);
        saved_[0] = tf_ScreenW, saved_[1] = tf_ScreenH;
        tf_ScreenW = W, tf_ScreenH = H;
        tf_lpDD = dd_, tf_lpDDSBack = back_, tf_lpDDSPrimary = primary_;
        duir_KNIHY = new tf_CDUIR("duir_KNIHY");
        duir_STRANY = new tf_CDUIR("duir_STRANY");
        utl_duir_Pozadia = new tf_UTL_CDUIR_THMFILE("utl_duir_Pozadia");
        utl_duir_Kulisy = new tf_UTL_CDUIR_THMFILE("utl_duir_Kulisy");
        utl_duir_Herci = new tf_UTL_CDUIR_THMFILE("utl_duir_Herci");
    }

    void TearDown() override {
        plat_SetWriteFailure(false);
        plat_SetWriteLimit(-1);
        UVOLNI_VSETKO();
        PX_STAV_Reset();
        tf_ScreenW = saved_[0], tf_ScreenH = saved_[1];
        tf_lpDD = nullptr, tf_lpDDSBack = nullptr, tf_lpDDSPrimary = nullptr;
        primary_->Release();
        back_->Release();
        dd_->Release();
        ASSERT_EQ(chdir(home_), 0);
    }

    // A small picture file at `rel` (beside the working folder).
    void Bmp(const std::string& rel, int w = 8, int h = 6) {
        const std::vector<uint8_t> b = bmp_fixture::Write(bmp_fixture::Picture(w, h), bmp_fixture::Form{});
        tree.File(rel, std::string(b.begin(), b.end()));
    }
    // A book folder "KNIHA_<name>" with the given page files (empty pages) and, for the
    // pages named in `thumbs`, their thumbnails.
    void Book(const std::string& name, const std::vector<std::string>& pages,
              const std::vector<std::string>& thumbs = {}) {
        const std::string dir = "KNIHA_" + name;
        tree.Dir(dir);
        for (const char* sub : {"/Pozadia", "/Kulisy", "/Herci"}) tree.Dir(dir + sub);
        for (const std::string& p : pages) tree.File(dir + "/" + p + ".str");
        for (const std::string& t : thumbs) Bmp(dir + "/" + t + ".thm", 100, 50);
    }
    static std::vector<struct_kniha_strana*> Records() {
        std::vector<struct_kniha_strana*> r;
        for (int i = 0; i < KS.count; ++i) r.push_back(static_cast<struct_kniha_strana*>(KS.GET(i)));
        return r;
    }
    // The values of a list's rows, in order.
    static std::vector<int> Values(tf_CDUIR* list) {
        std::vector<int> v;
        for (int i = 0; i < list->CountR(); ++i) v.push_back((*list)[i]->hodnota);
        return v;
    }
    // Builds the catalogue and shows the first page of the book `name`.
    int Open(const std::string& name) {
        NACITAJ_KNIHY();
        const int id = NAJDI_KNIHU(name.c_str());
        VOLBA_KNIHY(id, true);
        return id;
    }
    // Gives the page something to write: a background line.
    static void SetBackground(const std::string& book) {
        free(background_path);
        background_path = strdup(("..\\KNIHA_" + book + "\\Pozadia\\les.bmp").c_str());
    }
    // Makes a book folder unwritable; root ignores the mode, so writes are refused as well.
    void ReadOnly(const std::string& book) {
        chmod(tree.Host("KNIHA_" + book).c_str(), 0555);
        if (geteuid() == 0) plat_SetWriteFailure(true);
    }
    void Writable(const std::string& book) {
        plat_SetWriteFailure(false);
        chmod(tree.Host("KNIHA_" + book).c_str(), 0755);
    }

    test_support::TempTree tree;
    test_support::AssertCounter asserts;

private:
    char home_[4096] = "";
    int saved_[2] = {};
    IDirectDraw* dd_ = nullptr;
    IDirectDrawSurface* back_ = nullptr;
    IDirectDrawSurface* primary_ = nullptr;
};

}  // namespace ks_test
