#include "framework/tuning/tf_km.h"

// The tuning mode's own module fills these in; until then the mode never switches on.
bool tf_KM_on = false;

void tf_KM_WindowProc(HWND, UINT, WPARAM, LPARAM) {}

void tf_KM_ZOBRAZ(IDirectDrawSurface*) {}

void tf_KM_Zapni(tf_CPol*) {}
