// The sample book as a WebM video (VP9 and Opus) at 480 x 270, 20 frames a second, beside
// ffmpeg encoding the same frames (BMP files, held for the same times) and the same sound
// (a WAV file) with the same encoder settings; writing those files is not timed. ours_over_ffmpeg
// is our processor time over its, target at most 1.2: the encoder is the same, and the cost
// should be in it. The wall-clock ratio is beside it, and what playing the frames costs alone.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "book/cli.h"
#include "book/px_export_video.h"
#include "book/px_nastavenia.h"
#include "platform/files.h"

namespace {
constexpr int SCREEN_W = 1920, SCREEN_H = 1080, OUT_W = 480, OUT_H = 270, FPS = 20;
const char BOOK[] = "KNIHA_Ukážka";

bool run(const std::string& cmd) { return std::system(cmd.c_str()) == 0; }

// The book's frames as BMP files in `dir` and a list for ffmpeg's concat reader with their
// times; the book's sound as sound.wav; *play_cpu_s: the processor time of playing the frames alone.
bool write_inputs(PX_Player& player, const std::vector<PX_Strana_knihy>& pages, const std::string& dir,
                  double* play_cpu_s) {
    const PX_Film_knihy_hrany k = PX_Hraj_knihu(player, pages, PX_Timing{5, FPS, 16});
    // What playing the book costs alone, without encoding.
    const double cpu = bench::ProcessCpuS();
    std::vector<uint16_t> px;
    for (size_t i = 0; i < k.snimky.size(); ++i) k.film.play(static_cast<int>(i), &px);
    *play_cpu_s = bench::ProcessCpuS() - cpu;
    const plat_Sound sound = PX_Zvuk_knihy(player, pages, k.snimky, nullptr);
    const std::vector<uint8_t> wav = plat_EncodeSound(sound.samples, sound.channels, PLAT_MIX_RATE, PLAT_SOUND_WAV16);
    bool ok = !k.snimky.empty() && plat_WriteHostFileAtomic(dir + "/sound.wav", wav.data(), wav.size());
    IDirectDrawSurface* s = plat_CreateTestSurface(OUT_W, OUT_H);
    std::string list;
    for (size_t i = 0; i < k.snimky.size() && ok; ++i) {
        ok = k.film.play(static_cast<int>(i), &px);
        for (int y = 0; ok && y < OUT_H; ++y) std::copy_n(px.data() + static_cast<size_t>(y) * OUT_W, OUT_W, s->Row(y));
        char name[32];
        snprintf(name, sizeof name, "f_%04zu.bmp", i);
        ok = ok && plat_SaveSurfaceBMP(s, (dir + "/" + name).c_str());
        list += "file '" + std::string(name) + "'\nduration " + std::to_string(k.film.delays_cs[i] / 100.0) + "\n";
        if (i + 1 == k.snimky.size()) list += "file '" + std::string(name) + "'\n";  // the last time is kept
    }
    s->Release();
    return ok && plat_WriteHostFileAtomic(dir + "/list.txt", list.data(), list.size());
}

void BM_VideoExport(benchmark::State& state) {
    char tmpl[] = "/tmp/pexlo-bench-video-XXXXXX";
    char home[4096];
    if (!mkdtemp(tmpl) || !getcwd(home, sizeof home)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string root = tmpl, frames = root + "/frames";
    std::error_code e;
    std::filesystem::copy(PEXLO_STARTER_DIR "/library", root, std::filesystem::copy_options::recursive, e);
    if (e || mkdir(frames.c_str(), 0755) != 0 || chdir((root + "/" + BOOK).c_str()) != 0) {
        state.SkipWithError("the sample book is not there");
        return;
    }
    tf_LOG_SetONOFF(0);
    double ours = 0, ours_cpu = 0, play_cpu = 0;
    std::string error;
    {
        PX_Player player(SCREEN_W, SCREEN_H, OUT_W, OUT_H);
        const std::string book = "..\\" + PX_CLI_ProgramPath(BOOK);
        player.Open_book(book.c_str());
        const std::vector<PX_Strana_knihy> pages =
            PX_Strany_knihy(player, player.Pages(), PX_Nacitaj_nastavenia(book.c_str()).cas_strany_ms);
        for (auto _ : state) {
            const bench::Clock::time_point start = bench::Clock::now();
            const double cpu = bench::ProcessCpuS();
            error = PX_Video_knihy(player, pages, PX_Timing{5, FPS, 16}, root + "/ours.webm", nullptr);
            ours += bench::NsSince(start);
            ours_cpu += bench::ProcessCpuS() - cpu;
        }
        if (error.empty() && !write_inputs(player, pages, frames, &play_cpu)) error = "frames not written";
    }
    tf_LOG_SetONOFF(1);
    if (!error.empty()) state.SkipWithError(error.c_str());
    const double n = static_cast<double>(state.iterations());
    state.counters["ours_cpu_s"] = ours_cpu / n;
    state.counters["playing_cpu_s"] = play_cpu;
    if (error.empty() && run("command -v ffmpeg >/dev/null 2>&1")) {
        const bench::Clock::time_point start = bench::Clock::now();
        const double cpu = bench::ChildrenCpuS();
        const bool ok = run("ffmpeg -v error -y -f concat -safe 0 -i '" + frames + "/list.txt' -i '" + frames +
                            "/sound.wav' -r 20 -pix_fmt yuv420p -c:v libvpx-vp9 -deadline good -cpu-used 5 -row-mt 1 "
                            "-crf 32 -b:v 0 -g 200 -c:a libopus -b:a 128k -ac 2 '" + root + "/ffmpeg.webm'");
        const double wall = bench::NsSince(start), cpu_s = bench::ChildrenCpuS() - cpu;
        if (ok) {
            state.counters["ffmpeg_cpu_s"] = cpu_s;
            state.counters["ours_over_ffmpeg"] = ours_cpu / n / cpu_s;
            state.counters["ours_less_playing_over_ffmpeg"] = (ours_cpu / n - play_cpu) / cpu_s;
            state.counters["ours_over_ffmpeg_wall"] = ours / n / wall;
        } else {
            state.SetLabel("ffmpeg failed");
        }
    } else if (error.empty()) {
        state.SetLabel("ffmpeg not found: its half is skipped");
    }
    if (chdir(home) != 0) state.SetLabel("cannot go back");
    std::filesystem::remove_all(root, e);
}
BENCHMARK(BM_VideoExport)->Unit(benchmark::kSecond)->Iterations(1);
}  // namespace
