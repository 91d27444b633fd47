// What the benchmarks share: a headless 1920 x 1080 display and a clock.
#pragma once
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "framework/app/tf_app.h"
#include "framework/core/tf_log.h"
#include "framework/widgets/tf_dsgn.h"
#include "platform/backend.h"
#include "platform/pixel.h"

namespace bench {

using Clock = std::chrono::steady_clock;

inline double NsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

// Processor time of this thread, which other work on a shared machine does not stretch.
inline double CpuNs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e9 + t.tv_nsec;
}

// Processor time of this process, and of its children that have ended, in seconds: what a
// program the benchmark runs (ImageMagick) spends beside what we spend.
inline double ProcessCpuS() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}
inline double ChildrenCpuS() {
    rusage u;
    getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Wall and processor time of one run of `work`, averaged over n runs.
struct Cost {
    double wall, cpu;
};
template <class Work>
Cost Measure(benchmark::IterationCount n, Work work) {
    const Clock::time_point start = Clock::now();
    const double cpu = CpuNs();
    for (benchmark::IterationCount i = 0; i < n; ++i) work();
    const double runs = static_cast<double>(n);
    return {NsSince(start) / runs, (CpuNs() - cpu) / runs};
}

// A 24-bit BMP of w x h, written by the program's own encoder; colour(x, y) gives
// 0xRRGGBB. False when it cannot be written.
template <class Colour>
bool WriteBmp(const std::string& path, int w, int h, Colour colour) {
    IDirectDrawSurface* s = plat_CreateTestSurface(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s->Row(y)[x] = plat_XrgbTo565(colour(x, y));
    const bool written = plat_SaveSurfaceBMP(s, path.c_str());
    s->Release();
    return written;
}

// The benchmarks' pictures: a 200 x 150 background of busy colours, and an actor sheet of
// three 128 x 128 phases ("<stem>.bmp"), each a disc of a colour moved by `tint` on a
// see-through ground, with its phases file ("<stem>.faz").
constexpr int ACTOR_SIDE = 128, ACTOR_PHASES = 3;
inline void WriteBackground(const std::string& path) {
    WriteBmp(path, 200, 150, [](int x, int y) { return unsigned(x * 1277 ^ y * 4099) & 0xFFFFFF; });
}
inline void WriteActor(const std::string& stem, unsigned tint) {
    const int step = ACTOR_SIDE + 1;
    WriteBmp(stem + ".bmp", ACTOR_PHASES * step + 1, step + 1, [&](int x, int y) -> unsigned {
        if (x % step == 0 || y == 0 || y == step) return 0x00FFFF;
        const int dx = x % step - 64, dy = y - 64;
        return dx * dx + dy * dy < 60 * 60 ? 0x2040C0u + tint + unsigned(x / step) * 0x300000u : 0xFF00FFu;
    });
    if (FILE* f = fopen((stem + ".faz").c_str(), "w")) {
        for (int i = 0; i < ACTOR_PHASES; ++i) fprintf(f, "%d 64\n", i * step + 64);
        fclose(f);
    }
}

// A bare application screen on the display, with the design set-up done, for as long as it
// lives; the log is off meanwhile so that it costs nothing.
struct Display {
    Display() {
        tf_LOG_SetONOFF(0);
        plat_Headless_Start(plat_HeadlessConfig{});
        tf_ScreenW = 1920;
        tf_ScreenH = 1080;
        tf_pAppScreen = &screen;
        tf_APP_Inicializuj(nullptr, 0);
    }
    ~Display() {
        DestroyWindow(tf_hWnd);  // releases the display
        tf_DSGN_DONE();          // so that the next display builds the design record afresh
        tf_pAppScreen = nullptr;
        tf_LOG_SetONOFF(1);
    }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    tf_CAppScreen screen{nullptr, 0, ""};
};

}  // namespace bench
