// The sdl backend: one real window, desktop full screen unless Alt+Enter makes it a window,
// showing the primary surface scaled to fit, and SDL's events as window messages.
#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/codepage.h"
#include "platform/ddraw.h"
#include "platform/display_internal.h"
#include "platform/resources.h"
#include "platform/sdl_screen.h"
#include "platform/window_internal.h"

namespace {

// The longest wait between ticks of a drowsy program: what it shows late by this much (a
// message's end) is not missed, and input ends the wait at once.
constexpr uint64_t DROWSY_WAIT = 250;

// Offered beside the display's own modes when they fit the desktop.
constexpr std::pair<int, int> COMMON_SIZES[] = {{800, 600},   {1024, 768},  {1280, 720},  {1280, 800},  {1280, 1024},
                                                {1366, 768},  {1440, 900},  {1600, 900},  {1680, 1050}, {1920, 1080},
                                                {1920, 1200}, {2560, 1440}, {3840, 2160}};

void warn(const char* what) {
    OutputDebugStringA((std::string("sdl: ") + what + ": " + SDL_GetError() + "\n").c_str());
}

class Sdl final : public plat_Backend {
public:
    uint64_t Now() override { return SDL_GetTicks64(); }

    void Pump() override {
        if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
        SDL_Event e;
        while (SDL_PollEvent(&e)) Translate(e);
    }

    void Idle() override {
        const uint64_t now = Now();
        uint64_t due = plat_NextTimerDue();
        if (plat_IsDrowsy() && due != UINT64_MAX) due = std::max(due, now + DROWSY_WAIT);
        if (!window && due == UINT64_MAX) {
            OutputDebugStringA("sdl: no window and no timer, so nothing can arrive: quitting\n");
            PostQuitMessage(0);
            return;
        }
        if (due <= now) return;
        const int ms = due == UINT64_MAX ? -1 : static_cast<int>(std::min<uint64_t>(due - now, INT_MAX));
        if (window)
            SDL_WaitEventTimeout(nullptr, ms);  // sleeps until an event or the deadline
        else
            SDL_Delay(static_cast<Uint32>(ms));
    }

    bool OpenWindow(const char* title, int w, int h) override {
        if (!VideoReady()) return false;
        // Every frame is drawn in memory and goes to the window's own surface as it is, where a
        // renderer (or a window texture under it) adds an upload and a redraw that cost more than
        // the frame itself without a graphics card. The environment still wins.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        window = SDL_CreateWindow(plat_Utf8FromCp1250(title).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  std::max(w, 1), std::max(h, 1), SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_HIDDEN);
        if (!window) {
            warn("no window");
            return false;
        }
        if (!SDL_GetWindowSurface(window)) {
            warn("no window surface");
            CloseWindow();
            return false;
        }
        if (const plat_Resource* res = plat_FindResource("QV_ICON.bmp")) {
            if (SDL_Surface* icon = SDL_LoadBMP_RW(SDL_RWFromConstMem(res->data, static_cast<int>(res->size)), 1)) {
                // The icon's background is the skins' transparent magenta.
                SDL_SetColorKey(icon, SDL_TRUE, SDL_MapRGB(icon->format, 0xFF, 0x00, 0xFF));
                SDL_SetWindowIcon(window, icon);
                SDL_FreeSurface(icon);
            }
        }
        SDL_ShowCursor(pointerShown ? SDL_ENABLE : SDL_DISABLE);
        SDL_StartTextInput();  // typed characters, dead keys and input methods composed
        return true;
    }

    void CloseWindow() override {
        screen.Forget();
        if (window) SDL_DestroyWindow(window);
        window = nullptr;
    }

    void ShowWindow(bool show) override {
        if (!window) return;
        if (show)
            SDL_ShowWindow(window);
        else
            SDL_HideWindow(window);
    }

    bool KeyDown(int vk) override {
        if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
        const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
        if (vk == VK_LBUTTON) return buttons & SDL_BUTTON_LMASK;
        if (vk == VK_RBUTTON) return buttons & SDL_BUTTON_RMASK;
        int n = 0;
        const Uint8* state = SDL_GetKeyboardState(&n);
        for (int sc = 0; sc < n; ++sc)
            if (state[sc] && plat_VirtualKey(SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(sc)), sc) == vk)
                return true;
        return false;
    }

