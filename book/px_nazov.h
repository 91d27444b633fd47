// Book names as people write them: letters of the code page, digits, spaces, '-' and '_', as
// the name dialog takes them; what a name may hold, and why one is refused.
#pragma once
#include <functional>
#include <string>

constexpr int PX_NAZOV_KNIHY_MAX = 40;

// Without the spaces at its ends, which the screen does not show.
std::string PX_Nazov_orezany(const char* name);
// Why `name` cannot name a book, for the author (Windows-1250), or null when it can: it is
// empty, longer than PX_NAZOV_KNIHY_MAX characters, or holds what no folder name may hold.
const char* PX_Chyba_nazvu_knihy(const char* name);
// Why the character `znak` typed after `name` was not taken (the name dialog takes only what
// PX_Chyba_nazvu_knihy allows, and letters, digits, spaces, '-' and '_' of those).
const char* PX_Chyba_pisania(const char* name, int znak);
// The first of `meno`, "<meno> (2)", "<meno> (3)" ... that `obsadene` does not find taken.
std::string PX_Volne_meno(const std::string& meno, const std::function<bool(const std::string&)>& obsadene);
// A folder beside the books free for the book folder's name `dir_name` ("KNIHA_Les"): itself, or
// with " (2)", " (3)" ... ("..\KNIHA_Les (2)").
std::string PX_Volny_priecinok_knihy(const std::string& dir_name);
