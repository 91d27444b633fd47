// The dialog asking for one line of text: title, prompt, edit box, OK and cancel.
#include <cstdio>

#include "framework/core/tf_log.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_policon.h"
#include "framework/widgets/tf_tlac.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"

namespace {
const char* const SRC = "TF_UTL_w";

// Cut to what the array holds.
template <size_t N>
void kopiruj(char (&ciel)[N], const char* text) {
    snprintf(ciel, N, "%s", text ? text : "");
}
}  // namespace

// The children are placed for good by SetupVisual; until then those made by ID cascade.
tf_UTL_CDLG_EDIT::tf_UTL_CDLG_EDIT(tf_CPolCHLO* parent_, const char* nadpis_, const char* otazka_)
    : tf_CDDialog(parent_, -1) {
    TF_LOG("tf_UTL_CDLG_EDIT::tf_UTL_CDLG_EDIT(...)");
    kopiruj(nadpis, nadpis_);
    kopiruj(otazka, otazka_);
    tlac_x = new tf_CTlac(this, 276, 0, TF_UTL_EDIT_CLOSE);
    obrazok = new tf_CPolIcon(this, -1);
    lbl_nadpis = new tf_CLabel(this, -1, nadpis);
    lbl_otazka = new tf_CLabel(this, -1, otazka);
    lbl_otazka2 = new tf_CLabel(this, -1, "");
    edit = new tf_CDEDB(this, -1, MAX_DLZKA, nullptr);
    tlac_ok = new tf_CTlac(this, 50, 108, TF_UTL_EDIT_OK);
    tlac_ok->Dsgn0_VoidDC(50, 108, 95, 27);
    tlac_zrus = new tf_CTlac(this, 155, 108, TF_UTL_EDIT_CANCEL);
    tlac_zrus->Dsgn0_VoidDC(155, 108, 95, 27);
    znak_ok = new tf_CPolIcon(this, -1);
    znak_zrus = new tf_CPolIcon(this, -1);
    new tf_CLabel(this, TF_UTL_EDIT_OK_LABEL);
    new tf_CLabel(this, TF_UTL_EDIT_CANCEL_LABEL);
    SetSize(SIR, VYS);
}

int tf_UTL_CDLG_EDIT::SetupVisual() {
    TF_LOG("tf_UTL_CDLG_EDIT::SetupVisual()");
    if (!tf_DSGN_INIT_flag) TF_LOG(TF_LOG_ERR, "tf_UTL_CDLG_EDIT::SetupVisual - !tf_DSGN_INIT_flag");
    tlac_x->Dsgn1_Stock(276, 0, "_T_x_");
    obrazok->Dsgn_PolIcon_User(10, 24, tf_DSGN.rezia_dll_srf, 200, 25);
    znak_ok->Dsgn_PolIcon_User(62, 114, tf_DSGN.rezia_dll_srf, 45, 40);
    znak_zrus->Dsgn_PolIcon_User(165, 114, tf_DSGN.rezia_dll_srf, 45, 55);
    lbl_nadpis->Dsgn(4, 0, nadpis);
    lbl_otazka->Dsgn(69, 38, otazka);
    lbl_otazka2->Dsgn(69, 62, "");
    lbl_otazka2->zivy = false;
    popis(TF_UTL_EDIT_OK_LABEL, 88, 114, "OK");
    popis(TF_UTL_EDIT_CANCEL_LABEL, 190, 114, plat_W1250(u8"Zrušiť"));
    edit->Dsgn(51, 69, 200, 21);
    return 0;
}

void tf_UTL_CDLG_EDIT::nastav(const char* nadpis_, const char* otazka_, const char* riadok2, const char* ano,
                              const char* nie) {
    kopiruj(nadpis, nadpis_);
    kopiruj(otazka, otazka_);
    lbl_nadpis->SetText(nadpis);
    lbl_otazka->SetText(otazka);
    lbl_otazka2->SetText(riadok2);
    lbl_otazka2->zivy = riadok2 && *riadok2;
    popis(TF_UTL_EDIT_OK_LABEL, 88, 114, ano);
    popis(TF_UTL_EDIT_CANCEL_LABEL, 190, 114, nie);
}

void tf_UTL_CDLG_EDIT::Vstup(const char* nadpis_, const char* otazka_, const char* text) {
    nastav(nadpis_, otazka_, "", "OK", plat_W1250(u8"Zrušiť"));
    edit->Set_Text(text ? text : "");
    edit->zivy = true;
}

void tf_UTL_CDLG_EDIT::Otazka(const char* nadpis_, const char* riadok1, const char* riadok2, const char* ano,
                              const char* nie) {
    nastav(nadpis_, riadok1, riadok2, ano, nie);
    edit->zivy = false;
}

void tf_UTL_CDLG_EDIT::popis(int ID_, int rx_, int ry_, const char* text) {
    if (tf_CPol* lbl = FindCHLWithID(ID_)) static_cast<tf_CLabel*>(lbl)->Dsgn(rx_, ry_, text);
}

// OK leaves the dialog shown: its owner reads the text first and hides it.
bool tf_UTL_CDLG_EDIT::HandleFWInteraction(int id, int value, tf_CPol* source) {
    if (id == TF_UTL_EDIT_CLOSE || id == TF_UTL_EDIT_CANCEL) zivy = false;
    return parent ? parent->HandleFWInteraction(id, value, source) : false;
}

char* tf_UTL_CDLG_EDIT::Get_Text() { return edit->Get_Text(); }