    void ShowMessageBox(const char* text, const char* caption) override {
        if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, plat_Utf8FromCp1250(caption).c_str(),
                                     plat_Utf8FromCp1250(text).c_str(), window) != 0)
            warn("no message box");
    }

    void ShowPointer(bool show) override {
        pointerShown = show;
        if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
    }

    void DesktopSize(int* w, int* h) override {
        SDL_DisplayMode m{};
        if (VideoReady() && SDL_GetDesktopDisplayMode(Display(), &m) == 0) {
            *w = m.w;
            *h = m.h;
        }
    }

    // The display's own modes (a size may come again at another refresh rate) and the common
    // sizes it does not list, smallest first as display drivers report them: a configured size
    // the display lacks falls back to the last, the largest.
    std::vector<std::pair<int, int>> DisplayModes() override {
        std::vector<std::pair<int, int>> modes;
        if (!VideoReady()) return modes;
        const int d = Display();
        for (int i = 0, n = SDL_GetNumDisplayModes(d); i < n; ++i) {
            SDL_DisplayMode m{};
            if (SDL_GetDisplayMode(d, i, &m) == 0) modes.emplace_back(m.w, m.h);
        }
        int dw = 0, dh = 0;
        DesktopSize(&dw, &dh);
        for (const auto& size : COMMON_SIZES)
            if (size.first <= dw && size.second <= dh && std::find(modes.begin(), modes.end(), size) == modes.end())
                modes.push_back(size);
        std::stable_sort(modes.begin(), modes.end());
        return modes;
    }

    void Present(const IDirectDrawSurface& primary, const std::vector<RECT>* changed, bool) override {
        if (window) screen.Show(window, primary, false, changed);
    }

