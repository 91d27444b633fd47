// The catalogue built at start-up (NACITAJ_KNIHY with the editor's books and pages lists) for a
// library of 200 books of 40 pages beside one of 50 books: every book with its icon, every page
// with its thumbnail. Four times the pages should cost about four times the time: the counter
// big_over_small is the ratio of the two builds, each counted by its quickest of alternating
// rounds (processor time). Target: 4.4 or less. first_pages_ms is the first listing of one
// book's pages (its thumbnails loaded), the same for both libraries.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "book/pexlo.h"
#include "framework/widgets/tf_duir.h"

namespace {
using bench::Measure;

constexpr int PAGES = 40, SMALL = 50, BIG = 200;

// A library of `books` books beside its folder "app"; the pictures are hard links to one of
// each, so that thousands of them take no room.
struct Library {
    Library(const std::string& root, int books, const std::string& icon, const std::string& thumbnail) : root(root) {
        mkdir(root.c_str(), 0755);
        mkdir((root + "/app").c_str(), 0755);
        for (int b = 0; b < books; ++b) {
            const std::string book = root + "/KNIHA_Kniha" + std::to_string(b);
            for (const char* sub : {"", "/Pozadia", "/Kulisy", "/Herci"}) mkdir((book + sub).c_str(), 0755);
            ok = ok && link(icon.c_str(), (book + "/kniha_ikona.bmp").c_str()) == 0;
            for (int p = 1; p <= PAGES; ++p) {
                const std::string page = book + "/" + std::to_string(p);
                if (FILE* f = fopen((page + ".str").c_str(), "w")) {
                    fputs("p luka 4\nk strom 110 430 6 1 0\nh pes 760 720 1 1 3\n", f);
                    fclose(f);
                }
                ok = ok && link(thumbnail.c_str(), (page + ".thm").c_str()) == 0;
            }
        }
    }
    std::string root;
    bool ok = true;
};

// The catalogue of the library whose "app" is the working folder, built as at start-up.
void build() {
    duir_STRANY = new tf_CDUIR("duir_STRANY");
    duir_KNIHY = new tf_CDUIR("duir_KNIHY");
    NACITAJ_KNIHY();
}

void BM_Catalogue(benchmark::State& state) {
    char tmpl[] = "/tmp/pexlo-bench-XXXXXX";
    char home[4096] = "";
    if (!mkdtemp(tmpl) || !getcwd(home, sizeof home)) return state.SkipWithError("no folder");
    const std::string root = tmpl, icon = root + "/icon.bmp", thumbnail = root + "/thumbnail.bmp";
    bench::Display display;
    bench::WriteBmp(icon, 102, 77, [](int x, int y) { return unsigned(x * 2311 ^ y * 977) & 0xFFFFFF; });
    bench::WriteBmp(thumbnail, 88, 50, [](int x, int y) { return unsigned(x * 1277 ^ y * 4099) & 0xFFFFFF; });
    const Library small(root + "/small", SMALL, icon, thumbnail), big(root + "/big", BIG, icon, thumbnail);
    if (!small.ok || !big.ok) state.SkipWithError("library not made");
    PX_STAV_Reset();
    double best_small = 1e18, best_big = 1e18, first_pages = 1e18;
    for (auto _ : state) {
        for (const Library* library : {&small, &big}) {
            if (chdir((library->root + "/app").c_str()) != 0) return state.SkipWithError("no library");
            double& best = library == &small ? best_small : best_big;
            best = std::min(best, Measure(1, build).cpu);
            if (library == &big)
                first_pages = std::min(first_pages, Measure(1, [] { NAPLN_STRANY(PX_FIRST_BOOK_ID, false); }).cpu);
            UVOLNI_VSETKO();
            PX_STAV_Reset();
        }
    }
    state.counters["small_ms"] = best_small / 1e6;
    state.counters["big_ms"] = best_big / 1e6;
    state.counters["big_over_small"] = best_big / best_small;
    state.counters["first_pages_ms"] = first_pages / 1e6;
    if (chdir(home) != 0) state.SkipWithError("no way back");
    std::system(("rm -rf '" + root + "'").c_str());
}
BENCHMARK(BM_Catalogue)
    ->Name("catalogue 8,000 pages over catalogue 2,000 pages")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
