// The editor's worst frame at 1920 x 1080 beside its empty frame, both in the same run of the
// real editor screen on the headless display. The worst frame: a tiled background, 60 actors
// of 128 x 128 from five pictures, the hovered and the object-menu outlines with the object
// menu, the main menu with the books list open over the white net, the status line, the
// cursor, and the copy to the screen. The empty frame: the fill and the copy.
// Target: frame_over_empty 2.5 or less (processor time; the wall-clock ratio beside it).
// And the same page composed at 1920 x 1080 and shown scaled on a smaller screen. And the idle
// tick: that page shown, paused, no input, a timer tick of the editor beside the empty frame.
// Target: tick_over_empty 0.05 or less. And the page playing with six of its actors on the move,
// as on a story's page: a tick that composes only the parts of the screen they left and reached
// beside one that composes the whole frame. Target: parts_over_whole 0.6 or less. (With all 60
// on the move the parts are most of the screen; the real program's share of a core under Xvfb,
// bench/xvfb_cpu.sh, measures that page.)
#include <algorithm>

#include "bench/editor_support.h"
#include "book/px_herec.h"
#include "book/px_plocha.h"
#include "book/px_reg.h"

namespace {
using bench::Cost;
using bench::Measure;
using bench::Over;
using bench::Send;

constexpr int ROUND = 10;

// The empty frame: the fill and the copy to the screen.
void empty_frame() {
    DDSURFACE_ZMAZ(tf_lpDDSBack, 500);
    tf_lpDDSPrimary->BltFast(0, 0, tf_lpDDSBack, nullptr, DDBLTFAST_NOCOLORKEY);
}

// The page chosen, the last actor's object menu open, the books list open, the pointer on
// the actor before it.
void worst_state() {
    bench::OpenBenchPage();
    Send(WM_MOUSEMOVE, 1300 + 64, 500 + 64);
    Send(WM_RBUTTONDOWN, 1300 + 64, 500 + 64);
    Over(&px_editor->dui_M, 0);
    Send(WM_MOUSEMOVE, 1600 + 64, 800 + 64);
}

void BM_EditorFrame(benchmark::State& state) {
    bench::EditorLibrary library(1920, 1080);
    bench::WithEditor(state, library, [&] {
        worst_state();
        if (REG.count != bench::EDITOR_ACTORS || hovered == -1 || setup_target == -1 || !duir_KNIHY->zivy)
            state.SkipWithError("the worst frame could not be set up");
        bench::SideBySide(state, ROUND, "frame", [] { tf_APP_Redraw_Frame(); }, "empty", empty_frame);
    });
}
BENCHMARK(BM_EditorFrame)->Name("editor frame 1920x1080")->Unit(benchmark::kMicrosecond);

// The page's frame (page opened, the pointer on the page, no list open) at a screen size:
// its quickest processor time over ROUND frames, beside the empty frame's at that size.
struct PageFrame {
    double frame, empty, shown;  // processor time of the frame, the empty frame, the scaled copy
};
PageFrame page_frame(benchmark::State& state, int w, int h) {
    bench::EditorLibrary library(w, h);
    Cost frame{1e18, 1e18}, empty{1e18, 1e18}, shown{1e18, 1e18};
    bench::WithEditor(state, library, [&] {
        bench::OpenBenchPage();
        Send(WM_MOUSEMOVE, w / 2, h / 2);
        if (REG.count != bench::EDITOR_ACTORS || tf_ScreenW != w || duir_KNIHY->zivy)
            state.SkipWithError("the page frame could not be set up");
        for (int i = 0; i < 20; ++i) {
            bench::KeepQuickest(&frame, Measure(ROUND, [] { tf_APP_Redraw_Frame(); }));
            bench::KeepQuickest(&empty, Measure(ROUND, empty_frame));
            bench::KeepQuickest(&shown, Measure(ROUND, [] { PX_Plocha_Ukaz(tf_lpDDSBack); }));
        }
    });
    return {frame.cpu, empty.cpu, shown.cpu};
}

// A 1920 x 1080 page on a 1280 x 720 screen (composed at its size, then scaled) beside the
// same page on a 1920 x 1080 screen, and beside the empty 1280 x 720 frame.
// Target: scaled_over_unscaled 1.5 or less.
void BM_ScaledPage(benchmark::State& state) {
    PageFrame scaled{}, unscaled{};
    for (auto _ : state) {
        unscaled = page_frame(state, 1920, 1080);
        scaled = page_frame(state, 1280, 720);
    }
    state.counters["scaled_cpu_us"] = scaled.frame / 1000;
    state.counters["unscaled_cpu_us"] = unscaled.frame / 1000;
    state.counters["scaling_cpu_us"] = scaled.shown / 1000;
    state.counters["scaled_over_unscaled"] = scaled.frame / unscaled.frame;
    state.counters["scaled_over_empty"] = scaled.frame / scaled.empty;
}
BENCHMARK(BM_ScaledPage)->Name("editor frame 1280x720, page 1920x1080")->Iterations(1)->Unit(benchmark::kMillisecond);

// The page chosen and left alone: the pointer off its objects, every list closed, paused.
void BM_IdleEditorTick(benchmark::State& state) {
    bench::EditorLibrary library(1920, 1080);
    bench::WithEditor(state, library, [&] {
        bench::OpenBenchPage();
        Send(WM_MOUSEMOVE, 1919, 1079);
        auto tick = [] { tf_APP_WindowProc(tf_hWnd, WM_TIMER, 1, 0); };
        for (int i = 0; i < 3; ++i) tick();  // the frames the input asked for
        if (REG.count != bench::EDITOR_ACTORS || running || duir_KNIHY->zivy)
            return state.SkipWithError("the idle page could not be set up");
        const unsigned presented = plat_Headless_Presented();
        bench::SideBySide(state, ROUND, "tick", tick, "empty", empty_frame);
        // Only the empty frames reached the screen.
        if (plat_Headless_Presented() != presented + ROUND * state.iterations())
            state.SkipWithError("an idle tick composed a frame");
    });
}
BENCHMARK(BM_IdleEditorTick)->Name("idle editor tick 1920x1080")->Unit(benchmark::kMicrosecond);

// The page playing, the pointer off its objects, every tenth actor moving and the others still
// in one phase: each tick moves the six and composes the parts they changed; the same tick made
// to compose the whole frame beside it.
void BM_PlayingParts(benchmark::State& state) {
    bench::EditorLibrary library(1920, 1080);
    bench::WithEditor(state, library, [&] {
        bench::OpenBenchPage();
        Send(WM_MOUSEMOVE, 1919, 1079);
        for (int i = 0; i < REG.count; ++i)
            if (i % 10) {
                REG_Objekt(i)->motion = PX_MOTION_STILL;
                REG_Objekt(i)->phase_delay = 1000000;
                REG_Objekt(i)->phase_countdown = 1000000;
            }
        plat_Headless_Post(WM_KEYDOWN, VK_SPACE, 0);
        bench::Pump();
        auto tick = [] { tf_APP_WindowProc(tf_hWnd, WM_TIMER, 1, 0); };
        auto whole = [&] {
            tf_APP_NeedFrame();
            tick();
        };
        for (int i = 0; i < 3; ++i) tick();
        if (REG.count != bench::EDITOR_ACTORS || !running || plat_Headless_PresentedParts() == 0)
            return state.SkipWithError("the playing page could not be set up, or it drew whole frames");
        bench::SideBySide(state, ROUND, "parts", tick, "whole", whole);
    });
}
BENCHMARK(BM_PlayingParts)->Name("playing frame 1920x1080, 60 actors of which 6 move, changed parts")->Unit(benchmark::kMicrosecond);

}  // namespace
