// "rezia.bmp": the editor's page buttons, play, read and save, the microphone, the mute switch, the
// narration mark, the list parts, the pointer and the application icon. The program finds each
// picture by pointing at a fixed point inside it.
#include "tools/artgen/artgen.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/parts.h"
#include "tools/artgen/sheet.h"

namespace artgen {

namespace {
const int WIDTH = 470, HEIGHT = 194;

// Three looks each: normal, over, pressed.
const Rect NEXT[3] = {{2, 5, 37, 40}, {40, 5, 75, 40}, {78, 5, 113, 40}};
const Rect PREVIOUS[3] = {{192, 5, 227, 40}, {154, 5, 189, 40}, {116, 5, 151, 40}};
const Rect PLAY[3] = {{296, 5, 343, 40}, {346, 5, 393, 40}, {396, 5, 443, 40}};
// Reading the book: an open book, beside play.
const Rect READ[3] = {{2, 155, 49, 190}, {52, 155, 99, 190}, {102, 155, 149, 190}};
const Rect SAVE[3] = {{300, 46, 337, 81}, {340, 46, 377, 81}, {380, 46, 417, 81}};
const Rect NEW_PAGE[3] = {{2, 73, 37, 108}, {40, 73, 75, 108}, {78, 73, 113, 108}};
const Rect LEAVE[3] = {{116, 73, 151, 108}, {154, 73, 189, 108}, {192, 73, 227, 108}};
// The microphone: ready, recording (a stop mark) and, in one look only, unable to record.
const Rect MIC[3] = {{2, 114, 37, 149}, {40, 114, 75, 149}, {78, 114, 113, 149}};
const Rect MIC_STOP[3] = {{116, 114, 151, 149}, {154, 114, 189, 149}, {192, 114, 227, 149}};
const Rect MIC_GREY = {230, 114, 265, 149};
// The mute switch, in the frame's title-button size: sound on, sound off.
const Rect SOUND_ON[3] = {{270, 114, 293, 135}, {296, 114, 319, 135}, {322, 114, 345, 135}};
const Rect SOUND_OFF[3] = {{348, 114, 371, 135}, {374, 114, 397, 135}, {400, 114, 423, 135}};
const Rgb GREY = Hex(0xA4A4B0);
// The pages list's mark of a page that has a narration: a small sounding speaker.
const Rect SPEAKER_MARK = {428, 114, 447, 131};
// List parts: normal (also over), pressed.
const Rect LIST_KNOB[2] = {{230, 5, 249, 40}, {252, 5, 271, 40}};
const Rect LIST_UP[2] = {{121, 43, 140, 62}, {143, 43, 162, 62}};
const Rect LIST_DOWN[2] = {{165, 43, 184, 62}, {191, 43, 210, 62}};
const Rect LIST_TRACK = {274, 5, 293, 24};
// The pointer (its tip at the top-left corner): arrow, closed hand while dragging, open hand.
const Rect POINTER[3] = {{2, 43, 29, 70}, {32, 43, 59, 70}, {62, 43, 89, 70}};
const Rect APP_ICON = {424, 66, 463, 105};

const State STATES[3] = {State::NORMAL, State::OVER, State::PRESSED};

void buttons(Sheet& sheet, const Rect (&rects)[3], Form form, Rgb colour, const GlyphAt& glyph) {
    for (int i = 0; i < 3; ++i) {
        Canvas c(rects[i].W(), rects[i].H());
        Button(c, form, colour, STATES[i], glyph);
        sheet.Place(rects[i], c);
    }
}

// A white page with a green plus badge at its lower right.
void new_page_buttons(Sheet& sheet) {
    for (int i = 0; i < 3; ++i) {
        Canvas c(NEW_PAGE[i].W(), NEW_PAGE[i].H());
        const Point m = Button(c, Form::ROUND, SUN, STATES[i], nullptr);
        const Rgb shadow = Darker(StateColour(SUN, STATES[i]), 0.45f);
        Glyph(c, PageShape(m.x - 2, m.y - 1, 15, 19), shadow);
        c.Shade(FoldShape(m.x - 2, m.y - 1, 15, 19), Solid(Hex(0xF0BE78)));
        const Sdf badge = Circle(m.x + 5.5f, m.y + 5.5f, 6.5f);
        c.Fill(Grow(badge, 1), Solid(Darker(GRASS, 0.4f)));
        c.Fill(badge, VGrad(m.y, Lighter(GRASS, 0.3f), m.y + 12, GRASS));
        c.Shade(PlusMark(m.x + 5.5f, m.y + 5.5f, 8, 2.4f), Solid(WHITE));
        sheet.Place(NEW_PAGE[i], c);
    }
}

void microphone_buttons(Sheet& sheet) {
    const GlyphAt mic = [](float cx, float cy) { return MicMark(cx, cy, 22, 2.6f); };
    buttons(sheet, MIC, Form::ROUND, SUN, mic);
    buttons(sheet, MIC_STOP, Form::ROUND, BERRY, [](float cx, float cy) { return Box(cx - 6, cy - 6, cx + 6, cy + 6, 2); });
    Canvas grey(MIC_GREY.W(), MIC_GREY.H());
    Button(grey, Form::ROUND, GREY, State::NORMAL, mic);
    sheet.Place(MIC_GREY, grey);
    for (int i = 0; i < 3; ++i)
        for (const bool on : {true, false}) {
            const Rect& r = on ? SOUND_ON[i] : SOUND_OFF[i];
            Canvas c(r.W(), r.H());
            Button(c, {0, 0, static_cast<float>(r.W()), static_cast<float>(r.H())}, Form::ROUNDED, on ? SKY : BERRY,
                   STATES[i], [on](float cx, float cy) { return SpeakerMark(cx, cy, 14, 2.2f, on); });
            sheet.Place(r, c);
        }
    Canvas mark(SPEAKER_MARK.W(), SPEAKER_MARK.H());
    Button(mark, {0, 0, static_cast<float>(mark.Width()), static_cast<float>(mark.Height())}, Form::ROUNDED, SKY,
           State::NORMAL, [](float cx, float cy) { return SpeakerMark(cx, cy, 12, 2, true); });
    sheet.Place(SPEAKER_MARK, mark);
}

void list_parts(Sheet& sheet) {
    for (int i = 0; i < 2; ++i) {
        const State s = i ? State::PRESSED : State::NORMAL;
        Canvas knob(LIST_KNOB[i].W(), LIST_KNOB[i].H());
        Knob(knob, s);
        sheet.Place(LIST_KNOB[i], knob);
        Canvas up(LIST_UP[i].W(), LIST_UP[i].H());
        ScrollButton(up, s, Dir::UP);
        sheet.Place(LIST_UP[i], up);
        Canvas down(LIST_DOWN[i].W(), LIST_DOWN[i].H());
        ScrollButton(down, s, Dir::DOWN);
        sheet.Place(LIST_DOWN[i], down);
    }
    Canvas track(LIST_TRACK.W(), LIST_TRACK.H());
    TrackTile(track, true);
    sheet.Place(LIST_TRACK, track);
}

// A white glove or arrow with a dark outline reads on any page.
void pointer_shape(Canvas& c, const Sdf& shape, const Sdf& creases) {
    const float h = static_cast<float>(c.Height());
    c.Fill(Grow(shape, 1.3f), Solid(INK));
    c.Fill(shape, VGrad(0, WHITE, h, Hex(0xDCE6F5)));
    if (creases) c.Shade(creases, Solid(Hex(0x8C94B8)));
}

void pointers(Sheet& sheet) {
    Canvas arrow(POINTER[0].W(), POINTER[0].H());
    pointer_shape(
        arrow, Polygon({1.3f, 1.3f, 1.3f, 23.5f, 6.8f, 18.4f, 11.2f, 26.6f, 15.4f, 24.6f, 11.3f, 16.7f, 18.7f, 16.7f}),
        nullptr);
    sheet.Place(POINTER[0], arrow);

    Canvas fist(POINTER[1].W(), POINTER[1].H());
    Sdf knuckles = nullptr;
    for (int k = 0; k < 4; ++k) {
        const Sdf finger = Capsule(7.5f + 3.8f * k, 7.5f, 7.5f + 3.8f * k, 12, 2.3f);
        knuckles = knuckles ? Union(knuckles, finger) : finger;
    }
    const Sdf hand = Union(Union(Box(5, 8, 22.5f, 23, 5), knuckles), Capsule(5.5f, 16, 2.8f, 12.5f, 2.4f));
    Sdf creases = nullptr;
    for (int k = 1; k < 4; ++k) {
        const Sdf line = Capsule(5.6f + 3.8f * k, 8.5f, 5.6f + 3.8f * k, 12.5f, 0.45f);
        creases = creases ? Union(creases, line) : line;
    }
    pointer_shape(fist, hand, creases);
    sheet.Place(POINTER[1], fist);

    Canvas open(POINTER[2].W(), POINTER[2].H());
    Sdf fingers = nullptr;
    const float tips[4] = {5, 2.5f, 3, 5.5f};
    for (int k = 0; k < 4; ++k) {
        const Sdf finger = Capsule(8 + 3.9f * k, tips[k], 8 + 3.9f * k, 16, 1.9f);
        fingers = fingers ? Union(fingers, finger) : finger;
    }
    const Sdf palm = Union(Union(Box(6, 13, 22.5f, 25.5f, 5), fingers), Capsule(7, 19, 2.6f, 12.5f, 2));
    Sdf gaps = nullptr;
    for (int k = 1; k < 4; ++k) {
        const Sdf line = Capsule(6.05f + 3.9f * k, 7, 6.05f + 3.9f * k, 14, 0.4f);
        gaps = gaps ? Union(gaps, line) : line;
    }
    pointer_shape(open, palm, gaps);
    sheet.Place(POINTER[2], open);
}
}  // namespace

std::vector<uint8_t> EditorSkin() {
    Sheet sheet(WIDTH, HEIGHT, KEY, BORDER);
    sheet.MarkBorderAt00();
    buttons(sheet, NEXT, Form::ROUND, SKY, [](float cx, float cy) { return Arrow(cx, cy, 19, 6.5f, Dir::RIGHT); });
    buttons(sheet, PREVIOUS, Form::ROUND, SKY, [](float cx, float cy) { return Arrow(cx, cy, 19, 6.5f, Dir::LEFT); });
    buttons(sheet, PLAY, Form::ROUNDED, GRASS,
            [](float cx, float cy) { return Triangle(cx + 1, cy, 22, Dir::RIGHT, 2.5f); });
    buttons(sheet, READ, Form::ROUNDED, Hex(0xF08C3C), [](float cx, float cy) {
        return Union(Polygon({cx - 13, cy - 7, cx - 1.5f, cy - 4.5f, cx - 1.5f, cy + 9, cx - 13, cy + 6.5f}),
                     Polygon({cx + 13, cy - 7, cx + 1.5f, cy - 4.5f, cx + 1.5f, cy + 9, cx + 13, cy + 6.5f}));
    });
    buttons(sheet, SAVE, Form::ROUNDED, GRAPE, [](float cx, float cy) { return SaveMark(cx, cy, 19, 4); });
    buttons(sheet, LEAVE, Form::ROUND, BERRY, [](float cx, float cy) { return DoorMark(cx, cy, 18, 3.5f); });
    new_page_buttons(sheet);
    microphone_buttons(sheet);
    list_parts(sheet);
    pointers(sheet);
    Canvas icon(APP_ICON.W(), APP_ICON.H());
    OpenBook(icon, 0, 0, static_cast<float>(icon.Width()));
    sheet.Place(APP_ICON, icon);
    return sheet.Bmp();
}

}  // namespace artgen
