// Page snapshots for the undo history: taken field by field from the registry's objects and
// made into new objects again, with the pictures and their owners as they were.
#include "book/px_snimka.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "book/px_herec.h"
#include "book/px_narracia.h"
#include "book/px_pozadie.h"
#include "book/px_reg.h"
#include "book/px_stav.h"
#include "framework/core/tf_fsi.h"

namespace {
const size_t SHARED_OVERHEAD = 16;  // a shared record's count block, about

size_t kept_bytes = 0;  // of every record alive

// Counts bytes while its owner lives.
struct Counted {
    explicit Counted(size_t n_) : n(n_) { kept_bytes += n; }
    Counted(const Counted& o) : Counted(o.n) {}
    Counted& operator=(const Counted&) = delete;
    ~Counted() { kept_bytes -= n; }
    void add(size_t more) {
        n += more;
        kept_bytes += more;
    }
    size_t n;
};

// A picture objects showed, kept by one reference of ours on its surface.
struct Obraz {
    explicit Obraz(const tf_CDas_Surface& s)
        : lpDDS(s.lpDDS), has_name(s.subor_nazov != nullptr), subor(has_name ? s.subor_nazov : ""), sir(s.sir),
          vys(s.vys), TC(s.TC), BC(s.BC), stretch(s.stretch), nazov(s.nazov) {
        DDSURFACEDESC d = {};
        d.dwSize = sizeof d;
        if (lpDDS && lpDDS->GetSurfaceDesc(&d) == DD_OK) pixel_bytes = size_t(d.lPitch) * d.dwHeight;
        if (lpDDS) lpDDS->AddRef();
        counted.add(subor.size() + nazov.size());
    }
    ~Obraz() {
        if (lpDDS) lpDDS->Release();
    }
    Obraz(const Obraz&) = delete;
    Obraz& operator=(const Obraz&) = delete;

    // The wrapper shows this very picture. One whose picture failed to load is never taken
    // for another: there is nothing to tell two such apart.
    bool is(const tf_CDas_Surface& s) const {
        return lpDDS && s.lpDDS == lpDDS && has_name == (s.subor_nazov != nullptr) &&
               (!has_name || subor == s.subor_nazov) && nazov == s.nazov &&
               std::tie(sir, vys, TC, BC, stretch) == std::tie(s.sir, s.vys, s.TC, s.BC, s.stretch);
    }
    // A new wrapper of the same picture, with a reference of its own.
    tf_CDas_Surface* make() const {
        auto* s = new tf_CDas_Surface(nazov.c_str());
        s->subor_nazov = has_name ? strdup(subor.c_str()) : nullptr;
        s->lpDDS = lpDDS;
        if (lpDDS) lpDDS->AddRef();
        std::tie(s->sir, s->vys, s->TC, s->BC, s->stretch) = std::tie(sir, vys, TC, BC, stretch);
        return s;
    }

    IDirectDrawSurface* lpDDS;
    bool has_name;
    std::string subor;
    int sir, vys;
    uint16_t TC, BC;
    uint8_t stretch;
    std::string nazov;
    size_t pixel_bytes = 0;
    Counted counted{sizeof(Obraz) + SHARED_OVERHEAD};
};
using ObrazPtr = std::shared_ptr<const Obraz>;

// Every picture a snapshot holds, by its surface: later snapshots take the same record.
std::unordered_map<IDirectDrawSurface*, std::weak_ptr<const Obraz>> pictures;

// Every sound a snapshot holds (narrations of minutes weigh megabytes): counted once each.
std::unordered_map<const plat_Sound*, std::weak_ptr<const plat_Sound>> sounds;
// Every text picture a snapshot holds: those no object shows count towards the history's bytes.
std::unordered_map<const PX_TextObraz*, std::weak_ptr<const PX_TextObraz>> text_pictures;

struct Fazy {
    std::vector<tf_TFAZA> v;
    Counted counted{sizeof(Fazy) + SHARED_OVERHEAD};
};
using FazyPtr = std::shared_ptr<const Fazy>;

// One object, every field the page, playback and the pointer can change.
struct Objekt {
    int x = 0, y = 0, rx = 0, ry = 0;
    bool zivy = true;
    int zrkadlo = 0, data = 0, akt_faza = 0, sir = 0, vys = 0;
    uint16_t TC = 0, BC = 0;
    bool vlastni = false;
    int motion = 0, edge = 0, phase_delay = 0, phase_countdown = 0, base_y = 0;
    double turn_step = 0, turn = 0, ax = 0, ay = 0, vx = 0, vy = 0, fx = 0, fy = 0;
    ObrazPtr obraz;
    FazyPtr fazy;
    PX_TextPtr text;  // a text's record and picture, shared with the object: neither ever changes
    PX_TextObrazPtr text_obraz;
    Counted counted{sizeof(Objekt) + SHARED_OVERHEAD};
};
using ObjektPtr = std::shared_ptr<const Objekt>;

// The fields an object and its record have alike: one list serves taking, restoring and comparing.
template <class T>
auto state_of(T& t) {
    return std::tie(t.x, t.y, t.rx, t.ry, t.zivy, t.zrkadlo, t.data, t.akt_faza, t.sir, t.vys, t.TC, t.BC, t.vlastni,
                    t.motion, t.edge, t.phase_delay, t.phase_countdown, t.base_y, t.turn_step, t.turn, t.ax, t.ay,
                    t.vx, t.vy, t.fx, t.fy);
}

bool same(const Objekt& a, const Objekt& b) {
    return state_of(a) == state_of(b) && a.obraz == b.obraz && a.fazy == b.fazy &&
           (a.text == b.text || (a.text && b.text && *a.text == *b.text));
}

bool same_phases(tf_CDAS& o, const Fazy& f) {
    if (o.PocetFaz() != static_cast<int>(f.v.size())) return false;
    for (int i = 0; i < o.PocetFaz(); ++i) {
        const tf_TFAZA& a = *o.Faza(i);
        const tf_TFAZA& b = f.v[size_t(i)];
        if (std::tie(a.x1, a.y1, a.x2, a.y2, a.sir, a.vys) != std::tie(b.x1, b.y1, b.x2, b.y2, b.sir, b.vys))
            return false;
    }
    return true;
}

bool same_text(const char* a, const char* b) { return a == b || (a && b && strcmp(a, b) == 0); }
}  // namespace

