// The window and its queue on the headless backend: order, quitting, closing, timers, idling.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "platform/backend.h"
#include "platform/window.h"

namespace {

std::vector<MSG> seen;  // what the window procedure was given

LRESULT record(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    seen.push_back({w, m, wp, lp, plat_Headless_Now()});
    return DefWindowProcA(w, m, wp, lp);
}

struct HeadlessWindow : testing::Test {
    void SetUp() override { Open({}); }
    void Open(const plat_HeadlessConfig& config) {
        plat_Headless_Start(config);
        seen.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = record;
        wc.lpszClassName = "QV";
        RegisterClassA(&wc);
        wnd = CreateWindowExA(0, "qv", "QV Pexlo", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
    }
    // The messages waiting now (whose, which, its parameters), taken without waiting.
    static std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>> Drain() {
        std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>> got;
        for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);) got.emplace_back(m.hwnd, m.message, m.wParam, m.lParam);
        return got;
    }
    static size_t Ticks(DWORD ms) { return plat_Headless_AdvanceTime(ms), Drain().size(); }
    static int Count(UINT msg) {
        return static_cast<int>(std::count_if(seen.begin(), seen.end(), [&](const MSG& m) { return m.message == msg; }));
    }
    HWND wnd = nullptr;
};

TEST_F(HeadlessWindow, OneWindowItsQueueInOrderAndCloseTakesItAllAway) {
    ASSERT_NE(wnd, nullptr);
    EXPECT_TRUE(seen.size() == 1 && seen[0].message == WM_CREATE && seen[0].hwnd == wnd);
    const auto create = [](const char* cls) {
        return CreateWindowExA(0, cls, "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    };
    EXPECT_EQ(create("QV"), nullptr);  // one at a time

    // Posted, then quit, then the timer; a peek may leave the first where it is.
    SetTimer(wnd, 1, 10, nullptr);
    plat_Headless_AdvanceTime(10);
    PostQuitMessage(3);
    plat_Headless_Post(WM_KEYDOWN, 'A', 0);
    PostMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, UINT(WM_KEYDOWN));
    using Got = std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>>;
    EXPECT_EQ(Drain(), (Got{{wnd, WM_KEYDOWN, 'A', 0}, {wnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4)}, {nullptr, WM_QUIT, 3, 0},
                            {wnd, WM_TIMER, 1, 0}}));

    // Default processing of WM_CLOSE destroys the window, its queue and its timers.
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    PostMessageA(wnd, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    DispatchMessageA(&m);
    std::vector<UINT> got;
    for (const MSG& s : seen) got.push_back(s.message);
    EXPECT_EQ(got, (std::vector<UINT>{WM_CREATE, WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(DestroyWindow(wnd) || PostMessageA(wnd, WM_KEYDOWN, 'A', 0));
    EXPECT_EQ(Ticks(100), 0u);
    EXPECT_EQ(create("XX"), nullptr);
    EXPECT_NE(create("QV"), nullptr);
}

TEST_F(HeadlessWindow, TimersTickOncePerPeriodCoalesceAndStop) {
    EXPECT_EQ(SetTimer(wnd, 1, 20, nullptr), 1u);
    // Five periods pass unseen: one tick waits, and the next keeps the timer's phase (120).
    const std::pair<DWORD, size_t> steps[] = {{19, 0}, {1, 1}, {85, 1}, {14, 0}, {1, 1}};
    for (auto [ms, ticks] : steps) EXPECT_EQ(Ticks(ms), ticks) << plat_Headless_Now();
    plat_Headless_AdvanceTime(20);
    EXPECT_TRUE(KillTimer(wnd, 1));  // takes even a tick already due
    EXPECT_FALSE(KillTimer(wnd, 1));
    EXPECT_EQ(Drain().size(), 0u);
    SetTimer(wnd, 1, 50, nullptr);  // again: the new period, none shorter than 10 ms
    SetTimer(wnd, 1, 0, nullptr);
    EXPECT_EQ((std::pair{Ticks(9), Ticks(1)}), std::pair(size_t{0}, size_t{1}));  // braces: in order
}

TEST_F(HeadlessWindow, IdleScriptPlaysTheUserAndNothingLeftToWaitForEndsEveryLoop) {
    const auto loop = [] {
        int n = 0;
        for (MSG m; GetMessageA(&m, nullptr, 0, 0); ++n) DispatchMessageA(&m);
        return n;
    };
    EXPECT_EQ(loop(), 0);  // no timer, no script: WM_QUIT rather than a hang
    // A loop that only polls, as an active application does, still sees time pass.
    SetTimer(wnd, 1, 16, nullptr);
    for (MSG m; Count(WM_TIMER) < 3;) {
        if (!PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE)) continue;
        ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
        DispatchMessageA(&m);
    }
    EXPECT_EQ(plat_Headless_Now(), 48u);

    Open({});
    SetTimer(wnd, 1, 16, nullptr);
    int calls = 0;
    plat_Headless_SetIdleScript([&] {
        if (++calls == 1) plat_Headless_Post(WM_KEYDOWN, VK_SPACE, 0);
        if (Count(WM_TIMER) == 3) PostMessageA(wnd, WM_CLOSE, 0, 0);
    });
    loop();
    plat_Headless_SetIdleScript(nullptr);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(std::tuple(seen[1].message, seen[1].time), std::tuple(UINT(WM_KEYDOWN), 0u));  // before time moved
    EXPECT_EQ(std::tuple(Count(WM_TIMER), seen.back().message, plat_Headless_Now()),
              std::tuple(3, UINT(WM_DESTROY), 48u));
}

TEST_F(HeadlessWindow, KeyStateMessageBoxesAndAMissingDisplay) {
    const auto down = [] {
        std::string keys;
        for (int vk : {VK_CONTROL, VK_SHIFT, VK_LBUTTON}) keys += (GetAsyncKeyState(vk) & 0x8000) ? '1' : '0';
        return keys;
    };
    EXPECT_EQ(down(), "000");
    plat_Headless_SetKeyDown(VK_CONTROL, true);
    plat_Headless_Post(WM_KEYDOWN, VK_SHIFT, 0);  // down as soon as it happens, before it is taken
    plat_Headless_Post(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(down(), "111");
    plat_Headless_Post(WM_KEYUP, VK_SHIFT, 0);
    EXPECT_EQ(down(), "101");

    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(wnd, "Problem pri inicializacii", "QV Pexlo", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "second", nullptr, MB_OK), IDOK);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Problem pri inicializacii"), std::string::npos);
    EXPECT_EQ(plat_Headless_MessageBoxes(), (std::vector<std::string>{"Problem pri inicializacii", "second"}));

    plat_HeadlessConfig config;
    config.failWindow = true;
    config.desktopW = 1366;
    config.desktopH = 768;
    Open(config);  // a fresh start forgets keys and boxes
    EXPECT_EQ(std::tuple(down(), plat_Headless_MessageBoxes().size(), wnd, seen.size()),
              std::tuple("000", size_t{0}, HWND{}, size_t{0}));
    EXPECT_EQ(std::pair(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), std::pair(1366, 768));
}

}  // namespace
