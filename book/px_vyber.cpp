// The picker: what the folder shown holds (its folders, and its pictures or book files), the
// places to start from, and the files chosen, kept while the editor runs.
#include "book/px_vyber.h"

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "book/px_archiv.h"
#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "framework/core/tf_log.h"
#include "framework/widgets/tf_duir.h"
#include "platform/codepage.h"
#include "platform/host_folders.h"

namespace {
const char SRC[] = "PX_VYBER";
enum { PRIJAT = 1, HORE = 2, DOMOV = 3, MIESTO = 4, PRVA = 100 };  // MIESTO + k: a place to start from
const char* const PRIPONY[] = {".png", ".jpg", ".jpeg", ".gif", ".bmp", ".webp"};

enum class Druh { OBRAZKY, KNIHY, PRIECINOK };

struct Vyber {
    Druh druh = Druh::OBRAZKY;  // what it lists beside the folders
    std::string priecinok;  // the folder shown, a host path; "" before the first opening
    std::vector<plat_HostEntry> polozky;  // its folders and pictures, as listed
    std::vector<std::string> miesta;      // the places of its kind to start from
    std::set<std::string> zvolene;        // host paths of the files chosen
    std::function<void(const std::string&)> uloz;  // takes the folder chosen to save into
} vyber;

// The files the picker lists: pictures, book files, or none when a folder is chosen.
bool ukazuje(const std::string& name) {
    if (vyber.druh == Druh::PRIECINOK) return false;
    if (vyber.druh == Druh::KNIHY) return PX_Je_archiv(name);
    std::string lower;
    for (char c : name) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    for (const char* p : PRIPONY)
        if (lower.size() > strlen(p) && lower.ends_with(p)) return true;
    return false;
}

std::string cesta(const std::string& folder, const std::string& name) {
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

std::string rodic(const std::string& folder) {
    const size_t slash = folder.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? "/" : folder.substr(0, slash);
}

std::string meno(const std::string& folder) {
    return folder == "/" ? "/" : folder.substr(folder.find_last_of('/') + 1);
}

// A host name as the program's text: a character it cannot show becomes "?".
std::string ukaz(const std::string& name) { return plat_Cp1250FromHostName(name.c_str()); }

// The folder's folders and pictures; false (the author told) when it cannot be read: the folder
// shown stays.
bool precitaj(const std::string& folder) {
    std::vector<plat_HostEntry> all;
    if (!plat_ListHostFolder(folder, ukazuje, &all)) {
        TF_LOG(TF_LOG_ERR, "Priecinok sa neda citat");
        TF_LOG("priecinok:", folder.c_str());
        PX_Chyba((plat_W1250(u8"[Priečinok sa nedá otvoriť: ") + ukaz(meno(folder)) + "]").c_str());
        return false;
    }
    vyber.priecinok = folder;
    vyber.polozky = std::move(all);
    return true;
}

void napln() {
    tf_CDUIR& l = *px_editor->vyber;
    l.VYMAZ();
    if (vyber.druh == Druh::PRIECINOK)
        l.PRIDAJ(PRIJAT, (plat_W1250(u8"» Uložiť sem: ") + ukaz(meno(vyber.priecinok))).c_str());
    else if (!vyber.zvolene.empty())
        l.PRIDAJ(PRIJAT,
                 (plat_W1250(u8"» Importovať vybrané (") + std::to_string(vyber.zvolene.size()) + ")").c_str());
    const std::string home = plat_HomeFolder();
    if (!home.empty() && vyber.priecinok != home) l.PRIDAJ(DOMOV, plat_W1250(u8"» Domov"));
    for (size_t k = 0; k < vyber.miesta.size(); ++k)
        if (vyber.miesta[k] != vyber.priecinok)
            l.PRIDAJ(MIESTO + static_cast<int>(k), (plat_W1250(u8"» ") + ukaz(meno(vyber.miesta[k]))).c_str());
    if (vyber.priecinok != "/") l.PRIDAJ(HORE, ("[..] " + ukaz(meno(rodic(vyber.priecinok)))).c_str());
    for (size_t i = 0; i < vyber.polozky.size(); ++i) {
        const plat_HostEntry& e = vyber.polozky[i];
        const bool zvoleny = vyber.zvolene.count(cesta(vyber.priecinok, e.name)) > 0;
        const std::string text = e.folder ? "[" + ukaz(e.name) + "]" : (zvoleny ? "\x95 " : "   ") + ukaz(e.name);
        l.PRIDAJ(PRVA + static_cast<int>(i), text.c_str());
    }
    l.zamknute = false;
    l.RESET_GEOMETRIER();
}

void chod(const std::string& folder) {
    if (precitaj(folder)) napln();
}

std::vector<std::string> miesta(Druh druh) {
    if (druh == Druh::PRIECINOK) return plat_SaveFolders();
    return druh == Druh::KNIHY ? std::vector<std::string>{plat_DocumentsFolder()} : plat_PictureFolders();
}

// Opens at x, y, listing the folder shown the last time for the same kind of files, else the
// first of the places.
void otvor(Druh druh, int x, int y) {
    PX_CloseLists();
    if (druh != vyber.druh) {  // another kind of files: from its first place, nothing chosen
        vyber = {};
        vyber.druh = druh;
    }
    vyber.miesta = miesta(druh);
    const std::string start = !vyber.miesta.empty() && !vyber.miesta[0].empty() ? vyber.miesta[0] : plat_HomeFolder();
    if (start.empty()) return PX_Chyba(plat_W1250(u8"[Domovský priečinok sa nenašiel]"));
    // The folder shown the last time, else (gone since) where the picker starts.
    if ((vyber.priecinok.empty() || !precitaj(vyber.priecinok)) && !precitaj(start)) return;
    napln();
    px_editor->vyber->CHOD_NA_OBRAZOVKU(x, y);
    px_editor->vyber->popup = false;  // a click browses on: it does not close the list
    px_editor->vyber->zivy = true;
}
}  // namespace

tf_CDUIR* PX_Vyber_Vytvor(HFONT font) {
    vyber = {};  // an editor starts in the pictures folder with nothing chosen
    auto* l = new tf_CDUIR("duir_VYBER");
    l->zivy = false;
    l->font = font;
    l->Nastav_Konstanty(24, 26, 300, 5);
    l->SetTextMode("LC");  // names read from their start, as in a file manager
    l->text_okraj = 10;
    l->max_viditelnych = 14;
    return l;
}

void PX_OpenPicker() {
    tf_CDUI& bar = px_editor->dui_M;
    for (int i = 0; i < bar.volby.count; ++i)
        if (const auto* v = static_cast<const tf_TVOLBA*>(bar.volby.GET(i)); v->hodnota == PX_ID_IMPORT)
            otvor(Druh::OBRAZKY, v->obdlz.left, v->obdlz.bottom);
}

void PX_OpenBookPicker(int x, int y) { otvor(Druh::KNIHY, x, y); }

void PX_OpenFolderPicker(int x, int y, std::function<void(const std::string& folder)> uloz) {
    otvor(Druh::PRIECINOK, x, y);
    vyber.uloz = std::move(uloz);
}

void PX_Vyber_Stlacenie(int x, int y) {
    tf_CDUIR& l = *px_editor->vyber;
    int w = 0, h = 0;
    l.GetSize(&w, &h);
    if (l.zivy && (x < l.x || x >= l.x + w || y < l.y || y >= l.y + h)) l.zivy = false;
}

void PX_ChoosePicker(int id) {
    if (id == PRIJAT && vyber.druh == Druh::PRIECINOK) {
        const auto uloz = vyber.uloz;
        const std::string priecinok = vyber.priecinok;
        PX_CloseLists();
        return uloz(priecinok);
    }
    if (id == PRIJAT) {
        const std::vector<std::string> files(vyber.zvolene.begin(), vyber.zvolene.end());
        // Pictures wait for a page to go on, told why; books go anywhere.
        if (vyber.druh == Druh::KNIHY || (current_book != -1 && current_page != -1)) vyber.zvolene.clear();
        PX_CloseLists();
        return PX_ImportDrop(files);
    }
    if (id == HORE) return chod(rodic(vyber.priecinok));
    if (id == DOMOV) return chod(plat_HomeFolder());
    if (id >= MIESTO && id < PRVA && size_t(id - MIESTO) < vyber.miesta.size())
        return chod(vyber.miesta[size_t(id - MIESTO)]);
    if (id < PRVA || size_t(id - PRVA) >= vyber.polozky.size()) return;
    const plat_HostEntry e = vyber.polozky[size_t(id - PRVA)];
    const std::string path = cesta(vyber.priecinok, e.name);
    if (e.folder) return chod(path);
    if (!vyber.zvolene.erase(path)) vyber.zvolene.insert(path);
    napln();
}
