// The page's background sound: the book's sounds, the page file's line, and undo's view of
// the page's sound.
#include <cctype>
#include <cstring>

#include "book/px_narracia.h"
#include "book/px_stav.h"
#include "framework/core/tf_arre.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"
#include "platform/voice.h"

namespace {
const char SRC[] = "PX_NARRACIA";

// The longest name the page reader takes.
constexpr size_t MAX_NAZOV = 227;

std::string priecinok(const char* book_path) {
    std::string dir = book_path ? book_path : "";
    if (!dir.empty() && dir.back() != '\\') dir += '\\';
    return dir;
}

bool zvukova_pripona(const char* name) {
    const char* dot = strrchr(name, '.');
    if (!dot) return false;
    for (const char* ext : {".wav", ".ogg", ".oga", ".flac", ".aif", ".aiff"})
        if (plat_Cp1250EqualNoCase(dot, ext)) return true;
    return false;
}

// A name the page file can hold as one field: no spaces, not too long, a plain file name.
bool zapisatelny(const char* name) {
    if (!name || !*name || strlen(name) > MAX_NAZOV || !tf_FSI_Pouzitelny_nazov(name)) return false;
    for (const char* c = name; *c; ++c)
        if (isspace(static_cast<unsigned char>(*c))) return false;
    return true;
}

// The sound `name` of the book folder `dir`, or null with the reason in `chyba`.
std::shared_ptr<const plat_Sound> precitaj(const std::string& dir, const std::string& name) {
    const std::string path = dir + PX_ZVUKY + "\\" + name;
    auto zvuk = std::make_shared<plat_Sound>();
    const plat_SoundError e = plat_ReadSoundFile(path.c_str(), PX_ZVUK_MAX_SEKUND, 2, zvuk.get());
    if (e == PLAT_SOUND_OK) return zvuk;
    px_narracia.chyba = std::string(plat_W1250(u8"Zvuk ")) + name + ": " + plat_SoundErrorText(e);
    TF_LOG(TF_LOG_ERR, px_narracia.chyba.c_str());
    TF_LOG("subor:", path.c_str());
    return nullptr;
}

void nastav_zvuk(std::shared_ptr<const plat_Sound> zvuk) {
    px_narracia.pozadie_zvuk = zvuk;
    plat_Voice_Set(PLAT_VOICE_BACKGROUND, std::move(zvuk));
}
}  // namespace

bool PX_Narracia_Nahraj_pozadie(const std::string& book_dir) {
    if (px_narracia.pozadie.empty()) {
        nastav_zvuk(nullptr);
        return true;
    }
    // An unreadable sound keeps its name: the page's line stays for when the file is mended.
    nastav_zvuk(precitaj(book_dir, px_narracia.pozadie));
    return px_narracia.pozadie_zvuk != nullptr;
}

std::vector<std::string> PX_Zvuky_knihy(const char* book_path) {
    std::vector<std::string> names;
    const std::string dir = priecinok(book_path) + PX_ZVUKY;
    tf_CARRE found(0, 0, 2);
    tf_FSI_Zisti_SubAdr(dir.c_str(), "*.*", 0, false, &found);
    for (int i = 0; i < found.count; ++i) {
        const char* name = static_cast<const char*>(found[i]);
        if (zapisatelny(name) && zvukova_pripona(name)) names.emplace_back(name);
    }
    found.UVOLNI_char();
    return names;
}

bool PX_Narracia_Nastav_pozadie(const char* book_path, const char* name) {
    std::shared_ptr<const plat_Sound> zvuk;
    if (name && *name) {
        if (!zapisatelny(name)) {
            px_narracia.chyba = plat_W1250(u8"Názov zvuku sa nedá uložiť so stranou");
            TF_LOG(TF_LOG_ERR, px_narracia.chyba.c_str());
            return false;
        }
        if (!(zvuk = precitaj(priecinok(book_path), name))) return false;
    }
    px_narracia.pozadie = zvuk ? name : "";
    nastav_zvuk(std::move(zvuk));
    if (px_narracia.hra) plat_Voices_Play(PLAT_VOICE_BACKGROUND);
    dirty = true;
    return true;
}

std::string PX_Narracia_Riadok() {
    if (px_narracia.pozadie.empty()) return "";
    return std::string(1, PX_RIADOK_ZVUK) + " " + px_narracia.pozadie + "\n";
}

void PX_Narracia_Zo_riadku(const char* name) {
    px_narracia.pozadie = name ? name : "";
    nastav_zvuk(nullptr);
}

PX_Narracia_Stav PX_Narracia_Zachyt() {
    return {px_narracia.hlas, px_narracia.pozadie_zvuk, px_narracia.pozadie, px_narracia.zmenena};
}

void PX_Narracia_Obnov(const PX_Narracia_Stav& s) {
    PX_Narracia_Zastav();
    plat_Voice_Set(PLAT_VOICE_NARRATION, s.hlas);
    px_narracia.pozadie = s.pozadie;
    nastav_zvuk(s.pozadie_zvuk);
    // A narration other than the one now beside the page may differ from its file too (the
    // file may hold what was saved after `s` was taken): it is written again with the page.
    px_narracia.zmenena = px_narracia.zmenena || s.zmenena || s.hlas != px_narracia.hlas;
    px_narracia.hlas = s.hlas;
}
