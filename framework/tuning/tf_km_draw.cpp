// The tuning mode's overlay: help and widget panels, and the markers of the current target.
#include <cstdarg>
#include <cstdio>
#include <initializer_list>

#include "framework/surface/tf_draw.h"
#include "framework/tuning/tf_km_state.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/gdi.h"

namespace {
constexpr COLORREF TEXT = 0x00C8FFFF;  // light yellow, rimmed so that it reads over light widgets too
constexpr int LINE = 18;

// Made at the first entry into the mode, when the platform's tables of objects already
// exist, so that they are released at program end before those tables go.
struct Objects {
    HBRUSH yellow = CreateSolidBrush(0x0000FFFF);
    HBRUSH red = CreateSolidBrush(0x000000FF);
    HBRUSH orange = CreateSolidBrush(0x00329EFF);
    HBRUSH magenta = CreateSolidBrush(0x00FF00FF);
    HBRUSH green = CreateSolidBrush(0x0000FF00);
    HPEN green3 = CreatePen(PS_SOLID, 3, 0x0000FF00);
    HPEN orange2 = CreatePen(PS_SOLID, 2, 0x00329EFF);
    ~Objects() {
        for (HGDIOBJ o : {HGDIOBJ(yellow), HGDIOBJ(red), HGDIOBJ(orange), HGDIOBJ(magenta), HGDIOBJ(green),
                          HGDIOBJ(green3), HGDIOBJ(orange2)})
            DeleteObject(o);
    }
};

Objects& gdi() {
    static Objects objects;
    return objects;
}

// Lines one under another, all but the first indented.
class Panel {
public:
    Panel(HDC dc, int x, int y, int indent) : dc_(dc), x_(x), y_(y), indent_(indent) {}

    __attribute__((format(printf, 2, 3))) void Line(const char* format, ...) {
        char text[128];
        va_list args;
        va_start(args, format);
        vsnprintf(text, sizeof text, format, args);
        va_end(args);
        tf_glob_Text_rim(dc_, x_ + (n_ ? indent_ : 0), y_ + n_ * LINE, TEXT, text);
        ++n_;
    }

private:
    HDC dc_;
    int x_, y_, indent_, n_ = 0;
};

const char* heading(int mod) {
    switch (mod) {
    case 0:
        return "tf_KM_mod=0: nic-ostry rezim";
    case 1:
        return "tf_KM_mod=1: DUI";
    case 2:
        return "tf_KM_mod=2: DUIR";
    case 9:
        return "tf_KM_mod=9: PolCHLO";
    case 10:
        return "tf_KM_mod=10: Pol";
    default:
        return "";
    }
}

void help(HDC dc) {
    Panel p(dc, 420, 40, 50);
    p.Line("%s", heading(tf_KM_mod));
    if (const tf_CDUI* l = tf_KM_Zoznam()) {
        p.Line("[F2]  TextMode: %s", l->text_mod);
        p.Line("[F3]  IconMode: %s", l->ikona_mod);
        p.Line("[F5]  TextPadding: %d", l->text_okraj);
        p.Line("[F6]  IconPadding: %d", l->ikona_okraj);
        p.Line("[F7]  a,b: %d,%d", l->vyska_volby, l->krok_volby);
        p.Line("[F8]  c: %d", l->sirka_volby);
    } else if (tf_KM_mod == 9 && tf_KM_cPolCHLO_9) {
        p.Line("[F2]  Next/Prev Child");
        p.Line("[Return]  Go Down to Child");
        p.Line("[Backspace]  Go Up to Parent");
        if (tf_KM_cPolCHLO_9->parent) p.Line("[Tab]  Go to Sibling");
    } else if (tf_KM_mod == 10 && tf_KM_cPol_10) {
        p.Line("[Arrow keys]  Moving Pol");
        p.Line("[Shift]+[Arrow keys]  Resize Pol");
        if (tf_KM_cPol_10->parent) p.Line("[Tab]  Go to Sibling");
    }
    p.Line("[F11]  SAVE => tf_KM_report.txt");
}

void widget_panel(HDC dc, tf_CPol* w) {
    int sir = 0, vys = 0;
    w->GetSize(&sir, &vys);
    Panel p(dc, 800, 40, 0);
    p.Line("           ID = [ %d ]", w->ID);
    p.Line("     [ x, y ] = [ %d, %d ]", w->x, w->y);
    p.Line("   [ rx, ry ] = [ %d, %d ]", w->rx, w->ry);
    p.Line("[ sir x vys ] = [ %d x %d ]", sir, vys);
}

void dot(HDC dc, HBRUSH fill, int x, int y, int r) {
    SelectObject(dc, fill);
    Ellipse(dc, x - r, y - r, x + r, y + r);
}

void frame(HDC dc, HPEN pen, int l, int t, int r, int b) {
    SelectObject(dc, pen);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, l, t, r, b);
}

// The origin marked and the widget's extent framed.
void outline(HDC dc, tf_CPol* w) {
    int sir = 0, vys = 0;
    w->GetSize(&sir, &vys);
    dot(dc, gdi().green, w->x, w->y, 4);
    frame(dc, gdi().green3, w->x, w->y, w->x + sir, w->y + vys);
}

HBRUSH child_fill(int i) {
    for (int k = 0; k < tf_KM_vyber.count; ++k)
        if (tf_KM_vyber.index[k] == i) return gdi().orange;
    if (i != tf_KM_index || tf_KM_multi) return gdi().yellow;
    return i == tf_KM_vyber.index[0] ? gdi().magenta : gdi().red;
}

void container_markers(HDC dc, tf_CPolCHLO* box) {
    frame(dc, static_cast<HPEN>(GetStockObject(WHITE_PEN)), box->x - 10, box->y - 10, box->x + 10, box->y + 10);
    outline(dc, box);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    for (int i = 0; i < box->deti.count; ++i)
        if (const tf_CPol* c = tf_KM_Child(box, i)) dot(dc, child_fill(i), box->x + c->rx, box->y + c->ry, 3);
    const RECT& b = tf_KM_band;
    if (tf_KM_band_active) frame(dc, gdi().orange2, b.left, b.top, b.right, b.bottom);
}

void markers(HDC dc) {
    if (const tf_CDUI* l = tf_KM_Zoznam()) {
        frame(dc, gdi().green3, l->obal.left, l->obal.top, l->obal.right, l->obal.bottom);
    } else if (tf_KM_mod == 9 && tf_KM_cPolCHLO_9) {
        container_markers(dc, tf_KM_cPolCHLO_9);
    } else if (tf_KM_mod == 10 && tf_KM_cPol_10) {
        SelectObject(dc, GetStockObject(BLACK_PEN));
        outline(dc, tf_KM_cPol_10);
    }
}
}  // namespace

void tf_KM_GDI_vytvor() { gdi(); }

void tf_KM_ZOBRAZ(IDirectDrawSurface* back) {
    HDC dc = nullptr;
    if (!tf_KM_on || !back || back->GetDC(&dc) != DD_OK) return;
    help(dc);
    if (tf_KM_cPol_10) widget_panel(dc, tf_KM_cPol_10);
    markers(dc);
    back->ReleaseDC(dc);
}
