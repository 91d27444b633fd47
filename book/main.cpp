// Program entry: the book editor's screen, its start-up and message loop, and its end.
#include "book/px_editor.h"
#include "framework/widgets/tf_dsgn.h"
#include "platform/codepage.h"

int main() {
    auto* screen = new CKnihaScreen(nullptr, SW_SHOWNORMAL, "PX.INI");
    screen->SetBackground(-1, "", false);
    screen->SetAppInfo("Pexlo", "(verzia: 1.1)", plat_W1250(u8"tím Pexlo"), &px_editor->rezia, 432, 86);
    const int code = screen->Execute();  // 1: no window or no display
    delete screen;
    tf_DSGN_DONE();
    return code;
}
