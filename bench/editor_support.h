// What the editor's frame benchmarks share: a library whose first book holds one page of 60
// actors on a tiled background, composed at 1920 x 1080, and the real editor screen run on it
// at a screen size of the benchmark's choice.
#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "bench/bench_support.h"
#include "book/pexlo.h"
#include "framework/widgets/tf_duir.h"
#include "platform/window_internal.h"

namespace bench {

constexpr int EDITOR_ACTORS = 60, EDITOR_PICTURES = 5;

// Books beside the folder "app"; the first has its page, the others an empty page each.
struct EditorLibrary {
    EditorLibrary(int screen_w, int screen_h) {
        char tmpl[] = "/tmp/pexlo-bench-XXXXXX";
        root = mkdtemp(tmpl) ? tmpl : "/tmp";
        for (const char* book : {"KNIHA_Bench", "KNIHA_Druha", "KNIHA_Tretia", "KNIHA_Stvrta"})
            for (const char* sub : {"", "/Pozadia", "/Kulisy", "/Herci"})
                mkdir((root + "/" + book + sub).c_str(), 0755);
        mkdir((root + "/app").c_str(), 0755);
        const std::string book = root + "/KNIHA_Bench";
        WriteBackground(book + "/Pozadia/luka.bmp");
        std::string page = "p luka 5\n";  // tiled
        for (int p = 0; p < EDITOR_PICTURES; ++p) WriteActor(book + "/Herci/a" + std::to_string(p), p * 0x301000u);
        for (int i = 0; i < EDITOR_ACTORS - 2; ++i)
            page += "h a" + std::to_string(i % EDITOR_PICTURES) + " " + std::to_string(i * 211 % (1920 - ACTOR_SIDE)) +
                    " " + std::to_string(i * 97 % (1080 - ACTOR_SIDE)) + " 3 1 0\n";  // free, bouncing
        Write(book + "/1.str", page + "h a0 1300 500 6 1 0\nh a1 1600 800 6 1 0\n");
        Write(book + "/KNIHA.INI", "strana 1920 1080\n");
        for (const char* other : {"KNIHA_Druha", "KNIHA_Tretia", "KNIHA_Stvrta"})
            Write(root + "/" + other + "/1.str", "");
        Write(root + "/app/PX.INI", std::to_string(screen_w) + " " + std::to_string(screen_h) + "\n2 16");
    }
    ~EditorLibrary() { std::system(("rm -rf " + root).c_str()); }
    EditorLibrary(const EditorLibrary&) = delete;
    EditorLibrary& operator=(const EditorLibrary&) = delete;

    static void Write(const std::string& path, const std::string& text) {
        if (FILE* f = fopen(path.c_str(), "w")) {
            fputs(text.c_str(), f);
            fclose(f);
        }
    }
    std::string root;
};

inline void Pump() {
    MSG m;
    while (plat_MessageWaiting() && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}
inline void Send(UINT msg, int x, int y) {
    plat_Headless_Post(msg, 0, MAKELPARAM(x, y));
    Pump();
}
// The middle of a shown entry, laid out by a frame first.
inline POINT Entry(tf_CDUI* list, int i) {
    tf_APP_Redraw_Frame();
    const RECT r = static_cast<tf_TVOLBA*>(list->volby.GET(i))->obdlz;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
inline void Over(tf_CDUI* list, int i) { Send(WM_MOUSEMOVE, Entry(list, i).x, Entry(list, i).y); }

// The first book's page opened from the lists.
inline void OpenBenchPage() {
    Over(&px_editor->dui_M, 0);
    Over(duir_KNIHY, 0);
    const POINT page = Entry(duir_STRANY, 0);
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) Send(msg, page.x, page.y);
}


// Keeps the quicker of two costs, wall and processor time each.
inline void KeepQuickest(Cost* best, Cost c) { *best = {std::min(best->wall, c.wall), std::min(best->cpu, c.cpu)}; }

// Two kinds of work in alternating rounds of `round` runs, each counted by its quickest round,
// so that other work on a shared machine stretches neither more than the other: the counters
// "<a>_cpu_us", "<b>_cpu_us", "<a>_over_<b>" (processor time) and "wall_ratio".
inline void SideBySide(benchmark::State& state, int round, const std::string& a, const std::function<void()>& work_a,
                       const std::string& b, const std::function<void()>& work_b) {
    Cost ca{1e18, 1e18}, cb{1e18, 1e18};
    for (auto _ : state) {
        KeepQuickest(&ca, Measure(round, work_a));
        KeepQuickest(&cb, Measure(round, work_b));
    }
    state.counters[a + "_cpu_us"] = ca.cpu / 1000;
    state.counters[b + "_cpu_us"] = cb.cpu / 1000;
    state.counters[a + "_over_" + b] = ca.cpu / cb.cpu;
    state.counters["wall_ratio"] = ca.wall / cb.wall;
}

// Runs the editor on the library, the display at its settings' size; `measure` runs at the
// first idle moment, and Esc ends the editor after it. The log is off meanwhile.
inline void WithEditor(benchmark::State& state, const EditorLibrary& library, const std::function<void()>& measure) {
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

}  // namespace bench
