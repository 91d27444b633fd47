// The layout tuning mode: while it is on, keyboard and mouse select and move widgets
// instead of reaching them, and each frame ends with its overlay.
#pragma once
#include "platform/ddraw.h"
#include "platform/window.h"

class tf_CPol;

extern bool tf_KM_on;

// Takes the keys and pointer messages while the mode is on.
void tf_KM_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The overlay, drawn over each frame while the mode is on.
void tf_KM_ZOBRAZ(IDirectDrawSurface* back);
// Switches the mode on with `root` as the widget being tuned.
void tf_KM_Zapni(tf_CPol* root);
