// A row list of 8 visible rows with book icons over its white net, scrolled a few pixels and
// drawn once per frame on the 1920 x 1080 back buffer, beside the full-frame colour fill of
// the same buffer measured in the same run. The column fill_over_list is the fill's time over
// the list's; the target is more than 1 (the list costs less than the fill).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/bench_support.h"
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_duir.h"

namespace {
using bench::Clock;
using bench::NsSince;

constexpr int ROWS = 40, SCROLL_STEP = 7;

void BM_RowListFrame(benchmark::State& state) {
    bench::Display display;
    tf_CDUI_NoVoid = true;
    tf_CIcon book("kniha_ikona_default.bmp");
    tf_CDUIR list;
    // Shaped as the editor's picture lists: thumbnails of about 100 x 75 beside their names.
    list.Nastav_Konstanty(76, 81, 200, 5);
    list.max_viditelnych = 8;
    list.SetIconMode("LC");
    list.ikona_okraj = 2;
    list.SetTextMode("LC");
    list.text_okraj = 106;
    char caption[32];
    for (int i = 0; i < ROWS; ++i) {
        snprintf(caption, sizeof caption, "Kniha %d", i + 1);
        list.PRIDAJ(i + 1, caption, &book);
    }
    list.CHOD_NA(100, 100);
    list.ZOBRAZ(tf_lpDDSBack);  // laid out once, so the range is known

    int offset = 0;
    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        // The slider moved: the view follows at this frame's drawing.
        offset = offset + SCROLL_STEP > list.max_posun ? 0 : offset + SCROLL_STEP;
        list.posuvnik.SP(offset);
        list.zmena_r = true;
        list.ZOBRAZ(tf_lpDDSBack);
    }
    const double frame = NsSince(start) / static_cast<double>(state.iterations());

    const Clock::time_point fill_start = Clock::now();
    for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) DDSURFACE_ZMAZ(tf_lpDDSBack, 0x1234);
    const double fill = NsSince(fill_start) / static_cast<double>(state.iterations());
    state.counters["fill_us"] = fill / 1000;
    state.counters["fill_over_list"] = fill / frame;
}
BENCHMARK(BM_RowListFrame)->Name("row list 8 rows + icons, 1920x1080")->Unit(benchmark::kMicrosecond);

}  // namespace
