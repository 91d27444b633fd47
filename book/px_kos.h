// The library's trash: deleted pages and books are moved into a folder beside the books, never
// removed at once, and can be brought back; and renaming a book. Files only: the catalogue and
// the editor follow in px_editor_cmd_kos.cpp.
#pragma once
#include <string>
#include <vector>

// One thing in the trash.
struct PX_Kos_vec {
    std::string priecinok;  // its folder in the trash
    std::string odkial;     // where it was: a book's folder, or a page file
    bool kniha = false;     // a whole book
};

// The trash's things, the newest first.
std::vector<PX_Kos_vec> PX_Kos_Obsah();
// The book's name and, for a page, its name, for the author: "Les", "Les, strana 2".
std::string PX_Kos_Popis(const PX_Kos_vec& vec);
// Moves a page (its page file and the files named after it: thumbnail, export, narration), or
// a whole book, into the trash. False (logged) when nothing could be moved: a failure half-way
// puts back what had gone.
bool PX_Kos_Odstran_stranu(const char* page_path);
bool PX_Kos_Odstran_knihu(const char* book_path);
// Brings a thing back: a book under its name, or a free one ("Les (2)"); a page into its book
// under its number, or the first free one after the book's pages. The path it came back to,
// or "" (logged) when it could not: a page whose book is not in the library.
std::string PX_Kos_Obnov(const PX_Kos_vec& vec);
// The book's folder under the new name ("..\KNIHA_<name>"), or "" (logged) when the name is
// refused or taken, or the folder cannot be renamed.
std::string PX_Premenuj_knihu(const char* book_path, const char* name);
