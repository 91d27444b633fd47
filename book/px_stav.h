// The book application's program-wide state: the catalogue, the page registry, the shown
// page, its background, playback, and the lists and sounds of the editor screen. The screen
// creates the lists and sounds and sets the pointers; the book operations only use them, so
// they run (and are tested) without the screen.
//
// Who frees the editor's lists (the books and pages lists, the three picture lists, the
// background-mode menu, the object menu and its four submenus): the editor makes each of
// them without a parent widget, never as a child of the screen or of any container; the
// layered group that shows them only holds them (a group never owns its elements);
// UVOLNI_VSETKO destroys them and clears these pointers, and nothing else deletes them.
#pragma once
#include "framework/core/tf_arre.h"
#include "framework/surface/tf_dsrfc.h"
#include "platform/gdi.h"
#include "platform/win32.h"

class tf_CDUI;
class tf_CDUIR;
class tf_CDSO_Zvuk;
class tf_CIcon;
class tf_UTL_CDUIR_THMFILE;

enum {
    PX_ID_NEW_BOOK = 99,
    PX_ID_CLOSE_BOOKS = 98,  // the first book has id 100
    PX_ID_TRASH = 97,
    PX_FIRST_BOOK_ID = 100,
    PX_NEW_PAGE = 1000,
    PX_MAX_OBJECTS = 60,
};

extern tf_CARRE KS;   // struct_kniha_strana*, ours
extern tf_CARRE REG;  // CHerec*, ours; drawing order

// The catalogue's view of what is shown.
extern int current_book;   // -1: none
extern int current_page;   // -1: none, PX_NEW_PAGE: a new page not yet saved
extern int listed_book;    // the book the pages list shows
extern int next_page;      // 0: none
extern int prev_page;      // 0: none
extern char status_text[256];
extern bool thumbnail_request;
extern char thumbnail_path[MAX_PATH];
extern tf_CIcon* default_book_icon;  // ours

// The shown page was changed since it was loaded or saved.
extern bool dirty;

// The page's background.
extern char* background_path;  // ours (malloc); null: none
extern int background_mode;    // 1 No, 2 Simple, 3 Center, 4 Stretch, 5 Tile
extern tf_CDas_Surface* background_surface;  // the editor's "pozadie" surface
extern RECT background_src;
extern POINT background_dst;

// Playback and the editor's pointer state.
extern bool running;
extern int speed_level;  // 2 ... 10
extern double wave_k;    // of the wave motion, from the screen width at set-up
extern int hovered;
extern int dragged;
extern int setup_target;
extern int insert_x, insert_y;

// The editor's lists: made by the screen without a parent, destroyed by UVOLNI_VSETKO alone
// (above); null until made and after.
extern tf_CDUIR* duir_KNIHY;
extern tf_CDUIR* duir_STRANY;
extern tf_UTL_CDUIR_THMFILE* utl_duir_Pozadia;
extern tf_UTL_CDUIR_THMFILE* utl_duir_Kulisy;
extern tf_UTL_CDUIR_THMFILE* utl_duir_Herci;
extern tf_CDUI* dui_PozGeometria;  // the background-mode menu
extern tf_CDUI* dui_setup;         // the object menu and its four submenus
extern tf_CDUI* dui_setup_1;
extern tf_CDUI* dui_setup_2;
extern tf_CDUI* dui_setup_3;
extern tf_CDUI* dui_setup_4;
extern HPEN outline_pens[3];       // hovered, dragged, menu target
extern tf_CDSO_Zvuk* zvuk_naraz;   // the click
extern tf_CDSO_Zvuk* zvuk_koniec;

// Back to the state of a fresh start: the background path is freed, every other pointer
// only cleared (UVOLNI_VSETKO frees the lists). For tests.
void PX_STAV_Reset();
