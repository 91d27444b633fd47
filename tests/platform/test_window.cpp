// The window and its queue on the headless backend: order, quitting, closing, timers, idling.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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
    // The messages waiting now, taken without waiting.
    std::vector<MSG> Drain() {
        std::vector<MSG> got;
        for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);) got.push_back(m);
        return got;
    }
    // Runs a message loop until WM_QUIT; the number of messages dispatched.
    int Loop() {
        int n = 0;
        for (MSG m; GetMessageA(&m, nullptr, 0, 0); ++n) DispatchMessageA(&m);
        return n;
    }
    static int Count(UINT msg) {
        return static_cast<int>(std::count_if(seen.begin(), seen.end(), [&](const MSG& m) { return m.message == msg; }));
    }
    HWND wnd = nullptr;
};

TEST_F(HeadlessWindow, CreationSendsWmCreateAndThereIsOneWindow) {
    ASSERT_NE(wnd, nullptr);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, UINT(WM_CREATE));
    EXPECT_EQ(seen[0].hwnd, wnd);
    const auto create = [](const char* cls) {
        return CreateWindowExA(0, cls, "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    };
    EXPECT_EQ(create("QV"), nullptr);
    ASSERT_TRUE(DestroyWindow(wnd));
    EXPECT_EQ(create("XX"), nullptr);
    EXPECT_NE(create("QV"), nullptr);
}

TEST_F(HeadlessWindow, QueueGivesPostedThenQuitThenTimerAndPeekCanLeaveThem) {
    SetTimer(wnd, 1, 10, nullptr);
    plat_Headless_AdvanceTime(10);
    PostQuitMessage(3);
    plat_Headless_Post(WM_KEYDOWN, 'A', 0);
    PostMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, UINT(WM_KEYDOWN));
    const std::vector<MSG> got = Drain();  // the peeked message is still first
    ASSERT_EQ(got.size(), 4u);
    const auto is = [&](size_t i, UINT msg, WPARAM wp, HWND w) {
        return got[i].message == msg && got[i].wParam == wp && got[i].hwnd == w;
    };
    EXPECT_TRUE(is(0, WM_KEYDOWN, 'A', wnd));
    EXPECT_TRUE(is(1, WM_MOUSEMOVE, 0, wnd));
    EXPECT_EQ(got[1].lParam, MAKELPARAM(3, 4));
    EXPECT_TRUE(is(2, WM_QUIT, 3, nullptr));
    EXPECT_TRUE(is(3, WM_TIMER, 1, wnd));
    EXPECT_TRUE(Drain().empty());
}

TEST_F(HeadlessWindow, DefaultProcessingOfCloseDestroysTheWindow) {
    SetTimer(wnd, 1, 16, nullptr);
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    PostMessageA(wnd, WM_KEYDOWN, VK_ESCAPE, 0);
    MSG m;
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    DispatchMessageA(&m);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1].message, UINT(WM_CLOSE));
    EXPECT_EQ(seen[2].message, UINT(WM_DESTROY));  // sent while DestroyWindow ran

    // The window is gone with its queued messages and timers.
    EXPECT_FALSE(DestroyWindow(wnd));
    EXPECT_FALSE(PostMessageA(wnd, WM_KEYDOWN, 'A', 0));
    plat_Headless_AdvanceTime(100);
    EXPECT_TRUE(Drain().empty());
    EXPECT_EQ(seen.size(), 3u);
}

TEST_F(HeadlessWindow, TimersTickOncePerPeriodCoalesceAndStop) {
    EXPECT_EQ(SetTimer(wnd, 1, 20, nullptr), 1u);
    plat_Headless_AdvanceTime(19);
    EXPECT_TRUE(Drain().empty());
    plat_Headless_AdvanceTime(1);
    const std::vector<MSG> got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].time, 20u);

    // Five periods pass unseen: one tick waits, and the next keeps the timer's phase (120).
    plat_Headless_AdvanceTime(85);
    EXPECT_EQ(Drain().size(), 1u);
    plat_Headless_AdvanceTime(14);
    EXPECT_TRUE(Drain().empty());
    plat_Headless_AdvanceTime(1);
    EXPECT_EQ(Drain().size(), 1u);

    // KillTimer takes even a tick already due.
    plat_Headless_AdvanceTime(20);
    EXPECT_TRUE(KillTimer(wnd, 1));
    EXPECT_FALSE(KillTimer(wnd, 1));
    EXPECT_TRUE(Drain().empty());

    // Setting a timer again restarts it with the new period; none is shorter than 10 ms.
    SetTimer(wnd, 1, 50, nullptr);
    SetTimer(wnd, 1, 0, nullptr);
    plat_Headless_AdvanceTime(9);
    EXPECT_TRUE(Drain().empty());
    plat_Headless_AdvanceTime(1);
    EXPECT_EQ(Drain().size(), 1u);
}

TEST_F(HeadlessWindow, IdleScriptPlaysTheUserAndTheLoopEnds) {
    SetTimer(wnd, 1, 16, nullptr);
    int calls = 0;
    plat_Headless_SetIdleScript([&] {
        if (++calls == 1) plat_Headless_Post(WM_KEYDOWN, VK_SPACE, 0);
        if (Count(WM_TIMER) == 3) PostMessageA(wnd, WM_CLOSE, 0, 0);
    });
    Loop();
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[1].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(seen[1].time, 0u);  // before time moved
    EXPECT_EQ(Count(WM_TIMER), 3);
    EXPECT_EQ(seen.back().message, UINT(WM_DESTROY));
    EXPECT_EQ(plat_Headless_Now(), 48u);
}

TEST_F(HeadlessWindow, NothingLeftToWaitForEndsEveryLoop) {
    EXPECT_EQ(Loop(), 0);  // no timer, no script: WM_QUIT rather than a hang

    // A loop that only polls, as an active application does, still sees time pass.
    SetTimer(wnd, 1, 16, nullptr);
    for (MSG m; Count(WM_TIMER) < 3;) {
        if (!PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE)) continue;
        ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
        DispatchMessageA(&m);
    }
    EXPECT_EQ(plat_Headless_Now(), 48u);
}

TEST_F(HeadlessWindow, AsyncKeyStateFollowsInjectedInput) {
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
    plat_Headless_Start({});
    EXPECT_EQ(down(), "000");
}

TEST_F(HeadlessWindow, MessageBoxesAreRecordedAndPrinted) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(wnd, "Problem pri inicializacii", "QV Pexlo", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "second", nullptr, MB_OK), IDOK);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Problem pri inicializacii"), std::string::npos);
    EXPECT_EQ(plat_Headless_MessageBoxes(), (std::vector<std::string>{"Problem pri inicializacii", "second"}));
    plat_Headless_Start({});
    EXPECT_TRUE(plat_Headless_MessageBoxes().empty());
}

TEST_F(HeadlessWindow, WithoutADisplayNoWindowIsMade) {
    plat_HeadlessConfig config;
    config.failWindow = true;
    config.desktopW = 1366;
    config.desktopH = 768;
    Open(config);
    EXPECT_EQ(wnd, nullptr);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1366);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
}

}  // namespace
