// The author's input: the window's messages to the editor, keys through a table, the pointer
// handed to its own module, the ticks to everything that runs on time.
#include <cctype>
#include <string>
#include <utility>

#include "book/px_anim.h"
#include "book/px_citanie.h"
#include "book/px_dotyk.h"
#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_editor_mys.h"
#include "book/px_historia.h"
#include "book/px_ks.h"
#include "book/px_naposledy.h"
#include "book/px_narracia.h"
#include "book/px_obnova.h"
#include "book/px_otazka.h"
#include "book/px_pisanie.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "framework/core/tf_log.h"

namespace {
const char SRC[] = "PX_EDITOR";

// The key last taken as a command: the desktop types its character right after it (T's "t"
// into the text it began, R's "r" into a dialog), and that character is no one's.
int klaves_prikazu = 0;

// Modifiers held with a key: a row with ANY takes the key whatever is held.
enum { ANY = -1, CTRL = 1, SHIFT = 2 };

struct Klavesa {
    int key;
    int modifiers;
    void (*prikaz)();
};
const Klavesa KLAVESY[] = {
    {VK_BACK, ANY, PX_RemoveLast},       // the page's last object goes
    {VK_SPACE, ANY, PX_TogglePlay},      // playback starts or pauses
    {VK_PRIOR, ANY, PX_Faster},          // Page Up
    {VK_NEXT, ANY, PX_Slower},           // Page Down
    {VK_DELETE, ANY, PX_DeleteHovered},  // the object under the pointer goes
    {VK_F1, ANY, PX_ReportRegistry},     // the page's objects into the log
    {VK_F9, SHIFT, PX_ExportBook},       // the whole book as one animated GIF
    {VK_F9, ANY, PX_ExportPage},         // the page as an animated GIF beside it
    {VK_F5, ANY, PX_Read},               // the book read full screen
    {'S', CTRL, PX_SavePage},
    {'Z', CTRL, PX_Undo},
    {'Y', CTRL, PX_Redo},
    {'Z', CTRL | SHIFT, PX_Redo},
    {'R', 0, PX_Record},
    {'M', 0, PX_ToggleMute},
    {'T', 0, PX_NewText},
};

int held_modifiers() {
    return (GetAsyncKeyState(VK_CONTROL) < 0 ? CTRL : 0) | (GetAsyncKeyState(VK_SHIFT) < 0 ? SHIFT : 0);
}

void klaves(int key) {
    px_pisanie.vzal_klaves = false;  // only this key's answer counts
    klaves_prikazu = 0;
    if (PX_Otazka_Klaves(key) || px_editor->group.INFORMUJ_SA_KLAV(key) || PX_Pis_Klaves(key)) return;
    const int held = held_modifiers();
    for (const Klavesa& k : KLAVESY)
        if (k.key == key && (k.modifiers == ANY || k.modifiers == held)) {
            klaves_prikazu = key;
            return k.prikaz();
        }
}

// The lists and menus go; the group that held them goes quiet for the rest of the run.
void koniec() {
    TF_LOG("case WM_DESTROY - PX");
    PX_Citanie_Skonci();
    PX_Naposledy_Tik();
    PX_Obnova_Koniec();  // waits for the writes
    UVOLNI_VSETKO();
    PX_HIST_Vymaz();
    PX_Otazky_Koniec();
    px_editor->uvolnene = true;
    px_editor->group.zivy = false;
}
}  // namespace

void CKnihaScreen::HandleWMInteraction(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!px_editor || px_editor->uvolnene || PX_Citanie_Sprava(msg, wParam, lParam)) return;
    const int x = LOWORD(lParam), y = HIWORD(lParam);
    switch (msg) {
    case WM_SETCURSOR:
        SetCursor(nullptr);  // the editor draws its own
        break;
    case WM_DESTROY:
        koniec();
        m_pGroup = nullptr;
        break;
    case WM_TIMER:
        TIK_ANIMACIE();
        PX_Narracia_Tik(running);
        PX_ExportPoll();
        PX_Obnova_Tik(GetTickCount());
        PX_Sprava_Tik(GetTickCount());
        PX_Naposledy_Tik();
        if (PX_Dotyk_Tik(GetTickCount())) PX_Mys_Dlhy_dotyk();
        PX_NeedFrameIfChanged();
        break;
    case WM_KEYDOWN:
        klaves(static_cast<int>(wParam));
        break;
    case WM_CHAR: {
        const int prikaz = std::exchange(klaves_prikazu, 0);
        if (prikaz && prikaz == std::toupper(static_cast<int>(wParam & 0xFF))) break;
        if (px_editor->group.Ukazuje_dialog() || !PX_Pis_Znak(static_cast<int>(wParam)))
            PX_Otazka_Znak(static_cast<int>(wParam));
        break;
    }
    case WM_MOUSEMOVE:
        PX_Dotyk_Pohyb(x, y);
        PX_Mys_Pohyb(x, y);
        break;
    case WM_LBUTTONDOWN:
        PX_Dotyk_Stlacenie(wParam, x, y, GetTickCount());
        PX_Mys_Stlacenie(x, y);
        break;
    case WM_LBUTTONUP:
        if (!PX_Dotyk_Uvolnenie()) PX_Mys_Uvolnenie(x, y);
        break;
    case WM_RBUTTONDOWN:
        PX_Mys_Menu(x, y);
        break;
    case WM_DROPFILES:
        PX_ImportDrop(plat_TakeDroppedFiles(wParam));
        break;
    default:
        break;
    }
}
