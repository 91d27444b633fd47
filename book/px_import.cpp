// Importing pictures into a book: each file's header checked first, then each picture
// decoded, scaled, coloured and laid out, named and written; all of it taken back when
// anything fails.
#include "book/px_import.h"

#include <algorithm>
#include <cmath>

#include "book/px_import_meno.h"
#include "book/px_import_obraz.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "platform/bmp.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
const char* const SRC = "PX_IMPORT";

// One picture to make, from one file (or, for an actor, several).
struct Uloha {
    PX_Druh druh;
    std::vector<std::string> subory;
    std::vector<plat_PictureInfo> info;
};

// What the import wrote so far, to be taken back when a later step fails.
class Zapisane {
public:
    bool Priecinok(const std::string& cesta) {
        if (tf_FSI_ExistsFolder(cesta.c_str())) return true;
        if (!CreateDirectoryA(cesta.c_str(), nullptr)) return false;
        priecinky_.push_back(cesta);
        return true;
    }
    bool Subor(const std::string& cesta, const void* data, size_t size) {
        if (!plat_WriteFileAtomic(cesta.c_str(), data, size)) return false;
        subory_.push_back(cesta);
        return true;
    }
    void Vrat() {
        for (auto s = subory_.rbegin(); s != subory_.rend(); ++s) DeleteFileA(s->c_str());
        for (auto p = priecinky_.rbegin(); p != priecinky_.rend(); ++p) RemoveDirectoryA(p->c_str());
    }

private:
    std::vector<std::string> subory_, priecinky_;
};

std::string cp_nazov(const std::string& host) {
    return plat_Cp1250FromHostName(host.substr(host.rfind('/') + 1).c_str());
}

// The scale that fits the largest frame into the box and the file into the BMP reader's
// limits; 0 when even a one-pixel frame would not fit.
double mierka(PX_Druh druh, int n, int w, int h, int box_sir, int box_vys) {
    double s = std::min({1.0, static_cast<double>(box_sir) / w, static_cast<double>(box_vys) / h});
    for (;; s *= 0.9) {
        const int nw = std::max(1, static_cast<int>(std::lround(w * s))),
                  nh = std::max(1, static_cast<int>(std::lround(h * s)));
        int sir = 0, vys = 0;
        PX_IMPORT_RozmerHarku(druh, n, nw, nh, &sir, &vys);
        if (PX_IMPORT_Citatelny(sir, vys)) return s;
        if (nw == 1 && nh == 1) return 0;
    }
}

// The frames of the task's files, scaled and in RGB565; false (with the fault) when a file
// gave no picture after all.
bool snimky(const Uloha& u, double s, std::vector<PX_Obraz>* out, PX_ImportVysledok* v, PX_ImportObrazok* o) {
    for (const std::string& cesta : u.subory) {
        plat_Picture p = plat_LoadPicture(cesta, s);
        if (p.info.fault != plat_PictureFault::NONE) {
            v->chyba = PX_ImportChyba::OBRAZOK;
            v->subor = cesta;
            v->obrazok = p.info;
            return false;
        }
        const size_t n = u.druh == PX_DRUH_HEREC ? p.frames.size() : 1;
        o->len_prva = o->len_prva || n < p.frames.size();
        o->viac_snimok = o->viac_snimok || (u.druh == PX_DRUH_HEREC && p.info.moreFrames);
        for (size_t i = 0; i < n; ++i) {
            out->push_back(PX_IMPORT_Na565(p.frames[i], p.w, p.h, u.druh != PX_DRUH_POZADIE));
            std::vector<uint8_t>().swap(p.frames[i]);
        }
    }
    return true;
}

// The task's picture file (and phases file) made; false with the reason in *v.
bool urob(const Uloha& u, int strana_sir, int strana_vys, PX_Harok* h, PX_ImportObrazok* o, PX_ImportVysledok* v) {
    int w = 0, vys = 0, n = 0;
    for (const plat_PictureInfo& i : u.info) {
        w = std::max(w, i.w);
        vys = std::max(vys, i.h);
        n += u.druh == PX_DRUH_HEREC ? i.frames : 1;
    }
    const bool cela = u.druh == PX_DRUH_POZADIE;
    const double s = mierka(u.druh, n, w, vys, cela ? strana_sir : strana_sir / 2, cela ? strana_vys : strana_vys / 2);
    if (s <= 0) {
        v->chyba = PX_ImportChyba::VELKY_HAROK;
        return false;
    }
    std::vector<PX_Obraz> f;
    if (!snimky(u, s, &f, v, o)) return false;
    o->druh = u.druh;
    o->zdroj_sir = w;
    o->zdroj_vys = vys;
    for (const PX_Obraz& obraz : f) {
        o->sir = std::max(o->sir, obraz.sir);
        o->vys = std::max(o->vys, obraz.vys);
    }
    o->fazy = static_cast<int>(f.size());
    if (u.druh == PX_DRUH_POZADIE) {
        *h = PX_IMPORT_HarokPozadia(f[0]);
    } else {
        const PX_Kluce k = PX_IMPORT_Kluce(f, u.druh == PX_DRUH_HEREC);
        o->posunute = k.posunute;
        *h = u.druh == PX_DRUH_KULISA ? PX_IMPORT_HarokKulisy(f[0], k.kluc) : PX_IMPORT_HarokHerca(f, k.kluc, k.okraj);
    }
    // A file that grew since its header was read could make a sheet the reader refuses.
    if (!PX_IMPORT_Citatelny(h->sir, h->vys)) v->chyba = PX_ImportChyba::VELKY_HAROK;
    return v->ok();
}

