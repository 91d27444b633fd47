// A text on a page: its record (the words, size, colour, look and the bubble's object), the
// picture made from it whenever it changes, and its line in the page file.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "platform/canvas.h"

// The looks of a text.
enum { PX_TITULOK = 0, PX_KARTA = 1, PX_BUBLINA = 2, PX_VZHLADOV = 3 };
constexpr int PX_VELKOSTI = 5, PX_FARBY = 8;
// The page file's line kind of a text; readers that do not know it skip it.
constexpr char PX_RIADOK_TEXTU = 't';
// So that a text's line stays within the 399 characters every page reader takes in one piece,
// its written (escaped) form is at most this long; and a text keeps to a few lines.
constexpr size_t PX_TEXT_MAX_ZAPIS = 300;
constexpr int PX_TEXT_MAX_RIADKOV = 12;

struct PX_Text {
    std::string text;  // Windows-1250; lines end at '\n'
    int velkost = 2;   // 0 ... PX_VELKOSTI - 1
    int farba = 0;     // 0 ... PX_FARBY - 1
    int vzhlad = PX_TITULOK;
    int ciel = -1;  // a bubble's object, by its index in the registry; -1: none
    // A bubble follows its object: its place from the object's, and where the tail points
    // from the bubble's top-left corner.
    int odstup_x = 0, odstup_y = 0;
    int hrot_x = 0, hrot_y = 0;
    bool operator==(const PX_Text&) const = default;
};
using PX_TextPtr = std::shared_ptr<const PX_Text>;

// The text's picture: the box at the object's place, and what is drawn around it (the bubble's
// tail, the outline) reaching `ox`, `oy` to the left and above it.
struct PX_TextObraz {
    plat_Canvas obraz;
    int ox = 0, oy = 0;
    int sir = 0, vys = 0;  // the box the pointer takes
};
using PX_TextObrazPtr = std::shared_ptr<const PX_TextObraz>;

// The picture of a record. Nothing is drawn for an empty text but its box (one line high).
PX_TextObrazPtr PX_Text_Obraz(const PX_Text& t);
// The box alone, as the picture would have it: found without drawing.
void PX_Text_Rozmer(const PX_Text& t, int* sir, int* vys);
// A bubble's tail as the picture draws it: its base's two corners and its tip, from the box's
// top-left corner. False for a text without one.
bool PX_Text_Chvost(const PX_Text& t, double xs[3], double ys[3]);
// The colour of the letters, and where the caret stands in the picture's box: the top of the
// line and the left of the character `pos` (a byte index, clamped to the text).
unsigned long PX_Text_Farba(int farba);
// The colour of a card's ground and a caption's outline under letters of the colour `farba`.
unsigned long PX_Text_Proti(int farba);
// The letters' height of a size, in page pixels.
int PX_Text_Em(int velkost);
struct PX_Kurzor {
    int x = 0, y = 0, vys = 0;
};
PX_Kurzor PX_Text_Kurzor(const PX_Text& t, size_t pos);
// The caret's place (a byte index) nearest to the point (x, y) of the picture's box: on the
// line the point is at (the first or last one beyond them), between the letters it is nearest.
size_t PX_Text_Pozicia(const PX_Text& t, int x, int y);

// A text as the editor's typing would leave it: the bytes of the code page that a letter can
// be (no control characters but '\n'), at most PX_TEXT_MAX_RIADKOV lines and PX_TEXT_MAX_ZAPIS
// written. False when something had to go.
bool PX_Text_Ocisti(std::string& text);
// Whether the text may be written whole (PX_TEXT_MAX_ZAPIS, PX_TEXT_MAX_RIADKOV).
bool PX_Text_Zmesti(const std::string& text);
// Nothing but spaces and line ends.
bool PX_Text_Prazdny(const std::string& text);

// The page file's line of a text at (x, y) moving by `motion` with edge `edge`, whose bubble
// points at the `ciel`-th object written (-1: none), ending in "\n".
std::string PX_Text_Riadok(const PX_Text& t, int x, int y, int motion, int edge, int ciel);
// A line read back (without its line end): the record, place and motion; the bubble's object
// as written. Nothing (logged) for a line that holds no text; values out of range are
// brought into it (logged).
struct PX_TextRiadok {
    PX_Text t;
    int x = 0, y = 0, motion = 0, edge = 0;
};
std::optional<PX_TextRiadok> PX_Text_Citaj(const std::string& line);
