// Exporting 5 s of a page of 60 actors over a photo-like background, played at 1920 x 1080
// and written at 960 x 540, beside ImageMagick's convert making a GIF of the same 100
// frames from BMP files (writing those is not timed). magick_over_ours is its processor
// time over ours (which other work on a shared machine does not stretch), target at least
// 1, with the wall-clock ratio beside it; size_ratio is our file's size over its, target
// at most 1.
#include <benchmark/benchmark.h>
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
#include "platform/files.h"

namespace {
using bench::Clock;
using bench::NsSince;

constexpr int SCREEN_W = 1920, SCREEN_H = 1080, OUT_W = 960, OUT_H = 540;
constexpr int ACTORS = 60, SHEETS = 3, SIDE = 96, PHASES = 3;
const char PAGE[] = "..\\KNIHA_Bench\\1.str";

uint32_t pack(int r, int g, int b) {
    auto c = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
    return c(r) << 16 | c(g) << 8 | c(b);
}

bool write_text(const std::string& path, const std::string& text) {
    return plat_WriteHostFileAtomic(path, text.data(), text.size());
}

// Smooth light with fine grain, as a photograph has.
uint32_t photo(int x, int y) {
    const unsigned grain = (static_cast<unsigned>(x) * 2654435761u ^ static_cast<unsigned>(y) * 40503u) >> 28;
    const double u = x / double(SCREEN_W), v = y / double(SCREEN_H);
    const double s = std::sin(6.0 * u) * std::cos(4.0 * v);
    const int g = static_cast<int>(grain) - 8;
    return pack(static_cast<int>(120 + 90 * s + 40 * v) + g, static_cast<int>(100 + 70 * std::sin(9.0 * u * v)) + g,
                static_cast<int>(140 - 80 * u + 50 * std::cos(5.0 * v)) + g);
}

// A sheet of three shaded discs in cyan frames on a magenta ground (the transparent colour).
uint32_t sprite_sheet(int sheet, int x, int y) {
    const int step = SIDE + 1;
    if (x % step == 0 || y == 0 || y == step) return pack(0, 255, 255);
    const int dx = x % step - SIDE / 2, dy = y - SIDE / 2, r = SIDE / 2 - 4 - 4 * (x / step);
    if (dx * dx + dy * dy >= r * r) return pack(255, 0, 255);
    const int light = 200 - (dx + dy) * 2;
    return pack(light * (sheet == 0), light * (sheet != 1) / 2 + 40, light * (sheet != 2));
}

// A library with app/ and one book whose page 1 holds the photo and the 60 actors.
bool make_book(const std::string& root) {
    const std::string book = root + "/KNIHA_Bench";
    for (const std::string& d : {root + "/app", book, book + "/Pozadia", book + "/Kulisy", book + "/Herci"})
        if (mkdir(d.c_str(), 0755) != 0) return false;
    bool ok = bench::WriteBmp(book + "/Pozadia/foto.bmp", SCREEN_W, SCREEN_H, photo);
    std::string page = "p foto 2\n";
    for (int s = 0; s < SHEETS; ++s) {
        const std::string name = "pes" + std::to_string(s);
        ok = ok && bench::WriteBmp(book + "/Herci/" + name + ".bmp", PHASES * (SIDE + 1) + 1, SIDE + 2,
                                   [s](int x, int y) { return sprite_sheet(s, x, y); });
        std::string faz;
        for (int p = 0; p < PHASES; ++p) faz += std::to_string(p * (SIDE + 1) + SIDE / 2) + " 40\n";
        ok = ok && write_text(book + "/Herci/" + name + ".faz", faz);
    }
    for (int i = 0; i < ACTORS; ++i)
        page += "h pes" + std::to_string(i % SHEETS) + " " + std::to_string(i * 211 % (SCREEN_W - SIDE)) + " " +
                std::to_string(i * 97 % (SCREEN_H - SIDE)) + " " + std::to_string(i % 5 + 1) + " " +
                std::to_string(i % 2 + 1) + " " + std::to_string(i % 3) + "\n";
    return ok && write_text(book + "/1.str", page);
}

// The frames of the page as BMP files f_000.bmp ... in `dir`.
bool write_frames(PX_Player& player, const PX_Frames& frames, const std::string& dir) {
    if (!player.Load(PAGE, nullptr)) return false;
    IDirectDrawSurface* s = plat_CreateTestSurface(OUT_W, OUT_H);
    std::vector<uint16_t> px;
    bool ok = true;
    for (size_t k = 0; k < frames.ticks.size() && ok; ++k) {
        player.Frame(frames.ticks[k], &px);
        for (int y = 0; y < OUT_H; ++y) std::copy_n(px.data() + static_cast<size_t>(y) * OUT_W, OUT_W, s->Row(y));
        char name[32];
        snprintf(name, sizeof name, "/f_%03zu.bmp", k);
        ok = plat_SaveSurfaceBMP(s, (dir + name).c_str());
    }
    s->Release();
    return ok;
}

long file_size(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

bool run(const std::string& cmd) { return std::system(cmd.c_str()) == 0; }

void BM_Export(benchmark::State& state) {
    char tmpl[] = "/tmp/pexlo-bench-XXXXXX";
    char home[4096];
    if (!mkdtemp(tmpl) || !getcwd(home, sizeof home)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string root = tmpl, frames_dir = root + "/frames";
    if (!make_book(root) || mkdir(frames_dir.c_str(), 0755) != 0 || chdir((root + "/app").c_str()) != 0) {
        state.SkipWithError("book not made");
        return;
    }
    tf_LOG_SetONOFF(0);
    const PX_Frames frames = PX_Export_Frames(PX_Timing{5, 20, 16});
    std::string ours_gif = root + "/ours.gif";
    double ours = 0, ours_cpu = 0;
    {
        PX_Player player(SCREEN_W, SCREEN_H, OUT_W, OUT_H);
        player.Open_book("..\\KNIHA_Bench");
        for (auto _ : state) {
            const Clock::time_point start = Clock::now();
            const double cpu = bench::ProcessCpuS();
            const std::vector<uint8_t> gif = PX_Export_Page(player, PAGE, frames, nullptr);
            plat_WriteHostFileAtomic(ours_gif, gif.data(), gif.size());
            ours += NsSince(start);
            ours_cpu += bench::ProcessCpuS() - cpu;
        }
        if (!write_frames(player, frames, frames_dir)) state.SkipWithError("frames not written");
    }
    tf_LOG_SetONOFF(1);
    const double ours_run = ours / static_cast<double>(state.iterations());
    const double ours_cpu_run = ours_cpu / static_cast<double>(state.iterations());
    state.counters["ours_cpu_s"] = ours_cpu_run;
    state.counters["ours_bytes"] = static_cast<double>(file_size(ours_gif));

    const std::string magick_gif = root + "/magick.gif";
    if (!run("command -v convert >/dev/null 2>&1")) {
        state.SetLabel("convert not found: the ImageMagick half is skipped");
    } else {
        const Clock::time_point start = Clock::now();
        const double cpu = bench::ChildrenCpuS();
        if (!run("convert -delay 5 -loop 0 '" + frames_dir + "'/f_*.bmp '" + magick_gif + "'"))
            state.SetLabel("convert failed");
        const double magick = NsSince(start), magick_cpu = bench::ChildrenCpuS() - cpu;
        state.counters["magick_cpu_s"] = magick_cpu;
        state.counters["magick_bytes"] = static_cast<double>(file_size(magick_gif));
        state.counters["magick_over_ours"] = magick_cpu / ours_cpu_run;
        state.counters["wall_ratio"] = magick / ours_run;
        state.counters["size_ratio"] = static_cast<double>(file_size(ours_gif)) / file_size(magick_gif);
    }
    if (chdir(home) != 0 || !run("rm -rf '" + root + "'")) state.SetLabel("temporary folder left behind");
}
BENCHMARK(BM_Export)->Name("export 5 s of a 60-actor page at 960x540")->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
