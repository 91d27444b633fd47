// Books laid out as the program finds them: a scratch folder holding the working folder
// "app" and the books beside it; the test runs inside "app" with a small screen and the
// editor's lists.
#pragma once
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <tuple>
#include <vector>

#include "book/px_ks.h"
#include "book/px_stav.h"
#include "framework/app/tf_appstate.h"
#include "framework/widgets/tf_utl.h"
#include "platform/files.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

namespace ks_test {

class KsBooks : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(getcwd(home_, sizeof home_));
        tree.Dir("app");
        ASSERT_EQ(chdir(tree.Host("app").c_str()), 0);
        test_support::FreshLog();
        PX_STAV_Reset();
        tf_CDUI_NoVoid = true;
        ASSERT_EQ(DirectDrawCreate(nullptr, &tf_lpDD, nullptr), DD_OK);
        tf_lpDDSBack = plat_CreateTestSurface(320, 160);
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
        tf_lpDDSBack->Release();
        tf_lpDD->Release();
        tf_lpDD = nullptr, tf_lpDDSBack = nullptr;
        ASSERT_EQ(chdir(home_), 0);
    }

    void Bmp(const std::string& rel, int w = 8, int h = 6) {
        const std::vector<uint8_t> b = bmp_fixture::Write(bmp_fixture::Picture(w, h), bmp_fixture::Form{});
        tree.File(rel, std::string(b.begin(), b.end()));
    }
    // "KNIHA_<name>" with its picture folders, empty page files, and thumbnails of `thumbs`.
    void Book(const std::string& name, const std::vector<std::string>& pages, const std::vector<std::string>& thumbs = {}) {
        const std::string dir = "KNIHA_" + name + "/";
        for (const char* sub : {"", "Pozadia", "Kulisy", "Herci"}) tree.Dir(dir + sub);
        for (const std::string& p : pages) tree.File(dir + p + ".str");
        for (const std::string& t : thumbs) Bmp(dir + t + ".thm", 100, 50);
    }
    static std::vector<int> Values(tf_CDUIR* list) {
        std::vector<int> v;
        for (int i = 0; i < list->CountR(); ++i) v.push_back((*list)[i]->hodnota);
        return v;
    }
    static auto Shown() { return std::make_tuple(current_book, current_page, prev_page, next_page, dirty); }
    // The catalogue built and the first page of `name` shown.
    static int Open(const std::string& name) {
        NACITAJ_KNIHY();
        VOLBA_KNIHY(NAJDI_KNIHU(name.c_str()), true);
        return current_book;
    }
    // A change to save: a background line for the page file.
    static void Change(const std::string& book) {
        free(background_path);
        background_path = strdup(("..\\KNIHA_" + book + "\\Pozadia\\les.bmp").c_str());
        dirty = true;
    }
    // Root ignores the folder's mode, so writes are refused outright then.
    void ReadOnly(const std::string& book, bool on) {
        chmod(tree.Host("KNIHA_" + book).c_str(), on ? 0555 : 0755);
        plat_SetWriteFailure(on && geteuid() == 0);
    }

    test_support::TempTree tree;
    test_support::AssertCounter asserts;

private:
    char home_[4096] = "";
};

}  // namespace ks_test
