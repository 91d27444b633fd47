#include "framework/widgets/tf_uhspol.h"

#include "framework/core/tf_log.h"
#include "framework/widgets/tf_polchlo.h"

namespace {
const char* const SRC = "TF_UHSPol_w";

// Dialogs are containers; their keys and actions go through the container's routing.
tf_CPolCHLO* dialog(tf_CPol* w) {
    return w && w->class_id == TF_CLASS_DDIALOG ? static_cast<tf_CPolCHLO*>(w) : nullptr;
}
}  // namespace

tf_CUHSPol::tf_CUHSPol() = default;

tf_CUHSPol::tf_CUHSPol(tf_CPol* prvok_) : prvok(prvok_) {
    if (prvok && prvok->nazov[0])
        TF_LOG("tf_CUHSPol::tf_CUHSPol(.) s prvkom", prvok->nazov);
    else
        TF_LOG("tf_CUHSPol::tf_CUHSPol(.)");
}

tf_CUHSPol::~tf_CUHSPol() {
    for (int i = 0; i < vrstvy.count; ++i) delete vrstva(i);
}

tf_CUHSPol* tf_CUHSPol::vrstva(int i) { return static_cast<tf_CUHSPol*>(vrstvy.GET(i)); }

void tf_CUHSPol::INIC(tf_CPol* prvok_) { prvok = prvok_; }

tf_CUHSPol* tf_CUHSPol::PRIDAJ(tf_CPol* prvok_, int rx, int ry) {
    if (!prvok_) {
        TF_LOG("tf_CUHSPol::PRIDAJ - prvok je NULL", TF_LOG_RETURN);
        return nullptr;
    }
    if (vrstvy.count >= max_vrstiev) return nullptr;
    tf_CUHSPol* uzol = new tf_CUHSPol();
    uzol->prvok = prvok_;
    uzol->rodic = this;
    prvok_->rx = rx;
    prvok_->ry = ry;
    // Only a container can be a parent; the widget of any other element keeps screen offsets.
    const bool kontajner = prvok && tf_CPolCHLO::IsClassIdPolCHLO(prvok->class_id);
    prvok_->parent = kontajner ? static_cast<tf_CPolCHLO*>(prvok) : nullptr;
    vrstvy.Add(uzol);
    return uzol;
}

tf_CUHSPol* tf_CUHSPol::PRIDAJ(tf_CPol* prvok_) { return PRIDAJ(prvok_, 0, 0); }

bool tf_CUHSPol::PRIDAJ(tf_CUHSPol* uzol) {
    if (!uzol || vrstvy.count >= max_vrstiev) return false;
    // A node in two places, or above itself, would be destroyed twice or walked forever.
    bool kruh = false;
    for (tf_CUHSPol* n = this; n && !kruh; n = n->rodic) kruh = n == uzol;
    if (kruh || uzol->rodic) {
        TF_LOG("tf_CUHSPol::PRIDAJ - uzol uz je v strome", TF_LOG_RETURN);
        return false;
    }
    uzol->rodic = this;
    vrstvy.Add(uzol);
    return true;
}

void tf_CUHSPol::zivy_vyhradne() {
    if (!rodic) return;
    for (int i = 0; i < rodic->vrstvy.count; ++i)
        if (tf_CUHSPol* n = rodic->vrstva(i); n != this) n->zivy = false;
}

void tf_CUHSPol::Rodic_reset_deti() {
    for (int i = 0; i < vrstvy.count; ++i)
        if (tf_CPol* w = vrstva(i)->prvok) w->Rodic_reset();
}

void tf_CUHSPol::ZOBRAZ(IDirectDrawSurface* surface) {
    if (!zivy) return;
    if (prvok) prvok->ZOBRAZ(surface);
    for (int i = 0; i < vrstvy.count; ++i) vrstva(i)->ZOBRAZ(surface);
}

// No consumption between layers: every live layer sees the event. A move while the element
// is dragged only carries the layers' widgets along.
bool tf_CUHSPol::INFORMUJ_SA(int x, int y, int event) {
    if (!zivy) return false;
    if (prvok) {
        prvok->INFORMUJ_SA(x, y, event);
        if (event == 0 && prvok->stav == 2) {
            Rodic_reset_deti();
            return true;
        }
    }
    for (int i = 0; i < vrstvy.count; ++i) vrstva(i)->INFORMUJ_SA(x, y, event);
    return true;
}

bool tf_CUHSPol::INFORMUJ_SA_KLAV(int key) { return posli(key, false); }

bool tf_CUHSPol::INFORMUJ_SA_ZNAK(int znak) { return posli(znak, true); }

bool tf_CUHSPol::posli(int kod, bool znak) {
    if (!zivy) return false;
    if (prvok && prvok->class_id == TF_CLASS_DEDB && (znak ? prvok->HandleChar(kod) : prvok->HandleKey(kod)))
        return true;
    if (tf_CPolCHLO* d = dialog(prvok); d && (znak ? d->INFORMUJ_SA_ZNAK(kod) : d->INFORMUJ_SA_KLAV(kod))) return true;
    for (int i = vrstvy.count - 1; i >= 0; --i)
        if (vrstva(i)->posli(kod, znak)) return true;
    return false;
}

bool tf_CUHSPol::Ukazuje_dialog() {
    if (!zivy) return false;
    if (dialog(prvok) && prvok->zivy) return true;
    for (int i = 0; i < vrstvy.count; ++i)
        if (vrstva(i)->Ukazuje_dialog()) return true;
    return false;
}

// Drawn last, on top: asked first.
tf_CPol* tf_CUHSPol::VratZasah(int x, int y) {
    if (!zivy) return nullptr;
    for (int i = vrstvy.count - 1; i >= 0; --i)
        if (tf_CPol* w = vrstva(i)->VratZasah(x, y)) return w;
    return prvok ? prvok->VratZasah(x, y) : nullptr;
}

void tf_CUHSPol::ukazane(std::vector<tf_CPol*>* widgety) {
    if (!zivy) return;
    if (prvok && prvok->zivy) widgety->push_back(prvok);
    for (int i = 0; i < vrstvy.count; ++i) vrstva(i)->ukazane(widgety);
}

tf_CPol* tf_CUHSPol::Dalsi(tf_CPol* w, bool spat) {
    std::vector<tf_CPol*> widgety;
    ukazane(&widgety);
    const size_t n = widgety.size();
    for (size_t i = 0; i < n; ++i)
        if (widgety[i] == w) return widgety[(i + (spat ? n - 1 : 1)) % n];
    return nullptr;
}

// Buttons and dialogs report here; lists and sliders are polled by their owners.
bool tf_CUHSPol::INFORMUJ_MA(int* id) {
    if (!zivy) return false;
    int value = 0;
    if (prvok && prvok->class_id == TF_CLASS_TLAC && prvok->PollAction(&value)) {
        *id = prvok->ID;
        return true;
    }
    if (tf_CPolCHLO* d = dialog(prvok)) {
        int local = -1;
        if (d->INFORMUJ_MA(&local)) {
            *id = local;
            return true;
        }
    }
    for (int i = vrstvy.count - 1; i >= 0; --i)
        if (vrstva(i)->INFORMUJ_MA(id)) return true;
    return false;
}
