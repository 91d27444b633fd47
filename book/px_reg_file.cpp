// The page file (SAVE_REG, RELOAD_REG).
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>
#include <unordered_set>
#include <utility>
#include <vector>

#include "book/px_herec.h"
#include "book/px_narracia.h"
#include "book/px_pozadie.h"
#include "book/px_reg.h"
#include "book/px_stav.h"
#include "book/px_text.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
const char* const SRC = "PX_REG";

// A name of one of our pictures is never longer.
constexpr size_t MAX_NAME = 227;
constexpr int MAX_DELAY = 128;
const char* skip_space(const char* s) {
    while (*s && isspace(static_cast<unsigned char>(*s))) ++s;
    return s;
}

struct PageLine {
    char type = 0;
    std::string name;
    int x = 0, y = 0, motion = 0, edge = 0, delay = 0;
};

// "%c %s %i %i %i %i %i"; false (logged) for a name too long to be one of ours.
bool parse_page_line(const std::string& line, PageLine& l) {
    l.type = line[0];
    const char* s = skip_space(line.c_str() + 1);
    const char* end = s;
    while (*end && !isspace(static_cast<unsigned char>(*end))) ++end;
    if (static_cast<size_t>(end - s) > MAX_NAME) {
        TF_LOG("RELOAD_REG: Chyba, prilis dlhy nazov, riadok vynechany", static_cast<int>(end - s));
        return false;
    }
    l.name.assign(s, end);
    int v[5] = {0, 0, 0, 0, 0};
    PX_Citaj_cisla(end, v, 5);
    l.x = v[0];
    l.y = v[1];
    l.motion = v[2];
    l.edge = v[3];
    l.delay = std::clamp(v[4], 0, MAX_DELAY);
    return true;
}

// The names of the pictures a page names that its book lacks or cannot read, each once, in the
// page's order.
class Missing {
public:
    explicit Missing(std::vector<std::string>* names) : names_(names) {
        if (names_) seen_.insert(names_->begin(), names_->end());
    }
    void Add(const std::string& name) {
        if (names_ && seen_.insert(name).second) names_->push_back(name);
    }

private:
    std::vector<std::string>* names_;
    std::unordered_set<std::string> seen_;
};

// The picture's path as PX_Cesta_obrazka finds it; a name the book has no picture of is missing.
const char* asset_path(tf_UTL_CDUIR_THMFILE* list, const std::string& name, Missing& missing) {
    const char* path = PX_Cesta_obrazka(list, name);
    if (!path && list && !name.empty()) missing.Add(name);
    return path;
}

void set_background_path(const char* path) {
    char* copy = path ? strdup(path) : nullptr;
    free(background_path);
    background_path = copy;
}

// A line without a motion or an edge takes the kind's motion and bouncing edges.
std::pair<int, int> motion_and_edge(const PageLine& l, int kind_motion) {
    if (l.motion == 0 || l.edge == 0) return {kind_motion, PX_EDGE_BOUNCE};
    return {l.motion, l.edge};
}

// An object added from index `before` on whose picture could not be read is missing too.
void note_unreadable(int before, const std::string& name, Missing& missing) {
    const CHerec* o = REG_Objekt(before);
    if (o && (!o->srf || !o->srf->lpDDS)) missing.Add(name);
}

void apply_page_line(const PageLine& l, Missing& missing) {
    const int before = REG.count;
    switch (l.type) {
    case 'p': {
        const char* path = asset_path(utl_duir_Pozadia, l.name, missing);
        set_background_path(path);
        if (path) TF_LOG("  [p]", path);
        if (l.x >= PX_BG_NO && l.x <= PX_BG_TILE) background_mode = l.x;
        PRIPRAV_POZADIE(true);
        if (path && background_surface && !background_surface->lpDDS) missing.Add(l.name);
        TF_LOG("    p-OK");
        break;
    }
    case 'k': {
        const auto [motion, edge] = motion_and_edge(l, PX_MOTION_HORIZONTAL);
        if (const char* path = asset_path(utl_duir_Kulisy, l.name, missing)) {
            TF_LOG("  [k]", path);
            PRIDAJ_KULISU(path, l.x, l.y, motion, edge);  // a prop's delay is not kept
            note_unreadable(before, l.name, missing);
            TF_LOG("   k-OK");
        }
        break;
    }
    case PX_RIADOK_ZVUK:
        PX_Narracia_Zo_riadku(l.name.c_str());  // read with the page's narration, beside it
        break;
    case 'h': {
        const auto [motion, edge] = motion_and_edge(l, PX_MOTION_NERVOUS);
        if (const char* path = asset_path(utl_duir_Herci, l.name, missing)) {
            TF_LOG("  [h]", path);
            PRIDAJ_HERCA(path, l.x, l.y, motion, edge, l.delay);
            note_unreadable(before, l.name, missing);
            TF_LOG("   h-OK");
        }
        break;
    }
    default:
        break;
    }
}

