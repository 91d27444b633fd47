// GDI objects (stock and created pens, brushes, fonts, bitmaps) and device contexts.
#include <algorithm>
#include <string>
#include <unordered_set>

#include "platform/font.h"
#include "platform/gdi_internal.h"

namespace {

std::unordered_set<plat_GdiObject*>& live_objects() {
    static std::unordered_set<plat_GdiObject*> s;
    return s;
}

std::unordered_set<plat_DC*>& live_dcs() {
    static std::unordered_set<plat_DC*> s;
    return s;
}

plat_GdiObject* valid_object(HGDIOBJ h) { return h && live_objects().count(h) ? h : nullptr; }

plat_GdiObject* make_stock(plat_GdiKind kind, COLORREF colour, bool hollow) {
    plat_GdiObject* o = plat_NewGdiObject(kind);
    o->stock = true;
    o->colour = colour;
    o->hollow = hollow;
    return o;
}

plat_GdiObject* stock_font(int height, int weight) {
    plat_GdiObject* o = make_stock(plat_GdiKind::FONT, 0, false);
    o->font = plat_OpenFont(height, 0, weight, nullptr);
    return o;
}

// Made on first use and never deleted.
plat_GdiObject* stock(int which) {
    static plat_GdiObject* table[DEFAULT_GUI_FONT + 1];
    static bool made = false;
    if (!made) {
        made = true;
        table[WHITE_BRUSH] = make_stock(plat_GdiKind::BRUSH, RGB(255, 255, 255), false);
        table[LTGRAY_BRUSH] = make_stock(plat_GdiKind::BRUSH, RGB(192, 192, 192), false);
        table[GRAY_BRUSH] = make_stock(plat_GdiKind::BRUSH, RGB(128, 128, 128), false);
        table[DKGRAY_BRUSH] = make_stock(plat_GdiKind::BRUSH, RGB(64, 64, 64), false);
        table[BLACK_BRUSH] = make_stock(plat_GdiKind::BRUSH, RGB(0, 0, 0), false);
        table[NULL_BRUSH] = make_stock(plat_GdiKind::BRUSH, 0, true);
        table[WHITE_PEN] = make_stock(plat_GdiKind::PEN, RGB(255, 255, 255), false);
        table[BLACK_PEN] = make_stock(plat_GdiKind::PEN, RGB(0, 0, 0), false);
        table[NULL_PEN] = make_stock(plat_GdiKind::PEN, 0, true);
        table[SYSTEM_FONT] = stock_font(-13, FW_BOLD);
        table[DEFAULT_GUI_FONT] = stock_font(-11, FW_NORMAL);
    }
    return which >= 0 && which <= DEFAULT_GUI_FONT ? table[which] : nullptr;
}

// Puts o into a context's slot, keeping the holders of the old and the new object right.
void put(plat_DC* dc, plat_GdiObject** slot, plat_GdiObject* o) {
    if (plat_GdiObject* old = *slot; old && !old->stock) {
        auto& h = old->holders;
        if (auto it = std::find(h.begin(), h.end(), dc); it != h.end()) h.erase(it);
    }
    if (o && !o->stock) o->holders.push_back(dc);
    *slot = o;
}

// Lets go of every object a context holds.
void release_all(plat_DC* dc) {
    for (plat_GdiObject** slot : {&dc->pen, &dc->brush, &dc->font, &dc->bitmap}) put(dc, slot, nullptr);
}

// The state every context starts with.
void reset_dc(plat_DC* dc, IDirectDrawSurface* surface) {
    release_all(dc);
    *dc = plat_DC{};
    dc->surface = surface;
    dc->pen = stock(BLACK_PEN);
    dc->brush = stock(WHITE_BRUSH);
    dc->font = stock(SYSTEM_FONT);
}

plat_DC* new_dc(IDirectDrawSurface* surface) {
    plat_DC* dc = new plat_DC;
    reset_dc(dc, surface);
    live_dcs().insert(dc);
    return dc;
}

// The slot of a context that holds objects of this kind.
plat_GdiObject** slot_of(plat_DC* dc, plat_GdiKind kind) {
    switch (kind) {
    case plat_GdiKind::PEN: return &dc->pen;
    case plat_GdiKind::BRUSH: return &dc->brush;
    case plat_GdiKind::FONT: return &dc->font;
    case plat_GdiKind::BITMAP: return &dc->bitmap;
    }
    return nullptr;
}

plat_GdiObject* default_of(plat_GdiKind kind) {
    switch (kind) {
    case plat_GdiKind::PEN: return stock(BLACK_PEN);
    case plat_GdiKind::BRUSH: return stock(WHITE_BRUSH);
    case plat_GdiKind::FONT: return stock(SYSTEM_FONT);
    case plat_GdiKind::BITMAP: return nullptr;
    }
    return nullptr;
}

}  // namespace

