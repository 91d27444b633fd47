// The small files that once cost seconds, gigabytes or a write outside the book, each loaded
// the way the editor loads it: the peak memory grows by less than their budget (their time is
// measured by the benchmarks).
#include "framework/core/tf_dso.h"
#include "platform/dsound.h"
#include "tests/book/book_fixture.h"
#include "tests/support/findings.h"

using namespace book_test;

TEST_F(KsBooks, FilesThatOnceCostGigabytesStayWithinTheirBudget) {
    Book("b", {"1"});
    for (int i = 0; i < 10; ++i)
        tree.File("KNIHA_b/Kulisy/bomba" + std::to_string(i) + ".bmp", findings::RleBomb(16384, 4096));
    tree.File("KNIHA_b/Kulisy/bomba.bmp", findings::RleBomb(8192, 4096));  // within the sides
    Picture("KNIHA_b/Herci/pes.bmp", 28, 10);
    tree.File("KNIHA_b/Herci/pes.faz", findings::EndlessPhases(4 << 20));
    std::string page;
    for (int i = 0; i < 60; ++i) page += "h pes " + std::to_string(i) + " 5 3 1 0\n";
    tree.File("KNIHA_b/1.str", page);
    tree.File("pomaly.wav", findings::Wav(100, 60000));
    tree.Dir("KNIHA_b\\..\\app\\KNIHA_DEFNEW");
    tree.Dir("app/KNIHA_DEFNEW");
    tree.File("app/KNIHA_DEFNEW/1.str");

    const std::pair<const char*, std::function<void()>> rows[] = {
        {"RLE pictures declaring 16384 x 4096 and 8192 x 4096",
         [] {
             VOLBA_KNIHY(NAJDI_KNIHU("b"), false);
             for (int i = 0; i < utl_duir_Kulisy->CountR(); ++i)
                 PRIDAJ_KULISU(static_cast<const char*>((*utl_duir_Kulisy)[i]->data), 0, 0, 1, 1);
         }},
        {"60 actors of a 4 MB phases file", [] { VOLBA_KNIHY(NAJDI_KNIHU("b"), true); }},
        {"a 60 KB sound at 100 Hz",
         [&] {
             plat_DSound_SetDevice(PLAT_SOUND_FAKE);
             tf_DSO_INIT(nullptr);
             tf_CDSO_Zvuk zvuk;
             zvuk.NAHRAJ_FILE(tree.Path("pomaly.wav").c_str());
         }},
        {"a book folder whose name leads into the template", [] { NACITAJ_KNIHY(); }},
    };
    NACITAJ_KNIHY();
    for (const auto& [finding, load] : rows) {
        const long kib = test_support::PeakGrowthKiB(load);
        EXPECT_TRUE(kib >= 0 && kib < 64 * 1024) << finding << ": " << kib << " KiB";
    }
    VOLBA_KNIHY(NAJDI_KNIHU("b"), true);  // what the rows did, seen here
    EXPECT_EQ(std::tuple(REG.count, Obj(0)->PocetFaz(), utl_duir_Kulisy->CountR(), KS.count),
              std::tuple(60, 256, 11, 1));
}

// The 132-byte and the 8 KB RLE8 files that declare 8192 x 4096 and write no pixel: as the
// thumbnails of twenty pages they are refused from their headers, as props by the RLE reader,
// each load growing the memory by less than 1 MiB. Their pages show no icon, the good one its own.
TEST_F(KsBooks, PicturesThatDeclareWhatTheirBytesCannotFillAreRefusedBeforeTheyCost) {
    std::vector<std::string> pages;
    for (int i = 1; i <= 21; ++i) pages.push_back(std::to_string(i));
    Book("b", pages, {"21"});
    for (int i = 1; i <= 20; ++i)
        tree.File("KNIHA_b/" + std::to_string(i) + ".thm", i % 2 ? findings::RleMoves() : findings::RleLineEnds());
    tree.File("KNIHA_b/Kulisy/tahy.bmp", findings::RleMoves());
    tree.File("KNIHA_b/Kulisy/konce.bmp", findings::RleLineEnds());
    const auto thumbnails = [&](int from, int to) {
        return [&, from, to] {
            for (int i = from; i <= to; ++i)
                delete PX_Nahraj_nahlad(tree.Path("KNIHA_b/" + std::to_string(i) + ".thm").c_str());
        };
    };
    const auto add_prop = [&](const char* name) {
        PRIDAJ_KULISU(tree.Path(std::string("KNIHA_b/Kulisy/") + name).c_str(), 0, 0, 1, 1);
    };
    // Each time afresh: a picture that another prop shows already would be shared.
    const auto prop = [&](const char* name) {
        return [&, name] {
            add_prop(name);
            VYMAZ_REG();
        };
    };
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"the 132-byte thumbnail", thumbnails(1, 1)}, {"the 8 KB thumbnail", thumbnails(2, 2)},
        {"twenty of them", thumbnails(1, 20)},        {"the 132-byte prop", prop("tahy.bmp")},
        {"the 8 KB prop", prop("konce.bmp")},
    };
    // What the measures leave out: the book's lists with their fonts.
    NACITAJ_KNIHY();
    VOLBA_KNIHY(NAJDI_KNIHU("b"), false);
    for (const auto& [finding, load] : rows) {
        const long kib = test_support::PeakGrowthKiB(load, true);
        EXPECT_TRUE(kib >= 0 && kib < 1024) << finding << ": " << kib << " KiB";
    }
    std::vector<bool> icons, want(20, false);
    for (int i = 0; i < KS.count; ++i) icons.push_back(static_cast<struct_kniha_strana*>(KS.GET(i))->page_icon);
    want.push_back(true);
    EXPECT_EQ(icons, want);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "Nahlad nie je obrazok do 1024 x 1024"}));
    add_prop("tahy.bmp");
    add_prop("konce.bmp");
    EXPECT_EQ(std::tuple(REG.count, Obj(0)->srf->lpDDS, Obj(1)->srf->lpDDS), std::tuple(2, nullptr, nullptr));
}
