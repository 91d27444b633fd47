#include "framework/surface/tf_draw.h"

#include <cstring>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "framework/surface/tf_dsrfc.h"

namespace {
const char* const SRC = "TF_DAS_w";

// A move to the first point and lines through the others (GDI excludes each end point).
void polyline(HDC dc, HGDIOBJ pen, POINT a, POINT b, POINT c) {
    SelectObject(dc, pen);
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
    LineTo(dc, c.x, c.y);
}

int length(const char* text) { return text ? static_cast<int>(strlen(text)) : 0; }

// Draws text in `farba` on a transparent background; the context's text colour is kept.
template <class Draw>
void in_colour(HDC dc, COLORREF farba, HFONT font, Draw draw) {
    COLORREF old = GetTextColor(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, farba);
    SelectObject(dc, font);
    draw();
    SetTextColor(dc, old);
}
}  // namespace

tf_TGDI_objekty tf_glob_GDI = {};

void tf_glob_GDI_vytvor() {
    static bool done = false;
    if (done) return;
    done = true;
    if (!tf_glob_GDI.pen_dark_grey) tf_glob_GDI.pen_dark_grey = CreatePen(PS_SOLID, 1, 0x00505050);
    if (!tf_glob_GDI.pen_blue) tf_glob_GDI.pen_blue = CreatePen(PS_SOLID, 1, 0x00E8A200);
    if (!tf_glob_GDI.brush_light_grey) tf_glob_GDI.brush_light_grey = CreateSolidBrush(0x00D8D8D8);
    if (!tf_glob_GDI.brush_blue) tf_glob_GDI.brush_blue = CreateSolidBrush(0x00FF3C3C);
    if (!tf_glob_GDI.brush_red) tf_glob_GDI.brush_red = CreateSolidBrush(0x003C3CFF);
    if (!tf_glob_GDI.brush_yellow) tf_glob_GDI.brush_yellow = CreateSolidBrush(0x003CFFFF);
}

void tf_glob_Level_efekt(HDC dc, RECT* r, int rezim) {
    tf_glob_GDI_vytvor();
    tf_glob_Level_efekt_pero(dc, r->left, r->top, r->right - 1, r->bottom - 1, tf_glob_GDI.pen_dark_grey, rezim);
}

void tf_glob_Level_efekt_pero(HDC dc, int L, int T, int R, int B, HPEN tmave, int rezim) {
    HGDIOBJ white = GetStockObject(WHITE_PEN);
    HGDIOBJ black = GetStockObject(BLACK_PEN);
    if (rezim == 1) {
        polyline(dc, white, {L, B}, {L, T}, {R, T});
        polyline(dc, black, {R, T}, {R, B}, {L - 1, B});
        polyline(dc, tmave, {R - 1, T + 1}, {R - 1, B - 1}, {L, B - 1});
    } else if (rezim == 2) {
        polyline(dc, tmave, {L, B}, {L, T}, {R, T});
        polyline(dc, white, {R, T}, {R, B}, {L, B});
        polyline(dc, black, {L + 1, B - 1}, {L + 1, T + 1}, {R, T + 1});
    }
}

void tf_glob_Level_efekt2_fill(HDC dc, RECT* r, int rezim) {
    tf_glob_GDI_vytvor();
    FillRect(dc, r, tf_glob_GDI.brush_light_grey);
    tf_glob_Level_efekt(dc, r, rezim);
}

void tf_glob_Text(HDC dc, int x, int y, COLORREF farba, const char* text) {
    tf_glob_Text_font(dc, x, y, farba, GetStockObject(SYSTEM_FONT), text);
}

void tf_glob_Text_font(HDC dc, int x, int y, COLORREF farba, HFONT font, const char* text) {
    in_colour(dc, farba, font, [&] { TextOutA(dc, x, y, text ? text : "", length(text)); });
}

void tf_glob_Text_draw_font(HDC dc, RECT* r, UINT format, COLORREF farba, HFONT font, const char* text) {
    in_colour(dc, farba, font, [&] { DrawTextA(dc, text ? text : "", length(text), r, format); });
}

void tf_glob_Text_rim(HDC dc, int x, int y, COLORREF farba, const char* text) {
    for (const POINT d : {POINT{-1, 0}, POINT{1, 0}, POINT{0, -1}, POINT{0, 1}})
        tf_glob_Text(dc, x + d.x, y + d.y, TF_TEXT_RIM, text);
    tf_glob_Text(dc, x, y, farba, text);
}

HRESULT tf_glob_Text_srf(IDirectDrawSurface* srf, int x, int y, COLORREF farba, const char* text, bool rim) {
    if (!srf) return DDERR_INVALIDPARAMS;
    HDC dc = nullptr;
    HRESULT hr = srf->GetDC(&dc);
    if (hr != DD_OK) return hr;
    if (rim)
        tf_glob_Text_rim(dc, x, y, farba, text);
    else
        tf_glob_Text(dc, x, y, farba, text);
    return srf->ReleaseDC(dc);
}

void tf_glob_Ramik(HDC dc, RECT* r, int rezim) {
    tf_glob_GDI_vytvor();
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    if (rezim == 0) SelectObject(dc, GetStockObject(WHITE_PEN));
    if (rezim == 1) SelectObject(dc, tf_glob_GDI.pen_blue);
    Rectangle(dc, r->left, r->top, r->right, r->bottom);
}

void tf_glob_ZISTI_ROZMER_TEXTU(const char* text, HFONT font, int* sir, int* vys) {
    HDC dc = nullptr;
    if (!tf_lpDDSPrimary) {
        *sir = 100;
        *vys = 20;
        TF_LOG(TF_LOG_ERR, "tf_glob_ZISTI_ROZMER_TEXTU: tf_lpDDSPrimary == NULL !");
        return;
    }
    if (tf_lpDDSPrimary->GetDC(&dc) != DD_OK) {
        *sir = 100;
        *vys = 20;
        TF_LOG(TF_LOG_ERR, "tf_glob_ZISTI_ROZMER_TEXTU: tf_lpDDSPrimary->GetDC() != DD_OK !");
        return;
    }
    if (font) SelectObject(dc, font);
    RECT r = {0, 0, 0, 0};
    *vys = DrawTextA(dc, text ? text : "", length(text), &r, DT_CALCRECT);
    *sir = r.right - r.left + 1;
    tf_lpDDSPrimary->ReleaseDC(dc);
}

void tf_glob_GetSizeBitmap(const char* name, int* sir, int* vys) {
    HBITMAP bmp = DDFindBitmap(name, 0, 0);
    if (!bmp) {
        OutputDebugStringA("$QZ: handle is null\n");
        return;
    }
    BITMAP bm = {};
    GetObjectA(bmp, sizeof bm, &bm);
    *sir = bm.bmWidth;
    *vys = bm.bmHeight;
    DeleteObject(bmp);
}
