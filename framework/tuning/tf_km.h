// The layout tuning mode: while it is on, keyboard and mouse walk, move and resize the
// widgets instead of reaching them, each frame ends with its overlay, and F11 writes the
// positions of a container's children as lines of code to "tf_KM_report.txt".
#pragma once
#include "platform/ddraw.h"
#include "platform/window.h"

class tf_CPol;
class tf_CPolCHLO;
class tf_CDUI;
class tf_CDUIR;
class tf_CUHSPol;

#define TF_KM_VYBER_MAX 50

// Children of one container picked by the rubber band, by index in the order found.
struct tf_TKM_VYBER {
    int index[TF_KM_VYBER_MAX];
    int count;
    tf_CPol* box;  // the container the indexes belong to
};

extern bool tf_KM_on;
// 0 idle, 1 list menu, 2 row list, 9 container, 10 any other widget (3 to 8 never occur).
extern int tf_KM_mod;
extern tf_CPol* tf_KM_cPol_10;  // the widget being tuned; the targets below are the same widget
extern tf_CPolCHLO* tf_KM_cPolCHLO_9;
extern tf_CDUI* tf_KM_cDUI_1;
extern tf_CDUIR* tf_KM_cDUIR_2;
extern int tf_KM_index;  // the current child of tf_KM_cPolCHLO_9
extern tf_TKM_VYBER tf_KM_vyber;
extern bool tf_KM_multi;
extern RECT tf_KM_band;
extern bool tf_KM_band_active;  // the right button is held
extern bool tf_KM_drag;         // the left button is held

// Switches the mode on with `root` (the application screen) as the widget being tuned; the
// sub-mode, its targets, the selection and the child index stay from the last time. The
// widgets of `skupina` (the application's layered group, when it has one) are reached too.
void tf_KM_Zapni(tf_CPol* root, tf_CUHSPol* skupina = nullptr);
// Takes the keys and pointer messages while the mode is on.
void tf_KM_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The overlay, drawn over each frame while the mode is on.
void tf_KM_ZOBRAZ(IDirectDrawSurface* back);
void tf_KM_SAVE();
// From any sub-mode back to 0; from 0 to the sub-mode of the current widget's kind.
void tf_KM_NextMode();
// The next (+1) or previous (-1) child of the current container, wrapping at both ends.
void tf_KM_StepChild(int delta);
