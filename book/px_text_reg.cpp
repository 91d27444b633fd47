// Texts among the page's objects: added, aimed at and following their objects, and their
// objects kept as the registry changes and as a page file names them.
#include <vector>

#include "book/px_herec.h"
#include "book/px_reg.h"
#include "book/px_stav.h"
#include "framework/core/tf_log.h"

namespace {
const char* const SRC = "PX_REG";

CHerec* text_at(int index) {
    CHerec* o = REG_Objekt(index);
    return o && o->eui() == PX_TEXT && o->text ? o : nullptr;
}

// The object a text's bubble follows, when it still is a picture of the page.
CHerec* ciel(const CHerec* t) {
    CHerec* o = REG_Objekt(t->text->ciel);
    return o && o->eui() != PX_TEXT ? o : nullptr;
}
// A bubble without an object says its words downwards, as from someone below it.
void bez_ciela(PX_Text& z, const CHerec* t) {
    z.ciel = -1;
    z.hrot_x = t->sir / 4;
    z.hrot_y = t->vys * 5 / 3;
}
}  // namespace

int PRIDAJ_TEXT(const PX_Text& t, int x, int y) {
    if (REG.count >= PX_MAX_OBJECTS) return -1;
    auto* o = new CHerec();
    o->Umiestni(x, y);
    o->motion = PX_MOTION_STILL;
    o->edge = PX_EDGE_BOUNCE;
    o->data = PX_TEXT;
    o->Nastav_text(t);
    REG.Add(o);
    return REG.count - 1;
}

void PX_Text_Zamier(int index) {
    CHerec* t = text_at(index);
    if (!t) return;
    PX_Text z = *t->text;
    if (CHerec* o = ciel(t)) {
        z.odstup_x = t->x - o->x;
        z.odstup_y = t->y - o->y;
        // The tail points at the upper middle of the object, where a head is.
        z.hrot_x = o->x + o->AktSIR() / 2 - t->x;
        z.hrot_y = o->y + o->AktVYS() / 4 - t->y;
    } else {
        bez_ciela(z, t);
    }
    t->Nastav_text(z);
}

void PX_Text_Ukaz_na(int index, int objekt) {
    CHerec* t = text_at(index);
    if (!t) return;
    PX_Text z = *t->text;
    z.ciel = objekt;
    t->Nastav_text(z);
    PX_Text_Zamier(index);
    dirty = true;
}

void PX_Texty_Nasleduj() {
    for (int i = 0; i < REG.count; ++i) {
        CHerec* t = text_at(i);
        if (!t || i == dragged || t->text->ciel < 0) continue;
        if (CHerec* o = ciel(t)) t->Umiestni(o->x + t->text->odstup_x, o->y + t->text->odstup_y);
    }
}

void PX_Texty_Bez_objektu(int removed) {
    for (int i = 0; i < REG.count; ++i) {
        CHerec* t = text_at(i);
        if (!t || t->text->ciel < removed) continue;
        PX_Text z = *t->text;
        if (z.ciel == removed) {
            bez_ciela(z, t);
        } else {
            --z.ciel;
        }
        t->Nastav_text(z);
    }
}

void PX_Texty_Po_nacitani(const std::vector<int>& objekty_riadkov) {
    for (int i = 0; i < REG.count; ++i) {
        CHerec* t = text_at(i);
        if (!t) continue;
        if (const size_t n = static_cast<size_t>(t->text->ciel); t->text->ciel >= 0) {
            PX_Text z = *t->text;
            z.ciel = n < objekty_riadkov.size() ? objekty_riadkov[n] : -1;
            t->Nastav_text(z);
            if (!ciel(t)) TF_LOG("RELOAD_REG: Chyba, bublina ukazuje na objekt, ktory na strane nie je", int(n));
        }
        PX_Text_Zamier(i);
    }
}

std::vector<int> PX_Poradie_zapisu() {
    std::vector<int> poradie(static_cast<size_t>(REG.count), -1);
    int n = 0;
    for (int i = 0; i < REG.count; ++i) {
        const CHerec* o = REG_Objekt(i);
        const bool text = o && o->eui() == PX_TEXT && o->text && !PX_Text_Prazdny(o->text->text);
        if (text || (o && o->srf && o->srf->subor_nazov)) poradie[size_t(i)] = n++;
    }
    return poradie;
}