struct PX_Snimka {
    std::vector<ObjektPtr> objekty;
    bool has_background = false;
    std::string background;
    int mode = 0;
    bool running = false;
    PX_Narracia_Stav zvuk;  // the page's narration and background sound
    Counted counted{sizeof(PX_Snimka) + SHARED_OVERHEAD};
};

namespace {
// The pictures met while one snapshot is taken, by the wrapper that shows each.
using Seen = std::vector<std::pair<const tf_CDas_Surface*, ObrazPtr>>;

ObrazPtr picture_of(const tf_CDas_Surface* s, Seen& seen, const Objekt* before) {
    if (!s) return nullptr;
    for (const auto& [wrapper, obraz] : seen)
        if (wrapper == s) return obraz;
    ObrazPtr found = before && before->obraz && before->obraz->is(*s) ? before->obraz : nullptr;
    if (!found && s->lpDDS) {
        const auto it = pictures.find(s->lpDDS);
        if (ObrazPtr kept = it == pictures.end() ? nullptr : it->second.lock(); kept && kept->is(*s)) found = kept;
    }
    if (!found) {
        found = std::make_shared<const Obraz>(*s);
        if (s->lpDDS) pictures[s->lpDDS] = found;
    }
    seen.emplace_back(s, found);
    return found;
}

// Objects of one picture mostly have the same phases: they share one list.
FazyPtr phases_of(CHerec& o, const Objekt* before, const std::vector<ObjektPtr>& earlier, const ObrazPtr& obraz) {
    if (before && same_phases(o, *before->fazy)) return before->fazy;
    for (const ObjektPtr& e : earlier)
        if (e->obraz == obraz && same_phases(o, *e->fazy)) return e->fazy;
    auto f = std::make_shared<Fazy>();
    for (int i = 0; i < o.PocetFaz(); ++i) f->v.push_back(*o.Faza(i));
    f->counted.add(f->v.capacity() * sizeof(tf_TFAZA));
    return f;
}

template <class Map>
void forget_gone(Map& map) {
    for (auto it = map.begin(); it != map.end();) it = it->second.expired() ? map.erase(it) : ++it;
}
}  // namespace

PX_SnimkaPtr PX_Snimka_Zachyt(const PX_Snimka* like) {
    forget_gone(pictures);
    forget_gone(sounds);
    forget_gone(text_pictures);
    auto s = std::make_shared<PX_Snimka>();
    s->objekty.reserve(size_t(REG.count));
    Seen seen;
    for (int i = 0; i < REG.count; ++i) {
        CHerec* o = REG_Objekt(i);
        if (!o) continue;
        const size_t n = s->objekty.size();
        const ObjektPtr before = like && n < like->objekty.size() ? like->objekty[n] : nullptr;
        Objekt now;
        state_of(now) = state_of(*o);
        now.obraz = picture_of(o->srf, seen, before.get());
        now.fazy = phases_of(*o, before.get(), s->objekty, now.obraz);
        now.text = o->text;
        now.text_obraz = o->text_obraz;
        if (o->text_obraz) text_pictures[o->text_obraz.get()] = o->text_obraz;
        s->objekty.push_back(before && same(now, *before) ? before : std::make_shared<const Objekt>(now));
    }
    s->has_background = background_path != nullptr;
    s->background = background_path ? background_path : "";
    s->mode = background_mode;
    s->running = running;
    s->zvuk = PX_Narracia_Zachyt();
    for (const auto& sound : {s->zvuk.hlas, s->zvuk.pozadie_zvuk})
        if (sound) sounds[sound.get()] = sound;
    s->counted.add(s->objekty.capacity() * sizeof(ObjektPtr) + s->background.size());
    return s;
}

