// A screen that shows the dialogs in one frame, so that they can be judged from a screenshot:
// the frame's info, resolution and redraw-timer dialogs opened by their title buttons, the
// edit dialog, and a picture picker with the thumbnails of a folder, side by side over the
// colourful background picture.
#pragma once
#include <string>

#include "framework/app/tf_app.h"

class tf_CDas_Surface;
class tf_UTL_CDLG_EDIT;
class tf_UTL_CDUIR_THMFILE;

namespace dialogs_test {

// Draws a few small colourful BMP pictures into the folder (host path).
void DrawPictures(const std::string& folder);

class DialogsScreen : public tf_CAppScreen {
public:
    // `pictures`: the program's path of the folder the picker shows.
    explicit DialogsScreen(std::string pictures);
    ~DialogsScreen() override;

    // The application icon comes from the editor's skin, as in the program.
    void Init() override;
    int SetupVisual() override;
    void Redraw_Screen() override { ++frames; }
    void Do_RELEASE_SRF() override;
    // Opens the frame's dialogs as the title buttons do, puts them where none covers another
    // and types a name into the edit dialog.
    void OpenAll();

    int frames = 0;
    tf_UTL_CDLG_EDIT* edit = nullptr;
    tf_UTL_CDUIR_THMFILE* picker = nullptr;

private:
    std::string pictures;
    tf_CDas_Surface* editor_skin = nullptr;
};

}  // namespace dialogs_test
