// What the files of the window half share: the backend interface, the window and the queue.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/window.h"

class IDirectDrawSurface;

// Where input, time, the window and the picture come from.
class plat_Backend {
public:
    virtual ~plat_Backend() = default;
    virtual uint64_t Now() = 0;  // milliseconds
    virtual void Pump() = 0;     // pending input into the queue
    // Nothing is waiting in the queue: returns once something may be (input, the next timer
    // deadline), or after queueing WM_QUIT when nothing ever could be.
    virtual void Idle() = 0;
    virtual bool OpenWindow(const char* title, int w, int h) = 0;
    virtual void CloseWindow() = 0;
    virtual void ShowWindow(bool show) = 0;
    virtual bool KeyDown(int vk) = 0;
    virtual void ShowMessageBox(const char* text, const char* caption) = 0;
    virtual void ShowPointer(bool show) = 0;
    virtual void DesktopSize(int* w, int* h) = 0;
    virtual std::vector<std::pair<int, int>> DisplayModes() = 0;
    // changed: only these rectangles of the primary can differ from what is shown; null: any of
    // it. inParts: the frame was composed in those parts alone.
    virtual void Present(const IDirectDrawSurface& primary, const std::vector<RECT>* changed, bool inParts) = 0;
};

plat_Backend& plat_CurrentBackend();
plat_Backend& plat_SdlBackend();
plat_Backend& plat_HeadlessBackend();
// Starts afresh on `backend`: the old one's window is closed, classes, queue and timers go.
void plat_UseBackend(plat_Backend& backend);

// The window (window.cpp). plat_ResetWindows closes it without sending anything.
HWND plat_TheWindow();
LRESULT plat_CallWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
void plat_ResetWindows();

// The queue (messages.cpp).
void plat_QueueInput(UINT msg, WPARAM wParam, LPARAM lParam);  // to the window, from the user
bool plat_MessageWaiting();
uint64_t plat_NextTimerDue();  // UINT64_MAX without timers
void plat_ForgetWindow(HWND wnd);  // its queued messages and its timers
void plat_ResetQueue();
// Files dropped together, queued as one WM_DROPFILES (drop.cpp).
void plat_QueueDrop(std::vector<std::string> files);

// The SDL key (keycode, scancode) as a virtual-key code; 0 for keys the program never sees.
int plat_VirtualKey(int sdlKeycode, int sdlScancode);