namespace {
bool rovnaky_zvuk(const PX_Narracia_Stav& a, const PX_Narracia_Stav& b) {
    return std::tie(a.hlas, a.pozadie, a.pozadie_zvuk) == std::tie(b.hlas, b.pozadie, b.pozadie_zvuk);
}
}  // namespace

bool PX_Snimka_Rovnake(const PX_Snimka& a, const PX_Snimka& b) {
    return a.objekty == b.objekty && rovnaky_zvuk(a.zvuk, b.zvuk) &&
           std::tie(a.has_background, a.background, a.mode, a.running) ==
               std::tie(b.has_background, b.background, b.mode, b.running);
}

void PX_Snimka_Obnov(const PX_Snimka& s, bool with_running) {
    VYMAZ_REG();
    struct Made {
        const Obraz* obraz;
        tf_CDas_Surface* wrapper;
        bool owned;
    };
    std::vector<Made> made;
    std::map<const Fazy*, std::shared_ptr<std::vector<tf_TFAZA>>> lists;  // one per recorded list
    for (const ObjektPtr& z : s.objekty) {
        auto* o = new CHerec();
        state_of(*o) = state_of(*z);
        o->vlastni = false;
        if (z->obraz) {
            auto m = std::find_if(made.begin(), made.end(), [&](const Made& e) { return e.obraz == z->obraz.get(); });
            if (m == made.end()) m = made.insert(made.end(), Made{z->obraz.get(), z->obraz->make(), false});
            o->srf = m->wrapper;
            o->vlastni = z->vlastni && !m->owned;  // one owner, whatever the record says
            m->owned = m->owned || o->vlastni;
        }
        auto& list = lists[z->fazy.get()];
        if (!list) list = std::make_shared<std::vector<tf_TFAZA>>(z->fazy->v);
        o->ZdielajFazy(list);
        o->text = z->text;
        o->text_obraz = z->text_obraz;
        REG.Add(o);
    }
    // A wrapper must have an owner or it would never be freed: its first user takes it.
    for (const Made& m : made)
        for (int i = 0; !m.owned && i < REG.count; ++i)
            if (CHerec* o = REG_Objekt(i); o->srf == m.wrapper) {
                o->vlastni = true;
                break;
            }

    // A picture whose book was renamed since is found again by its name in the book's list.
    const char* path = s.has_background ? s.background.c_str() : nullptr;
    if (path && !tf_FSI_Existuje_sub(path))
        if (const char* found = PX_Cesta_obrazka(utl_duir_Pozadia, tf_FSI_Vystrihni_meno(path))) path = found;
    const bool other_picture = !same_text(path, background_path);
    if (other_picture) {
        free(background_path);
        background_path = path ? strdup(path) : nullptr;
    }
    if (other_picture || background_mode != s.mode) {
        background_mode = s.mode;
        PRIPRAV_POZADIE(other_picture);
    }
    if (with_running) running = s.running;
    if (!rovnaky_zvuk(s.zvuk, PX_Narracia_Zachyt())) PX_Narracia_Obnov(s.zvuk);  // else it plays on
}

size_t PX_Snimka_Pamat() {
    std::vector<IDirectDrawSurface*> shown;
    std::vector<const PX_TextObraz*> shown_texts;
    for (int i = 0; i < REG.count; ++i) {
        if (CHerec* o = REG_Objekt(i); o && o->srf) shown.push_back(o->srf->lpDDS);
        if (CHerec* o = REG_Objekt(i); o && o->text_obraz) shown_texts.push_back(o->text_obraz.get());
    }
    size_t bytes = kept_bytes;
    for (const auto& [key, obraz] : text_pictures)
        if (auto p = obraz.lock(); p && std::find(shown_texts.begin(), shown_texts.end(), key) == shown_texts.end())
            bytes += p->obraz.px.size() * sizeof(uint32_t);
    for (const auto& [surface, obraz] : pictures)
        if (ObrazPtr p = obraz.lock(); p && std::find(shown.begin(), shown.end(), surface) == shown.end())
            bytes += p->pixel_bytes;
    // The page's own narration and background sound are the page's, not the history's.
    for (const auto& [sound, kept] : sounds)
        if (const auto p = kept.lock(); p && p != px_narracia.hlas && p != px_narracia.pozadie_zvuk)
            bytes += p->samples.size() * sizeof(int16_t);
    return bytes;
}
