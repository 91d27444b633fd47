// The small files that once cost seconds or gigabytes, each loaded as the editor loads it,
// beside a normal file of the same kind loaded in the same run: a 1920 x 1080 background,
// 60 actors of a three-line phases file, a one-second sound, a catalogue without the odd
// folder. Target: each finding under 500 ms (finding_ms); over_normal shows the ratio.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "bench/bench_support.h"
#include "book/pexlo.h"
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

}  // namespace
