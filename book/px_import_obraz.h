// The import's pixel work: pictures turned into the program's RGB565 colours,
// given see-through and frame colours that no drawn pixel has, and laid out as the book's
// picture files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "book/px_import.h"

// A picture in the program's colours, and which of its pixels are drawn.
struct PX_Obraz {
    int sir = 0, vys = 0;
    std::vector<uint16_t> px;   // RGB565
    std::vector<uint8_t> plny;  // 1: drawn; 0: see-through (written in the key colour)
};

// RGBA in RGB565, each channel rounded to the nearest step. With `priehladny` a pixel under
// half alpha is see-through; without, every pixel is drawn, laid over white.
PX_Obraz PX_IMPORT_Na565(const std::vector<uint8_t>& rgba, int w, int h, bool priehladny);

// The see-through colour and the phase frames' colour of a picture (its frames together):
// values no drawn pixel has, never 0 for the key (the program reads a key of 0 as none),
// as near as can be to magenta and green, the colours of the program's own pictures. When
// every value is in use, the value the fewest drawn pixels have is taken, and those
// pixels move one step (green first, then red, blue) to a value that is neither.
struct PX_Kluce {
    uint16_t kluc = 0;
    uint16_t okraj = 0;  // only when asked for
    int posunute = 0;    // drawn pixels moved
};
PX_Kluce PX_IMPORT_Kluce(std::vector<PX_Obraz>& snimky, bool s_okrajom);

// A picture file's pixels before encoding; an actor's phases file beside them.
struct PX_Harok {
    int sir = 0, vys = 0;
    std::vector<uint16_t> px;
    std::string fazy;
};

// The size of the file a picture of w x h makes (n frames of at most w x h for an actor).
void PX_IMPORT_RozmerHarku(PX_Druh druh, int n, int w, int h, int* sir, int* vys);
// The program's BMP reader takes a picture of that size.
bool PX_IMPORT_Citatelny(int sir, int vys);

// A background: the picture as it is.
PX_Harok PX_IMPORT_HarokPozadia(const PX_Obraz& o);
// A prop: the picture inside a one-pixel frame, which the program never draws. The
// program keys a prop by its pixel (6, 6): when the picture has a drawn pixel there, six
// see-through rows above it make room.
PX_Harok PX_IMPORT_HarokKulisy(const PX_Obraz& o, uint16_t kluc);
// An actor: row 0 and column 0 in the frame colour (the program reads it at (0, 0)), rows
// 1 to 6 see-through (the key at (6, 6)), then a row of frame colour and the phases, each
// in a cell of the largest frame's size (at least 10 x 3, so that the thumbnail's point
// (10, 10) lies in the first), centred and standing on the cell's floor, framed by lines
// of the frame colour; as many cells a row as the reader's width takes. The phases file
// names each cell's middle.
PX_Harok PX_IMPORT_HarokHerca(const std::vector<PX_Obraz>& snimky, uint16_t kluc, uint16_t okraj);
