// A book as one file (".pexlo"): its folder's files in a zip, written for another library and
// brought into this one beside the books, under a free name.
#pragma once
#include <string>

#include "platform/archive.h"

inline constexpr char PX_ARCHIV_PRIPONA[] = ".pexlo";
// A book has its pages at the top of its folder: an archive without one holds no book.
inline constexpr char PX_ARCHIV_STRANA[] = ".str";

// The host file's name ends with ".pexlo" (without regard to case).
bool PX_Je_archiv(const std::string& host_path);
// The book's folder `kniha` written as the archive `subor` (both host paths).
plat_ArchiveResult PX_Archiv_Zapis(const std::string& kniha, const std::string& subor);
// What went wrong, for the status line (Windows-1250).
std::string PX_Archiv_Sprava(const plat_ArchiveResult& r);
// The archive of the book named `meno` (Windows-1250) in the host folder `priecinok`: "<meno>.pexlo".
std::string PX_Archiv_Ciel(const std::string& priecinok, const char* meno);
// The archive `subor` (a host path) unpacked into a folder beside the books, checked, and renamed
// into place as "KNIHA_<name>": the file's name, or the first free "<name> (2)", "<name> (3)" ...
// The book's name, or "" with what went wrong in *chyba (Windows-1250); nothing is left behind then.
std::string PX_Archiv_Nacitaj(const std::string& subor, std::string* chyba);
