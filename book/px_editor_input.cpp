// The author's input.
#include "book/px_anim.h"
#include "book/px_editor.h"
#include "book/px_herec.h"
#include "book/px_ks.h"
#include "book/px_reg.h"
#include "book/px_stav.h"
#include "framework/core/tf_log.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_utl.h"

namespace {
const char SRC[] = "PX_EDITOR";

void Pohyb(int x, int y, int udalost) {
    px_editor->kurzor.CHOD_NA(x, y);
    px_editor->group.INFORMUJ_SA(x, y, udalost);
}

// The lists and menus go; the group that held them goes quiet for the rest of the run.
void Koniec() {
    _tf_LOG_(SRC, __LINE__, "case WM_DESTROY - PX");
    UVOLNI_VSETKO();
    px_editor->uvolnene = true;
    px_editor->group.zivy = false;
}
}  // namespace

void CKnihaScreen::HandleWMInteraction(HWND, UINT msg, WPARAM, LPARAM lParam) {
    if (!px_editor || px_editor->uvolnene) return;
    const int x = LOWORD(lParam), y = HIWORD(lParam);
    switch (msg) {
    case WM_SETCURSOR:
        SetCursor(nullptr);  // the editor draws its own
        break;
    case WM_DESTROY:
        Koniec();
        break;
    case WM_TIMER:
        TIK_ANIMACIE();
        break;
    case WM_MOUSEMOVE:
        Pohyb(x, y, 0);
        break;
    default:
        break;
    }
}
