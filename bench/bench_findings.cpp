// The small files that once cost seconds or gigabytes, each loaded as the editor loads it,
// beside a normal file of the same kind loaded in the same run: a 1920 x 1080 background,
// 60 actors of a three-line phases file, a one-second sound, a catalogue without the odd
// folder. Target: each finding under 500 ms (finding_ms); over_normal shows the ratio.
// Tighter targets: the RLE files that write no pixel under 1 ms each; a catalogue of twenty
// such thumbnails over_normal at most 1.5 against twenty good ones; pexlo-export's page of
// 160,000 missing names per_line_over_small at most 2 against one of 1,000.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "book/pexlo.h"
#include "book/px_export.h"
#include "book/px_export_player.h"
#include "framework/core/tf_dso.h"
#include "platform/dsound.h"
#include "tests/support/findings.h"

namespace {
using bench::Measure;

// A library in a scratch folder, the benchmark working in its "app" folder with the log on,
// as the editor does.
struct Library {
    Library() {
        char tmpl[] = "/tmp/pexlo-bench-XXXXXX";
        root = mkdtemp(tmpl) ? tmpl : "/tmp";
        for (const char* dir : {"app", "KNIHA_b", "KNIHA_b/Herci", "KNIHA_b/Kulisy", "KNIHA_b/Pozadia"})
            mkdir((root + "/" + dir).c_str(), 0755);
        if (getcwd(home, sizeof home) && chdir((root + "/app").c_str()) != 0) home[0] = 0;
        tf_LOG_SetONOFF(1);
    }
    ~Library() {
        tf_LOG_SetONOFF(0);
        if (home[0] && chdir(home) != 0) return;
        if (system(("rm -rf " + root).c_str()) != 0) return;
    }
    void File(const std::string& rel, const std::string& bytes) const {
        if (FILE* f = fopen((root + "/" + rel).c_str(), "wb")) {
            fwrite(bytes.data(), 1, bytes.size(), f);
            fclose(f);
        }
    }
    std::string root;
    char home[4096] = "";
};

// Wall time of one load of the finding and of the normal file, in milliseconds; `between`
// turns the one into the other where both share a place.
void Report(benchmark::State& state, const std::function<void()>& finding, const std::function<void()>& normal,
            const std::function<void()>& between = [] {}) {
    for (auto _ : state) finding();
    const bench::Cost bad = Measure(state.iterations(), finding);
    between();
    const bench::Cost good = Measure(state.iterations(), normal);
    state.counters["finding_ms"] = bad.wall / 1e6;
    state.counters["normal_ms"] = good.wall / 1e6;
    state.counters["over_normal"] = bad.wall / good.wall;
}

void BM_RleBombs(benchmark::State& state) {
    bench::Display display;
    Library lib;
    lib.File("bomba.bmp", findings::RleBomb(16384, 4096));
    lib.File("bomba2.bmp", findings::RleBomb(8192, 4096));
    bench::WriteBmp(lib.root + "/app/les.bmp", 1920, 1080, [](int x, int y) { return unsigned(x * 7 ^ y * 13); });
    const auto load = [](std::initializer_list<const char*> names) {
        return [names] {
            for (const char* name : names) tf_CDas_Surface().NAHRAJ_SURFACE(name);
        };
    };
    Report(state, load({"bomba.bmp", "bomba2.bmp"}), load({"les.bmp"}));
}
BENCHMARK(BM_RleBombs)
    ->Name("two 54-byte RLE8 pictures of 16384 x 4096 and 8192 x 4096")
    ->Unit(benchmark::kMillisecond);

void BM_EndlessPhases(benchmark::State& state) {
    bench::Display display;
    Library lib;
    for (const char* picture : {"/app/pes.bmp", "/app/macka.bmp"})
        bench::WriteBmp(lib.root + picture, 28, 10, [](int x, int y) { return x % 9 && y % 9 ? 0x804020u : 0xFFFFu; });
    lib.File("app/pes.faz", findings::EndlessPhases(4 << 20));
    lib.File("app/macka.faz", "3 3\n12 3\n21 3\n");
    const auto actors = [](const char* picture) {
        return [picture] {
            for (int i = 0; i < 60; ++i) PRIDAJ_HERCA(picture, i, i, 3, 1, 0);
            VYMAZ_REG();
        };
    };
    Report(state, actors("pes.bmp"), actors("macka.bmp"));
}
BENCHMARK(BM_EndlessPhases)->Name("60 actors of a 4 MB phases file")->Unit(benchmark::kMillisecond);

void BM_SlowSound(benchmark::State& state) {
    Library lib;
    lib.File("app/pomaly.wav", findings::Wav(100, 60000));
    lib.File("app/sekunda.wav", findings::Wav(44100, 44100));
    plat_DSound_SetDevice(PLAT_SOUND_FAKE);
    tf_DSO_INIT(nullptr);
    const auto sound = [](const char* file) { return [file] { tf_CDSO_Zvuk().NAHRAJ_FILE(file); }; };
    Report(state, sound("pomaly.wav"), sound("sekunda.wav"));
    tf_DSO_DONE();
    plat_DSound_SetDevice(PLAT_SOUND_REAL);
}
BENCHMARK(BM_SlowSound)->Name("a 60 KB sound at 100 Hz")->Unit(benchmark::kMillisecond);

void BM_BackslashBook(benchmark::State& state) {
    Library lib;
    lib.File("KNIHA_b/1.str", "");
    mkdir((lib.root + "/app/KNIHA_DEFNEW").c_str(), 0755);
    const std::string odd = lib.root + "/KNIHA_b\\..\\app\\KNIHA_DEFNEW", plain = lib.root + "/KNIHA_c";
    mkdir(odd.c_str(), 0755);
    const auto scan = [] { NACITAJ_KNIHY(); };
    Report(state, scan, scan, [&] { rename(odd.c_str(), plain.c_str()); });
    UVOLNI_VSETKO();
}
BENCHMARK(BM_BackslashBook)
    ->Name("a catalogue with a folder that leads into the template")
    ->Unit(benchmark::kMillisecond);

void BM_RleWithoutPixels(benchmark::State& state) {
    bench::Display display;
    Library lib;
    lib.File("app/tahy.bmp", findings::RleMoves());
    lib.File("app/konce.bmp", findings::RleLineEnds());
    bench::WriteBmp(lib.root + "/app/les.bmp", 1920, 1080, [](int x, int y) { return unsigned(x * 7 ^ y * 13); });
    const auto load = [](const char* name) { return [name] { tf_CDas_Surface().NAHRAJ_SURFACE(name); }; };
    Report(state, load("tahy.bmp"), load("les.bmp"));
    state.counters["line_ends_ms"] = bench::Measure(state.iterations(), load("konce.bmp")).wall / 1e6;
}
BENCHMARK(BM_RleWithoutPixels)
    ->Name("RLE8 files of 8192 x 4096 that write no pixel: 132 bytes of moves, 8 KB of line ends")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);  // the normal picture takes as many loads, of 25 ms each

