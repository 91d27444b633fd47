// "rezia_dll.bmp": the framework's buttons, scroll-bar parts, marks and logo. The program finds
// each picture by pointing at a fixed point inside it; the rectangles below hold those points.
#include <cmath>

#include "tools/artgen/artgen.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/lettering.h"
#include "tools/artgen/parts.h"
#include "tools/artgen/sheet.h"

namespace artgen {

namespace {
const int WIDTH = 235, HEIGHT = 211;
const State STATES[3] = {State::NORMAL, State::OVER, State::PRESSED};

// Small slider knobs of the second look: normal, over, pressed.
const Rect SMALL_KNOB_H[3] = {{2, 25, 9, 38}, {12, 25, 19, 38}, {22, 25, 29, 38}};
const Rect SMALL_KNOB_V[3] = {{2, 41, 15, 48}, {2, 51, 15, 58}, {2, 61, 15, 68}};
// Close cross of dialogs: normal (also over), pressed.
const Rect CLOSE_X[2] = {{38, 2, 52, 16}, {38, 19, 52, 33}};
const Rect OK_MARK = {36, 36, 52, 50};
const Rect CANCEL_MARK = {36, 53, 52, 67};
// Vertical scroll bar: first column normal (also over), second pressed.
const Rect V_UP[2] = {{112, 3, 129, 20}, {137, 3, 154, 20}};
const Rect V_KNOB[2] = {{112, 36, 129, 65}, {137, 36, 154, 65}};
const Rect V_DOWN[2] = {{112, 77, 129, 94}, {137, 77, 154, 94}};
const Rect V_TRACK = {157, 20, 174, 39};
// Horizontal scroll bar: first row normal (also over), second pressed.
const Rect H_LEFT[2] = {{2, 80, 19, 97}, {2, 100, 19, 117}};
const Rect H_KNOB[2] = {{35, 80, 64, 97}, {35, 100, 64, 117}};
const Rect H_RIGHT[2] = {{76, 80, 93, 97}, {76, 100, 93, 117}};
const Rect H_TRACK = {24, 121, 35, 138};
const Rect HELP = {177, 6, 208, 37};
const Rect VOID_PICTURE = {194, 40, 227, 73};
// Title buttons, normal, over, pressed. The close button stands a pixel higher on the screen
// than the others, so its pictures keep an empty top row and all four line up.
const Rect TITLE_CLOSE[3] = {{68, 2, 91, 24}, {68, 27, 91, 49}, {68, 52, 91, 74}};
const int TITLE_COLUMNS[3] = {157, 183, 209};  // timer, screen resolution, information
const int TITLE_ROWS[3] = {79, 103, 127};
const int TITLE_W = 24, TITLE_H = 22;
const Rect LOGO = {3, 151, 202, 208};

Canvas canvas_for(const Rect& r) { return Canvas(r.W(), r.H()); }

void title_button(Sheet& sheet, const Rect& r, Rgb colour, State s, const GlyphAt& glyph) {
    Canvas c = canvas_for(r);
    const float top = static_cast<float>(r.H() - TITLE_H);
    Button(c, {0, top, static_cast<float>(TITLE_W), static_cast<float>(TITLE_H)}, Form::ROUNDED, colour, s, glyph);
    sheet.Place(r, c);
}

void title_buttons(Sheet& sheet) {
    for (int i = 0; i < 3; ++i) {
        title_button(sheet, TITLE_CLOSE[i], BERRY, STATES[i],
                     [](float cx, float cy) { return CrossMark(cx, cy, 10, 3); });
        const GlyphAt glyphs[3] = {[](float cx, float cy) { return ClockMark(cx, cy, 14, 2.3f); },
                                   [](float cx, float cy) { return ScreenMark(cx, cy, 14, 2.2f); },
                                   [](float cx, float cy) { return InfoMark(cx, cy, 13, 3); }};
        const Rgb colours[3] = {SUN, GRASS, SKY};
        for (int b = 0; b < 3; ++b) {
            const Rect r = {TITLE_COLUMNS[b], TITLE_ROWS[i], TITLE_COLUMNS[b] + TITLE_W - 1,
                            TITLE_ROWS[i] + TITLE_H - 1};
            title_button(sheet, r, colours[b], STATES[i], glyphs[b]);
        }
    }
}

void scroll_bars(Sheet& sheet) {
    for (int i = 0; i < 2; ++i) {
        const State s = i ? State::PRESSED : State::NORMAL;
        const struct {
            Rect r;
            Dir d;
        } buttons[4] = {{V_UP[i], Dir::UP}, {V_DOWN[i], Dir::DOWN}, {H_LEFT[i], Dir::LEFT}, {H_RIGHT[i], Dir::RIGHT}};
        for (const auto& b : buttons) {
            Canvas c = canvas_for(b.r);
            ScrollButton(c, s, b.d);
            sheet.Place(b.r, c);
        }
        for (const Rect& r : {V_KNOB[i], H_KNOB[i]}) {
            Canvas c = canvas_for(r);
            Knob(c, s);
            sheet.Place(r, c);
        }
    }
    for (int i = 0; i < 3; ++i)
        for (const Rect& r : {SMALL_KNOB_H[i], SMALL_KNOB_V[i]}) {
            Canvas c = canvas_for(r);
            Knob(c, STATES[i]);
            sheet.Place(r, c);
        }
    Canvas v = canvas_for(V_TRACK);
    TrackTile(v, true);
    sheet.Place(V_TRACK, v);
    Canvas h = canvas_for(H_TRACK);
    TrackTile(h, false);
    sheet.Place(H_TRACK, h);
}

void marks(Sheet& sheet) {
    for (int i = 0; i < 2; ++i) {
        Canvas c = canvas_for(CLOSE_X[i]);
        Button(c, Form::ROUNDED, BERRY, i ? State::PRESSED : State::NORMAL,
               [](float cx, float cy) { return CrossMark(cx, cy, 7, 2); });
        sheet.Place(CLOSE_X[i], c);
    }
    Canvas ok = canvas_for(OK_MARK);
    Mark(ok, TickMark(8.5f, 7.5f, 12, 3.2f), GRASS);
    sheet.Place(OK_MARK, ok);
    Canvas cancel = canvas_for(CANCEL_MARK);
    Mark(cancel, CrossMark(8.5f, 7.5f, 11, 3.2f), BERRY);
    sheet.Place(CANCEL_MARK, cancel);

    Canvas help = canvas_for(HELP);
    Button(help, Form::ROUND, SKY, State::NORMAL,
           [](float cx, float cy) { return QuestionMark(cx, cy + 0.5f, 19, 4); });
    sheet.Place(HELP, help);
}

// What shows where a picture is missing: an empty frame with a faint landscape.
void void_picture(Sheet& sheet) {
    Canvas c = canvas_for(VOID_PICTURE);
    const float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
    const Rgb grey = Hex(0xE6E6F0), line = Hex(0x9E9EB8), faint = Hex(0xC4C4D6);
    const Sdf card = Box(0, 0, w, h, 6);
    c.Fill(card, VGrad(0, Lighter(grey, 0.5f), h, grey));
    // A dashed edge: the outline where diagonal stripes let it through.
    const Sdf stripes = [](float x, float y) {
        const float p = std::fmod(x + y, 6.0f);
        return std::fabs(p - 1.5f) - 1.5f;
    };
    c.Shade(Intersect(Outline(Grow(card, -1.5f), 0.9f), stripes), Solid(line));
    c.Shade(Polygon({7, h - 8, 14, h - 18, 19, h - 12, 23, h - 16, w - 7, h - 8}), Solid(faint));
    c.Shade(Circle(w - 11, 11, 3.5f), Solid(faint));
    sheet.Place(VOID_PICTURE, c);
}

// The name on a light panel with the emblem at its left.
void logo(Sheet& sheet) {
    Canvas c = canvas_for(LOGO);
    const float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
    const Sdf panel = Box(0, 0, w, h, h * 0.42f);
    c.Fill(panel, Solid(Hex(0xF2A93B)));
    c.Fill(Grow(panel, -2), VGrad(0, Hex(0xFFFDF4), h, Hex(0xFFE7A8)));
    c.Shade(Intersect(Grow(panel, -3.5f), HalfPlaneAbove(h * 0.45f)),
            VGradAlpha(0, {WHITE, 0.7f}, h * 0.45f, {WHITE, 0}));
    OpenBook(c, 9, 6, 46);
    Wordmark(c, 63, 47, 37);
    sheet.Place(LOGO, c);
}
}  // namespace

std::vector<uint8_t> FrameworkSkin() {
    Sheet sheet(WIDTH, HEIGHT, KEY, BORDER);
    sheet.MarkBorderAt00();
    title_buttons(sheet);
    scroll_bars(sheet);
    marks(sheet);
    void_picture(sheet);
    logo(sheet);
    return sheet.Bmp();
}

}  // namespace artgen
