// Rectangle tests, clipping and distances shared by drawing and hit testing.
#pragma once
#include "platform/win32.h"

// All four edges inclusive.
bool tf_glob_test_v_rect(int left, int top, int right, int bottom, int x, int y);
double tf_glob_Distance(int x1, int y1, int x2, int y2);
// Limits a rectangle to (1, 1, screen width + 1, screen height + 1); nothing else is checked.
void tf_glob_Orez_Rect2Screen(RECT* r);
// Clips the source rectangle drawn at (*x, *y) to the window left L, right P, top H,
// bottom D (P and D exclusive); false when nothing is left.
bool tf_glob_OREZ_Rect2LPHD(int L, int P, int H, int D, int* x, int* y, RECT* zdroj);
