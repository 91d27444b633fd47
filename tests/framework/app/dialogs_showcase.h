// A screen that shows the dialogs in one frame, so that they can be judged from a screenshot:
// the frame's info, resolution and redraw-timer dialogs, opened by their title buttons and
// set side by side over the colourful background picture.
#pragma once
#include "framework/app/tf_app.h"

class tf_CDas_Surface;

namespace dialogs_test {

class DialogsScreen : public tf_CAppScreen {
public:
    DialogsScreen();
    ~DialogsScreen() override;

    // The application icon comes from the editor's skin, as in the program.
    void Init() override;
    void Redraw_Screen() override { ++frames; }
    void Do_RELEASE_SRF() override;
    // Opens the dialogs as the title buttons do and puts them where none covers another.
    void OpenAll();

    int frames = 0;

private:
    tf_CDas_Surface* editor_skin = nullptr;
};

}  // namespace dialogs_test
