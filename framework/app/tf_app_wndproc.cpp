// The framework's window procedure: messages become widget events, frames and shutdown.
#include "framework/app/tf_app.h"
#include "framework/app/tf_appdlg.h"
#include "framework/core/tf_log.h"
#include "framework/tuning/tf_km.h"
#include "framework/widgets/tf_uhspol.h"

namespace {
const char* const SRC = "TF_APP_w";

bool key_down(int vk) { return GetAsyncKeyState(vk) < 0; }

// The messages the tuning mode takes instead of the widgets.
bool is_tuning_input(UINT msg) {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return true;
    default:
        return false;
    }
}

void hide(tf_CPol* w) {
    if (w) w->zivy = false;
}

void toggle(tf_CPol* w) {
    if (w) w->zivy = !w->zivy;
}

void handle_key(HWND hwnd, WPARAM key) {
    const bool modifier = key_down(VK_CONTROL) || key_down(VK_SHIFT);
    tf_CAppScreen* screen = tf_pAppScreen;
    if (screen && screen->INFORMUJ_SA_KLAV(static_cast<int>(key))) return;  // a widget took it
    switch (key) {
    case VK_ESCAPE:
    case VK_F12:
        if (screen)
            screen->Close();
        else
            tf_APP_PostClose(hwnd);
        break;
    case VK_F1:
        if (modifier) tf_KM_Zapni(screen, screen ? screen->m_pGroup : nullptr);
        break;
    case VK_F2:
        if (modifier && screen) {
            toggle(screen->FindCHLWithID(TF_APP_ID_RESOLUTION));
            toggle(screen->FindCHLWithID(TF_APP_ID_TIMER));
            hide(screen->m_pDlgRozlisenie);
            hide(screen->m_pDlgCasovac);
        }
        break;
    default:
        break;
    }
}

// Pointer events reach the screen's widget tree; a press or release may complete an action.
void handle_pointer(LPARAM lParam, int event, bool poll) {
    tf_CAppScreen* screen = tf_pAppScreen;
    if (!screen) return;
    screen->INFORMUJ_SA(LOWORD(lParam), HIWORD(lParam), event);
    int id = -1;
    if (poll) screen->INFORMUJ_MA(&id);
}

// A dialog of the application's group takes the key before the frame sees it: asked before
// the application handles it, since an answer (Enter, Esc) closes the dialog.
bool dialog_takes(UINT msg) {
    tf_CAppScreen* screen = tf_pAppScreen;
    return msg == WM_KEYDOWN && screen && screen->m_pGroup && screen->m_pGroup->Ukazuje_dialog();
}
}  // namespace

LRESULT tf_APP_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    tf_hWnd = hwnd;
    const bool dialog_key = dialog_takes(msg);
    // Input, activation, closing: anything but the tick may change what shows.
    if (msg != WM_TIMER) tf_APP_NeedFrame();
    // The tuning mode's input is its own: a key that walks the widgets edits nothing.
    const bool tuning_input = tf_KM_on && (is_tuning_input(msg) || msg == WM_CHAR);
    if (tf_pAppScreen && !tuning_input) tf_pAppScreen->HandleWMInteraction(hwnd, msg, wParam, lParam);
    // The desktop's close request stores the work first, as Esc does, in the tuning mode too.
    if (msg == WM_CLOSE && tf_pAppScreen && !tf_pAppScreen->m_bClosing) {
        tf_pAppScreen->Close();
        return 0;
    }
    if (tf_KM_on) {
        if (is_tuning_input(msg)) tf_KM_WindowProc(hwnd, msg, wParam, lParam);
        // Frames and shutdown go on in the tuning mode; nothing else reaches the frame.
        if (msg != WM_TIMER && msg != WM_DESTROY) return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    switch (msg) {
    case WM_ACTIVATEAPP:
        tf_bAppActive = static_cast<int>(wParam);
        break;
    case WM_SETCURSOR:
        SetCursor(nullptr);
        break;
    case WM_KEYDOWN:
        if (!dialog_key) handle_key(hwnd, wParam);
        break;
    case WM_CHAR:
        if (tf_pAppScreen) tf_pAppScreen->INFORMUJ_SA_ZNAK(static_cast<int>(wParam));
        break;
    case WM_TIMER:
        tf_APP_FrameTick();
        break;
    case WM_MOUSEMOVE:
        handle_pointer(lParam, 0, false);
        break;
    case WM_LBUTTONDOWN:
        handle_pointer(lParam, 1, true);
        break;
    case WM_LBUTTONUP:
        handle_pointer(lParam, -1, true);
        break;
    case WM_DESTROY:
        TF_LOG("case WM_DESTROY - dll; tf_APP_WindowProc");
        KillTimer(hwnd, 1);
        tf_APP_Vykonaj_RELEASE_SRF(true);
        PostQuitMessage(0);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
