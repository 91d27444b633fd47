// One whole frame of the application frame at 1920 x 1080 on the headless display (the
// fill and the copy of the back buffer to the primary) beside a plain memcpy of the same
// 4 MB, the floor any presentation stands on. The column x_memcpy is the frame's time over
// the memcpy's; the target is 3 or less.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/bench_support.h"

namespace {
using bench::Clock;
using bench::NsSince;
constexpr size_t FRAME_BYTES = size_t{1920} * 1080 * 2;

struct Frames {
    std::vector<char> from = std::vector<char>(FRAME_BYTES, 7), to = std::vector<char>(FRAME_BYTES);
    void Copy() {
        memcpy(to.data(), from.data(), FRAME_BYTES);
        benchmark::ClobberMemory();
    }
};

void BM_AppRedrawFrame(benchmark::State& state) {
    bench::Display display;
    const Clock::time_point start = Clock::now();
    for (auto _ : state) tf_APP_Redraw_Frame();
    const double frame = NsSince(start) / static_cast<double>(state.iterations());

    Frames floor;
    const Clock::time_point copy_start = Clock::now();
    for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) floor.Copy();
    const double copy = NsSince(copy_start) / static_cast<double>(state.iterations());
    state.counters["x_memcpy"] = frame / copy;
}
BENCHMARK(BM_AppRedrawFrame)->Name("app frame 1920x1080 (fill + present)")->Unit(benchmark::kMicrosecond);

void BM_Memcpy4MB(benchmark::State& state) {
    Frames floor;
    for (auto _ : state) floor.Copy();
}
BENCHMARK(BM_Memcpy4MB)->Name("memcpy 1920x1080x2 bytes")->Unit(benchmark::kMicrosecond);

}  // namespace
