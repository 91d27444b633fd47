// The editor's two dialogs (px_editor.h) asked and answered: the name dialog and the yes-or-no
// one, each centred on the screen when it opens.
#include "book/px_otazka.h"

#include <string>

#include "book/px_editor.h"
#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"

namespace {
// The answer still to come: called with the typed text (empty for a yes), and what a "no" does.
std::function<void(const char*)> cakajuca;
std::function<void()> odmietnutie;

void otvor(tf_UTL_CDLG_EDIT* dialog, std::function<void(const char*)> potom) {
    px_editor->nova_kniha->zivy = px_editor->otazka->zivy = false;
    odmietnutie = nullptr;
    PX_CloseLists();
    cakajuca = std::move(potom);
    dialog->CHOD_NA_CENTER(tf_ScreenCX, tf_ScreenCY);
    dialog->zivy = true;
}
}  // namespace

void PX_Spytaj_nazov(const char* nadpis, const char* otazka, const char* text,
                     std::function<void(const char*)> potom) {
    px_editor->nova_kniha->Vstup(nadpis, otazka, text);
    otvor(px_editor->nova_kniha, std::move(potom));
}

void PX_Spytaj_ano_nie(const char* nadpis, const char* riadok1, const char* riadok2, const char* ano,
                       std::function<void()> potom, const char* nie, std::function<void()> inak) {
    px_editor->otazka->Otazka(nadpis, riadok1, riadok2, ano, nie ? nie : plat_W1250(u8"Zrušiť"));
    otvor(px_editor->otazka, [potom = std::move(potom)](const char*) { potom(); });
    odmietnutie = std::move(inak);
}

void PX_Odpoved(int id) {
    if (id != TF_UTL_EDIT_OK && id != TF_UTL_EDIT_CANCEL) return;
    tf_UTL_CDLG_EDIT* dialog = px_editor->nova_kniha->zivy ? px_editor->nova_kniha : px_editor->otazka;
    // The text is the dialog's own and the answer may ask again: both are taken first.
    const std::string text = dialog->edit->zivy ? dialog->Get_Text() : "";
    std::function<void(const char*)> potom = std::move(cakajuca);
    std::function<void()> inak = std::move(odmietnutie);
    cakajuca = nullptr;
    odmietnutie = nullptr;
    dialog->zivy = false;
    if (id == TF_UTL_EDIT_OK && potom) potom(text.c_str());
    if (id == TF_UTL_EDIT_CANCEL && inak) inak();
}

void PX_Otazky_Koniec() {
    cakajuca = nullptr;
    odmietnutie = nullptr;
}
