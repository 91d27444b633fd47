// A classroom's settings: a plain file "TRIEDA.INI" in the working folder (never "PX.INI", whose
// form is fixed) that a teacher writes by hand, one setting a line, a name and its value:
//   kniznica /media/ucitel/KNIHY      the library's folder: the books are read and saved there
//   sablona KNIHA_DEFNEW              a template new books start from; one line each, the first
//   sablona /srv/trieda/KNIHA_Les     is offered first (folders relative to the working folder)
//   bez_konca 1                       the program cannot be ended from itself
//   bez_mazania 1                     books and pages cannot be deleted
//   bez_ladenia 1                     no tuning mode
//   stlmene 1                         the sound stays muted
// Paths are the host's (UTF-8). A child cannot change any of it from the program. Lines the
// program does not know are skipped.
#pragma once
#include <string>
#include <vector>

struct PX_Trieda {
    std::string kniznica = "..\\";  // the books' folder, a program path ending in "\"
    struct Sablona {
        std::string cesta, nazov;  // the folder (a program path) and the name new-book rows show
    };
    std::vector<Sablona> sablony = {{".\\KNIHA_DEFNEW", "DEFNEW"}};  // never empty
    bool bez_konca = false, bez_mazania = false, bez_ladenia = false, stlmene = false;
    std::string chyba;  // what is wrong with the library's folder, for the status line; empty: nothing
};
extern PX_Trieda px_trieda;

constexpr char PX_TRIEDA_SUBOR[] = "TRIEDA.INI";

// At start, before the books are read and after the kept mute was applied: the file of the
// working folder, or the defaults (the library above the working folder, its template
// "KNIHA_DEFNEW"); a muted classroom mutes the sound for the run. A library folder that is
// missing or read-only is kept (nothing is written elsewhere) and said in `chyba`; templates
// that are missing are logged and left out.
void PX_Trieda_Nacitaj();
// The books' folder: a program path ending in "\".
const char* PX_Knihy_dir();

// At most this many templates are offered; the books list's new-book rows have the ids
// PX_ID_NEW_BOOK (the first) and PX_ID_SABLONA + i (the others).
constexpr size_t PX_MAX_SABLON = 16;
constexpr int PX_ID_SABLONA = 80;

// What the switches forbid. Each check says the refusal on the status line and returns true
// when the classroom forbids it.
enum PX_Zakaz { PX_ZAKAZ_KONCA, PX_ZAKAZ_MAZANIA, PX_ZAKAZ_LADENIA, PX_ZAKAZ_ZVUKU };
bool PX_Trieda_Zakazuje(PX_Zakaz co);
