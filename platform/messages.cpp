// The message queue: posted and input messages in order, the quit request, and timers. A
// timer's WM_TIMER is made when it is taken, so a program that fell behind finds one tick
// waiting rather than a backlog, as on Windows.
#include <algorithm>
#include <deque>
#include <map>

#include "platform/window_internal.h"

namespace {

constexpr uint64_t MIN_PERIOD = 10;  // Windows' shortest timer period
constexpr int IDLE_POLLS = 64;       // empty polls in a row that count as an idle program

struct Timer {
    HWND wnd;
    uint64_t period, due;
    bool pending;
};

struct Queue {
    std::deque<MSG> posted;
    bool quit = false;
    int quitCode = 0;
    std::map<UINT_PTR, Timer> timers;
    int emptyPolls = 0;
    bool drowsy = false;
};

Queue& queue() {
    static Queue q;
    return q;
}

MSG make(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return {wnd, msg, wParam, lParam, static_cast<DWORD>(plat_CurrentBackend().Now())};
}

// Every timer whose deadline passed has its tick waiting; the next deadline keeps the phase.
void mark_due_timers() {
    const uint64_t now = plat_CurrentBackend().Now();
    for (auto& [id, t] : queue().timers) {
        if (t.due > now) continue;
        t.pending = true;
        t.due += (now - t.due) / t.period * t.period + t.period;
    }
}

bool wanted(const MSG& m, HWND wnd, UINT first, UINT last) {
    if ((first || last) && (m.message < first || m.message > last)) return false;
    return !wnd || m.hwnd == wnd || m.message == WM_QUIT;
}

// Windows' order: posted and input messages, then the quit request, then timer ticks.
bool take(MSG* out, HWND wnd, UINT first, UINT last, bool remove) {
    Queue& q = queue();
    for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
        if (!wanted(*it, wnd, first, last)) continue;
        *out = *it;
        if (remove) q.posted.erase(it);
        return true;
    }
    const MSG quit = make(nullptr, WM_QUIT, static_cast<WPARAM>(q.quitCode), 0);
    if (q.quit && wanted(quit, wnd, first, last)) {
        *out = quit;
        if (remove) q.quit = false;
        return true;
    }
    for (auto& [id, t] : q.timers) {
        const MSG tick = make(t.wnd, WM_TIMER, id, 0);
        if (!t.pending || !wanted(tick, wnd, first, last)) continue;
        *out = tick;
        if (remove) t.pending = false;
        return true;
    }
    return false;
}

bool poll(MSG* out, HWND wnd, UINT first, UINT last, bool remove) {
    plat_CurrentBackend().Pump();
    mark_due_timers();
    if (!take(out, wnd, first, last, remove)) return false;
    queue().emptyPolls = 0;
    return true;
}

}  // namespace

BOOL PeekMessageA(MSG* msg, HWND wnd, UINT first, UINT last, UINT remove) {
    if (!msg) return FALSE;
    if (poll(msg, wnd, first, last, remove & PM_REMOVE)) return TRUE;
    // Waiting here ends when the next message can arrive, so it costs a polling loop no
    // time, keeps it from spinning a core and lets headless time pass.
    if (++queue().emptyPolls < IDLE_POLLS) return FALSE;
    queue().emptyPolls = 0;
    WaitMessage();
    return poll(msg, wnd, first, last, remove & PM_REMOVE);
}

BOOL GetMessageA(MSG* msg, HWND wnd, UINT first, UINT last) {
    if (!msg) return -1;
    while (!poll(msg, wnd, first, last, true)) WaitMessage();
    return msg->message != WM_QUIT;
}

BOOL WaitMessage() {
    plat_CurrentBackend().Pump();
    if (!plat_MessageWaiting()) plat_CurrentBackend().Idle();
    return TRUE;
}

BOOL TranslateMessage(const MSG*) { return FALSE; }  // the backend queues WM_CHAR itself

LRESULT DispatchMessageA(const MSG* msg) {
    return msg ? plat_CallWindowProc(msg->hwnd, msg->message, msg->wParam, msg->lParam) : 0;
}

DWORD GetTickCount() { return static_cast<DWORD>(plat_CurrentBackend().Now()); }

BOOL PostMessageA(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (wnd && wnd != plat_TheWindow()) return FALSE;
    queue().posted.push_back(make(wnd, msg, wParam, lParam));
    return TRUE;
}

LRESULT SendMessageA(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return plat_CallWindowProc(wnd, msg, wParam, lParam);
}

void PostQuitMessage(int code) {
    queue().quit = true;
    queue().quitCode = code;
}

UINT_PTR SetTimer(HWND wnd, UINT_PTR id, UINT periodMs, void*) {
    if (id == 0 || (wnd && wnd != plat_TheWindow())) return 0;
    const uint64_t period = std::max<uint64_t>(periodMs, MIN_PERIOD);
    queue().timers[id] = {wnd, period, plat_CurrentBackend().Now() + period, false};
    return id;
}

// A tick already waiting goes with the timer: nothing arrives after KillTimer.
BOOL KillTimer(HWND wnd, UINT_PTR id) {
    auto it = queue().timers.find(id);
    if (it == queue().timers.end() || it->second.wnd != wnd) return FALSE;
    queue().timers.erase(it);
    return TRUE;
}

void plat_QueueInput(UINT msg, WPARAM wParam, LPARAM lParam) {
    queue().posted.push_back(make(plat_TheWindow(), msg, wParam, lParam));
    queue().drowsy = false;
}

void plat_Drowsy(bool on) { queue().drowsy = on; }
bool plat_IsDrowsy() { return queue().drowsy; }

bool plat_MessageWaiting() {
    mark_due_timers();
    const Queue& q = queue();
    return !q.posted.empty() || q.quit ||
           std::any_of(q.timers.begin(), q.timers.end(), [](const auto& t) { return t.second.pending; });
}

uint64_t plat_NextTimerDue() {
    uint64_t next = UINT64_MAX;
    for (const auto& [id, t] : queue().timers) next = std::min(next, t.due);
    return next;
}

void plat_ForgetWindow(HWND wnd) {
    Queue& q = queue();
    std::erase_if(q.posted, [wnd](const MSG& m) { return m.hwnd == wnd; });
    std::erase_if(q.timers, [wnd](const auto& t) { return t.second.wnd == wnd; });
}

void plat_ResetQueue() { queue() = Queue(); }
