// The window half: one window, its message queue, timers, keyboard and mouse as window
// messages, message boxes. Two backends share it: "sdl" opens a real window; "headless"
// opens none, takes injected messages and lets the caller advance time.
#pragma once
#include <string>
#include <vector>

#include "platform/win32.h"

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ACTIVATEAPP 0x001C
#define WM_SETCURSOR 0x0020
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102  // wParam: a character typed, as its Windows-1250 byte
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_DROPFILES 0x0233  // wParam: the drop, for plat_TakeDroppedFiles

#define HTCLIENT 1  // WM_SETCURSOR: the pointer is over the client area

#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
// Letters and digits are their capital ASCII codes ('A' 0x41, '0' 0x30).
#define VK_NUMPAD0 0x60
#define VK_MULTIPLY 0x6A
#define VK_ADD 0x6B
#define VK_SUBTRACT 0x6D
#define VK_DECIMAL 0x6E
#define VK_DIVIDE 0x6F
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F5 0x74
#define VK_F9 0x78
#define VK_F12 0x7B

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define WS_POPUP 0x80000000
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define MB_OK 0x00000000
#define IDOK 1
#define IDI_APPLICATION ((const char*)32512)
#define IDC_ARROW ((const char*)32512)

#define MAKELPARAM(lo, hi) ((LPARAM)(DWORD)(((WORD)(lo)) | (((DWORD)(WORD)(hi)) << 16)))
#define LOWORD(l) ((WORD)((DWORD_PTR)(l)&0xffff))
#define HIWORD(l) ((WORD)(((DWORD_PTR)(l) >> 16) & 0xffff))

typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    void* hbrBackground;
    const char* lpszMenuName;
    const char* lpszClassName;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
};

BOOL RegisterClassA(const WNDCLASSA* wc);
// There is one window, desktop full screen on the sdl backend (Alt+Enter toggles a resizable
// window); none without a display. WM_CREATE is sent before it returns.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int w,
                     int h, HWND parent, void* menu, HINSTANCE inst, void* param);
BOOL ShowWindow(HWND wnd, int cmd);
BOOL UpdateWindow(HWND wnd);
BOOL DestroyWindow(HWND wnd);
int GetSystemMetrics(int which);
HICON LoadIconA(HINSTANCE inst, const char* name);
HCURSOR LoadCursorA(HINSTANCE inst, const char* name);
// Null hides the system pointer. WM_SETCURSOR comes when the pointer moves onto the window.
HCURSOR SetCursor(HCURSOR cursor);

// The queue gives posted and input messages in order, then WM_QUIT, then WM_TIMER: a timer
// that fell due several times while nobody looked has one tick waiting, as on Windows.
// A program that keeps polling an empty queue is idle: after a run of empty polls,
// PeekMessageA waits as WaitMessage does before it answers, so no core spins.
BOOL PeekMessageA(MSG* msg, HWND wnd, UINT first, UINT last, UINT remove);
BOOL GetMessageA(MSG* msg, HWND wnd, UINT first, UINT last);  // FALSE for WM_QUIT
BOOL WaitMessage();  // until a message is queued or a timer is due
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
BOOL PostMessageA(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int code);
LRESULT DefWindowProcA(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);  // WM_CLOSE destroys the window

// Periods under 10 ms become 10. KillTimer also takes a tick already waiting; a window's
// timers end with it.
UINT_PTR SetTimer(HWND wnd, UINT_PTR id, UINT periodMs, void* proc);
BOOL KillTimer(HWND wnd, UINT_PTR id);
// Milliseconds of the clock the timers run on (the headless backend's own in tests).
DWORD GetTickCount();
short GetAsyncKeyState(int vk);  // high bit set while the key (or VK_LBUTTON, VK_RBUTTON) is down
// The text also goes to stderr, so that it is seen when no box can be shown. Returns IDOK.
int MessageBoxA(HWND wnd, const char* text, const char* caption, UINT type);

// The files of a WM_DROPFILES, dropped on the window together: host paths (UTF-8, "/"), in
// the order the desktop gave them. Given once, then the drop is forgotten; empty for a drop
// taken already. The last few drops nobody took are kept, older ones go.
std::vector<std::string> plat_TakeDroppedFiles(WPARAM drop);

// The program has nothing to do on its timers' ticks but wait for the user: until input arrives
// (which ends it), a real display may let the wait between ticks stretch to a quarter second,
// so that an idle program does not wake the machine sixty times a second.
void plat_Drowsy(bool on);
bool plat_IsDrowsy();
