// The editor's page commands: pictures from the lists, the background mode, the object
// menu, and the keys.
#include <cstdlib>
#include <cstring>

#include "book/px_anim.h"
#include "book/px_editor_cmd.h"
#include "book/px_herec.h"
#include "book/px_historia.h"
#include "book/px_plocha.h"
#include "book/px_pozadie.h"
#include "book/px_reg.h"
#include "book/px_stav.h"
#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_utl.h"

namespace {
enum { REMOVE = 1, COPY = 2 };

// The picture's full path of a list row, or null.
const char* cesta(tf_UTL_CDUIR_THMFILE* list, int id) {
    tf_TVOLBAR* row = list ? list->VratVolbu__hodnotovo(id) : nullptr;
    return row ? static_cast<const char*>(row->data) : nullptr;
}

// Each new object stands a little lower right of the one before, starting over at the edges.
void dalsie_miesto() {
    insert_x += 10;
    if (insert_x > PX_Strana_sir() - 100) insert_x = 0;
    insert_y += 30;
    if (insert_y > PX_Strana_vys() - 60) insert_y = 0;
}

CHerec* ciel_menu() { return REG_Objekt(setup_target); }
}  // namespace

void PX_AddBackground(int id) {
    PX_HIST_Zaznam(PX_UPRAVA_POZADIE);
    PX_Poloz(PX_UPRAVA_POZADIE, id);
}

void PX_AddProp(int id) {
    if (!cesta(utl_duir_Kulisy, id)) return;
    PX_HIST_Zaznam(PX_UPRAVA_KULISA);
    PX_Poloz(PX_UPRAVA_KULISA, id);
}

void PX_AddActor(int id) {
    if (!cesta(utl_duir_Herci, id)) return;
    PX_HIST_Zaznam(PX_UPRAVA_HEREC);
    PX_Poloz(PX_UPRAVA_HEREC, id);
}

void PX_Poloz(PX_Uprava druh, int id) {
    if (druh == PX_UPRAVA_POZADIE) {
        const char* path = cesta(utl_duir_Pozadia, id);
        char* copy = path ? strdup(path) : nullptr;
        free(background_path);
        background_path = copy;
        PRIPRAV_POZADIE(true);
    } else if (const char* path = cesta(druh == PX_UPRAVA_KULISA ? utl_duir_Kulisy : utl_duir_Herci, id)) {
        dalsie_miesto();
        if (druh == PX_UPRAVA_KULISA)
            PRIDAJ_KULISU(path, insert_x, insert_y, PX_MOTION_HORIZONTAL, PX_EDGE_WRAP);
        else
            PRIDAJ_HERCA(path, insert_x, insert_y, PX_MOTION_STILL, PX_EDGE_BOUNCE, 0);
    } else {
        return;
    }
    dirty = true;
}

// A change of the page like any other: it is saved and undone with it.
void PX_SetBackgroundMode(int id) {
    PX_HIST_Zaznam(PX_UPRAVA_GEOMETRIA);
    if (background_mode != id) dirty = true;
    background_mode = id;
    PRIPRAV_POZADIE(false);
}

void PX_RemoveOrCopyObject(int id) {
    if (!ciel_menu()) return;
    PX_HIST_Zaznam(id == COPY ? PX_UPRAVA_KOPIA : PX_UPRAVA_ODSTRANENIE);
    if (id == REMOVE) ODSTRAN_OBJEKT(setup_target);
    if (id == COPY) KOPIRUJ_OBJEKT(setup_target);
    setup_target = -1;
    dirty = true;
}

void PX_SetMotion(int id) {
    PX_HIST_Zaznam(PX_UPRAVA_POHYB);
    if (CHerec* o = ciel_menu()) NASTAV_POHYB(o, id);
}

void PX_SetEdge(int id) {
    PX_HIST_Zaznam(PX_UPRAVA_OKRAJ);
    if (CHerec* o = ciel_menu()) NASTAV_OKRAJ(o, id);
}

void PX_SetPace(int id) {
    PX_HIST_Zaznam(PX_UPRAVA_TEMPO);
    if (CHerec* o = ciel_menu()) NASTAV_TEMPO(o, id);
}

void PX_TogglePlay() {
    if (!running) PX_HIST_Zaznam(PX_UPRAVA_SPUSTENIE);
    running = !running;
}
void PX_Faster() { NASTAV_RYCHLOST(-1); }
void PX_Slower() { NASTAV_RYCHLOST(+1); }
void PX_RemoveLast() {
    PX_HIST_Zaznam(PX_UPRAVA_ODSTRANENIE);
    ODSTRAN_POSLEDNY();
}

void PX_DeleteHovered() {
    if (hovered == -1) return;
    PX_HIST_Zaznam(PX_UPRAVA_ODSTRANENIE);
    ODSTRAN_OBJEKT(hovered);
    hovered = -1;
}

void PX_ReportRegistry() { REPORT_REG("F1 report"); }
