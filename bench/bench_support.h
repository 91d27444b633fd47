// What the benchmarks share: a headless 1920 x 1080 display and a clock.
#pragma once
#include <chrono>

#include "framework/app/tf_app.h"
#include "framework/core/tf_log.h"
#include "framework/widgets/tf_dsgn.h"
#include "platform/backend.h"

namespace bench {

using Clock = std::chrono::steady_clock;

inline double NsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
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
