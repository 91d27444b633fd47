// Pictures brought from elsewhere (PNG, JPEG, GIF, BMP, WebP) become a book's own
// backgrounds, props and actors. They are written as the book's pictures always are (BMP,
// an actor's phases framed by border lines and listed in its phases file), so that every
// reader of books shows them as it shows the rest.
#pragma once
#include <string>
#include <vector>

#include "platform/picture.h"

enum PX_Druh { PX_DRUH_POZADIE, PX_DRUH_KULISA, PX_DRUH_HEREC };

// The book's folder of each kind: "Pozadia", "Kulisy", "Herci".
const char* PX_IMPORT_Priecinok(PX_Druh druh);

// What the files become unless the author says otherwise: several files, or an animated
// GIF, an actor; a picture at least half the page wide and half the page high a
// background; anything else a prop. Files that cannot be read count as still pictures
// (the import then says what is wrong with them).
PX_Druh PX_IMPORT_Navrh(const std::vector<std::string>& subory, int strana_sir, int strana_vys);

// One picture the import wrote into the book.
struct PX_ImportObrazok {
    PX_Druh druh = PX_DRUH_KULISA;
    std::string meno;      // its name in the book's list (Windows-1250)
    std::string bmp;       // the picture's program path
    std::string faz;       // an actor's phases file; empty for the others
    int sir = 0, vys = 0;  // as drawn on the page: the picture, or one phase of an actor
    int fazy = 1;
    int zdroj_sir = 0, zdroj_vys = 0;  // the source's size (the largest frame's), before scaling
    int posunute = 0;                  // opaque pixels moved one step, as every colour was in use
    bool viac_snimok = false;          // an animation had more frames than were taken
    bool len_prva = false;             // an animation taken as a still picture: its first frame
};

enum class PX_ImportChyba {
    ZIADNA,
    ZIADNY_SUBOR,  // no files given
    OBRAZOK,       // a file gave no picture: `subor` and `obrazok` say which and why
    VELKY_HAROK,   // the picture file would be larger than the program reads (an actor of very many frames)
    KNIHA,         // `priecinok` is no book folder
    ZAPIS,         // `priecinok` could not be written to (nothing was left in the book)
};

struct PX_ImportVysledok {
    PX_ImportChyba chyba = PX_ImportChyba::ZIADNA;
    std::string subor;
    plat_PictureInfo obrazok;
    std::string priecinok;
    std::vector<PX_ImportObrazok> obrazky;  // written, in the files' order
    bool ok() const { return chyba == PX_ImportChyba::ZIADNA; }
};

// Imports the files (host paths: UTF-8, "/") into the book at `kniha` (a program path)
// for its page of strana_sir x strana_vys. As an actor all files make one actor, their
// frames in the natural order of the file names; as a background or a prop each file makes
// one picture (an animation its first frame). Backgrounds larger than the page are scaled
// down to fit it, props and actors larger than half the page to fit half the page, each
// keeping its proportions, by averaging the area each new pixel covers. All or nothing:
// when anything fails, nothing the call wrote stays in the book.
PX_ImportVysledok PX_IMPORT_Subory(const char* kniha, const std::vector<std::string>& subory, PX_Druh druh,
                                   int strana_sir, int strana_vys);

// The status line's text (Windows-1250): what was imported, or why nothing was.
std::string PX_IMPORT_Sprava(const PX_ImportVysledok& v);

// The book's list of the picture's kind (utl_duir_Pozadia, _Kulisy or _Herci) loaded
// afresh, the new thumbnail made; the id of the row that shows the picture, which the
// list's command (PX_AddBackground, PX_AddProp, PX_AddActor) places on the page. 0 when
// the list is not there or shows no such picture.
int PX_IMPORT_ObnovZoznam(const char* kniha, const PX_ImportObrazok& o);
