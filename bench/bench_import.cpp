// Importing a 12-megapixel JPEG photo (4000 x 3000) as the background of a 1920 x 1080 page
// (read, decoded, scaled down by area to 1440 x 1080, written as the book's BMP), beside
// ImageMagick's convert doing the same: the JPEG read, scaled by area ("-scale", its box
// average) and written as a 24-bit BMP. Each side's best of five runs. magick_over_ours is
// its processor time over ours (which other work on a shared machine does not stretch),
// target above 1, with the wall-clock ratio beside it; hinted_over_ours is the same for
// convert told the size first ("-define jpeg:size"), so that its JPEG decoder may skip detail
// the scaling throws away.
#include <SDL2/SDL_image.h>
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "bench/bench_support.h"
#include "book/px_import.h"
#include "platform/files.h"

namespace {
using bench::Clock;
using bench::NsSince;

constexpr int PHOTO_W = 4000, PHOTO_H = 3000, RUNS = 5;

// Smooth light with fine grain, as a photograph has.
bool write_photo(const std::string& path) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, PHOTO_W, PHOTO_H, 24, SDL_PIXELFORMAT_RGB24);
    if (!s) return false;
    for (int y = 0; y < PHOTO_H; ++y) {
        auto* row = static_cast<uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch;
        for (int x = 0; x < PHOTO_W; ++x) {
            const int grain = static_cast<int>((x * 2654435761u ^ y * 40503u) >> 28) - 8;
            const double u = x / double(PHOTO_W), v = y / double(PHOTO_H);
            const double c[3] = {120 + 90 * std::sin(6 * u) * std::cos(4 * v) + 40 * v, 100 + 70 * std::sin(9 * u * v),
                                 140 - 80 * u + 50 * std::cos(5 * v)};
            for (int k = 0; k < 3; ++k) row[3 * x + k] = static_cast<uint8_t>(std::clamp(int(c[k]) + grain, 0, 255));
        }
    }
    const bool ok = IMG_SaveJPG(s, path.c_str(), 90) == 0;
    SDL_FreeSurface(s);
    return ok;
}

struct Best {
    double wall = 1e30, cpu = 1e30;
    void Take(double w, double c) {
        wall = std::min(wall, w);
        cpu = std::min(cpu, c);
    }
};

// convert's best run of the command; false when it failed.
bool magick(const std::string& cmd, Best* best) {
    for (int i = 0; i < RUNS; ++i) {
        const Clock::time_point start = Clock::now();
        const double cpu = bench::ChildrenCpuS();
        if (std::system(cmd.c_str()) != 0) return false;
        best->Take(NsSince(start) / 1e9, bench::ChildrenCpuS() - cpu);
    }
    return true;
}

void BM_Import(benchmark::State& state) {
    char tmpl[] = "/tmp/pexlo-bench-XXXXXX";
    if (!mkdtemp(tmpl)) return state.SkipWithError("no temporary folder");
    const std::string root = tmpl, photo = root + "/photo.jpg", book = root + "/KNIHA_Bench";
    if (mkdir(book.c_str(), 0755) != 0 || !write_photo(photo)) return state.SkipWithError("photo not made");
    tf_LOG_SetONOFF(0);
    const std::string kniha = book;  // a program path: "/" is also a separator the platform takes
    Best ours;
    for (auto _ : state)
        for (int i = 0; i < RUNS; ++i) {
            const Clock::time_point start = Clock::now();
            const double cpu = bench::ProcessCpuS();
            const PX_ImportVysledok v = PX_IMPORT_Subory(kniha.c_str(), {photo}, PX_DRUH_POZADIE, 1920, 1080);
            ours.Take(NsSince(start) / 1e9, bench::ProcessCpuS() - cpu);
            if (!v.ok() || v.obrazky[0].sir != 1440) return state.SkipWithError("import failed");
            DeleteFileA(v.obrazky[0].bmp.c_str());
        }
    tf_LOG_SetONOFF(1);
    state.counters["ours_s"] = ours.wall;
    state.counters["ours_cpu_s"] = ours.cpu;
    Best plain, hinted;
    const std::string in = "'" + photo + "'", out = " 'BMP3:" + root + "/magick.bmp'";
    if (std::system("command -v convert >/dev/null 2>&1") != 0) {
        state.SetLabel("convert not found: the ImageMagick half is skipped");
    } else if (!magick("convert " + in + " -scale 1440x1080" + out, &plain) ||
               !magick("convert -define jpeg:size=1440x1080 " + in + " -scale 1440x1080" + out, &hinted)) {
        state.SetLabel("convert failed");
    } else {
        state.counters["magick_over_ours"] = plain.cpu / ours.cpu;
        state.counters["wall_ratio"] = plain.wall / ours.wall;
        state.counters["hinted_over_ours"] = hinted.cpu / ours.cpu;
        state.counters["hinted_wall_ratio"] = hinted.wall / ours.wall;
    }
    if (std::system(("rm -rf '" + root + "'").c_str()) != 0) state.SetLabel("temporary folder left behind");
}
BENCHMARK(BM_Import)
    ->Name("import a 12 MP JPEG as a 1920x1080 page's background")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
