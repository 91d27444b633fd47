// Program entry: the application screen, its start-up and message loop, and its end.
#include "framework/app/tf_app.h"
#include "framework/widgets/tf_dsgn.h"
#include "platform/codepage.h"

int main() {
    auto* screen = new tf_CAppScreen(nullptr, SW_SHOWNORMAL, "PX.INI");
    screen->SetBackground(-1, "", false);
    screen->SetAppInfo("Pexlo", "(verzia: 1.1)", plat_W1250(u8"tím Pexlo"), nullptr, 432, 86);
    const int code = screen->Execute();  // 1: no window or no display
    delete screen;
    tf_DSGN_DONE();
    return code;
}
