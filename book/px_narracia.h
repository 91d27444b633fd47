// The shown page's sound: its narration (recorded, or read from "N.wav" beside the page file
// "N.str") and its background sound (a file of the book's folder "Zvuky", named by the page
// file's line "z <name>", looped under the narration while the page plays).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/sound_file.h"

// The page file's line kind of the background sound; readers that do not know it skip it.
constexpr char PX_RIADOK_ZVUK = 'z';
// A background sound, or a narration put beside a page by hand, longer than this is refused.
constexpr double PX_ZVUK_MAX_SEKUND = 600;
// The book's folder of sounds, and the extensions listed from it.
constexpr char PX_ZVUKY[] = "Zvuky";

struct PX_Narracia {
    std::shared_ptr<const plat_Sound> hlas;          // the narration, mono; null: none
    std::string pozadie;                             // the background sound's name; empty: none
    std::shared_ptr<const plat_Sound> pozadie_zvuk;  // its samples; null when unreadable
    bool zmenena = false;  // the narration is not the one beside the page file
    bool hra = false;      // the page's sound is on (not paused, not stopped)
    bool nahrava = false;  // a recording is on
    std::string chyba;     // the last refusal, Windows-1250, for the screen; empty: none
};
extern PX_Narracia px_narracia;

// Showing a page (after its file was read): the narration beside it, none without a file, and
// the background sound its file names. Whatever played stops; a recording still on is dropped.
// False when a sound was refused: `chyba` says why, the page goes on without it.
bool PX_Narracia_Nahraj(const char* page_path);
// A new page: no narration, no background sound.
void PX_Narracia_Vymaz();
// The page has a narration file beside it (the pages list's speaker mark).
bool PX_Narracia_Ma_subor(const char* page_path);
// How long the narration beside the page file plays, in seconds; 0 when it has none it can read.
double PX_Narracia_Dlzka_suboru(const char* page_path);
// Saving the page: a changed narration is written beside it through the atomic writer, a
// removed one's file is deleted. False (logged, still changed) when that failed.
bool PX_Narracia_Uloz(const char* page_path);

// Recording. Starting stops the page's sound, so that the old narration is not recorded.
// An input device seems to be there: asked of the system once, and again on a new page or after
// a recording failed to start, so the interface may ask on every frame.
bool PX_Narracia_Moze_nahravat();
bool PX_Narracia_Nahravaj();       // false, with `chyba`, when recording cannot start
// The recording becomes the page's narration (the page is changed); one that captured
// nothing leaves the narration as it was.
void PX_Narracia_Zastav_nahravanie();
int PX_Narracia_Uroven();  // the level meter, 0 ... 100
double PX_Narracia_Sekundy();
void PX_Narracia_Odstran();  // the page loses its narration (changed)

// Playing with the page: from the start, or on from a pause; paused; stopped (to the start).
void PX_Narracia_Hraj();
void PX_Narracia_Pauza();
void PX_Narracia_Zastav();
// Each tick: a recording that ended by itself (the cap, the device gone) is taken, and the
// sound follows the page's playback: started when it starts, paused when it stops.
void PX_Narracia_Tik(bool running);

// The book's sounds that can be a page's background, in natural order.
std::vector<std::string> PX_Zvuky_knihy(const char* book_path);
// The page's background sound (null or "": none); false, with `chyba`, when refused.
bool PX_Narracia_Nastav_pozadie(const char* book_path, const char* name);
// The page file's line of the background sound ("" without one), and the reader's hand-over
// of a read line's name (null: the page has none).
std::string PX_Narracia_Riadok();
void PX_Narracia_Zo_riadku(const char* name);

// What undo keeps of the page's sound, and its return.
struct PX_Narracia_Stav {
    std::shared_ptr<const plat_Sound> hlas, pozadie_zvuk;
    std::string pozadie;
    bool zmenena = false;
};
PX_Narracia_Stav PX_Narracia_Zachyt();
// The page's sound stops; it starts again from the start with the next play.
void PX_Narracia_Obnov(const PX_Narracia_Stav& s);

// The module's two files share: the background sound of a page being shown, read from the
// folder `book_dir` (ending in "\"); false, with `chyba`, when refused.
bool PX_Narracia_Nahraj_pozadie(const std::string& book_dir);
