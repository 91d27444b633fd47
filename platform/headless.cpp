// The headless backend: no window and no display; tests inject the user's messages, move a
// virtual clock and read the primary surface back.
#include <algorithm>
#include <set>

#include "platform/backend.h"
#include "platform/window_internal.h"

namespace {

class Headless final : public plat_Backend {
public:
    void Reset(const plat_HeadlessConfig& c) {
        config = c;
        clock = 0;
        keys.clear();
        script = nullptr;
        boxes.clear();
        presented = 0;
        lastParts = 0;
    }

    uint64_t Now() override { return clock; }
    void Pump() override {}

    // The script stands for the user; when it does nothing, time runs on to the next tick.
    void Idle() override {
        if (script) script();
        if (plat_MessageWaiting()) return;
        const uint64_t due = plat_NextTimerDue();
        if (due == UINT64_MAX)
            PostQuitMessage(0);  // nothing could ever arrive
        else
            clock = std::max(clock, due);
    }

    bool OpenWindow(const char*, int, int) override { return !config.failWindow; }
    void CloseWindow() override {}
    void ShowWindow(bool) override {}
    bool KeyDown(int vk) override { return keys.count(vk) != 0; }
    void ShowMessageBox(const char* text, const char*) override { boxes.push_back(text); }
    void ShowPointer(bool) override {}
    void DesktopSize(int* w, int* h) override {
        *w = config.desktopW;
        *h = config.desktopH;
    }
    std::vector<std::pair<int, int>> DisplayModes() override { return config.modes; }
    void Present(const IDirectDrawSurface&, const std::vector<RECT>* changed, bool inParts) override {
        ++presented;
        lastParts = inParts && changed ? changed->size() : 0;
    }

    plat_HeadlessConfig config;
    uint64_t clock = 0;
    std::set<int> keys;
    std::function<void()> script;
    std::vector<std::string> boxes;
    unsigned presented = 0;
    size_t lastParts = 0;
};

Headless& headless() {
    static Headless h;
    return h;
}

}  // namespace

plat_Backend& plat_HeadlessBackend() { return headless(); }

void plat_Headless_Start(const plat_HeadlessConfig& config) {
    plat_UseBackend(headless());
    headless().Reset(config);
}

void plat_Headless_Post(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_KEYDOWN: plat_Headless_SetKeyDown(static_cast<int>(wParam), true); break;
        case WM_KEYUP: plat_Headless_SetKeyDown(static_cast<int>(wParam), false); break;
        case WM_LBUTTONDOWN: plat_Headless_SetKeyDown(VK_LBUTTON, true); break;
        case WM_LBUTTONUP: plat_Headless_SetKeyDown(VK_LBUTTON, false); break;
        case WM_RBUTTONDOWN: plat_Headless_SetKeyDown(VK_RBUTTON, true); break;
        case WM_RBUTTONUP: plat_Headless_SetKeyDown(VK_RBUTTON, false); break;
    }
    plat_QueueInput(msg, wParam, lParam);
}

void plat_Headless_Drop(std::vector<std::string> files) { plat_QueueDrop(std::move(files)); }

void plat_Headless_SetKeyDown(int vk, bool down) {
    if (down)
        headless().keys.insert(vk);
    else
        headless().keys.erase(vk);
}

void plat_Headless_AdvanceTime(DWORD ms) { headless().clock += ms; }
DWORD plat_Headless_Now() { return static_cast<DWORD>(headless().clock); }
void plat_Headless_SetIdleScript(std::function<void()> script) { headless().script = std::move(script); }
const std::vector<std::string>& plat_Headless_MessageBoxes() { return headless().boxes; }
unsigned plat_Headless_Presented() { return headless().presented; }
size_t plat_Headless_PresentedParts() { return headless().lastParts; }
