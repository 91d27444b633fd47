// Questions to the author in the editor's dialogs: a name to type, or yes or no. One question
// is open at a time; a confirmed answer runs what the asker gave, a cancelled one nothing.
#pragma once
#include <functional>

// A book's name, starting from `text`; `potom` gets what was typed, without the spaces at its
// ends. A name that cannot name a book (px_nazov.h) is refused and the dialog stays.
void PX_Spytaj_nazov(const char* nadpis, const char* otazka, const char* text,
                     std::function<void(const char*)> potom);
// Yes or no, in two lines: `potom` runs on the button captioned `ano`, `inak` (when given) on
// the other, captioned `nie` ("Zrušiť" when not given).
void PX_Spytaj_ano_nie(const char* nadpis, const char* riadok1, const char* riadok2, const char* ano,
                       std::function<void()> potom, const char* nie = nullptr, std::function<void()> inak = nullptr);
// While a dialog is shown it takes every key, so nothing typed reaches the page; Enter and Esc
// answer it. True when a dialog took the key.
bool PX_Otazka_Klaves(int key);
// A typed character for the name dialog; one the name cannot hold is refused in a message.
void PX_Otazka_Znak(int znak);
// A dialog's button was pressed, or its key (the edit dialog's OK, cancel or close id).
void PX_Odpoved(int id);
// The question that was asked, forgotten: the editor ends.
void PX_Otazky_Koniec();
