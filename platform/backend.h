// Backend choice and the headless backend's controls (tests and benchmarks).
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"

class IDirectDrawSurface;

// "sdl" (the default) opens a real window; "headless" opens none. Either starts afresh: no
// window, no classes, an empty queue, no timers.
void plat_SelectBackend(const char* name);
bool plat_IsHeadless();

struct plat_HeadlessConfig {
    int desktopW = 1920, desktopH = 1080;
    // The display's own modes in the order the display reports them (width, height).
    std::vector<std::pair<int, int>> modes = {{640, 480}, {800, 600}, {1024, 768}, {1280, 720}, {1920, 1080}};
    bool failWindow = false;  // CreateWindowExA fails, as without a display
};
// Switches to the headless backend and resets its whole state: window, classes, queue, timers,
// clock, keys, idle script and message boxes.
void plat_Headless_Start(const plat_HeadlessConfig& config);

// Queues a message for the window as if it came from the user; key and button messages also
// update GetAsyncKeyState. Mouse positions are logical screen pixels.
void plat_Headless_Post(UINT msg, WPARAM wParam, LPARAM lParam);
void plat_Headless_SetKeyDown(int vk, bool down);
// Files dropped on the window together (host paths), as one WM_DROPFILES.
void plat_Headless_Drop(std::vector<std::string> files);
// Moves the clock; every timer that falls due has its WM_TIMER waiting (one, however many
// periods passed, as Windows coalesces them).
void plat_Headless_AdvanceTime(DWORD ms);
DWORD plat_Headless_Now();
// Called when the message loop would wait with an empty queue: the test script posts
// messages or advances time there. Without a script, or when the script adds nothing, time
// jumps to the next timer; with no timer at all the loop gets WM_QUIT instead of hanging.
void plat_Headless_SetIdleScript(std::function<void()> script);
// The texts of every message box shown, in order.
const std::vector<std::string>& plat_Headless_MessageBoxes();
// Frames presented on the primary since the start; of the last one, how many parts were shown
// alone (0: the whole frame).
unsigned plat_Headless_Presented();
size_t plat_Headless_PresentedParts();

// The surface the user sees (the primary), or null before the display exists.
IDirectDrawSurface* plat_PrimarySurface();
// Writes a surface as a 24-bit BMP (a screenshot); false on failure.
bool plat_SaveSurfaceBMP(IDirectDrawSurface* srf, const char* hostPath);
