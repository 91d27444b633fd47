// The pointer in the editor: hover, press (the hovered object is taken), drag (it follows,
// facing the way it goes) and release (it is thrown); the lists, menus and buttons polled
// after a press or a release, through their tables; a right press or a finger held still
// opens the menu of what lies under it.
#include "book/px_editor_mys.h"

#include "book/px_dotyk.h"
#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_herec.h"
#include "book/px_historia.h"
#include "book/px_ks.h"
#include "book/px_otazka.h"
#include "book/px_pisanie.h"
#include "book/px_plocha.h"
#include "book/px_reg.h"
#include "book/px_stav.h"
#include "book/px_tah.h"
#include "book/px_vyber.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"

namespace {
// The lists and menus asked after every press, in this order; each reports a chosen id once.
struct Anketa {
    tf_CDUI* (*zoznam)();
    void (*prikaz)(int id);
};
const Anketa ANKETY[] = {
    {[]() -> tf_CDUI* { return &px_editor->dui_M; }, PX_MainMenu},
    {[]() -> tf_CDUI* { return duir_KNIHY; }, PX_ChooseBook},
    {[]() -> tf_CDUI* { return duir_STRANY; }, PX_ChoosePage},
    {[]() -> tf_CDUI* { return utl_duir_Pozadia; }, PX_AddBackground},
    {[]() -> tf_CDUI* { return utl_duir_Kulisy; }, PX_AddProp},
    {[]() -> tf_CDUI* { return utl_duir_Herci; }, PX_AddActor},
    {[]() -> tf_CDUI* { return dui_PozGeometria; }, PX_SetBackgroundMode},
    {[]() -> tf_CDUI* { return dui_setup; }, nullptr},  // its items only open the submenus
    {[]() -> tf_CDUI* { return dui_setup_1; }, PX_RemoveOrCopyObject},
    {[]() -> tf_CDUI* { return dui_setup_2; }, PX_SetMotion},
    {[]() -> tf_CDUI* { return dui_setup_3; }, PX_SetEdge},
    {[]() -> tf_CDUI* { return dui_setup_4; }, PX_SetPace},
    {[]() -> tf_CDUI* { return px_editor->kos; }, PX_ChooseTrash},
    {[]() -> tf_CDUI* { return px_editor->zvuky; }, PX_ChooseSound},
    {[]() -> tf_CDUI* { return px_editor->vyber; }, PX_ChoosePicker},
    {[]() -> tf_CDUI* { return px_editor->riadok; }, PX_RowMenu},
    {[]() -> tf_CDUI* { return px_editor->text_menu[0]; }, PX_TextMenu},
    {[]() -> tf_CDUI* { return px_editor->text_menu[1]; }, PX_RemoveOrCopyObject},
    {[]() -> tf_CDUI* { return px_editor->text_menu[2]; }, PX_SetMotion},
    {[]() -> tf_CDUI* { return px_editor->text_menu[3]; }, PX_SetTextSize},
    {[]() -> tf_CDUI* { return px_editor->text_menu[4]; }, PX_SetTextColour},
    {[]() -> tf_CDUI* { return px_editor->text_menu[5]; }, PX_SetTextLook},
    {[]() -> tf_CDUI* { return px_editor->text_menu[6]; }, PX_SetBubbleObject},
};

// The buttons asked after every release, in this order: each acts once per press.
struct Tlacidlo {
    tf_CTlac PX_Editor::*tlac;
    void (*prikaz)();
};
const Tlacidlo TLACIDLA[] = {
    {&PX_Editor::tlac_Play, PX_Play},           {&PX_Editor::tlac_Save, PX_SavePage},
    {&PX_Editor::tlac_Next, PX_NextPage},       {&PX_Editor::tlac_Prev, PX_PreviousPage},
    {&PX_Editor::tlac_Opusti, PX_LeaveNewPage}, {&PX_Editor::tlac_Nova, PX_NewPage},
    {&PX_Editor::tlac_Mikrofon, PX_Record},     {&PX_Editor::tlac_Stlmenie, PX_ToggleMute},
    {&PX_Editor::tlac_Citaj, PX_Read},
};

// A menu, list or dialog opened over the page takes the pointer: a click on it takes no picture
// under it. The menu bar and the page's buttons stand there always and let the page be reached.
bool nad_stranou(int x, int y) {
    const tf_CPol* w = px_editor->group.VratZasah(x, y);
    return w && w != &px_editor->dui_M && w->class_id != TF_CLASS_TLAC;
}

// The object menu says what is set: the object's motion and edge marked, its pace in the caption.
void oznac_nastavene(const CHerec* o) {
    dui_setup_2->Oznac(o->motion);
    dui_setup_3->Oznac(o->edge);
    dui_setup->Nastav_Text(4, (plat_W1250(u8"Animácia: ") + std::to_string(o->phase_delay)).c_str());
}

}  // namespace

