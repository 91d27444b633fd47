// A page turn (VOLBA_STRANY between two pages of 20 pictures each, then the page composed at
// 1920 x 1080) with the log off, beside the lines that turn logs, written as the log writes
// them (held, and one write when the turn is done) and as each line once was (opened, appended
// and closed), in alternating rounds, each counted by its quickest (processor time). The
// counter log_share is the part of a page turn its log lines cost (target: under 0.05),
// reopened_share the same for lines opened one by one. Measuring the lines apart from the turn
// keeps the turn's own spread out of a share this small.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "book/pexlo.h"
#include "framework/widgets/tf_utl.h"

namespace {
using bench::Measure;

constexpr int ROUND = 10, PICTURES = 20;

std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
        tf_LOG_Flush();  // as the message loop does when the turn is done
    };
    tf_LOG_SetONOFF(1);
    tf_LOG_Flush();
    const size_t before = read("tf_LOG.txt").size();
    turn();
    const std::string logged = read("tf_LOG.txt").substr(before);
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = logged.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(logged.substr(at, end - at));
    auto held = [&lines] {
        for (const std::string& line : lines) _tf_LOG_("PX", 1, line.c_str());
        tf_LOG_Flush();
    };
    auto reopened = [&lines] {
        for (const std::string& line : lines)
            if (FILE* f = fopen("reopened.txt", "a")) {
                fprintf(f, "%s(%i) : %s\n", "PX", 1, line.c_str());
                fclose(f);
            }
    };
    double quiet = 1e18, kept = 1e18, opened = 1e18;
    for (auto _ : state) {
        tf_LOG_SetONOFF(0);
        quiet = std::min(quiet, Measure(ROUND, turn).cpu);
        tf_LOG_SetONOFF(1);
        kept = std::min(kept, Measure(ROUND, held).cpu);
        opened = std::min(opened, Measure(ROUND, reopened).cpu);
    }
    tf_LOG_SetONOFF(0);
    state.counters["turn_us"] = quiet / 1000;
    state.counters["log_lines_per_turn"] = static_cast<double>(lines.size());
    state.counters["log_bytes_per_turn"] = static_cast<double>(logged.size());
    state.counters["log_share"] = kept / (quiet + kept);
    state.counters["reopened_share"] = opened / (quiet + opened);
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