void apply_text_line(const std::string& line) {
    const auto r = PX_Text_Citaj(line);
    if (!r) return;
    const int i = PRIDAJ_TEXT(r->t, r->x, r->y);
    CHerec* o = REG_Objekt(i);
    if (!o) return;
    PageLine l;
    l.motion = r->motion;
    l.edge = r->edge;
    std::tie(o->motion, o->edge) = motion_and_edge(l, PX_MOTION_STILL);
    TF_LOG("   t-OK");
}

void empty_page() {
    VYMAZ_REG();
    set_background_path(nullptr);
    PRIPRAV_POZADIE(true);
    PX_Narracia_Zo_riadku(nullptr);
}

}  // namespace

// The full path of the picture the book's asset list shows under the name, or null. A name
// the book has no picture of (one deleted or renamed beside the program) is logged.
const char* PX_Cesta_obrazka(tf_UTL_CDUIR_THMFILE* list, const std::string& name) {
    if (!list || name.empty()) return nullptr;
    tf_TVOLBAR* row = list->VratVolbu__podla_textu(name.c_str());
    // As Windows compares file names: a page made on another machine may spell a picture in
    // another case than the disk here does.
    for (int i = 0; !row && i < list->CountR(); ++i)
        if ((*list)[i]->text && plat_Cp1250EqualNoCase((*list)[i]->text, name.c_str())) row = (*list)[i];
    if (row && row->data) return static_cast<const char*>(row->data);
    TF_LOG("RELOAD_REG: obrazok v knihe nie je", name.c_str());
    return nullptr;
}

// The page file's text: the background line, then one line per object with a picture.
std::string PX_Text_strany() {
    std::string text;
    if (background_path)
        text += "p " + tf_FSI_Vystrihni_meno(background_path) + " " + std::to_string(background_mode) + "\n";
    const std::vector<int> poradie = PX_Poradie_zapisu();
    for (int i = 0; i < REG.count; ++i) {
        auto* o = static_cast<CHerec*>(REG.GET(i));
        if (!o) continue;
        TF_LOG("Das->eui", o->eui());
        if (o->eui() == PX_TEXT && o->text) {
            if (PX_Text_Prazdny(o->text->text)) continue;  // one still being written, left empty
            const int ciel = REG_Objekt(o->text->ciel) ? poradie[size_t(o->text->ciel)] : -1;
            text += PX_Text_Riadok(*o->text, o->x, o->y, o->motion, o->edge, ciel);
            continue;
        }
        if (!o->srf || !o->srf->subor_nazov) {
            TF_LOG("SAVE_REG: objekt bez obrazka vynechany", i);
            continue;
        }
        const char type = o->eui() == PX_PROP ? 'k' : o->eui() == PX_ACTOR ? 'h' : '?';
        const std::string name = tf_FSI_Vystrihni_meno(o->srf->subor_nazov);
        text += std::string(1, type) + " " + name;
        for (int v : {o->x, o->y, o->motion, o->edge, o->phase_delay}) text += " " + std::to_string(v);
        text += "\n";
    }
    return text + PX_Narracia_Riadok();
}

bool SAVE_REG(const char* path) {
    TF_LOG("====================== SAVE_REG BEG =============================");
    const std::string text = PX_Text_strany();
    // Written whole or not at all: a failure leaves the old page as it was.
    const bool ok = path && plat_WriteFileAtomic(path, text.data(), text.size());
    if (!ok) TF_LOG(TF_LOG_ERR, "SAVE_REG: Chyba, subor strany sa neda zapisat");
    if (!ok && path) TF_LOG("SAVE_REG: subor", path);
    TF_LOG("====================== SAVE_REG END =============================");
    return ok;
}

bool RELOAD_REG(const char* path, std::vector<std::string>* missing_names) {
    plat_TextFile file(path, PLAT_PAGE_TEXT);
    if (!file.IsOpen()) {
        TF_LOG("RELOAD_REG: Chyba, subor strany sa neda citat", path ? path : "");
        empty_page();  // never the previous page's objects under this page's number
        return false;
    }
    TF_LOG("====================== RELOAD_REG BEG =============================");
    empty_page();
    Missing missing(missing_names);
    std::vector<int> objects;  // what each object line became, for the bubbles' objects
    std::string line;
    for (plat_TextFile::Read r; (r = file.Next(&line)) != plat_TextFile::END;) {
        if (r == plat_TextFile::LIMIT) {
            TF_LOG("RELOAD_REG: Chyba, subor dlhsi ako 1024 riadkov alebo 1 MB, zvysok vynechany", path);
            break;
        }
        TF_LOG("-------------------");
        if (r == plat_TextFile::TOO_LONG) {
            TF_LOG("RELOAD_REG: Chyba, riadok dlhsi ako 399 znakov vynechany");
            continue;
        }
        TF_LOG("RELOAD_REG: riadok", line.c_str());
        if (line.empty()) continue;
        const int before = REG.count;
        PageLine l;
        if (line[0] == PX_RIADOK_TEXTU)
            apply_text_line(line);
        else if (parse_page_line(line, l))
            apply_page_line(l, missing);
        if (strchr("kh", line[0]) || line[0] == PX_RIADOK_TEXTU) objects.push_back(REG.count > before ? before : -1);
    }
    PX_Texty_Po_nacitani(objects);
    TF_LOG("====================== RELOAD_REG END =============================");
    return true;
}
