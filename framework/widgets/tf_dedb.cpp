#include "framework/widgets/tf_dedb.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "framework/surface/tf_draw.h"
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
    if (key < 'A' || key > 'Z') return false;
    if (dlzka > std::min(max_dlzka, MAX_LIMIT)) return true;
    text[dlzka] = static_cast<char>(key);
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
    TextOutA(dc, ramec.left + 5, ramec.top + 5, text, dlzka);
    surface->ReleaseDC(dc);
}
