// The editor's worst frame at 1920 x 1080 beside its empty frame, both in the same run of the
// real editor screen on the headless display. The worst frame: a tiled background, 60 actors
// of 128 x 128 from five pictures, the hovered and the object-menu outlines with the object
// menu, the main menu with the books list open over the white net, the status line, the
// cursor, and the copy to the screen. The empty frame: the fill and the copy.
// Target: frame_over_empty 2.5 or less (processor time; the wall-clock ratio beside it).
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "bench/bench_support.h"
#include "book/pexlo.h"
#include "framework/widgets/tf_duir.h"
#include "platform/window_internal.h"

namespace {
using bench::Cost;
using bench::Measure;

constexpr int kActors = 60, kSide = 128, kPictures = 5;

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
        bench::WriteBmp(book + "/Pozadia/luka.bmp", 200, 150,
                        [](int x, int y) { return unsigned(x * 1277 ^ y * 4099) & 0xFFFFFF; });
        const int step = kSide + 1;
        std::string page = "p luka 5\n";  // tiled
        for (int p = 0; p < kPictures; ++p) {
            const std::string name = book + "/Herci/a" + std::to_string(p);
            bench::WriteBmp(name + ".bmp", 3 * step + 1, step + 1, [&](int x, int y) -> unsigned {
                if (x % step == 0 || y == 0 || y == step) return 0x00FFFF;
                const int dx = x % step - 64, dy = y - 64;
                return dx * dx + dy * dy < 60 * 60 ? 0x2040C0u + unsigned(p * 0x301000 + x / step * 0x300000)
                                                   : 0xFF00FFu;
            });
            Write(name + ".faz", "64 64\n193 64\n322 64\n");
        }
        for (int i = 0; i < kActors - 2; ++i)
            page += "h a" + std::to_string(i % kPictures) + " " + std::to_string(i * 211 % (1920 - kSide)) + " " +
                    std::to_string(i * 97 % (1080 - kSide)) + " 6 1 0\n";
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

void Pump() {
    MSG m;
    while (plat_MessageWaiting() && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}
void Send(UINT msg, int x, int y) {
    plat_Headless_Post(msg, 0, MAKELPARAM(x, y));
    Pump();
}
// The middle of a shown entry, laid out by a frame first.
POINT Entry(tf_CDUI* list, int i) {
    tf_APP_Redraw_Frame();
    const RECT r = static_cast<tf_TVOLBA*>(list->volby.GET(i))->obdlz;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
void Over(tf_CDUI* list, int i) { Send(WM_MOUSEMOVE, Entry(list, i).x, Entry(list, i).y); }

// The page chosen, the last actor's object menu open, the books list open, the pointer on
// the actor before it.
void WorstState() {
    Over(&px_editor->dui_M, 0);
    Over(duir_KNIHY, 0);
    const POINT page = Entry(duir_STRANY, 0);
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) Send(msg, page.x, page.y);
    Send(WM_MOUSEMOVE, 1300 + 64, 500 + 64);
    Send(WM_RBUTTONDOWN, 1300 + 64, 500 + 64);
    Over(&px_editor->dui_M, 0);
    Send(WM_MOUSEMOVE, 1600 + 64, 800 + 64);
}

void BM_EditorFrame(benchmark::State& state) {
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
        WorstState();
        if (REG.count != kActors || hovered == -1 || setup_target == -1 || !duir_KNIHY->zivy)
            state.SkipWithError("the worst frame could not be set up");
        const double cpu = bench::CpuNs();
        const bench::Clock::time_point start = bench::Clock::now();
        for (auto _ : state) tf_APP_Redraw_Frame();
        const double runs = static_cast<double>(state.iterations());
        const Cost worst{bench::NsSince(start) / runs, (bench::CpuNs() - cpu) / runs};
        const Cost empty = Measure(state.iterations(), [] {
            DDSURFACE_ZMAZ(tf_lpDDSBack, 500);
            tf_lpDDSPrimary->BltFast(0, 0, tf_lpDDSBack, nullptr, DDBLTFAST_NOCOLORKEY);
        });
        state.counters["empty_cpu_us"] = empty.cpu / 1000;
        state.counters["frame_over_empty"] = worst.cpu / empty.cpu;
        state.counters["wall_ratio"] = worst.wall / empty.wall;
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
BENCHMARK(BM_EditorFrame)->Name("editor frame 1920x1080")->Unit(benchmark::kMicrosecond);

}  // namespace
