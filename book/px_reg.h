// The page registry: the objects of the shown page in drawing order, the page file that
// stores them, and the actors' phases files.
#pragma once
#include <string>
#include <vector>

class CHerec;
struct PX_Text;
class tf_UTL_CDUIR_THMFILE;

// Adds nothing when the registry is full (PX_MAX_OBJECTS).
void PRIDAJ_KULISU(const char* path, int x, int y, int motion, int edge);
void PRIDAJ_HERCA(const char* path, int x, int y, int motion, int edge, int delay);
// A text at (x, y), still and bouncing; its index, or -1 when the registry is full.
int PRIDAJ_TEXT(const PX_Text& t, int x, int y);
// Texts (px_text_reg.cpp). A bubble follows its object: each tick, and while the author moves
// it. Aiming a bubble takes its place beside its object and points its tail at it as they
// stand; a bubble that is moved itself, or given another object, is aimed again.
void PX_Texty_Nasleduj();
void PX_Text_Zamier(int index);
// The bubble at `index` points at the object `ciel` (-1: none; only a picture can be one).
void PX_Text_Ukaz_na(int index, int ciel);
// The object at `removed` left the registry: bubbles pointing at it point at nothing, the
// indices of later ones move one place forward.
void PX_Texty_Bez_objektu(int removed);
// The registry objects a page file's object lines (k, h, t) became, in the file's order (-1 for
// a line that added none): the bubbles' objects, as written, found again.
void PX_Texty_Po_nacitani(const std::vector<int>& objekty_riadkov);
// For writing: each object's place among the object lines written (-1: not written).
std::vector<int> PX_Poradie_zapisu();
// Appends a copy 50 pixels lower right, even to a full registry.
void KOPIRUJ_OBJEKT(int index);
void ODSTRAN_OBJEKT(int index);
void ODSTRAN_POSLEDNY();
void VYMAZ_REG();
void REPORT_REG(const char* text);
// The object at an index, or null outside the registry.
CHerec* REG_Objekt(int index);
// The topmost object with a visible pixel at the page's point (x, y), or -1.
int REG_Pod(int x, int y);

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
// Up to n numbers as "%i" reads them (decimal, "0x" hexadecimal, leading-zero octal), each kept
// far beyond any screen yet clear of overflow; stops at the first text that is no number.
// Returns how many.
int PX_Citaj_cisla(const char* s, int* out, int n);
// The full path of the picture that the book's list shows under the name, or null (logged).
const char* PX_Cesta_obrazka(tf_UTL_CDUIR_THMFILE* list, const std::string& name);
