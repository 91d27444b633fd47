// A page turn (VOLBA_STRANY between two pages of 20 pictures each, then the page composed at
// 1920 x 1080), every line it logs written, beside the same page turn with the log off, in
// alternating rounds, each counted by its quickest (processor time). The counter log_share is
// the part of a page turn its log lines cost: one write per line, which keeps every line
// through a crash, and no more (target: under 0.05). line_us is one log line in the file kept
// open and flushed, reopened_line_us the same line opened, appended and closed, as each line
// once was.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "book/pexlo.h"
#include "framework/widgets/tf_utl.h"

namespace {
using bench::Measure;

constexpr int ROUND = 10, PICTURES = 20;

void write(const std::string& path, const std::string& text) {
    if (FILE* f = fopen(path.c_str(), "w")) {
        fputs(text.c_str(), f);
        fclose(f);
    }
}

void BM_PageTurnLog(benchmark::State& state) {
    char tmpl[] = "/tmp/pexlo-bench-XXXXXX";
    char home[4096] = "";
    if (!mkdtemp(tmpl) || !getcwd(home, sizeof home)) return state.SkipWithError("no folder");
    const std::string root = tmpl, book = root + "/KNIHA_Bench";
    for (const std::string& dir : {root + "/app", book, book + "/Pozadia", book + "/Kulisy", book + "/Herci"})
        mkdir(dir.c_str(), 0755);
    bench::WriteBackground(book + "/Pozadia/luka.bmp");
    bench::WriteActor(book + "/Herci/pes", 0);
    std::string page = "p luka 4\n";
    for (int i = 0; i < PICTURES; ++i)
        page += "h pes " + std::to_string(i * 80) + " " + std::to_string(i * 40) + " 6 1 0\n";
    write(book + "/1.str", page);
    write(book + "/2.str", page);
    if (chdir((root + "/app").c_str()) != 0) return state.SkipWithError("no library");
    tf_LOG_Zavri();  // the log follows into the library's folder

    bench::Display display;
    PX_STAV_Reset();
    tf_CDas_Surface background{"pozadie"};
    background_surface = &background;
    // The book's picture lists, through which a page names its pictures.
    utl_duir_Pozadia = new tf_UTL_CDUIR_THMFILE("utl_duir_Pozadia");
    utl_duir_Kulisy = new tf_UTL_CDUIR_THMFILE("utl_duir_Kulisy");
    utl_duir_Herci = new tf_UTL_CDUIR_THMFILE("utl_duir_Herci");
    NACITAJ_KNIHY();
    VOLBA_KNIHY(PX_FIRST_BOOK_ID, true);
    if (REG.count != PICTURES || !background.lpDDS) state.SkipWithError("the page did not load");
    int shown = 1;
    auto turn = [&shown] {
        VOLBA_STRANY(PX_FIRST_BOOK_ID, shown = 3 - shown);
        ZOBRAZ_STRANU(tf_lpDDSBack);
    };
    const char line[] = "PX_REG(120) : RELOAD_REG [..\\KNIHA_Bench\\1.str] [21]";
    auto reopened = [&line] {
        if (FILE* f = fopen("reopened.txt", "a")) {
            fputs(line, f);
            fputc('\n', f);
            fclose(f);
        }
    };
    double logged = 1e18, quiet = 1e18, kept = 1e18, opened = 1e18;
    for (auto _ : state) {
        tf_LOG_SetONOFF(1);
        logged = std::min(logged, Measure(ROUND, turn).cpu);
        kept = std::min(kept, Measure(ROUND, [&line] { tf_LOG_Zapis(line); }).cpu);
        opened = std::min(opened, Measure(ROUND, reopened).cpu);
        tf_LOG_SetONOFF(0);
        quiet = std::min(quiet, Measure(ROUND, turn).cpu);
    }
    auto log_size = [] {
        struct stat file;
        return stat("tf_LOG.txt", &file) == 0 ? double(file.st_size) : 0.0;
    };
    tf_LOG_SetONOFF(1);
    const double before = log_size();
    turn();
    state.counters["log_bytes_per_turn"] = log_size() - before;
    tf_LOG_SetONOFF(0);
    state.counters["turn_us"] = quiet / 1000;
    state.counters["log_share"] = (logged - quiet) / logged;
    state.counters["line_us"] = kept / 1000;
    state.counters["reopened_line_us"] = opened / 1000;
    VYMAZ_REG();
    background.RELEASE_SURFACE();
    UVOLNI_VSETKO();
    PX_STAV_Reset();
    tf_LOG_Zavri();  // the folder goes
    if (chdir(home) != 0) state.SkipWithError("no way back");
    std::system(("rm -rf '" + root + "'").c_str());
}
BENCHMARK(BM_PageTurnLog)->Name("page turn, its log lines over the page turn")->Unit(benchmark::kMicrosecond);

}  // namespace