void BM_ThumbnailsWithoutPixels(benchmark::State& state) {
    bench::Display display;
    Library lib;
    for (int i = 1; i <= 20; ++i) {
        const std::string page = "KNIHA_b/" + std::to_string(i);
        lib.File(page + ".str", "");
        lib.File(page + ".thm", i % 2 ? findings::RleMoves() : findings::RleLineEnds());
    }
    const auto good = [&] {
        for (int i = 1; i <= 20; ++i)
            bench::WriteBmp(lib.root + "/KNIHA_b/" + std::to_string(i) + ".thm", 100, 50,
                            [i](int x, int y) { return unsigned(x * 97 ^ y * 31 ^ i); });
    };
    const auto start = [] { NACITAJ_KNIHY(); };
    Report(state, start, start, good);
    UVOLNI_VSETKO();
}
BENCHMARK(BM_ThumbnailsWithoutPixels)
    ->Name("a catalogue whose 20 thumbnails are such RLE8 files")
    ->Unit(benchmark::kMillisecond);

void BM_ExportMissingNames(benchmark::State& state) {
    Library lib;
    const auto page = [&](const char* name, int lines) {
        std::string text;
        for (int i = 0; i < lines; ++i) text += "k nie" + std::to_string(i) + " 10 10 1 1 0\n";
        lib.File(std::string("KNIHA_b/") + name + ".str", text);
    };
    page("velka", 160000);
    page("mala", 1000);
    tf_LOG_SetONOFF(0);
    PX_Player player(64, 36, 32, 18);
    player.Open_book("..\\KNIHA_b");
    const PX_Frames frames = PX_Export_Frames({0.1, 10, 16});
    const auto export_page = [&](const char* path) {
        return [&, path] {
            std::vector<std::string> missing;
            benchmark::DoNotOptimize(PX_Export_Page(player, path, frames, &missing));
        };
    };
    for (auto _ : state) export_page("..\\KNIHA_b\\velka.str")();
    const double big = bench::Measure(state.iterations(), export_page("..\\KNIHA_b\\velka.str")).wall;
    const double small = bench::Measure(state.iterations(), export_page("..\\KNIHA_b\\mala.str")).wall;
    state.counters["big_ms"] = big / 1e6;
    state.counters["small_ms"] = small / 1e6;
    state.counters["per_line_over_small"] = big / 160 / small;
}
BENCHMARK(BM_ExportMissingNames)
    ->Name("pexlo-export over a page of 160,000 missing names and one of 1,000")
    ->Unit(benchmark::kMillisecond);

}  // namespace
