// A page turn while the book is read, at 1920 x 1080: its frame (the new page of 60 actors
// composed, the old page's still slid halfway over it, the shadow) beside the editor's plain
// frame of the same page. Both in alternating rounds of the same run. Target: turn_over_editor
// 1.5 or less (processor time; the wall-clock ratio beside it).
#include "bench/editor_support.h"
#include "book/px_citanie.h"

namespace {

constexpr int ROUND = 10;

void key(int vk) {
    plat_Headless_Post(WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
    bench::Pump();
}

void BM_TurnFrame(benchmark::State& state) {
    bench::EditorLibrary library(1920, 1080);
    // A second page like the first, to turn to.
    bench::EditorLibrary::Write(library.root + "/KNIHA_Bench/2.str", "p luka 5\nh a0 100 100 3 1 0\nh a1 300 300 3 1 0\n");
    bench::WithEditor(state, library, [&] {
        bench::OpenBenchPage();
        bench::Send(WM_MOUSEMOVE, 1919, 1079);
        tf_APP_Redraw_Frame();
        auto editor = [] { tf_APP_Redraw_Frame(); };
        key(VK_F5);
        key(VK_RIGHT);
        key(VK_LEFT);  // back to the page of 60 actors, the page of two sliding away
        if (!px_citanie.zapnute || !px_citanie.still || REG.count != bench::EDITOR_ACTORS)
            state.SkipWithError("no turn to measure");
        auto turn = [] {
            px_citanie.prechod_ms = PX_PRECHOD_MS / 2;
            tf_APP_Redraw_Frame();
        };
        // The editor's frame of the same page, the reading set aside meanwhile.
        auto plain = [&] {
            px_citanie.zapnute = false;
            px_editor->group.zivy = app_screen->zivy = true;
            editor();
            px_citanie.zapnute = true;
            px_editor->group.zivy = app_screen->zivy = false;
        };
        bench::SideBySide(state, ROUND, "turn", turn, "editor", plain);
        key(VK_ESCAPE);
    });
}
BENCHMARK(BM_TurnFrame)->Name("page turn frame 1920x1080")->Unit(benchmark::kMicrosecond);
}  // namespace
