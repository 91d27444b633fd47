// The editor screen: its program-long objects, its surfaces, and what follows a change of
// the display mode.
#include "book/px_editor.h"

#include "book/px_citanie.h"
#include "book/px_historia.h"
#include "book/px_ks.h"
#include "book/px_otazka.h"
#include "book/px_pisanie.h"
#include "book/px_plocha.h"
#include "book/px_pozadie.h"
#include "book/px_stav.h"
#include "book/px_trieda.h"
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_utl.h"

CKnihaScreen* app_screen = nullptr;
PX_Editor* px_editor = nullptr;

CKnihaScreen::CKnihaScreen(void* instance, int showCommand, const char* iniName)
    : tf_CAppScreen(instance, showCommand, iniName) {
    px_editor = new PX_Editor;
    m_bRedrawOnDemand = true;  // an open, paused page costs nothing on a laptop's battery
    background_surface = &px_editor->pozadie;
    app_screen = this;
}

CKnihaScreen::~CKnihaScreen() {
    if (!px_editor->uvolnene) UVOLNI_VSETKO();
    PX_HIST_Vymaz();
    PX_Plocha_Uvolni();
    PX_Otazky_Koniec();
    delete px_editor->nova_kniha;
    delete px_editor->otazka;
    delete px_editor->kos;
    delete px_editor->riadok;
    delete px_editor->zvuky;
    delete px_editor->vyber;
    for (tf_CDUI* m : px_editor->text_menu) delete m;
    if (px_editor->font_menu) DeleteObject(px_editor->font_menu);
    if (px_editor->font_uzky) DeleteObject(px_editor->font_uzky);
    if (px_editor->font_najuzsi) DeleteObject(px_editor->font_najuzsi);
    if (px_editor->font_drobny) DeleteObject(px_editor->font_drobny);
    if (px_editor->font_knihy) DeleteObject(px_editor->font_knihy);
    background_surface = nullptr;
    zvuk_naraz = zvuk_koniec = nullptr;
    delete px_editor;
    px_editor = nullptr;
    if (app_screen == this) app_screen = nullptr;
}

bool CKnihaScreen::INFORMUJ_SA_KLAV(int key) {
    const bool ladenie = key == VK_F1 && (GetAsyncKeyState(VK_CONTROL) < 0 || GetAsyncKeyState(VK_SHIFT) < 0);
    return PX_Pis_Vzal_klaves() || px_citanie.vzal_klaves || (ladenie && PX_Trieda_Zakazuje(PX_ZAKAZ_LADENIA)) ||
           tf_CAppScreen::INFORMUJ_SA_KLAV(key);
}

void PX_LoadDefaultBookIcon() {
    delete default_book_icon;
    default_book_icon = new tf_CIcon("kniha_ikona_default.bmp");
}

void PX_CloseLists() {
    for (tf_CDUI* l : {static_cast<tf_CDUI*>(duir_KNIHY), static_cast<tf_CDUI*>(duir_STRANY),
                       static_cast<tf_CDUI*>(px_editor->kos), static_cast<tf_CDUI*>(utl_duir_Pozadia),
                       static_cast<tf_CDUI*>(utl_duir_Kulisy), static_cast<tf_CDUI*>(utl_duir_Herci), dui_PozGeometria,
                       px_editor->zvuky, static_cast<tf_CDUI*>(px_editor->vyber)})
        if (l) l->zivy = false;
}

void CKnihaScreen::Do_LOAD_SRF() {
    tf_CDas_Surface& skin = px_editor->rezia;
    skin.NAHRAJ_SURFACE(m_lpDD, "rezia.bmp");
    skin.BC_NASTAV(0, 0);
    skin.TC_NASTAV(3, 3);
}

void CKnihaScreen::Do_RELEASE_SRF() {
    px_editor->rezia.RELEASE_SURFACE();
    px_editor->pozadie.RELEASE_SURFACE();
}

void CKnihaScreen::Do_RESTORE_SRF() {
    px_editor->rezia.RESTORE_SURFACE();
    px_editor->pozadie.RESTORE_SURFACE();
}

void CKnihaScreen::Redraw_Screen() { PX_DrawEditorFrame(m_lpDDSBack); }

// The catalogue and the lists are made again for the new size. The page keeps its own size
// and coordinates: it stays as it is, only shown at another scale.
void CKnihaScreen::ChangedResolution(int oldW, int oldH, int newW, int newH) {
    tf_CAppScreen::ChangedResolution(oldW, oldH, newW, newH);
    PX_LoadDefaultBookIcon();
    NACITAJ_KNIHY();
    if (current_book != -1) VOLBA_KNIHY(current_book, false);
    PRIPRAV_POZADIE(true);  // the display's change released it
    PX_Plocha_Uvolni();
    PX_Citanie_Nova_obrazovka();
    PX_PlaceButtons(false);
    px_editor->dui_M.zmena = true;
}
