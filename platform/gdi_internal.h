// What the GDI files share: the objects behind the handles, clipped fills, decoding.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/bmp.h"
#include "platform/ddraw.h"
#include "platform/gdi.h"
#include "platform/pixel.h"

struct plat_Font;

enum class plat_GdiKind { PEN, BRUSH, FONT, BITMAP };

struct plat_GdiObject {
    plat_GdiKind kind = plat_GdiKind::PEN;
    bool stock = false;
    bool hollow = false;  // null pen, null brush: draws nothing
    COLORREF colour = 0;  // pen, brush
    int width = 1;        // pen, 1 to PLAT_MAX_PEN
    plat_Font* font = nullptr;  // font
    int w = 0, h = 0;  // bitmap
    std::vector<uint32_t> px;  // bitmap: top-down 0x00RRGGBB
    // The contexts that hold a created object, so that deleting it visits them alone, however
    // many contexts live (stock objects, never deleted, keep no list).
    std::vector<plat_DC*> holders;
};

struct plat_DC {
    IDirectDrawSurface* surface = nullptr;  // null for a memory context
    plat_GdiObject* pen = nullptr;
    plat_GdiObject* brush = nullptr;
    plat_GdiObject* font = nullptr;
    plat_GdiObject* bitmap = nullptr;  // memory context only
    POINT pos = {0, 0};
    int bkMode = OPAQUE;
    COLORREF bkColour = RGB(255, 255, 255);
    COLORREF textColour = RGB(0, 0, 0);
};

// The object behind a handle when it is a live object of that kind, else null.
plat_GdiObject* plat_ValidObject(HGDIOBJ h, plat_GdiKind kind);
// A new object of the given kind, registered so that DeleteObject can check its handles.
plat_GdiObject* plat_NewGdiObject(plat_GdiKind kind);
// Bad input from the caller: one line on the debug-output channel.
void plat_GdiWarn(const char* what, const char* detail);

constexpr int PLAT_MAX_PEN = 64;

// A rectangle in surface pixels, right and bottom exclusive.
struct plat_Box {
    int64_t left, top, right, bottom;
};
plat_Box plat_SurfaceBox(IDirectDrawSurface* s);
plat_Box plat_Intersect(const plat_Box& a, const plat_Box& b);
// Fills box ∩ clip (clip lies inside the surface).
void plat_FillBox(IDirectDrawSurface* s, const plat_Box& clip, plat_Box box, uint16_t v);

// The surface a context draws on, or null (memory context, null handle).
IDirectDrawSurface* plat_DrawSurface(HDC dc);

// Bitmap decoding and scaling (bmp_read.cpp, bitmap_scale.cpp). Pixels are top-down XRGB.
bool plat_DecodeBmp(const uint8_t* data, size_t size, int* w, int* h, std::vector<uint32_t>* px);
std::vector<uint32_t> plat_ScaleXrgb(const std::vector<uint32_t>& src, int sw, int sh, int dw, int dh);
