#include "tests/framework/app/dialogs_showcase.h"

#include <functional>
#include <utility>

#include "framework/app/tf_appdlg.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/widgets/tf_utl.h"
#include "platform/backend.h"
#include "platform/codepage.h"
#include "platform/gdi.h"

namespace dialogs_test {
namespace {
constexpr int PICTURE_W = 96, PICTURE_H = 64;

void fill(HDC dc, COLORREF colour, RECT r) {
    HBRUSH b = CreateSolidBrush(colour);
    FillRect(dc, &r, b);
    DeleteObject(b);
}

void ellipse(HDC dc, COLORREF colour, int l, int t, int r, int b) {
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    SelectObject(dc, brush);
    SelectObject(dc, pen);
    Ellipse(dc, l, t, r, b);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(brush);
    DeleteObject(pen);
}

// The scenes, in 0x00BBGGRR.
void sun(HDC dc) {
    fill(dc, 0x00F0C060, {0, 0, PICTURE_W, PICTURE_H});
    ellipse(dc, 0x0020D0FF, 28, 12, 68, 52);
}
void tree(HDC dc) {
    fill(dc, 0x00F8F8F8, {0, 0, PICTURE_W, PICTURE_H});
    fill(dc, 0x00204080, {42, 36, 54, 62});
    ellipse(dc, 0x0030A030, 22, 4, 74, 44);
}
void sea(HDC dc) {
    for (int i = 0; i < 8; ++i) fill(dc, i % 2 ? 0x00C08020 : 0x00E0B060, {0, i * 8, PICTURE_W, i * 8 + 8});
    fill(dc, 0x0040C0F0, {0, 56, PICTURE_W, PICTURE_H});
}
void apple(HDC dc) {
    fill(dc, 0x00E0F0FF, {0, 0, PICTURE_W, PICTURE_H});
    ellipse(dc, 0x002020D0, 30, 14, 66, 56);
    ellipse(dc, 0x0030B040, 48, 4, 62, 16);
}
}  // namespace

void DrawPictures(const std::string& folder) {
    const std::pair<const char*, std::function<void(HDC)>> scenes[] = {
        {"jablko", apple}, {"more", sea}, {"slnko", sun}, {"strom", tree}};
    for (const auto& [name, draw] : scenes) {
        IDirectDrawSurface* s = plat_CreateTestSurface(PICTURE_W, PICTURE_H);
        HDC dc = nullptr;
        if (s->GetDC(&dc) == DD_OK) {
            draw(dc);
            s->ReleaseDC(dc);
        }
        plat_SaveSurfaceBMP(s, (folder + "/" + name + ".bmp").c_str());
        s->Release();
    }
}

DialogsScreen::DialogsScreen(std::string pictures_)
    : tf_CAppScreen(nullptr, SW_SHOWNORMAL, ""), pictures(std::move(pictures_)) {}

DialogsScreen::~DialogsScreen() { delete editor_skin; }

void DialogsScreen::Init() {
    editor_skin = new tf_CDas_Surface("dialogs.editor_skin");
    editor_skin->NAHRAJ_SURFACE(tf_lpDD, "rezia.bmp");
    editor_skin->TC_NASTAV(3, 3);
    editor_skin->BC_NASTAV(0, 0);
    SetAppInfo("Pexlo", "(verzia: 1.1)", plat_W1250(u8"tím Pexlo"), editor_skin, 432, 86);
}

int DialogsScreen::SetupVisual() {
    tf_CAppScreen::SetupVisual();
    edit = new tf_UTL_CDLG_EDIT(this, plat_W1250(u8"Nová kniha"), "Meno knihy:");
    edit->MoveToRel(390, 410);
    picker = new tf_UTL_CDUIR_THMFILE(this, 780, 60);
    picker->XRELOAD(pictures.c_str(), false);
    // Fitting the rows to the thumbnails leaves the width to the owner: room for the names.
    picker->Nastav_Konstanty(picker->vyska_volby, picker->krok_volby, 200, picker->medzera);
    picker->Dsgn(780, 60);
    return 0;
}

void DialogsScreen::Do_RELEASE_SRF() {
    if (editor_skin) editor_skin->RELEASE_SURFACE();
}

void DialogsScreen::OpenAll() {
    for (int id : {TF_APP_ID_INFO, TF_APP_ID_RESOLUTION, TF_APP_ID_TIMER}) HandleFWInteraction(id, 1, nullptr);
    m_pDlgRozlisenie->CHOD_NA(24, 60);
    m_pDlgCasovac->CHOD_NA(24, 350);
    m_pDlgInfo->CHOD_NA(390, 60);
    for (char key : std::string("ROZPRAVKY")) plat_Headless_Post(WM_KEYDOWN, WPARAM(key), 0);
}

}  // namespace dialogs_test
