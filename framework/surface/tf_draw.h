// Bevels, frames, text and measuring through a surface's device context, and the shared
// pens and brushes they draw with.
#pragma once
#include "framework/surface/tf_geom.h"
#include "platform/ddraw.h"
#include "platform/gdi.h"

// Created together on first use and kept for the life of the program.
struct tf_TGDI_objekty {
    HPEN pen_dark_grey;       // inner shadow of the bevel
    HPEN pen_blue;            // frame mode 1
    HBRUSH brush_light_grey;  // panel fill
    HBRUSH brush_blue;        // list menu
    HBRUSH brush_red;
    HBRUSH brush_yellow;
};
extern tf_TGDI_objekty tf_glob_GDI;
// Creates whatever of tf_glob_GDI is still missing; does its work once.
void tf_glob_GDI_vytvor();

// rezim 1 raised, 2 sunken, anything else draws nothing.
void tf_glob_Level_efekt(HDC dc, RECT* r, int rezim);
// The same bevel through the corners (L, T) and (R, B), both inclusive, with a dark pen of the
// caller's (list entries and edit boxes have their own). No fill.
void tf_glob_Level_efekt_pero(HDC dc, int L, int T, int R, int B, HPEN tmave, int rezim);
void tf_glob_Level_efekt2_fill(HDC dc, RECT* r, int rezim);
// Transparent background; the context's text colour is put back, the font stays selected.
void tf_glob_Text(HDC dc, int x, int y, COLORREF farba, const char* text);
void tf_glob_Text_font(HDC dc, int x, int y, COLORREF farba, HFONT font, const char* text);
void tf_glob_Text_draw_font(HDC dc, RECT* r, UINT format, COLORREF farba, HFONT font, const char* text);
// Light text with a dark rim (the text a pixel off each way) reads over light and dark alike.
constexpr COLORREF TF_TEXT_RIM = 0x00402020;
void tf_glob_Text_rim(HDC dc, int x, int y, COLORREF farba, const char* text);
// With rim true, the text as tf_glob_Text_rim draws it.
HRESULT tf_glob_Text_srf(IDirectDrawSurface* srf, int x, int y, COLORREF farba, const char* text, bool rim = false);
// Outline only: rezim 0 white, 1 blue, anything else the current pen.
void tf_glob_Ramik(HDC dc, RECT* r, int rezim);
// Measured on the primary surface; 100 x 20 when it is unavailable. The width is one more
// than the text's.
void tf_glob_ZISTI_ROZMER_TEXTU(const char* text, HFONT font, int* sir, int* vys);
// Leaves *sir, *vys untouched when the picture is not found.
void tf_glob_GetSizeBitmap(const char* name, int* sir, int* vys);
