// The GDI subset: device contexts on surfaces, pens, brushes, fonts, bitmaps, text.
#pragma once
#include "platform/win32.h"

class IDirectDrawSurface;

// Stock objects.
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

#define PS_SOLID 0
#define PS_NULL 5
#define TRANSPARENT 1
#define OPAQUE 2

#define DT_TOP 0x0000
#define DT_LEFT 0x0000
#define DT_CENTER 0x0001
#define DT_RIGHT 0x0002
#define DT_VCENTER 0x0004
#define DT_BOTTOM 0x0008
#define DT_WORDBREAK 0x0010
#define DT_SINGLELINE 0x0020
#define DT_NOCLIP 0x0100
#define DT_CALCRECT 0x0400

#define SRCCOPY 0x00CC0020

#define IMAGE_BITMAP 0
#define LR_DEFAULTCOLOR 0x0000
#define LR_LOADFROMFILE 0x0010
#define LR_CREATEDIBSECTION 0x2000

#define FW_NORMAL 400
#define FW_BOLD 700
#define DEFAULT_CHARSET 1
#define EASTEUROPE_CHARSET 238
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define ANTIALIASED_QUALITY 4
#define DEFAULT_PITCH 0
#define FF_DONTCARE 0
#define FF_SWISS 0x20

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

HGDIOBJ GetStockObject(int which);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj);
BOOL DeleteObject(HGDIOBJ obj);  // stock objects are never deleted
int GetObjectA(HGDIOBJ obj, int size, void* out);

// A pen of width w (0 is 1, at most 64) draws lines w pixels across and outlines w pixels
// wide, centred on where the one-pixel line or outline lies; PS_NULL draws nothing.
HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
// Height < 0: character height in pixels; > 0: cell height; 0: default (about 13 px).
// Width > 0: average character width. The face is the nearest installed one (fontconfig) of
// that weight, emboldened when the family has no bold. Escapement, orientation, italic,
// underline, strike-out, character set, precision, quality and pitch are not used: text is
// always upright and anti-aliased.
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName);

// A memory context holds a selected bitmap (for StretchBlt sources).
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);

BOOL MoveToEx(HDC dc, int x, int y, POINT* old);
BOOL LineTo(HDC dc, int x, int y);  // end point excluded
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ew, int eh);
int FillRect(HDC dc, const RECT* r, HBRUSH brush);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
COLORREF GetPixel(HDC dc, int x, int y);  // CLR_INVALID outside the surface

int SetBkMode(HDC dc, int mode);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetTextColor(HDC dc);
// Text is Windows-1250 bytes. (x, y) is the top-left of the text's cell.
BOOL TextOutA(HDC dc, int x, int y, const char* text, int len);
// len -1: up to the terminating zero. Lines break at "\n" unless DT_SINGLELINE; DT_BOTTOM and
// DT_VCENTER apply to a single line; DT_WORDBREAK is not supported. Returns the text's height
// (with DT_BOTTOM or DT_VCENTER, the offset of its bottom from r->top).
int DrawTextA(HDC dc, const char* text, int len, RECT* r, UINT format);
BOOL GetTextExtentPoint32A(HDC dc, const char* text, int len, SIZE* out);

// SRCCOPY, nearest neighbour, positive sizes; the source is a memory context's bitmap or a
// surface (the destination itself included).
BOOL StretchBlt(HDC dst, int dx, int dy, int dw, int dh, HDC src, int sx, int sy, int sw, int sh, DWORD rop);

// Bitmaps: a resource of the program by name first, else (LR_LOADFROMFILE) a BMP file.
// w, h non-zero scale the picture while loading (area average to shrink, bilinear to grow).
// Null for a missing, damaged or oversized picture (more than 16384 on a side, 64 Mpixel).
HANDLE LoadImageA(HINSTANCE inst, const char* name, UINT type, int w, int h, UINT flags);
HMODULE GetModuleHandleA(const char* name);

// The device context of a surface (used by IDirectDrawSurface::GetDC).
HDC plat_CreateSurfaceDC(IDirectDrawSurface* srf);
void plat_DestroySurfaceDC(HDC dc);
// Every GetDC hands out a context in its initial state, as a fresh one would be.
void plat_ResetSurfaceDC(HDC dc);
// Test hook: device contexts alive (a surface's from GetDC to its last ReleaseDC, and memory ones).
int plat_LiveDCCount();
