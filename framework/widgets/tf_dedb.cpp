#include "framework/widgets/tf_dedb.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "framework/surface/tf_draw.h"
#include "platform/codepage.h"
#include "platform/window.h"

tf_CDEDB::tf_CDEDB(tf_CPolCHLO* parent_, int rx_, int ry_) : tf_CPol(parent_, rx_, ry_) { init(); }

tf_CDEDB::tf_CDEDB(tf_CPolCHLO* parent_, int ID_) : tf_CPol(parent_, ID_) { init(); }

tf_CDEDB::tf_CDEDB(tf_CPolCHLO* parent_, int ID_, int max_dlzka_, void* font_) : tf_CPol(parent_, ID_) {
    init();
    max_dlzka = std::min(max_dlzka_, MAX_LIMIT);
    if (font_) font = static_cast<HFONT>(font_);
}

void tf_CDEDB::init() {
    class_id = TF_CLASS_DEDB;
    Set_Nazov("noname_edb");
    stetec = CreateSolidBrush(0x00C8C8C8);
    pero = CreatePen(PS_SOLID, 1, 0x00505050);
    font = GetStockObject(SYSTEM_FONT);
}

// The font is the system's or its owner's (often shared), so it is not ours to delete.
tf_CDEDB::~tf_CDEDB() {
    DeleteObject(stetec);
    DeleteObject(pero);
}

void tf_CDEDB::Dsgn(int rx_, int ry_, int sir_, int vys_) {
    MoveToRel(rx_, ry_);
    sir = sir_;
    vys = vys_;
}

void tf_CDEDB::GetSize(int* sir_, int* vys_) {
    *sir_ = sir;
    *vys_ = vys;
}

void tf_CDEDB::SetSize(int sir_, int vys_) {
    sir = sir_;
    vys = vys_;
}

// There is no caret: Delete removes from the end as Backspace does. The limit lets one
// letter past it, as the field always has.
bool tf_CDEDB::INFORMUJ_SA_KLAV(int key) {
    if (key == VK_BACK || key == VK_DELETE) {
        if (dlzka >= 1) text[--dlzka] = '\0';
        return true;
    }
    if (nazvy || key < 'A' || key > 'Z') return false;
    if (dlzka > std::min(max_dlzka, MAX_LIMIT)) return true;
    text[dlzka] = static_cast<char>(key);
    text[++dlzka] = '\0';
    return true;
}

void tf_CDEDB::Rezim_nazvu(int max_znakov) {
    nazvy = true;
    max_dlzka = std::clamp(max_znakov, 0, MAX_LIMIT);
}

// Nothing that a file name cannot hold, nor punctuation that reads as part of a path.
bool tf_CDEDB::INFORMUJ_SA_ZNAK(int znak) {
    if (!nazvy || znak < 0x20 || znak > 0xFF) return false;
    const unsigned char c = static_cast<unsigned char>(znak);
    if (!plat_Cp1250IsLetter(c) && !(c >= '0' && c <= '9') && c != ' ' && c != '-' && c != '_') return false;
    if (dlzka >= max_dlzka) return true;
    text[dlzka] = static_cast<char>(c);
    text[++dlzka] = '\0';
    return true;
}

// The owner may pass the field's own buffer back, so the copy may overlap.
void tf_CDEDB::Set_Text(const char* text_) {
    const size_t n = text_ ? strnlen(text_, MAX_TEXT) : 0;
    if (n) memmove(text, text_, n);
    text[n] = '\0';
    dlzka = static_cast<int>(n);
}

void tf_CDEDB::Set_Number(int n) {
    snprintf(text, sizeof text, "%d", n);
    dlzka = static_cast<int>(strlen(text));
}

void tf_CDEDB::Level_efekt(HDC dc, int rezim) {
    FillRect(dc, &ramec, stetec);
    tf_glob_Level_efekt_pero(dc, ramec.left, ramec.top, ramec.right, ramec.bottom, pero, rezim);
}

void tf_CDEDB::ZOBRAZ(IDirectDrawSurface* surface) {
    ramec = {x, y, x + sir, y + vys};
    HDC dc = nullptr;
    if (!surface || surface->GetDC(&dc) != DD_OK) return;
    Level_efekt(dc, 2);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    int w = 0, h = 0;
    tf_glob_ZISTI_ROZMER_TEXTU(text, font, &w, &h);
    if (w <= sir - 10) {
        TextOutA(dc, ramec.left + 5, ramec.top + 5, text, dlzka);
    } else {  // too long for the box: its end shows, where the typing goes on
        RECT r = {ramec.left + 5, ramec.top + 5, ramec.right - 5, ramec.bottom};
        DrawTextA(dc, text, dlzka, &r, DT_RIGHT | DT_TOP | DT_SINGLELINE);
    }
    surface->ReleaseDC(dc);
}
