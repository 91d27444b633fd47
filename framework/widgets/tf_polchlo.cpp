#include "framework/widgets/tf_polchlo.h"

#include "framework/core/tf_log.h"

namespace {
const char* const SRC = "TF_PolCHLO_w";

tf_CPolCHLO* as_container(tf_CPol* w) {
    return tf_CPolCHLO::IsClassIdPolCHLO(w->class_id) ? static_cast<tf_CPolCHLO*>(w) : nullptr;
}
}  // namespace

tf_CPolCHLO::tf_CPolCHLO() { init(); }

tf_CPolCHLO::tf_CPolCHLO(tf_CPolCHLO* parent_, int ID_) : tf_CPol(parent_, ID_) { init(); }

void tf_CPolCHLO::init() {
    deti.mode = 1;  // the children are ours
    deti.deleter = tf_glob_Destroy_ByClassId;
    class_id = TF_CLASS_POLCHLO;
    Set_Nazov("noname_polchlo");
}

tf_CPolCHLO::~tf_CPolCHLO() = default;

// A blanked slot holds no child; every walk skips it.
tf_CPol* tf_CPolCHLO::child_at(int i) { return static_cast<tf_CPol*>(deti.GET(i)); }

void tf_CPolCHLO::reset_children() {
    for (int i = 0; i < deti.count; ++i)
        if (tf_CPol* c = child_at(i)) c->Rodic_reset();
}

void tf_CPolCHLO::PRIDAJ(tf_CPol* child) {
    if (!child) {
        TF_LOG("tf_CPolCHLO::PRIDAJ - dieta je NULL", TF_LOG_RETURN);
        return;
    }
    deti.Add(child);
    child->parent = this;
}

void tf_CPolCHLO::Rodic_reset() {
    tf_CPol::Rodic_reset();
    reset_children();
}

void tf_CPolCHLO::CHOD_NA(int x_, int y_) {
    tf_CPol::CHOD_NA(x_, y_);
    reset_children();
}

void tf_CPolCHLO::ZOBRAZ(IDirectDrawSurface* surface) {
    if (!zivy) return;
    if (class_id == TF_CLASS_POLCHLO) tf_CPol::ZOBRAZ(surface);
    for (int i = 0; i < deti.count; ++i)
        if (tf_CPol* c = child_at(i)) c->ZOBRAZ(surface);
}

tf_CPol* tf_CPolCHLO::VratZasah(int px, int py) {
    if (!zivy) return nullptr;
    for (int i = deti.count - 1; i >= 0; --i) {
        tf_CPol* c = child_at(i);
        if (tf_CPol* hit = c ? c->VratZasah(px, py) : nullptr) return hit;
    }
    return tf_CPol::VratZasah(px, py);
}

bool tf_CPolCHLO::INFORMUJ_SA(int px, int py, int event) {
    if (!zivy) return false;
    for (int i = deti.count - 1; i >= 0; --i) {
        tf_CPol* c = child_at(i);
        if (c && c->INFORMUJ_SA(px, py, event)) return true;
    }
    return run_drag(px, py, event, true);
}

bool tf_CPolCHLO::INFORMUJ_SA_KLAV(int key) { return posli(key, false); }

bool tf_CPolCHLO::INFORMUJ_SA_ZNAK(int znak) { return posli(znak, true); }

bool tf_CPolCHLO::posli(int kod, bool znak) {
    if (!zivy) return false;
    for (int i = deti.count - 1; i >= 0; --i) {
        tf_CPol* c = child_at(i);
        if (!c) continue;
        if (c->class_id == TF_CLASS_DEDB) {
            if (znak ? c->HandleChar(kod) : c->HandleKey(kod)) return true;
        } else if (tf_CPolCHLO* box = as_container(c)) {
            if (box->zivy && (znak ? box->INFORMUJ_SA_ZNAK(kod) : box->INFORMUJ_SA_KLAV(kod))) return true;
        }
    }
    return false;
}

bool tf_CPolCHLO::INFORMUJ_MA(int* id) {
    if (!zivy) return false;
    for (int i = deti.count - 1; i >= 0; --i) {
        tf_CPol* c = child_at(i);
        if (!c) continue;
        int value = 0;
        bool reported = false;
        switch (c->class_id) {
        case TF_CLASS_TLAC:  // button and switch: a completed press, once
        case TF_CLASS_DPREP:
        case TF_CLASS_POSUV:  // slider: its position at every poll while the knob is held
        case TF_CLASS_DUI:  // lists and the pickers built on them: a selection
        case TF_CLASS_DUIR:
        case TF_CLASS_UTL_THMFILE:
        case TF_CLASS_UTL_DIR:
            reported = c->zivy && c->PollAction(&value);
            break;
        default:
            break;
        }
        if (reported) {
            HandleFWInteraction(c->ID, value, c);
            *id = c->ID;
            return true;
        }
        if (tf_CPolCHLO* box = as_container(c)) {
            int local = -1;
            if (box->INFORMUJ_MA(&local)) {
                *id = local;
                return true;
            }
        }
    }
    return false;
}

bool tf_CPolCHLO::HandleFWInteraction(int id, int value, tf_CPol* source) {
    return parent ? parent->HandleFWInteraction(id, value, source) : false;
}

tf_CPol* tf_CPolCHLO::FindCHLWithID(int ID_) {
    for (int i = 0; i < deti.count; ++i) {
        tf_CPol* c = child_at(i);
        if (!c) continue;
        if (c->ID == ID_) return c;
        tf_CPolCHLO* box = as_container(c);
        if (tf_CPol* found = box ? box->FindCHLWithID(ID_) : nullptr) return found;
    }
    return nullptr;
}

tf_CPol* tf_CPolCHLO::GetCHLWithIndex(int index) {
    if (!zivy) return nullptr;
    if (index < 0 || index >= deti.count) {
        TF_FAIL(TF_LOG_ERR, "tf_CPolCHLO::GetCHLWithIndex - Index mimo rozsah");
        return nullptr;
    }
    tf_CPol* c = child_at(index);
    if (!c) TF_FAIL(TF_LOG_ERR, "tf_CPolCHLO::GetCHLWithIndex - Problem s indexom");
    return c;
}

int tf_CPolCHLO::GetIndexOfCHL(tf_CPol* child) {
    if (!zivy) return 0;
    for (int i = 0; i < deti.count; ++i)
        if (child_at(i) == child) return i;
    TF_FAIL(TF_LOG_ERR, "tf_CPolCHLO::GetIndexOfCHL - Nenajdene dieta");
    return 0;
}

int tf_CPolCHLO::SetupVisual() { return 0; }

int tf_CPolCHLO::SetupVisual_Private() {
    SetupVisual();
    reset_children();
    for (int i = 0; i < deti.count; ++i) {
        tf_CPol* c = child_at(i);
        if (tf_CPolCHLO* box = c ? as_container(c) : nullptr) box->SetupVisual_Private();
    }
    return 0;
}

bool tf_CPolCHLO::IsClassIdPolCHLO(int id) {
    return id == TF_CLASS_POLCHLO || id == TF_CLASS_DDIALOG || id == TF_CLASS_APPSCREEN || id == TF_CLASS_SCROLLBAR;
}
