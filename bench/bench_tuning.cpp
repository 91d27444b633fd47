// A frame at 1920 x 1080 with the layout tuning overlay on the screen's container (help and
// widget panels with their rims, the markers and a dot per child) beside the same frame
// without it. The column x_plain is the first over the second.
#include "bench/bench_support.h"
#include "framework/tuning/tf_km.h"

namespace {
void BM_TuningFrame(benchmark::State& state) {
    bench::Display display;
    tf_KM_Zapni(&display.screen);
    for (auto _ : state) tf_APP_Redraw_Frame();
    const bench::Cost tuned = bench::Measure(state.iterations(), tf_APP_Redraw_Frame);
    tf_KM_on = false;
    const bench::Cost plain = bench::Measure(state.iterations(), tf_APP_Redraw_Frame);
    state.counters["x_plain"] = tuned.cpu / plain.cpu;
}
BENCHMARK(BM_TuningFrame)->Name("frame 1920x1080 with the tuning overlay")->Unit(benchmark::kMicrosecond);
}  // namespace