plat_GdiObject* plat_NewGdiObject(plat_GdiKind kind) {
    plat_GdiObject* o = new plat_GdiObject;
    o->kind = kind;
    live_objects().insert(o);
    return o;
}

plat_GdiObject* plat_ValidObject(HGDIOBJ h, plat_GdiKind kind) {
    plat_GdiObject* o = valid_object(h);
    return o && o->kind == kind ? o : nullptr;
}

void plat_GdiWarn(const char* what, const char* detail) {
    std::string line = std::string("gdi: ") + what;
    if (detail) line += std::string(": ") + detail;
    OutputDebugStringA((line + "\n").c_str());
}

HGDIOBJ GetStockObject(int which) { return stock(which); }

HPEN CreatePen(int style, int width, COLORREF colour) {
    // Only solid and null pens exist here.
    plat_GdiObject* o = plat_NewGdiObject(plat_GdiKind::PEN);
    o->colour = colour;
    o->width = std::clamp(width, 1, PLAT_MAX_PEN);
    o->hollow = style == PS_NULL;
    return o;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    plat_GdiObject* o = plat_NewGdiObject(plat_GdiKind::BRUSH);
    o->colour = colour;
    return o;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ h) {
    plat_GdiObject* o = valid_object(h);
    if (!dc || !o) return nullptr;
    // A bitmap goes into a memory context only.
    if (o->kind == plat_GdiKind::BITMAP && dc->surface) return nullptr;
    plat_GdiObject** slot = slot_of(dc, o->kind);
    plat_GdiObject* old = *slot;
    put(dc, slot, o);
    return old;
}

BOOL DeleteObject(HGDIOBJ h) {
    plat_GdiObject* o = valid_object(h);
    if (!o) return FALSE;
    if (o->stock) return TRUE;
    // A context still holding the object falls back to its default, so it never draws with
    // freed memory.
    for (plat_DC* dc : o->holders) *slot_of(dc, o->kind) = default_of(o->kind);
    if (o->font) plat_CloseFont(o->font);
    live_objects().erase(o);
    delete o;
    return TRUE;
}

int GetObjectA(HGDIOBJ h, int size, void* out) {
    plat_GdiObject* o = valid_object(h);
    if (!o || o->kind != plat_GdiKind::BITMAP) return 0;
    if (!out) return sizeof(BITMAP);
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP* b = static_cast<BITMAP*>(out);
    b->bmType = 0;
    b->bmWidth = o->w;
    b->bmHeight = o->h;
    b->bmWidthBytes = o->w * 4;
    b->bmPlanes = 1;
    b->bmBitsPixel = 32;
    b->bmBits = o->px.data();
    return sizeof(BITMAP);
}

HDC plat_CreateSurfaceDC(IDirectDrawSurface* srf) { return srf ? new_dc(srf) : nullptr; }

void plat_ResetSurfaceDC(HDC dc) {
    if (dc && dc->surface) reset_dc(dc, dc->surface);
}

void plat_DestroySurfaceDC(HDC dc) {
    if (!dc || !dc->surface || !live_dcs().erase(dc)) return;
    release_all(dc);
    delete dc;
}

int plat_LiveDCCount() { return static_cast<int>(live_dcs().size()); }

HDC CreateCompatibleDC(HDC) { return new_dc(nullptr); }

BOOL DeleteDC(HDC dc) {
    // A surface's context belongs to the surface.
    if (!dc || dc->surface || !live_dcs().erase(dc)) return FALSE;
    release_all(dc);
    delete dc;
    return TRUE;
}

IDirectDrawSurface* plat_DrawSurface(HDC dc) { return dc ? dc->surface : nullptr; }

int SetBkMode(HDC dc, int mode) {
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int old = dc->bkMode;
    dc->bkMode = mode;
    return old;
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    if (!dc) return CLR_INVALID;
    COLORREF old = dc->bkColour;
    dc->bkColour = colour;
    return old;
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    if (!dc) return CLR_INVALID;
    COLORREF old = dc->textColour;
    dc->textColour = colour;
    return old;
}

COLORREF GetTextColor(HDC dc) { return dc ? dc->textColour : CLR_INVALID; }
