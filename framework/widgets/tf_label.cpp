#include "framework/widgets/tf_label.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/surface/tf_draw.h"
#include "framework/widgets/tf_dsgn.h"

tf_CLabel::tf_CLabel(tf_CPolCHLO* parent_, int rx_, int ry_, const char* text_) : tf_CPol(parent_, rx_, ry_) {
    init(text_);
}

tf_CLabel::tf_CLabel(tf_CPolCHLO* parent_, int ID_, const char* text_) : tf_CPol(parent_, ID_) { init(text_); }

tf_CLabel::tf_CLabel(tf_CPolCHLO* parent_, int ID_) : tf_CPol(parent_, ID_) {
    char caption[32];
    snprintf(caption, sizeof caption, "Label [%d]", ID_);
    init(caption);
}

void tf_CLabel::init(const char* text_) {
    class_id = TF_CLASS_LABEL;
    Set_Nazov("noname_label");
    SetText(text_);
}

tf_CLabel::~tf_CLabel() { free(text); }

void tf_CLabel::SetText(const char* text_) {
    // Copy first: the caller may pass our own text.
    char* copy = strdup(text_ ? text_ : "");
    free(text);
    text = copy;
}

void tf_CLabel::Dsgn(int rx_, int ry_, const char* text_) {
    MoveToRel(rx_, ry_);
    SetText(text_);
}

void tf_CLabel::Dsgn(int rx_, int ry_) { MoveToRel(rx_, ry_); }

HFONT tf_CLabel::pismo() const { return font ? font : tf_DSGN.hFont; }

void tf_CLabel::ZOBRAZ(IDirectDrawSurface* surface) {
    HDC dc = nullptr;
    if (!zivy || !surface || surface->GetDC(&dc) != DD_OK) return;
    ZOBRAZ(dc);
    surface->ReleaseDC(dc);
}

void tf_CLabel::ZOBRAZ(HDC dc) {
    if (zivy) tf_glob_Text_font(dc, x, y, farba, pismo(), text);
}

void tf_CLabel::GetSize(int* sir, int* vys) { tf_glob_ZISTI_ROZMER_TEXTU(text, pismo(), sir, vys); }
