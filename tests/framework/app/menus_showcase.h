// A screen that shows the menus and lists in one frame, so that they can be judged from a
// screenshot: a menu bar with a pop-up, an arc of icons, a scrolled row list, edit boxes
// and both scroll bars over the colourful background picture.
#pragma once
#include "framework/app/tf_app.h"
#include "platform/gdi.h"

class tf_CDas_Surface;
class tf_CDDialog;
class tf_CDEDB;
class tf_CDUI;
class tf_CDUIR;
class tf_CScrollBar;

namespace menus_test {

class MenusScreen : public tf_CAppScreen {
public:
    MenusScreen();
    ~MenusScreen() override;

    int SetupVisual() override;
    void Redraw_Screen() override { ++frames; }
    void Do_RELEASE_SRF() override;

    // Where the pointer rests so that the bar's first pop-up is open: the middle of that
    // entry once the bar has been laid out by a frame.
    POINT PointerSpot();

    int frames = 0;
    tf_CDUI* bar = nullptr;
    tf_CDUI* popup = nullptr;  // the detail list of the bar's first entry
    tf_CDUI* arc = nullptr;
    tf_CDUIR* rows = nullptr;  // scrolled so that its top and bottom rows are cut
    tf_CDEDB* edit = nullptr;  // with letters
    tf_CScrollBar* vertical = nullptr;
    tf_CScrollBar* horizontal = nullptr;

private:
    void Bar();
    void Arc();
    void Rows();
    void Fields(tf_CDDialog* d);
    void ScrollBars(tf_CDDialog* d);
    // An icon of the editor's skin around (x, y), for an entry to own.
    tf_CIcon* SkinIcon(int x, int y);

    tf_CDas_Surface* editor_skin = nullptr;
    HFONT heading = nullptr;
};

}  // namespace menus_test
