// BMP writing (24-bit, bottom-up) from surfaces and picture files, box fitting, and the
// thumbnails ("thm" files beside the pictures) that the picture lists show.
#pragma once
#include "platform/ddraw.h"

// The size of sir x vys divided by koef, or (koef 0) fitted into the box FIXMAX_sir x
// FIXMAX_vys keeping proportions (enlarging small pictures); a bad box gives 50 x 50.
void tf_BMP_NOVE_ROZMERY(int sir, int vys, int koef, int FIXMAX_sir, int FIXMAX_vys, int* nsir, int* nvys);

// The writers return true only when the whole file was written; a file left half-written
// is deleted.
// The area's right and bottom are inclusive; it is cut to the surface, and an inverted area
// or one wholly outside writes nothing (logged).
bool tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(IDirectDrawSurface* srf, RECT oblast, const char* subor);
bool tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(IDirectDrawSurface* srf, const char* subor);
// The surface scaled to sir x vys, or fitted into that box when vpasuj.
bool tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(IDirectDraw* dd, IDirectDrawSurface* srf, bool vpasuj, int sir, int vys,
                                               const char* subor);
bool tf_BMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(IDirectDraw* dd, const char* zdroj, const char* subor);
bool tf_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* zdroj, int koef, int FIXMAX_sir,
                                                      int FIXMAX_vys, const char* subor);
bool tf_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* zdroj, int sir, int vys,
                                                       const char* subor);
// Rows trunc(vys * od) to trunc((vys - 1) * po) of the picture scaled to sir x vys.
bool tf_BMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* zdroj, int sir, int vys, float od,
                                                       float po, const char* subor);
// The phase around (x, y) of a sprite sheet, fitted into the box.
bool tf_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(IDirectDraw* dd, const char* zdroj, int FIXMAX_sir,
                                                           int FIXMAX_vys, const char* subor, int x, int y);

// A thumbnail is small: a "thm" file that declares a larger picture is none of ours, and
// decoding it could cost what a whole background costs, for every row of a list.
constexpr int TF_BMP_NAHLAD_MAX = 1024;
// True when the file's header declares a picture of at most TF_BMP_NAHLAD_MAX on each side;
// else (logged) it is not to be decoded.
bool tf_BMP_Je_nahlad(const char* subor);

// Makes the missing thumbnails of the "*.bmp" pictures of a folder. mod 1: a sprite sheet
// (a "faz" file beside it) shows its phase around (10, 10) fitted into the box, any other
// picture is squeezed to sir x vys; mod 2: the middle band. Returns 0.
int tf_BMP_Vytvor__bmp2thm(const char* adresar, int sir, int vys, int mod);
// Lists the "*.bmp" pictures of a folder into mena (at most kapacita names, strdup'd, which
// the caller frees; *posledny = index of the last, -1 when none) and makes their missing
// thumbnails squeezed to sir x vys (_s3C: the middle band). Without len_cesty the entries
// become bare names (no folder, no extension). Returns 0.
int tf_BMP_Zisti_Vytvor__bmp2thm(const char* adresar, bool len_cesty, IDirectDraw* dd, int sir, int vys, char** mena,
                                 int kapacita, int* posledny);
int tf_BMP_Zisti_Vytvor__bmp2thm_s3C(const char* adresar, bool len_cesty, IDirectDraw* dd, int sir, int vys,
                                     char** mena, int kapacita, int* posledny);
