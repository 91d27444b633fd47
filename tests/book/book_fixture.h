// The book tests' set-up: each test runs inside the working folder "app" of a scratch folder
// that holds its books; DrawnBook fills such a book. PageTest: a 250 x 120 screen on a larger
// back buffer, the prop "strom" (16 x 12), the actor "pes" (three 8 x 8 phases framed in cyan,
// a transparent pixel at (6, 6) of each, listed in its phases file), the background "les".
#pragma once
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "book/pexlo.h"
#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_utl.h"
#include "platform/files.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

namespace book_test {

constexpr uint32_t KEY = 0xFF00FF, FRAME = 0x00FFFF;                   // see-through ground, phase frames
constexpr uint32_t TREE = 0x2E9E3E, DOG = 0xF08A24, GRASS = 0x5CC45C;  // a drawn book's prop, actor, background

// A 24-bit picture at `rel` drawn by `rgb` (0xRRGGBB; one grey without it).
inline void WritePicture(const test_support::TempTree& tree, const std::string& rel, int w, int h,
                         const std::function<uint32_t(int, int)>& rgb = {}) {
    bmp_fixture::Image img{w, h, {}};
    for (int i = 0; i < w * h; ++i) img.px.push_back(rgb ? rgb(i % w, i / w) : 0x808080u);
    const std::vector<uint8_t> bmp = bmp_fixture::Write(img, bmp_fixture::Form{});
    tree.File(rel, std::string(bmp.begin(), bmp.end()));
}

// The book folder `dir` with its picture folders, these page files (name: lines), the
// background "les" (sky over grass), the prop "strom" (one phase) and the actor "pes" (three),
// with their phases files.
inline void DrawnBook(const test_support::TempTree& tree, const std::string& dir,
                      const std::map<std::string, std::string>& pages) {
    for (const char* sub : {"", "/Pozadia", "/Kulisy", "/Herci"}) tree.Dir(dir + sub);
    for (const auto& [name, content] : pages) tree.File(dir + "/" + name + ".str", content);
    WritePicture(tree, dir + "/Pozadia/les.bmp", 64, 48, [](int, int y) { return y < 30 ? 0x8FD3FFu : GRASS; });
    // Phases side by side, each a disc (a bluer one each phase) in w x h inside frame lines.
    for (auto [rel, w, h, phases, rgb] :
         {std::tuple(dir + "/Kulisy/strom", 58, 78, 1, TREE), {dir + "/Herci/pes", 48, 40, 3, DOG}}) {
        std::string faz;
        for (int i = 0; i < phases; ++i) faz += std::to_string(i * (w + 1) + 3) + " 3\n";
        tree.File(rel + ".faz", faz);
        const int r = std::min(w, h) / 2 - 2;
        WritePicture(tree, rel + ".bmp", phases * (w + 1) + 1, h + 2, [&](int x, int y) {
            const int u = x % (w + 1), dx = 2 * u - 1 - w, dy = 2 * y - 1 - h;
            if (u == 0 || y == 0 || y == h + 1) return FRAME;
            return dx * dx + dy * dy > 4 * r * r ? KEY : rgb + 0x20 * (x / (w + 1));
        });
    }
}

// The values of a row list's rows.
inline std::vector<int> Values(tf_CDUIR* list) {
    std::vector<int> v;
    for (int i = 0; list && i < list->CountR(); ++i) v.push_back((*list)[i]->hodnota);
    return v;
}
inline CHerec* Obj(int i) { return REG_Objekt(i); }
inline tf_TFAZA Phase(CHerec* o, int i) { return *o->Faza(i); }
inline uint16_t Raw(const CHerec* o, int x, int y) { return o->srf->lpDDS->Row(y)[x]; }
using test_support::LogHas;

class BookTest : public testing::Test {
protected:
    void SetUp() override {
        tree.Dir("app");
        app_.emplace(tree.Host("app"));
        test_support::FreshLog();
        PX_STAV_Reset();
        PX_srand(1);
        ASSERT_EQ(DirectDrawCreate(nullptr, &tf_lpDD, nullptr), DD_OK);
    }
    void TearDown() override {
        plat_SetWriteFailure(false);
        plat_SetWriteLimit(-1);
        plat_SetWriteFailureStep(PLAT_WRITE_STEP_NONE);
        PX_STAV_Reset();
        tf_lpDD->Release();
        tf_lpDD = nullptr;
    }
    // A 24-bit picture in the scratch folder (one grey without `rgb`); its program path.
    std::string Picture(const std::string& rel, int w, int h, const std::function<uint32_t(int, int)>& rgb = {}) {
        WritePicture(tree, rel, w, h, rgb);
        return tree.Path(rel);
    }

