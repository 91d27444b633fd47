// Undo on a full page at 1920 x 1080: 60 actors of 128 x 128 from five pictures. The cost
// of recording one edit (an actor moved) and of one undo and one redo with the history full,
// each as a share of the 16 ms frame and beside drawing that page in the same run; and the
// history's bytes per step. Targets: record_pct_of_16ms and undo_pct_of_16ms under 5.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "book/pexlo.h"
#include "book/px_editor_cmd.h"
#include "book/px_historia.h"

namespace {
using bench::CpuNs;

constexpr int ACTORS = 60, PICTURES = 5;

// The actors' pictures in a scratch folder, and the page made of them.
struct Page {
    Page() {
        char tmpl[] = "/tmp/pexlo-bench-XXXXXX";
        dir = mkdtemp(tmpl) ? tmpl : "/tmp";
        PX_STAV_Reset();
        for (int p = 0; p < PICTURES; ++p) bench::WriteActor(dir + "/a" + std::to_string(p), p * 0x301000u);
        for (int i = 0; i < ACTORS; ++i)
            PRIDAJ_HERCA((dir + "/a" + std::to_string(i % PICTURES) + ".bmp").c_str(), i * 211 % 1792, i * 97 % 952,
                         i % 6 + 1, i % 2 + 1, i % 3);
    }
    ~Page() {
        PX_HIST_Vymaz();
        VYMAZ_REG();
        PX_STAV_Reset();
        for (int p = 0; p < PICTURES; ++p)
            for (const char* ext : {".bmp", ".faz"}) remove((dir + "/a" + std::to_string(p) + ext).c_str());
        rmdir(dir.c_str());
    }
    std::string dir;
};

// Processor time of one run of `work`, averaged over n runs.
template <class Work>
double cpu_of(int n, Work work) {
    const double cpu = CpuNs();
    for (int i = 0; i < n; ++i) work(i);
    return (CpuNs() - cpu) / n;
}

void BM_Undo(benchmark::State& state) {
    bench::Display display;
    Page page;
    if (REG.count != ACTORS) return state.SkipWithError("the page could not be made");
    int moves = 0;
    const double cpu = CpuNs();
    for (auto _ : state) {
        PX_HIST_Zaznam(PX_UPRAVA_PRESUN);
        CHerec* o = REG_Objekt(moves++ % ACTORS);
        o->Umiestni((o->x + 7) % 1792, o->y);
    }
    const double record = (CpuNs() - cpu) / static_cast<double>(state.iterations());
    const int steps = PX_HIST_Krokov();
    const int n = steps / 2;
    const double undo = cpu_of(n, [](int) { PX_Undo(); });
    const double redo = cpu_of(n, [](int) { PX_Redo(); });
    const double draw = cpu_of(50, [](int) { ZOBRAZ_STRANU(tf_lpDDSBack); });
    state.counters["record_pct_of_16ms"] = record / 16e6 * 100;
    state.counters["undo_pct_of_16ms"] = undo / 16e6 * 100;
    state.counters["redo_pct_of_16ms"] = redo / 16e6 * 100;
    state.counters["undo_over_page_draw"] = undo / draw;
    state.counters["steps"] = steps;
    state.counters["bytes_per_step"] = static_cast<double>(PX_HIST_Pamat()) / steps;
}
BENCHMARK(BM_Undo)->Name("undo 60-actor page")->Unit(benchmark::kMicrosecond);

}  // namespace
