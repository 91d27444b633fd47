// The recovery file: a header naming the book and the page (or, for a new page, the page
// before it) and the version of the page file the changes were made on, the page file's lines
// counted, and an end mark, so that a file cut short is told from a whole one:
//   pexlo-obnova 1 / kniha <folder> / strana <page file> (or nova <page file>) /
//   [zaklad <version>] / [hlas <samples>] / riadkov <n> / <n lines> / koniec
// An unsaved narration is kept beside it as a WAV ("hlas" counts its samples, so that a WAV of
// another state is told apart); "hlas 0" is a narration removed.
#include "book/px_obnova.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

#include "book/px_historia.h"
#include "book/px_ks.h"
#include "book/px_narracia.h"
#include "book/px_reg.h"
#include "book/px_sprava.h"
#include "book/px_stav.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/sound_file.h"

namespace {
const char SRC[] = "PX_OBNOVA";
const char PREFIX[] = ".pexlo-obnova-";
const char HLAVICKA[] = "pexlo-obnova 1";
const uint32_t PERIOD = 2000;  // ms: a kill loses at most about this

// Named when asked, not at start: an editor forked from another process is a process of its own.
const char STRANA[] = "strana.txt", HLAS[] = "hlas.wav";
std::string vlastny() { return plat_ProcessPrefix(PREFIX) + STRANA; }
std::string vlastny_hlas() { return plat_ProcessPrefix(PREFIX) + HLAS; }
// The narration's file beside a recovery file found.
std::string hlas_k(const std::string& subor) { return subor.substr(0, subor.size() - strlen(STRANA)) + HLAS; }

struct Zapis {
    std::string posledny;  // the state last handed to the writer
    uint32_t kedy = 0;
    bool subor = false;  // ours is on the disk (or on its way)
    std::shared_ptr<const plat_Sound> hlas;  // the narration last handed to the writer
} zapis;

// A file found at start, read and checked.
struct Najdeny {
    std::string subor, kniha, strana, zaklad, text;
    long hlas = -1;  // the samples of the narration kept beside; -1: the saved one
    bool nova = false;
    int book = -1, page = -1;
} najdeny;

std::string stav() {
    const bool nova = current_page == PX_NEW_PAGE;
    const struct_kniha_strana* ks = NAJDI_KS(current_book, nova ? prev_page : current_page);
    if (!ks) return "";
    const std::string text = PX_Text_strany();
    int lines = 0;
    for (char c : text) lines += c == '\n';
    const std::string zaklad = nova || PX_Verzia_strany().empty() ? "" : "zaklad " + PX_Verzia_strany() + "\n";
    const auto& h = px_narracia.hlas;
    const std::string hlas = px_narracia.zmenena ? "hlas " + std::to_string(h ? h->samples.size() : 0) + "\n" : "";
    return std::string(HLAVICKA) + "\nkniha " + ks->book_path + "\n" + (nova ? "nova " : "strana ") + ks->page_path +
           "\n" + zaklad + hlas + "riadkov " + std::to_string(lines) + "\n" + text + "koniec\n";
}

// The file's lines, each with its "\n"; empty for a file no writer of ours made (a line or
// the whole beyond PLAT_RECOVERY_TEXT).
std::string citaj(const std::string& path) {
    plat_TextFile f(path.c_str(), PLAT_RECOVERY_TEXT);
    std::string bytes, line;
    for (plat_TextFile::Read r; (r = f.Next(&line)) != plat_TextFile::END;) {
        if (r != plat_TextFile::LINE) return "";
        bytes += line + "\n";
    }
    return bytes;
}

bool po(const std::string& line, const char* key, std::string* rest) {
    if (line.rfind(key, 0) != 0) return false;
    *rest = line.substr(strlen(key));
    return !rest->empty();
}

// The file's parts, and the book and page it names in the catalogue; false when any is wrong.
bool rozober(const std::string& bytes, Najdeny* n) {
    std::istringstream in(bytes);
    std::string line, count;
    if (!std::getline(in, line) || line != HLAVICKA) return false;
    if (!std::getline(in, line) || !po(line, "kniha ", &n->kniha) || !std::getline(in, line)) return false;
    n->nova = po(line, "nova ", &n->strana);
    if ((!n->nova && !po(line, "strana ", &n->strana)) || !std::getline(in, line)) return false;
    if (po(line, "zaklad ", &n->zaklad) && !std::getline(in, line)) return false;
    if (po(line, "hlas ", &count) && !std::getline(in, line)) return false;
    n->hlas = count.empty() ? -1 : strtol(count.c_str(), nullptr, 10);
    if (!po(line, "riadkov ", &count)) return false;
    const long lines = strtol(count.c_str(), nullptr, 10);
    for (long i = 0; i < lines && i < 1024 && std::getline(in, line); ++i) n->text += line + "\n";
    if (!std::getline(in, line) || line != "koniec" || std::count(n->text.begin(), n->text.end(), '\n') != lines)
        return false;
    for (int i = 0; i < KS.count; ++i) {
        const auto* ks = static_cast<struct_kniha_strana*>(KS.GET(i));
        if (n->kniha == ks->book_path && n->strana == ks->page_path) n->book = ks->book_id, n->page = ks->page_id;
    }
    return n->book != -1;
}

void zabudni() {
    DeleteFileA(najdeny.subor.c_str());
    DeleteFileA(hlas_k(najdeny.subor).c_str());
    najdeny = {};
}

void zmaz_vlastne() {
    plat_DeleteFileLater(vlastny());
    plat_DeleteFileLater(vlastny_hlas());
}

// An unsaved narration goes to the disk before the state that counts its samples.
void zapis_hlas() {
    const auto& h = px_narracia.zmenena ? px_narracia.hlas : nullptr;
    if (h == zapis.hlas) return;
    if (!h) {
        plat_DeleteFileLater(vlastny_hlas());
    } else {
        const std::vector<uint8_t> wav = plat_EncodeSound(h->samples, 1, PLAT_MIX_RATE, PLAT_SOUND_WAV16);
        plat_WriteFileLater(vlastny_hlas(), std::string(wav.begin(), wav.end()));
    }
    zapis.hlas = h;
}

// The narration a recovery file kept (null for a narration removed); false when it is not whole.
bool precitaj_hlas(const Najdeny& n, std::shared_ptr<const plat_Sound>* hlas) {
    if (n.hlas <= 0) return true;
    auto h = std::make_shared<plat_Sound>();
    if (plat_ReadSoundFile(hlas_k(n.subor).c_str(), PX_ZVUK_MAX_SEKUND, 1, h.get()) != PLAT_SOUND_OK ||
        h->samples.size() != size_t(n.hlas))
        return false;
    *hlas = std::move(h);
    return true;
}
}  // namespace