    test_support::TempTree tree;

private:
    std::optional<test_support::InFolder> app_;
};

class PageTest : public BookTest {
public:
    static constexpr int W = 250, H = 120;
    static constexpr uint16_t FILL = 500;

protected:
    void SetUp() override {
        BookTest::SetUp();
        std::swap(tf_ScreenW, saved_w);
        std::swap(tf_ScreenH, saved_h);
        background_surface = &background;
        utl_duir_Pozadia = &pozadia;
        utl_duir_Kulisy = &kulisy;
        utl_duir_Herci = &herci;
        strom = Picture("strom.bmp", 16, 12, [](int x, int y) {
            return x % 15 == 0 || y % 11 == 0 ? 0x00FFFFu : x == 6 && y == 6 ? 0xFF00FFu : 0x00FF00u;
        });
        pes = Picture("pes.bmp", 28, 10, [](int x, int y) {  // frame: columns 0, 9, 18, 27
            return x % 9 == 0 || y % 9 == 0 ? 0x00FFFFu : x % 9 == 6 && y == 6 ? 0xFF00FFu : 0x400000u * (x / 9 + 1);
        });
        tree.File("pes.faz", "3 3\n0xc 3\r\n024 3\n");  // a line as Windows ends it
        Picture("les.bmp", 40, 30, [](int x, int) { return 0x102030u * (x / 20 + 1); });
        for (auto [list, name] : {std::pair(&kulisy, "strom"), {&herci, "pes"}, {&pozadia, "les"}})
            list->PRIDAJR(1, name, nullptr, false)->data = strdup(tree.Path(name + std::string(".bmp")).c_str());
    }
    void TearDown() override {
        VYMAZ_REG();
        PX_HIST_Vymaz();  // the run's histories outlive a page: the next test starts with none
        BookTest::TearDown();
        std::swap(tf_ScreenW, saved_w);
        std::swap(tf_ScreenH, saved_h);
        back->Release();
    }
    std::string PageFile(const std::string& content) {
        tree.File("1.str", content);
        return tree.Path("1.str");
    }
    uint16_t Px(int x, int y) { return back->Row(y)[x]; }

    IDirectDrawSurface* back = plat_CreateTestSurface(W + 50, H + 30);
    tf_CDas_Surface background{"pozadie"};
    tf_UTL_CDUIR_THMFILE pozadia, kulisy, herci;
    std::string strom, pes;  // program paths

private:
    int saved_w = W, saved_h = H;
};

class KsBooks : public BookTest {
protected:
    void SetUp() override {
        BookTest::SetUp();
        tf_CDUI_NoVoid = true;
        tf_lpDDSBack = plat_CreateTestSurface(320, 160);
        duir_KNIHY = new tf_CDUIR("duir_KNIHY");
        duir_STRANY = new tf_CDUIR("duir_STRANY");
        utl_duir_Pozadia = new tf_UTL_CDUIR_THMFILE("utl_duir_Pozadia");
        utl_duir_Kulisy = new tf_UTL_CDUIR_THMFILE("utl_duir_Kulisy");
        utl_duir_Herci = new tf_UTL_CDUIR_THMFILE("utl_duir_Herci");
    }
    void TearDown() override {
        UVOLNI_VSETKO();
        BookTest::TearDown();
        tf_lpDDSBack->Release();
        tf_lpDDSBack = nullptr;
    }
    // "KNIHA_<name>" with its picture folders, empty page files, and thumbnails of `thumbs`.
    void Book(const std::string& name, const std::vector<std::string>& pages, const std::vector<std::string>& thumbs = {}) {
        const std::string dir = "KNIHA_" + name + "/";
        for (const char* sub : {"", "Pozadia", "Kulisy", "Herci"}) tree.Dir(dir + sub);
        for (const std::string& p : pages) tree.File(dir + p + ".str");
        for (const std::string& t : thumbs) Picture(dir + t + ".thm", 100, 50);
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

    test_support::AssertCounter asserts;
};

}  // namespace book_test