private:
    // Video starts with the first call that needs it; without a display it is not tried again.
    bool VideoReady() {
        if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
        if (videoFailed) return false;
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
            // Without a display SDL falls back to drivers nobody can see; refuse them unless
            // they were asked for.
            const char* driver = SDL_GetCurrentVideoDriver();
            bool invisible = driver && (!strcmp(driver, "offscreen") || !strcmp(driver, "dummy"));
            if (!invisible || getenv("SDL_VIDEODRIVER")) return true;
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
        warn("no display");
        videoFailed = true;
        return false;
    }

    int Display() const { return window ? std::max(SDL_GetWindowDisplayIndex(window), 0) : 0; }

    void Translate(const SDL_Event& e) {
        switch (e.type) {
            case SDL_QUIT: plat_QueueInput(WM_CLOSE, 0, 0); break;
            case SDL_KEYDOWN:
            case SDL_KEYUP: Key(e.key); break;
            case SDL_TEXTINPUT: Typed(e.text.text); break;
            case SDL_MOUSEMOTION:
                // The program chooses the pointer when it comes over the window, as on Windows.
                if (!pointerInside)
                    plat_QueueInput(WM_SETCURSOR, reinterpret_cast<WPARAM>(plat_TheWindow()),
                                    MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
                pointerInside = true;
                plat_QueueInput(WM_MOUSEMOVE, Finger(e.motion.which), Where(e.motion.x, e.motion.y));
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: Button(e.button); break;
            case SDL_WINDOWEVENT: WindowEvent(e.window.event); break;
            case SDL_DROPBEGIN:
                dropping = true;
                dropped.clear();
                break;
            case SDL_DROPFILE:
            case SDL_DROPTEXT: Dropped(e.drop); break;
            case SDL_DROPCOMPLETE:
                dropping = false;
                if (!dropped.empty()) plat_QueueDrop(std::move(dropped));
                dropped.clear();
                break;
        }
    }

    // Files dropped together come as one drop; a file outside a drop's begin and end (an
    // older desktop) makes a drop of its own. Dropped text is no file.
    void Dropped(const SDL_DropEvent& d) {
        if (!d.file) return;
        if (d.type == SDL_DROPFILE) dropped.push_back(d.file);
        SDL_free(d.file);
        if (!dropping && !dropped.empty()) {
            plat_QueueDrop(std::move(dropped));
            dropped.clear();
        }
    }

    void Key(const SDL_KeyboardEvent& k) {
        const bool down = k.type == SDL_KEYDOWN;
        // Alt+Enter switches between full screen and a window; the program never sees it.
        if (k.keysym.sym == SDLK_RETURN || k.keysym.sym == SDLK_KP_ENTER) {
            if (down && (k.keysym.mod & KMOD_ALT)) {
                if (!k.repeat) ToggleFullScreen();
                swallowEnterUp = true;
                return;
            }
            if (!down && swallowEnterUp) {
                swallowEnterUp = false;
                return;
            }
        }
        if (const int vk = plat_VirtualKey(k.keysym.sym, k.keysym.scancode))
            plat_QueueInput(down ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(vk), 0);
    }

    // What the desktop's text input composed, one WM_CHAR per character of the code page, after
    // the WM_KEYDOWN of its key as on Windows.
    void Typed(const char* utf8) {
        for (const char c : plat_Cp1250TypedFromUtf8(utf8))
            plat_QueueInput(WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
    }

    // SDL makes pointer events of a finger's touches, as the desktop does for other programs.
    static WPARAM Finger(Uint32 which) { return which == SDL_TOUCH_MOUSEID ? PLAT_MK_TOUCH : 0; }

    void Button(const SDL_MouseButtonEvent& b) {
        const bool down = b.type == SDL_MOUSEBUTTONDOWN;
        if (b.button == SDL_BUTTON_LEFT)
            plat_QueueInput(down ? WM_LBUTTONDOWN : WM_LBUTTONUP, Finger(b.which), Where(b.x, b.y));
        else if (b.button == SDL_BUTTON_RIGHT)
            plat_QueueInput(down ? WM_RBUTTONDOWN : WM_RBUTTONUP, 0, Where(b.x, b.y));
    }

    void WindowEvent(Uint8 ev) {
        switch (ev) {
            case SDL_WINDOWEVENT_FOCUS_GAINED: plat_QueueInput(WM_ACTIVATEAPP, 1, 0); break;
            case SDL_WINDOWEVENT_FOCUS_LOST: plat_QueueInput(WM_ACTIVATEAPP, 0, 0); break;
            case SDL_WINDOWEVENT_LEAVE: pointerInside = false; break;
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_SIZE_CHANGED: ShowAgain(); break;
        }
    }

    // A window point as a logical screen pixel, through the letterbox.
    LPARAM Where(int x, int y) const {
        int ww = 0, wh = 0;
        if (window) SDL_GetWindowSize(window, &ww, &wh);
        int w = ww, h = wh;
        if (IDirectDrawSurface* s = plat_PrimarySurface()) {
            w = s->Width();
            h = s->Height();
        }
        const POINT p = plat_AreaToPicture(plat_Letterbox(ww, wh, w, h), w, h, x, y);
        return MAKELPARAM(p.x, p.y);
    }

    // The primary holds the last whole frame: the frame's final copy is what fills it.
    void ShowAgain() {
        IDirectDrawSurface* s = plat_PrimarySurface();
        if (!s || s->lost || !window) return;
        screen.Show(window, *s, true, nullptr);
    }

    void ToggleFullScreen() {
        if (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) {
            SDL_SetWindowFullscreen(window, 0);
            SDL_SetWindowResizable(window, SDL_TRUE);
            // The screen at its own size when that fits well inside the desktop, else smaller.
            int dw = 0, dh = 0;
            DesktopSize(&dw, &dh);
            const IDirectDrawSurface* s = plat_PrimarySurface();
            const int w = s ? s->Width() : dw, h = s ? s->Height() : dh, roomW = dw * 9 / 10, roomH = dh * 9 / 10;
            const plat_Box box = w <= roomW && h <= roomH ? plat_Box{0, 0, w, h} : plat_Letterbox(roomW, roomH, w, h);
            SDL_SetWindowSize(window, box.w, box.h);
            SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        } else {
            SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        }
        ShowAgain();
    }

    SDL_Window* window = nullptr;
    plat_SdlScreen screen;
    bool videoFailed = false;
    bool pointerShown = true;
    bool pointerInside = false;
    bool swallowEnterUp = false;
    bool dropping = false;  // between a drop's begin and its end
    std::vector<std::string> dropped;
};

}  // namespace

plat_Backend& plat_SdlBackend() {
    static Sdl sdl;
    return sdl;
}
