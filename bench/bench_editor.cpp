// The editor's worst frame at 1920 x 1080 beside its empty frame, both in the same run of the
// real editor screen on the headless display. The worst frame: a tiled background, 60 actors
// of 128 x 128 from five pictures, the hovered and the object-menu outlines with the object
// menu, the main menu with the books list open over the white net, the status line, the
// cursor, and the copy to the screen. The empty frame: the fill and the copy.
// Target: frame_over_empty 2.5 or less (processor time; the wall-clock ratio beside it).
// The idle tick: that page shown, paused, no input, a timer tick of the editor beside the same
// empty frame. Target: tick_over_empty 0.05 or less.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <string>

#include "bench/bench_support.h"
#include "book/pexlo.h"
#include "framework/widgets/tf_duir.h"
#include "platform/window_internal.h"

namespace {
using bench::Cost;
using bench::Measure;

constexpr int ACTORS = 60, SIDE = bench::ACTOR_SIDE, PICTURES = 5, ROUND = 10;

// Books beside the folder "app"; the first has one page of 60 actors on a tiled background.
struct Library {
    Library() {
        char tmpl[] = "/tmp/pexlo-bench-XXXXXX";
        root = mkdtemp(tmpl) ? tmpl : "/tmp";
        for (const char* book : {"KNIHA_Bench", "KNIHA_Druha", "KNIHA_Tretia", "KNIHA_Stvrta"})
            for (const char* sub : {"", "/Pozadia", "/Kulisy", "/Herci"})
                mkdir((root + "/" + book + sub).c_str(), 0755);
        mkdir((root + "/app").c_str(), 0755);
        const std::string book = root + "/KNIHA_Bench";
        bench::WriteBackground(book + "/Pozadia/luka.bmp");
        std::string page = "p luka 5\n";  // tiled
        for (int p = 0; p < PICTURES; ++p) bench::WriteActor(book + "/Herci/a" + std::to_string(p), p * 0x301000u);
        for (int i = 0; i < ACTORS - 2; ++i)
            page += "h a" + std::to_string(i % PICTURES) + " " + std::to_string(i * 211 % (1920 - SIDE)) + " " +
                    std::to_string(i * 97 % (1080 - SIDE)) + " 6 1 0\n";
        Write(book + "/1.str", page + "h a0 1300 500 6 1 0\nh a1 1600 800 6 1 0\n");
        for (const char* other : {"KNIHA_Druha", "KNIHA_Tretia", "KNIHA_Stvrta"})
            Write(root + "/" + other + "/1.str", "");
        Write(root + "/app/PX.INI", "1920 1080\n2 16");
    }
    ~Library() { std::system(("rm -rf " + root).c_str()); }
    static void Write(const std::string& path, const std::string& text) {
        if (FILE* f = fopen(path.c_str(), "w")) {
            fputs(text.c_str(), f);
            fclose(f);
        }
    }
    std::string root;
};

void pump() {
    MSG m;
    while (plat_MessageWaiting() && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}
void send(UINT msg, int x, int y) {
    plat_Headless_Post(msg, 0, MAKELPARAM(x, y));
    pump();
}
// The middle of a shown entry, laid out by a frame first.
POINT entry(tf_CDUI* list, int i) {
    tf_APP_Redraw_Frame();
    const RECT r = static_cast<tf_TVOLBA*>(list->volby.GET(i))->obdlz;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
void over(tf_CDUI* list, int i) { send(WM_MOUSEMOVE, entry(list, i).x, entry(list, i).y); }

// The page chosen, the last actor's object menu open, the books list open, the pointer on
// the actor before it.
void worst_state() {
    over(&px_editor->dui_M, 0);
    over(duir_KNIHY, 0);
    const POINT page = entry(duir_STRANY, 0);
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) send(msg, page.x, page.y);
    send(WM_MOUSEMOVE, 1300 + 64, 500 + 64);
    send(WM_RBUTTONDOWN, 1300 + 64, 500 + 64);
    over(&px_editor->dui_M, 0);
    send(WM_MOUSEMOVE, 1600 + 64, 800 + 64);
}

// Both in alternating rounds, each counted by its quickest round, so that other work on a
// shared machine stretches neither more than the other; processor and wall-clock ratios.
template <class Work>
void against_empty(benchmark::State& state, const char* name, Work work) {
    auto empty_frame = [] {
        DDSURFACE_ZMAZ(tf_lpDDSBack, 500);
        tf_lpDDSPrimary->BltFast(0, 0, tf_lpDDSBack, nullptr, DDBLTFAST_NOCOLORKEY);
    };
    Cost measured{1e18, 1e18}, empty{1e18, 1e18};
    auto keep_quickest = [](Cost* best, Cost c) { *best = {std::min(best->wall, c.wall), std::min(best->cpu, c.cpu)}; };
    for (auto _ : state) {
        keep_quickest(&measured, Measure(ROUND, work));
        keep_quickest(&empty, Measure(ROUND, empty_frame));
    }
    state.counters[std::string(name) + "_cpu_us"] = measured.cpu / 1000;
    state.counters["empty_cpu_us"] = empty.cpu / 1000;
    state.counters[std::string(name) + "_over_empty"] = measured.cpu / empty.cpu;
    state.counters["wall_ratio"] = measured.wall / empty.wall;
}

// The real editor in the benchmark's library; `measure` runs once, at its first idle moment.
void run_editor(benchmark::State& state, const std::function<void()>& measure) {
    Library library;
    char home[4096] = "";
    if (!getcwd(home, sizeof home) || chdir((library.root + "/app").c_str()) != 0)
        return state.SkipWithError("no folder");
    tf_LOG_SetONOFF(0);
    PX_STAV_Reset();
    plat_Headless_Start(plat_HeadlessConfig{});
    auto* screen = new CKnihaScreen(nullptr, SW_SHOWNORMAL, "PX.INI");
    screen->SetBackground(-1, "", false);
    bool measured = false;
    plat_Headless_SetIdleScript([&] {
        if (measured) return;
        measured = true;
        measure();
        plat_Headless_Post(WM_KEYDOWN, VK_ESCAPE, 0);
    });
    screen->Execute();
    plat_Headless_SetIdleScript(nullptr);
    delete screen;
    tf_DSGN_DONE();
    PX_STAV_Reset();
    tf_LOG_SetONOFF(1);
    if (chdir(home) != 0) state.SkipWithError("no way back");
}

void BM_EditorFrame(benchmark::State& state) {
    run_editor(state, [&] {
        worst_state();
        if (REG.count != ACTORS || hovered == -1 || setup_target == -1 || !duir_KNIHY->zivy)
            return state.SkipWithError("the worst frame could not be set up");
        against_empty(state, "frame", [] { tf_APP_Redraw_Frame(); });
    });
}
BENCHMARK(BM_EditorFrame)->Name("editor frame 1920x1080")->Unit(benchmark::kMicrosecond);


// The page chosen and left alone: the pointer off its objects, every list closed, paused.
void BM_IdleEditorTick(benchmark::State& state) {
    run_editor(state, [&] {
        over(&px_editor->dui_M, 0);
        over(duir_KNIHY, 0);
        const POINT page = entry(duir_STRANY, 0);
        for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) send(msg, page.x, page.y);
        send(WM_MOUSEMOVE, 1919, 1079);
        auto tick = [] { tf_APP_WindowProc(tf_hWnd, WM_TIMER, 1, 0); };
        for (int i = 0; i < 3; ++i) tick();  // the frames the input asked for
        const unsigned presented = plat_Headless_Presented();
        if (REG.count != ACTORS || running) return state.SkipWithError("the idle page could not be set up");
        against_empty(state, "tick", tick);
        // Only the empty frames reach the screen.
        if (plat_Headless_Presented() != presented + ROUND * state.iterations())
            state.SkipWithError("an idle tick composed a frame");
    });
}
BENCHMARK(BM_IdleEditorTick)->Name("idle editor tick 1920x1080")->Unit(benchmark::kMicrosecond);

}  // namespace
