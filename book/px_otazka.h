// Questions to the author in the editor's dialogs: a name to type, or yes or no. One question
// is open at a time; a confirmed answer runs what the asker gave, a cancelled one nothing.
#pragma once
#include <functional>

// A name, starting from `text`; `potom` gets what was typed.
void PX_Spytaj_nazov(const char* nadpis, const char* otazka, const char* text,
                     std::function<void(const char*)> potom);
// Yes or no, in two lines: `potom` runs on the button captioned `ano`, `inak` (when given) on
// the other, captioned `nie` ("Zrušiť" when not given).
void PX_Spytaj_ano_nie(const char* nadpis, const char* riadok1, const char* riadok2, const char* ano,
                       std::function<void()> potom, const char* nie = nullptr, std::function<void()> inak = nullptr);
// A dialog's button was pressed (the edit dialog's OK or cancel id).
void PX_Odpoved(int id);
// The question that was asked, forgotten: the editor ends.
void PX_Otazky_Koniec();
