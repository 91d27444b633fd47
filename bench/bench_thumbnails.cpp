// Thumbnails (mod 1, box 100 x 75) of 20 photo-like 1920 x 1080 pictures, beside ImageMagick
// squeezing copies of the same files to 100 x 75 in one mogrify run. The column
// magick_over_ours is ImageMagick's time over ours; the target is more than 1.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "framework/surface/tf_dbmp.h"

namespace {
using bench::Clock;
using bench::NsSince;

constexpr int PICTURES = 20, W = 1920, H = 1080;

// Smooth light and shapes with fine grain, different for every picture, as a photograph has.
void write_photo(const std::string& path, int seed) {
    unsigned noise = 12345u + static_cast<unsigned>(seed);
    bench::WriteBmp(path, W, H, [&](int x, int y) {
        noise = noise * 1103515245u + 12345u;
        const int grain = static_cast<int>(noise >> 27) - 16;
        const double u = x / double(W), v = y / double(H);
        const double s = std::sin(6.0 * u + seed) * std::cos(4.0 * v - seed * 0.7);
        const int r = static_cast<int>(120 + 90 * s + 40 * v) + grain;
        const int g = static_cast<int>(100 + 70 * std::sin(9.0 * u * v + seed)) + grain;
        const int b = static_cast<int>(140 - 80 * u + 50 * std::cos(5.0 * v + seed)) + grain;
        return uint32_t(std::clamp(r, 0, 255)) << 16 | uint32_t(std::clamp(g, 0, 255)) << 8 | std::clamp(b, 0, 255);
    });
}

bool run(const std::string& cmd) { return std::system(cmd.c_str()) == 0; }

std::string program_path(std::string host) {
    std::replace(host.begin(), host.end(), '/', '\\');
    return host;
}

void remove_thumbnails(const std::string& dir) {
    for (int i = 0; i < PICTURES; ++i) remove((dir + "/photo" + std::to_string(i) + ".thm").c_str());
}

void BM_Thumbnails(benchmark::State& state) {
    char tmpl[] = "/tmp/pexlo-bench-XXXXXX";
    if (!mkdtemp(tmpl)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string root = tmpl, ours = root + "/ours", theirs = root + "/magick", out = root + "/out";
    for (int i = 0; i < PICTURES; ++i) write_photo(root + "/photo" + std::to_string(i) + ".bmp", i);
    if (!run("mkdir -p '" + ours + "' '" + theirs + "' '" + out + "' && cp '" + root + "'/*.bmp '" + ours +
             "'/ && mv '" + root + "'/*.bmp '" + theirs + "'/")) {
        state.SkipWithError("pictures not made");
        return;
    }

    bench::Display display;
    const std::string dir = program_path(ours);
    double ns = 0;
    for (auto _ : state) {
        remove_thumbnails(ours);
        const Clock::time_point start = Clock::now();
        tf_BMP_Vytvor__bmp2thm(dir.c_str(), 100, 75, 1);
        ns += NsSince(start);
    }
    const double per_run = ns / static_cast<double>(state.iterations());
    state.counters["ours_ms"] = per_run / 1e6;

    if (!run("command -v mogrify >/dev/null 2>&1")) {
        state.SetLabel("mogrify not found: the ImageMagick half is skipped");
    } else {
        const std::string cmd = "mogrify -path '" + out + "' -format bmp -thumbnail '100x75!' '" + theirs + "'/*.bmp";
        double magick = 0;
        for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) {
            const Clock::time_point start = Clock::now();
            if (!run(cmd)) state.SetLabel("mogrify failed");
            magick += NsSince(start);
        }
        const double magick_run = magick / static_cast<double>(state.iterations());
        state.counters["magick_ms"] = magick_run / 1e6;
        state.counters["magick_over_ours"] = magick_run / per_run;
    }
    if (!run("rm -rf '" + root + "'")) state.SetLabel("temporary folder left behind");
}
BENCHMARK(BM_Thumbnails)
    ->Name("thumbnails of 20 photos 1920x1080 into 100x75")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
