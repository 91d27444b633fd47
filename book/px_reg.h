// The page registry: the objects of the shown page in drawing order, the page file that
// stores them, and the actors' phases files.
#pragma once
#include <string>
#include <vector>

class CHerec;
class tf_UTL_CDUIR_THMFILE;

// Adds nothing when the registry is full (PX_MAX_OBJECTS).
void PRIDAJ_KULISU(const char* path, int x, int y, int motion, int edge);
void PRIDAJ_HERCA(const char* path, int x, int y, int motion, int edge, int delay);
// Appends a copy 50 pixels lower right, even to a full registry.
void KOPIRUJ_OBJEKT(int index);
void ODSTRAN_OBJEKT(int index);
void ODSTRAN_POSLEDNY();
void VYMAZ_REG();
void REPORT_REG(const char* text);
// The object at an index, or null outside the registry.
CHerec* REG_Objekt(int index);

// The page file's text for the page as it stands: the background line, then one line per
// object with a picture.
std::string PX_Text_strany();
// Writes the page file atomically; false (logged, the old file untouched) when it could
// not be written.
bool SAVE_REG(const char* path);
// Replaces the page with the file's; false when the file could not be read (the page is
// then empty). The names the page gives that its book has no picture of, or none it can read,
// are appended to *missing, each once, in the page's order.
bool RELOAD_REG(const char* path, std::vector<std::string>* missing = nullptr);
void P_Load_Fazy(const char* path, CHerec* object);
// The full path of the picture that the book's list shows under the name, or null (logged).
const char* PX_Cesta_obrazka(tf_UTL_CDUIR_THMFILE* list, const std::string& name);
