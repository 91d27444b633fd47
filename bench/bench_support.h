// What the benchmarks share: a headless 1920 x 1080 display and a clock.
#pragma once
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "framework/app/tf_app.h"
#include "framework/core/tf_log.h"
#include "framework/widgets/tf_dsgn.h"
#include "platform/backend.h"

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

// A 24-bit BMP of w x h; colour(x, y) gives 0xRRGGBB.
template <class Colour>
void WriteBmp(const std::string& path, int w, int h, Colour colour) {
    const int row = (w * 3 + 3) / 4 * 4;
    const unsigned size = 54 + static_cast<unsigned>(row * h);
    unsigned char head[54] = {'B', 'M'};
    auto put = [&](int at, unsigned v) {
        for (int i = 0; i < 4; ++i) head[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    put(2, size);
    put(10, 54);
    put(14, 40);
    put(18, static_cast<unsigned>(w));
    put(22, static_cast<unsigned>(h));
    head[26] = 1;
    head[28] = 24;
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return;
    fwrite(head, 1, sizeof head, f);
    std::string line(static_cast<size_t>(row), '\0');
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const unsigned c = colour(x, y);
            line[3 * x] = static_cast<char>(c & 0xFF);
            line[3 * x + 1] = static_cast<char>(c >> 8 & 0xFF);
            line[3 * x + 2] = static_cast<char>(c >> 16 & 0xFF);
        }
        fwrite(line.data(), 1, line.size(), f);
    }
    fclose(f);
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
