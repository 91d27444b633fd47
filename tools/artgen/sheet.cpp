#include "tools/artgen/sheet.h"

#include "framework/surface/tf_dsrfc.h"
#include "platform/bmp.h"
#include "platform/ddraw.h"
#include "platform/gdi.h"
#include "platform/pixel.h"
#include "tools/artgen/encode.h"

namespace artgen {

Sheet::Sheet(int w, int h, uint16_t key, uint16_t border) : key_(key), border_(border) {
    if (DirectDrawCreate(nullptr, &dd_, nullptr) != DD_OK) return;
    srf_ = DDCreateOffscreenSurface(dd_, w, h);
    if (!srf_) return;
    HDC dc = nullptr;
    if (srf_->GetDC(&dc) != DD_OK) return;
    HBRUSH brush = CreateSolidBrush(plat_From565(key_));
    const RECT all = {0, 0, w, h};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    srf_->ReleaseDC(dc);
}

Sheet::~Sheet() {
    if (srf_) srf_->Release();
    if (dd_) dd_->Release();
}

void Sheet::MarkBorderAt00() {
    HDC dc = nullptr;
    if (!srf_ || srf_->GetDC(&dc) != DD_OK) return;
    SetPixel(dc, 0, 0, plat_From565(border_));
    srf_->ReleaseDC(dc);
}

void Sheet::Place(const Rect& r, const Canvas& c) {
    HDC dc = nullptr;
    if (!srf_ || srf_->GetDC(&dc) != DD_OK) return;
    HPEN pen = CreatePen(PS_SOLID, 1, plat_From565(border_));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.x0 - 1, r.y0 - 1, r.x1 + 2, r.y1 + 2);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
    srf_->ReleaseDC(dc);
    Put(r.x0, r.y0, c);
}

void Sheet::Put(int x, int y, const Canvas& c) { c.Put(srf_, x, y, key_, border_); }

std::vector<uint8_t> Sheet::Bmp() const { return plat_EncodeSurfaceBMP(srf_); }
std::vector<uint8_t> Sheet::Bmp8() const { return EncodeBmp8(srf_, {key_, border_}); }

}  // namespace artgen
