// Exporting 5 s of a page of 60 actors over a photo-like background, played at 1920 x 1080
// and written at 960 x 540, beside ImageMagick's convert making a GIF of the same 100
// frames from BMP files (writing those is not timed). magick_over_ours is its processor
// time over ours (which other work on a shared machine does not stretch), target at least
// 1, with the wall-clock ratio beside it; size_ratio is our file's size over its, target
// at most 1.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "book/px_export.h"
#include "book/px_export_player.h"
#include "platform/bmp.h"
#include "platform/files.h"
#include "platform/pixel.h"
#include "platform/surface_copy.h"

namespace {
using bench::Clock;
using bench::NsSince;

constexpr int kScreenW = 1920, kScreenH = 1080, kOutW = 960, kOutH = 540;
constexpr int kActors = 60, kSheets = 3, kSide = 96, kPhases = 3;
const char kPage[] = "..\\KNIHA_Bench\\1.str";

uint16_t Pack(int r, int g, int b) {
    auto c = [](int v) { return static_cast<BYTE>(std::clamp(v, 0, 255)); };
    return plat_To565(RGB(c(r), c(g), c(b)));
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

// w x h pixels of pixel(x, y) (RGB565) as a BMP file.
template <class Pixel>
bool WritePicture(const std::string& path, int w, int h, Pixel pixel) {
    IDirectDrawSurface* s = plat_CreateTestSurface(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s->Row(y)[x] = pixel(x, y);
    const bool ok = WriteBytes(path, plat_EncodeSurfaceBMP(s));
    s->Release();
    return ok;
}

// Smooth light with fine grain, as a photograph has.
uint16_t Photo(int x, int y) {
    const unsigned grain = (static_cast<unsigned>(x) * 2654435761u ^ static_cast<unsigned>(y) * 40503u) >> 28;
    const double u = x / double(kScreenW), v = y / double(kScreenH);
    const double s = std::sin(6.0 * u) * std::cos(4.0 * v);
    const int g = static_cast<int>(grain) - 8;
    return Pack(static_cast<int>(120 + 90 * s + 40 * v) + g, static_cast<int>(100 + 70 * std::sin(9.0 * u * v)) + g,
                static_cast<int>(140 - 80 * u + 50 * std::cos(5.0 * v)) + g);
}

// A sheet of three shaded discs in cyan frames on a magenta ground (the transparent colour).
uint16_t Sheet(int sheet, int x, int y) {
    const int step = kSide + 1;
    if (x % step == 0 || y == 0 || y == step) return Pack(0, 255, 255);
    const int dx = x % step - kSide / 2, dy = y - kSide / 2, r = kSide / 2 - 4 - 4 * (x / step);
    if (dx * dx + dy * dy >= r * r) return Pack(255, 0, 255);
    const int light = 200 - (dx + dy) * 2;
    return Pack(light * (sheet == 0), light * (sheet != 1) / 2 + 40, light * (sheet != 2));
}

// A library with app/ and one book whose page 1 holds the photo and the 60 actors.
bool MakeBook(const std::string& root) {
    const std::string book = root + "/KNIHA_Bench";
    for (const std::string& d : {root + "/app", book, book + "/Pozadia", book + "/Kulisy", book + "/Herci"})
        if (mkdir(d.c_str(), 0755) != 0) return false;
    bool ok = WritePicture(book + "/Pozadia/foto.bmp", kScreenW, kScreenH, Photo);
    std::string page = "p foto 2\n";
    for (int s = 0; s < kSheets; ++s) {
        const std::string name = "pes" + std::to_string(s);
        ok = ok && WritePicture(book + "/Herci/" + name + ".bmp", kPhases * (kSide + 1) + 1, kSide + 2,
                                [s](int x, int y) { return Sheet(s, x, y); });
        std::string faz;
        for (int p = 0; p < kPhases; ++p) faz += std::to_string(p * (kSide + 1) + kSide / 2) + " 40\n";
        ok = ok && WriteBytes(book + "/Herci/" + name + ".faz", std::vector<uint8_t>(faz.begin(), faz.end()));
    }
    for (int i = 0; i < kActors; ++i)
        page += "h pes" + std::to_string(i % kSheets) + " " + std::to_string(i * 211 % (kScreenW - kSide)) + " " +
                std::to_string(i * 97 % (kScreenH - kSide)) + " " + std::to_string(i % 5 + 1) + " " +
                std::to_string(i % 2 + 1) + " " + std::to_string(i % 3) + "\n";
    return ok && WriteBytes(book + "/1.str", std::vector<uint8_t>(page.begin(), page.end()));
}

// The frames of the page as BMP files f_000.bmp ... in `dir`.
bool WriteFrames(PX_Player& player, const PX_Frames& frames, const std::string& dir) {
    if (!player.Load(kPage, nullptr)) return false;
    IDirectDrawSurface* s = plat_CreateTestSurface(kOutW, kOutH);
    std::vector<uint16_t> px;
    bool ok = true;
    for (size_t k = 0; k < frames.ticks.size() && ok; ++k) {
        player.Frame(frames.ticks[k], &px);
        for (int y = 0; y < kOutH; ++y) std::copy_n(px.data() + static_cast<size_t>(y) * kOutW, kOutW, s->Row(y));
        char name[32];
        snprintf(name, sizeof name, "/f_%03zu.bmp", k);
        ok = WriteBytes(dir + name, plat_EncodeSurfaceBMP(s));
    }
    s->Release();
    return ok;
}

long FileSize(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

bool Run(const std::string& cmd) { return std::system(cmd.c_str()) == 0; }

double OwnCpuS() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

double ChildrenCpuS() {
    rusage u;
    getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_Export(benchmark::State& state) {
    char tmpl[] = "/tmp/pexlo-bench-XXXXXX";
    char home[4096];
    if (!mkdtemp(tmpl) || !getcwd(home, sizeof home)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string root = tmpl, frames_dir = root + "/frames";
    if (!MakeBook(root) || mkdir(frames_dir.c_str(), 0755) != 0 || chdir((root + "/app").c_str()) != 0) {
        state.SkipWithError("book not made");
        return;
    }
    tf_LOG_SetONOFF(0);
    const PX_Frames frames = PX_Export_Frames(PX_Timing{5, 20, 16});
    std::string ours_gif = root + "/ours.gif";
    double ours = 0, ours_cpu = 0;
    {
        PX_Player player(kScreenW, kScreenH, kOutW, kOutH);
        player.Open_book("..\\KNIHA_Bench");
        for (auto _ : state) {
            const Clock::time_point start = Clock::now();
            const double cpu = OwnCpuS();
            const std::vector<uint8_t> gif = PX_Export_Page(player, kPage, frames, nullptr);
            plat_WriteHostFileAtomic(ours_gif, gif.data(), gif.size());
            ours += NsSince(start);
            ours_cpu += OwnCpuS() - cpu;
        }
        if (!WriteFrames(player, frames, frames_dir)) state.SkipWithError("frames not written");
    }
    tf_LOG_SetONOFF(1);
    const double ours_run = ours / static_cast<double>(state.iterations());
    const double ours_cpu_run = ours_cpu / static_cast<double>(state.iterations());
    state.counters["ours_cpu_s"] = ours_cpu_run;
    state.counters["ours_bytes"] = static_cast<double>(FileSize(ours_gif));

    const std::string magick_gif = root + "/magick.gif";
    if (!Run("command -v convert >/dev/null 2>&1")) {
        state.SetLabel("convert not found: the ImageMagick half is skipped");
    } else {
        const Clock::time_point start = Clock::now();
        const double cpu = ChildrenCpuS();
        if (!Run("convert -delay 5 -loop 0 '" + frames_dir + "'/f_*.bmp '" + magick_gif + "'"))
            state.SetLabel("convert failed");
        const double magick = NsSince(start), magick_cpu = ChildrenCpuS() - cpu;
        state.counters["magick_cpu_s"] = magick_cpu;
        state.counters["magick_bytes"] = static_cast<double>(FileSize(magick_gif));
        state.counters["magick_over_ours"] = magick_cpu / ours_cpu_run;
        state.counters["wall_ratio"] = magick / ours_run;
        state.counters["size_ratio"] = static_cast<double>(FileSize(ours_gif)) / FileSize(magick_gif);
    }
    if (chdir(home) != 0 || !Run("rm -rf '" + root + "'")) state.SetLabel("temporary folder left behind");
}
BENCHMARK(BM_Export)->Name("export 5 s of a 60-actor page at 960x540")->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