// The files of the picture, under a free name; false with the reason in *v.
bool zapis(const char* kniha, const PX_Harok& h, PX_ImportObrazok* o, std::vector<std::string>* vzate, Zapisane* z,
           PX_ImportVysledok* v) {
    const std::string priecinok = std::string(kniha) + "\\" + PX_IMPORT_Priecinok(o->druh);
    v->priecinok = priecinok;
    if (!z->Priecinok(priecinok)) return false;
    o->meno = PX_IMPORT_VolneMeno(priecinok, o->meno, *vzate);
    vzate->push_back(o->meno);
    o->bmp = priecinok + "\\" + o->meno + ".bmp";
    // The phases file first: a picture in the list is there whole, phases and all.
    if (o->druh == PX_DRUH_HEREC) {
        o->faz = priecinok + "\\" + o->meno + ".faz";
        if (!z->Subor(o->faz, h.fazy.data(), h.fazy.size())) return false;
    }
    const std::vector<uint8_t> bmp =
        plat_EncodeBmp(reinterpret_cast<const uint8_t*>(h.px.data()), 2 * h.sir, h.sir, h.vys);
    if (!z->Subor(o->bmp, bmp.data(), bmp.size())) return false;
    TF_LOG("PX_IMPORT: zapisany obrazok", o->bmp.c_str());
    return true;
}

std::vector<Uloha> ulohy(std::vector<std::string> subory, PX_Druh druh) {
    std::stable_sort(subory.begin(), subory.end(), [](const std::string& a, const std::string& b) {
        return plat_NaturalLess(cp_nazov(a).c_str(), cp_nazov(b).c_str());
    });
    std::vector<Uloha> u;
    for (const std::string& s : subory) {
        if (u.empty() || druh != PX_DRUH_HEREC) u.push_back({druh, {}, {}});
        u.back().subory.push_back(s);
    }
    return u;
}

// Every file's header, before anything is decoded or written; false with the fault.
bool skontroluj(std::vector<Uloha>& u, PX_ImportVysledok* v) {
    for (Uloha& a : u)
        for (const std::string& s : a.subory) {
            a.info.push_back(plat_ProbePicture(s));
            if (a.info.back().fault == plat_PictureFault::NONE) continue;
            v->chyba = PX_ImportChyba::OBRAZOK;
            v->subor = s;
            v->obrazok = a.info.back();
            return false;
        }
    return true;
}

}  // namespace

const char* PX_IMPORT_Priecinok(PX_Druh druh) {
    return druh == PX_DRUH_POZADIE ? "Pozadia" : druh == PX_DRUH_KULISA ? "Kulisy" : "Herci";
}

PX_Druh PX_IMPORT_Navrh(const std::vector<std::string>& subory, int strana_sir, int strana_vys) {
    if (subory.size() > 1) return PX_DRUH_HEREC;
    if (subory.empty()) return PX_DRUH_KULISA;
    const plat_PictureInfo i = plat_ProbePicture(subory[0]);
    if (i.fault != plat_PictureFault::NONE) return PX_DRUH_KULISA;
    if (i.frames > 1) return PX_DRUH_HEREC;
    return 2 * i.w >= strana_sir && 2 * i.h >= strana_vys ? PX_DRUH_POZADIE : PX_DRUH_KULISA;
}

PX_ImportVysledok PX_IMPORT_Subory(const char* kniha, const std::vector<std::string>& subory, PX_Druh druh,
                                   int strana_sir, int strana_vys) {
    PX_ImportVysledok v;
    if (subory.empty()) {
        v.chyba = PX_ImportChyba::ZIADNY_SUBOR;
        return v;
    }
    if (!kniha || !*kniha || !tf_FSI_ExistsFolder(kniha)) {
        v.chyba = PX_ImportChyba::KNIHA;
        v.priecinok = kniha ? kniha : "";
        return v;
    }
    std::vector<Uloha> u = ulohy(subory, druh);
    if (!skontroluj(u, &v)) return v;
    Zapisane z;
    std::vector<std::string> vzate;
    for (const Uloha& a : u) {
        PX_Harok h;
        PX_ImportObrazok o;
        o.meno = PX_IMPORT_Meno(a.subory[0]);
        const bool urobene = urob(a, std::max(strana_sir, 2), std::max(strana_vys, 2), &h, &o, &v);
        if (urobene && !zapis(kniha, h, &o, &vzate, &z, &v)) {
            TF_LOG(TF_LOG_ERR, "PX_IMPORT: do knihy sa neda zapisat");
            TF_LOG("priecinok:", v.priecinok.c_str());
            v.chyba = PX_ImportChyba::ZAPIS;
        }
        if (!v.ok()) {
            z.Vrat();
            v.obrazky.clear();
            return v;
        }
        v.obrazky.push_back(o);
    }
    return v;
}
