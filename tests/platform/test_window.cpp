// The window and its queue on the headless backend: order, closing, timers, keys, message boxes,
// files dropped; and SDL's drop events as the sdl backend gives them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include <string>
#include <tuple>

#include "platform/backend.h"
#include "platform/window.h"

namespace {

std::vector<UINT> seen;  // what the window procedure was given

struct HeadlessWindow : testing::Test {
    void SetUp() override { Open({}); }
    void Open(const plat_HeadlessConfig& config) {
        plat_Headless_Start(config);
        seen.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) { return seen.push_back(m), DefWindowProcA(w, m, wp, lp); };
        wc.lpszClassName = "QV";
        RegisterClassA(&wc);
        wnd = CreateWindowExA(0, "qv", "QV Pexlo", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
    }
    using Got = std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>>;
    static Got Drain() {  // whose, which and its parameters, taken without waiting
        Got got;
        for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);) got.emplace_back(m.hwnd, m.message, m.wParam, m.lParam);
        return got;
    }
    static size_t Ticks(DWORD ms) { return plat_Headless_AdvanceTime(ms), Drain().size(); }
    HWND wnd = nullptr;
};

TEST_F(HeadlessWindow, OneWindowItsQueueInOrderTimersAndCloseTakesItAllAway) {
    EXPECT_EQ(std::pair(seen, CreateWindowExA(0, "QV", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr)),
              std::pair(std::vector<UINT>{WM_CREATE}, HWND{}));  // one at a time
    SetTimer(wnd, 1, 10, nullptr);
    plat_Headless_AdvanceTime(10);
    PostQuitMessage(3);
    plat_Headless_Post(WM_KEYDOWN, 'A', 0);
    PostMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(Drain(), (Got{{wnd, WM_KEYDOWN, 'A', 0}, {wnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4)}, {nullptr, WM_QUIT, 3, 0},
                            {wnd, WM_TIMER, 1, 0}}));
    // Five periods pass unseen: one tick waits, and the next keeps the timer's phase; none under 10 ms.
    SetTimer(wnd, 1, 20, nullptr);
    for (auto [ms, ticks] : {std::pair<DWORD, size_t>{19, 0}, {1, 1}, {85, 1}, {14, 0}, {1, 1}})
        EXPECT_EQ(Ticks(ms), ticks) << plat_Headless_Now();
    plat_Headless_AdvanceTime(20);
    EXPECT_TRUE(KillTimer(wnd, 1) && !KillTimer(wnd, 1) && Drain().empty());  // even a tick already due
    SetTimer(wnd, 1, 0, nullptr);
    EXPECT_EQ((std::pair{Ticks(9), Ticks(1)}), std::pair(size_t{0}, size_t{1}));

    // Default processing of WM_CLOSE destroys the window, its queue and its timers.
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    PostMessageA(wnd, WM_KEYDOWN, VK_ESCAPE, 0);
    MSG m;
    if (GetMessageA(&m, nullptr, 0, 0)) DispatchMessageA(&m);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_CREATE, WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(DestroyWindow(wnd) || PostMessageA(wnd, WM_KEYDOWN, 'A', 0));
    EXPECT_EQ(Ticks(100), 0u);
}

TEST_F(HeadlessWindow, KeyStateMessageBoxesAndAMissingDisplay) {
    const auto down = [] {
        std::string keys;
        for (int vk : {VK_CONTROL, VK_SHIFT, VK_LBUTTON}) keys += (GetAsyncKeyState(vk) & 0x8000) ? '1' : '0';
        return keys;
    };
    plat_Headless_SetKeyDown(VK_CONTROL, true);
    plat_Headless_Post(WM_KEYDOWN, VK_SHIFT, 0);  // down as soon as it happens, before it is taken
    plat_Headless_Post(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    const std::string both = down();
    plat_Headless_Post(WM_KEYUP, VK_SHIFT, 0);
    MessageBoxA(wnd, "Problem pri inicializacii", "QV Pexlo", MB_OK);
    EXPECT_EQ(std::pair(both + down(), plat_Headless_MessageBoxes()),
              std::pair(std::string("111101"), std::vector<std::string>{"Problem pri inicializacii"}));
    Open({.desktopW = 1366, .failWindow = true});  // a fresh start forgets keys and boxes
    EXPECT_EQ(std::tuple(down(), plat_Headless_MessageBoxes().size(), wnd, GetSystemMetrics(SM_CXSCREEN)),
              std::tuple("000", size_t{0}, HWND{}, 1366));
}

using Files = std::vector<std::string>;

TEST_F(HeadlessWindow, FilesDroppedTogetherComeAsOneMessageTakenOnceAndOnlyTheLastFewWait) {
    plat_Headless_Post(WM_KEYDOWN, 'A', 0);
    plat_Headless_Drop({"/home/a/kvet.png", "/home/a/Obrázky/vták.gif"});
    plat_Headless_Drop({"/tmp/x.jpg"});
    const Got got = Drain();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(std::tuple(std::get<1>(got[1]), std::get<1>(got[2])), std::tuple(UINT(WM_DROPFILES), UINT(WM_DROPFILES)));
    const WPARAM first = std::get<2>(got[1]), second = std::get<2>(got[2]);
    EXPECT_EQ(plat_TakeDroppedFiles(second), Files{"/tmp/x.jpg"});
    EXPECT_EQ(plat_TakeDroppedFiles(first), (Files{"/home/a/kvet.png", "/home/a/Obrázky/vták.gif"}));
    EXPECT_TRUE(plat_TakeDroppedFiles(first).empty() && plat_TakeDroppedFiles(0).empty()) << "given once";
    for (int i = 0; i < 40; ++i) plat_Headless_Drop({std::to_string(i)});  // a program that never takes them
    const Got waiting = Drain();
    EXPECT_TRUE(plat_TakeDroppedFiles(std::get<2>(waiting[0])).empty()) << "the oldest went";
    EXPECT_EQ(plat_TakeDroppedFiles(std::get<2>(waiting.back())), Files{"39"});
}

// SDL's begin, files and end of one drop, with no display: the dummy video driver.
TEST(SdlDrop, TheFilesBetweenADropsBeginAndEndMakeOneGroupAndALoneFileItsOwn) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    plat_SelectBackend("sdl");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    const auto push = [](Uint32 type, const char* file) {
        SDL_Event e{};
        e.drop.type = type;
        e.drop.file = file ? SDL_strdup(file) : nullptr;
        SDL_PushEvent(&e);
    };
    push(SDL_DROPBEGIN, nullptr);
    push(SDL_DROPFILE, "/home/a/1.png");
    push(SDL_DROPTEXT, "some words");
    push(SDL_DROPFILE, "/home/a/2.png");
    push(SDL_DROPCOMPLETE, nullptr);
    push(SDL_DROPFILE, "/home/a/alone.png");
    std::vector<Files> drops;
    for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);)
        if (m.message == WM_DROPFILES) drops.push_back(plat_TakeDroppedFiles(m.wParam));
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    plat_SelectBackend("headless");
    EXPECT_EQ(drops, (std::vector<Files>{{"/home/a/1.png", "/home/a/2.png"}, {"/home/a/alone.png"}}));
}

}  // namespace
