// What the tuning mode's keys, pointer, overlay and report share.
#pragma once
#include "framework/tuning/tf_km.h"

// The left press took the current widget, which now follows the pointer.
extern bool tf_KM_chyteny;
// While the mode is on: the screen it was entered on and the application's layered group.
extern tf_CPol* tf_KM_obrazovka;
extern tf_CUHSPol* tf_KM_skupina;

// Child i of a container, or null outside its children (hidden containers count too).
tf_CPol* tf_KM_Child(tf_CPolCHLO* box, int i);
// The list of sub-mode 1 or 2, or null.
tf_CDUI* tf_KM_Zoznam();
// The widget becomes the one being tuned, in the sub-mode of its kind.
void tf_KM_Vyber(tf_CPol* w);
void tf_KM_Vypni();
void tf_KM_Klaves(int key);
// Moves every widget of the list by (dx, dy), offsets kept in step; nothing moves when that
// would take one of them beyond a screen's width or height off the screen.
void tf_KM_Posun(tf_CPol* const* widgets, int n, int dx, int dy);
// Width and height change by (dw, dh) while both stay between 1 and the screen's size.
void tf_KM_Rozmer(tf_CPol* w, int dw, int dh);
// The top of the widget's tree.
tf_CPol* tf_KM_Koren(tf_CPol* w);
// The screen the widget is on: the one the mode was entered on, else the top of its tree.
tf_CPol* tf_KM_Obrazovka(tf_CPol* w);
// The overlay's pens and brushes, made on the first call and released at program end.
void tf_KM_GDI_vytvor();
