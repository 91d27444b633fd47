// A screen that shows the framework's look in one frame, so that it can be judged from a
// screenshot: the title buttons in their three states, the three dialog backgrounds, the
// basic widgets, the void looks and the logo over a colourful background picture.
#pragma once
#include "framework/app/tf_app.h"
#include "platform/gdi.h"

class tf_CDAS;
class tf_CDDialog;
class tf_CDPrep;
class tf_CLabel;
class tf_CTlac;

namespace look_test {

// A diagonal sky-to-rose gradient for the background picture.
IDirectDrawSurface* MakeGradient(int w, int h);

class LookScreen : public tf_CAppScreen {
public:
    LookScreen();
    ~LookScreen() override;

    int SetupVisual() override;
    void Redraw_Screen() override { ++frames; }
    void Do_RELEASE_SRF() override;

    int frames = 0;
    // Rows normal, over, pressed; columns as on the title bar: 604, 603, 602, 601.
    tf_CTlac* title_states[3][4] = {};
    tf_CDDialog* dialogs[3] = {};  // by background: white net, grey, milky
    tf_CDAS* void_box = nullptr;
    tf_CDPrep* switches[2] = {};  // off, on

private:
    tf_CDDialog* Dialog(int rx, int efekt, const char* title);
    void TitleButtons(tf_CDDialog* d);
    void Controls(tf_CDDialog* d);
    void Icons(tf_CDDialog* d);
    void VoidLooks();
    void Labels();

    tf_CDas_Surface* editor_skin = nullptr;
    HFONT heading = nullptr;
};

}  // namespace look_test
