// The small files that once cost seconds, gigabytes or a write outside the book, each loaded
// the way the editor loads it: the peak memory grows by less than 64 MiB (their time is
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
