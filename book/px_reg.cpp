// The page registry's operations: adding objects with shared pictures, copying, removing.
#include "book/px_reg.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "book/px_herec.h"
#include "book/px_pisanie.h"
#include "book/px_stav.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"

namespace {
const char* const SRC = "PX_REG";

// The first object of the kind whose picture came from the path.
CHerec* find_sharer(const char* path, int kind) {
    for (int i = 0; i < REG.count; ++i) {
        auto* o = static_cast<CHerec*>(REG.GET(i));
        if (o && o->eui() == kind && o->srf && o->srf->subor_nazov && strcmp(o->srf->subor_nazov, path) == 0)
            return o;
    }
    return nullptr;
}

CHerec* make_object(int kind, int x, int y, int motion, int edge) {
    auto* o = new CHerec();
    o->Umiestni(x, y);
    o->motion = motion;
    o->edge = edge;
    o->data = kind;
    return o;
}

// A picture that fails to load still gives the object its own (empty) surface.
tf_CDas_Surface* load_picture(CHerec* o, const char* path) {
    auto* s = new tf_CDas_Surface();
    s->NAHRAJ_SURFACE(path);
    s->TC_NASTAV(6, 6);
    o->srf = s;
    o->vlastni = true;
    return s;
}

// A prop or an actor; a picture that an object of the same kind shows already is shared.
void add_object(int kind, const char* path, int x, int y, int motion, int edge, int delay) {
    if (!path || REG.count >= PX_MAX_OBJECTS) return;
    const bool actor = kind == PX_ACTOR;
    CHerec* found = find_sharer(path, kind);
    CHerec* o = make_object(kind, x, y, motion, edge);
    o->phase_delay = delay;
    if (found) {
        TF_LOG(actor ? "Zdielam srf pre herca" : "Zdielam srf pre kulisu", path);
        o->EVID_PREBER(found);
    } else if (!actor) {
        TF_LOG("Pridavam novy srf pre kulisu", path);
        load_picture(o, path);
        o->EVIDUJ_CS();
    } else {
        TF_LOG("Pridavam novy srf pre herca", path);
        load_picture(o, path)->BC_NASTAV(0, 0);
        const std::string cesta_faz = tf_FSI_Zmen_priponu(path, "faz");
        TF_LOG("cesta_faz", cesta_faz.c_str());
        P_Load_Fazy(cesta_faz.c_str(), o);
    }
    REG.Add(o);
    dragged = -1;
}

// The editor's indices follow the objects: one naming the removed object is cleared, later
// ones move one place forward.
void forget_index(int removed) {
    PX_Texty_Bez_objektu(removed);
    for (int* index : {&hovered, &dragged, &setup_target, &px_pisanie.index, &px_pisanie.prvy_klik}) {
        if (*index == removed)
            *index = -1;
        else if (*index > removed)
            --*index;
    }
}
}  // namespace

CHerec* REG_Objekt(int index) {
    if (index < 0 || index >= REG.count) return nullptr;
    return static_cast<CHerec*>(REG.GET(index));
}

int REG_Pod(int x, int y) {
    for (int i = REG.count - 1; i >= 0; --i)
        if (CHerec* o = REG_Objekt(i); o && o->OSTRY_ZASAH(x, y)) return i;
    return -1;
}

void PRIDAJ_KULISU(const char* path, int x, int y, int motion, int edge) {
    add_object(PX_PROP, path, x, y, motion, edge, 0);
}

void PRIDAJ_HERCA(const char* path, int x, int y, int motion, int edge, int delay) {
    add_object(PX_ACTOR, path, x, y, motion, edge, delay);
}

void KOPIRUJ_OBJEKT(int index) {
    CHerec* from = REG_Objekt(index);
    if (!from) {
        TF_LOG("KOPIRUJ_OBJEKT: index mimo rozsah", TF_LOG_RETURN, index);
        return;
    }
    auto* o = new CHerec();
    o->Umiestni(from->x + 50, from->y + 50);
    o->fx = from->fx + 50;
    o->fy = from->fy + 50;
    o->base_y = from->base_y + 50;
    o->turn = from->turn;
    o->ax = from->ax;
    o->ay = from->ay;
    o->vx = from->vx;
    o->vy = from->vy;
    o->motion = from->motion;
    o->edge = from->edge;
    o->phase_delay = from->phase_delay;
    o->data = from->data;
    o->EVID_PREBER(from);
    o->sir = from->sir;
    o->vys = from->vys;
    o->text = from->text;  // records and pictures never change: the copy shares them
    o->text_obraz = from->text_obraz;
    REG.Add(o);
    PX_Text_Zamier(REG.count - 1);  // a copied bubble follows from its own place
}

void ODSTRAN_OBJEKT(int index) {
    if (REG.count == 0) return;
    if (index < 0 || index >= REG.count) {
        TF_LOG(TF_LOG_ERR, "assert: index mimo rozsah");
        return;
    }
    if (index == REG.count - 1) {
        ODSTRAN_POSLEDNY();
        return;
    }
    auto* o = static_cast<CHerec*>(REG.GET(index));
    if (o && o->vlastni) {
        // The picture lives on with the first later object that shows it.
        for (int i = index + 1; i < REG.count; ++i) {
            auto* later = static_cast<CHerec*>(REG.GET(i));
            if (later && later->srf == o->srf) {
                later->vlastni = true;
                o->vlastni = false;
                break;
            }
        }
    }
    delete o;
    REG.SET(index, nullptr);
    REG.ShiftUp(index);
    forget_index(index);
    dirty = true;
}

void ODSTRAN_POSLEDNY() {
    if (REG.count == 0) return;
    const int last = REG.count - 1;
    delete static_cast<CHerec*>(REG.GET(last));
    REG.SET(last, nullptr);
    REG.Del();
    forget_index(last);
    dirty = true;
}

void VYMAZ_REG() {
    // Sharers stand after their owners: the last goes first, so no picture goes before its users.
    for (int i = REG.count - 1; i >= 0; --i) {
        delete static_cast<CHerec*>(REG.GET(i));
        REG.SET(i, nullptr);
    }
    REG.Zhod_count();
    hovered = dragged = setup_target = px_pisanie.index = px_pisanie.prvy_klik = -1;
}

void REPORT_REG(const char* text) {
    const char* t = text ? text : "";
    TF_LOG("=============== REPORT_REG BEGIN ===================", t);
    char line[300];
    for (int i = 0; i < REG.count; ++i) {
        auto* o = static_cast<CHerec*>(REG.GET(i));
        std::string name = o && o->srf && o->srf->subor_nazov ? o->srf->subor_nazov : "";
        if (o && o->text) name = "text: " + o->text->text.substr(0, o->text->text.find('\n'));
        snprintf(line, sizeof line, "[%d] [%d] [%s]", i, o ? o->eui() : 0, name.c_str());
        TF_LOG(">>> Das->", line);
    }
    TF_LOG("================ REPORT_REG END ====================", t);
}
