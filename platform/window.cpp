// The one window: window classes, creation and destruction, default processing, and the
// calls that reach the user directly (pointer, keys, message boxes, desktop size).
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/window_internal.h"

struct plat_Window {
    WNDPROC proc;
    bool visible = false;
    bool destroying = false;
};

namespace {

struct WindowClass {
    std::string name;
    WNDPROC proc;
};

// Icons and cursors are drawn by the system or not at all; their handles only need to be
// distinct from null.
char arrow_token;

struct Windows {
    std::vector<WindowClass> classes;
    std::unique_ptr<plat_Window> window;
    HCURSOR cursor = &arrow_token;
};

Windows& windows() {
    static Windows w;
    return w;
}

void warn(const char* what) { OutputDebugStringA((std::string("window: ") + what + "\n").c_str()); }

}  // namespace

HWND plat_TheWindow() { return windows().window.get(); }

LRESULT plat_CallWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Messages for a window that is gone, and thread messages, reach no procedure.
    if (!wnd || wnd != plat_TheWindow()) return 0;
    return wnd->proc(wnd, msg, wParam, lParam);
}

void plat_ResetWindows() {
    Windows& w = windows();
    if (w.window) plat_CurrentBackend().CloseWindow();
    w = Windows();
}

BOOL RegisterClassA(const WNDCLASSA* wc) {
    if (!wc || !wc->lpfnWndProc || !wc->lpszClassName) return FALSE;
    for (const WindowClass& c : windows().classes)
        if (plat_Cp1250EqualNoCase(c.name.c_str(), wc->lpszClassName)) return FALSE;  // already registered
    windows().classes.push_back({wc->lpszClassName, wc->lpfnWndProc});
    return TRUE;
}

HWND CreateWindowExA(DWORD, const char* className, const char* title, DWORD, int, int, int w, int h, HWND, void*,
                     HINSTANCE, void*) {
    Windows& all = windows();
    WNDPROC proc = nullptr;
    for (const WindowClass& c : all.classes)
        if (className && plat_Cp1250EqualNoCase(c.name.c_str(), className)) proc = c.proc;
    if (!proc) {
        warn("no such window class");
        return nullptr;
    }
    if (all.window) {
        warn("there is a window already");
        return nullptr;
    }
    if (!plat_CurrentBackend().OpenWindow(title ? title : "", w, h)) return nullptr;
    all.window = std::make_unique<plat_Window>(plat_Window{proc});
    proc(all.window.get(), WM_CREATE, 0, 0);
    return all.window.get();
}

BOOL DestroyWindow(HWND wnd) {
    if (!wnd || wnd != plat_TheWindow() || wnd->destroying) return FALSE;
    wnd->destroying = true;
    wnd->proc(wnd, WM_DESTROY, 0, 0);
    plat_ForgetWindow(wnd);
    plat_CurrentBackend().CloseWindow();
    windows().window.reset();
    return TRUE;
}

LRESULT DefWindowProcA(HWND wnd, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_CLOSE) DestroyWindow(wnd);
    return 0;
}

BOOL ShowWindow(HWND wnd, int cmd) {
    if (!wnd || wnd != plat_TheWindow()) return FALSE;
    const bool was = wnd->visible;
    wnd->visible = cmd != SW_HIDE;
    plat_CurrentBackend().ShowWindow(wnd->visible);
    return was;
}

BOOL UpdateWindow(HWND wnd) { return wnd && wnd == plat_TheWindow(); }

int GetSystemMetrics(int which) {
    int w = 0, h = 0;
    plat_CurrentBackend().DesktopSize(&w, &h);
    return which == SM_CXSCREEN ? w : which == SM_CYSCREEN ? h : 0;
}

HICON LoadIconA(HINSTANCE, const char*) { return &arrow_token; }
HCURSOR LoadCursorA(HINSTANCE, const char*) { return &arrow_token; }

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR old = windows().cursor;
    windows().cursor = cursor;
    plat_CurrentBackend().ShowPointer(cursor != nullptr);
    return old;
}

short GetAsyncKeyState(int vk) { return plat_CurrentBackend().KeyDown(vk) ? INT16_MIN : 0; }

int MessageBoxA(HWND, const char* text, const char* caption, UINT) {
    text = text ? text : "";
    caption = caption ? caption : "";
    fprintf(stderr, "%s: %s\n", plat_Utf8FromCp1250(caption).c_str(), plat_Utf8FromCp1250(text).c_str());
    plat_CurrentBackend().ShowMessageBox(text, caption);
    return IDOK;
}