// The page's objects take the pointer in the page's coordinates, the widgets in the screen's.
void PX_Mys_Pohyb(int x, int y) {
    PX_Editor& e = *px_editor;
    e.kurzor.CHOD_NA(x, y);
    const POINT p = PX_Na_stranu(x, y);
    if (dragged == -1) {
        hovered = nad_stranou(x, y) ? -1 : REG_Pod(p.x, p.y);
        if (CHerec* o = REG_Objekt(hovered)) o->INFORMUJ_SA(p.x, p.y, 0);
    } else {
        PX_Tah_Pohyb(p);
    }
    if (dui_PozGeometria) dui_PozGeometria->Oznac(background_mode);  // it may open at this move
    e.group.INFORMUJ_SA(x, y, 0);
    int item = 0, value = 0;  // the sounds pop-up lists what the book's folder holds now
    if (e.dui_M.INFORMUJ_MA_3(&item, &value) && value == PX_ID_ZVUKY) {
        PX_FillSounds();
        e.group.INFORMUJ_SA(x, y, 0);
    }
    if (value != 0 && value != PX_ID_IMPORT) e.vyber->zivy = false;  // another menu opens in its place
    // The pages pop-up of a book row shows that book's pages. A list that was empty (and so
    // would not open) opens once it has them: the row is offered the move again.
    // The trash row likewise opens the trash as it stands now.
    int row = 0, id = 0;
    if (!duir_KNIHY || !duir_KNIHY->INFORMUJ_MA_3(&row, &id)) return;
    if (id >= PX_FIRST_BOOK_ID && id != listed_book) {
        NAPLN_STRANY(id, false);
        duir_KNIHY->INFORMUJ_SA(x, y, 0);
    } else if (id == PX_ID_TRASH) {
        PX_FillTrash();
        duir_KNIHY->INFORMUJ_SA(x, y, 0);
    }
}

// A press takes the hovered object and starts its drag afresh, so a click throws nothing (a
// text being written, or written again after a double click, is not taken).
void PX_Mys_Stlacenie(int x, int y) {
    PX_Editor& e = *px_editor;
    hovered = PX_Pis_Stlacenie(hovered, PX_Na_stranu(x, y));
    if (REG_Objekt(hovered)) {
        PX_HIST_Zaznam(PX_UPRAVA_PRESUN);  // the drag or throw is one step, up to the release
        PX_Tah_Zacni(hovered, PX_Na_stranu(x, y));
        hovered = -1;
        e.kurzor.SF(1);
    }
    e.group.INFORMUJ_SA(x, y, 1);
    PX_Vyber_Stlacenie(x, y);
    for (const Anketa& a : ANKETY) {
        int id = 0;
        tf_CDUI* zoznam = a.zoznam();
        if (zoznam && zoznam->INFORMUJ_MA(&id) && a.prikaz) a.prikaz(id);
    }
    setup_target = -1;  // any left press closes the object menu and a row's menu
    px_editor->riadok->zivy = false;
}

// The released object flies on with the drag's last step.
void PX_Mys_Uvolnenie(int x, int y) {
    PX_Editor& e = *px_editor;
    e.kurzor.SF(0);
    const POINT p = PX_Na_stranu(x, y);
    if (CHerec* o = REG_Objekt(hovered)) o->INFORMUJ_SA(p.x, p.y, -1);
    hovered = -1;
    if (dragged != -1) {
        PX_Tah_Pusti(p);
        dirty = true;
    }
    for (const Tlacidlo& t : TLACIDLA)  // a press dragged off its button is taken back
        if ((e.*t.tlac).STLACENE() && (e.*t.tlac).ZASAH(x, y)) t.prikaz();
    int id = 0;
    if (e.group.INFORMUJ_MA(&id)) PX_Odpoved(id);
    e.group.INFORMUJ_SA(x, y, -1);
}

// Over a row of the books or pages list, the row's menu; else the menu of the object under
// the pointer, kept on the screen.
void PX_Mys_Menu(int x, int y) {
    hovered = PX_Pis_Skonci_pri(hovered);  // a row's rename dialog, too, takes the keys then
    if (PX_RowMenuAt(x, y) || hovered == -1 || !dui_setup) return;
    setup_target = hovered;
    hovered = -1;
    if (REG_Objekt(setup_target)->eui() == PX_TEXT) return PX_OpenTextMenu(x, y);
    oznac_nastavene(REG_Objekt(setup_target));
    dui_setup->CHOD_NA_OBRAZOVKU(x, y);
}

// A finger held still: the press lets go of what it took, unthrown, and the menu of what lies
// under it opens.
void PX_Mys_Dlhy_dotyk() {
    const POINT kde = px_dotyk.kde;
    hovered = dragged;
    PX_Tah_Pusti(PX_Na_stranu(kde.x, kde.y), false);
    px_editor->kurzor.SF(0);
    PX_Mys_Menu(kde.x, kde.y);
}