void PX_Obnova_Tik(uint32_t now) {
    if (!dirty || current_book == -1 || current_page == -1) {
        if (zapis.subor) zmaz_vlastne();
        zapis = {};
        return;
    }
    if (zapis.subor && now - zapis.kedy < PERIOD) return;
    std::string text = stav();
    zapis.kedy = now;
    if (text.empty()) return;
    zapis_hlas();  // a new recording of the same length leaves the state's text as it was
    if (text == zapis.posledny) return;
    zapis.posledny = text;
    zapis.subor = true;
    plat_WriteFileLater(vlastny(), std::move(text));
}

void PX_Obnova_Ulozene() {
    if (!zapis.subor) return;
    zmaz_vlastne();
    plat_WaitForWrites();
    zapis = {};
}

void PX_Obnova_Koniec() {
    zmaz_vlastne();
    plat_WaitForWrites();
    zapis = {};
}

bool PX_Obnova_Najdi(std::string* popis) {
    najdeny = {};
    const std::vector<std::string> found = plat_FindLeftovers(".", PREFIX);
    for (const std::string& path : found) {
        if (!path.ends_with(STRANA)) {  // a narration goes with its recovery file, or alone
            const std::string strana = path.substr(0, path.size() - strlen(HLAS)) + STRANA;
            if (path.ends_with(HLAS) && std::find(found.begin(), found.end(), strana) == found.end())
                DeleteFileA(path.c_str());
            continue;
        }
        Najdeny n;
        n.subor = path;
        if (!rozober(citaj(path), &n)) {
            TF_LOG(TF_LOG_ERR, "Obnova: subor sa neda obnovit, odstraneny");
            TF_LOG("subor:", path.c_str());
            DeleteFileA(path.c_str());
            continue;
        }
        najdeny = n;
        const struct_kniha_strana* ks = NAJDI_KS(n.book, n.page);
        *popis = std::string(ks->book_name) + plat_W1250(n.nova ? u8", nová strana za stranou " : u8", strana ") +
                 ks->page_name;
        return true;
    }
    return false;
}

bool PX_Obnova_Obnov() {
    if (najdeny.book == -1) return false;
    const Najdeny n = najdeny;
    std::shared_ptr<const plat_Sound> hlas;
    const bool hlas_cely = precitaj_hlas(n, &hlas);  // before its file goes
    zabudni();
    VOLBA_KNIHY(n.book, false);
    VOLBA_STRANY(n.book, n.page);
    // A page saved after the changes were kept (by a save the kill cut short of removing this
    // file, or by another editor) is not saved over: the changes go beside it.
    if (!n.zaklad.empty()) PX_Nastav_verziu_strany(n.zaklad);
    if (n.nova) NOVA_STRANA(n.page);
    const std::string temp = plat_ProcessPrefix(PREFIX) + "obnova.str";
    const bool ok = plat_WriteFileAtomic(temp.c_str(), n.text.data(), n.text.size());
    PX_HIST_Zaznam(PX_UPRAVA_OBNOVA);
    if (ok) {
        RELOAD_REG(temp.c_str());
        // The page's line names its background sound; the sound itself is read from the book.
        const std::string page = NAJDI_KS(n.book, n.page)->page_path;
        PX_Narracia_Nahraj_pozadie(page.substr(0, page.find_last_of('\\') + 1));
        if (n.hlas >= 0 && hlas_cely) {  // the unsaved narration comes back unsaved
            PX_Narracia_Stav s = PX_Narracia_Zachyt();
            s.hlas = hlas;
            s.zmenena = true;
            PX_Narracia_Obnov(s);
        } else if (!hlas_cely) {
            TF_LOG(TF_LOG_ERR, "Obnova: neulozene rozpravanie sa nepodarilo obnovit");
            PX_Chyba(plat_W1250(u8"Neuložené rozprávanie strany sa nepodarilo obnoviť"));
        }
    }
    DeleteFileA(temp.c_str());
    if (!ok) TF_LOG(TF_LOG_ERR, "Obnova: stranu sa nepodarilo obnovit");
    dirty = ok;
    return ok;
}

void PX_Obnova_Zahod() {
    if (!najdeny.subor.empty()) TF_LOG("Obnova: zahodena", najdeny.subor.c_str());
    zabudni();
}
