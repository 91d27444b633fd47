// The recovery file: a header naming the book and the page (or, for a new page, the page
// before it) and the version of the page file the changes were made on, the page file's lines
// counted, and an end mark, so that a file cut short is told from a whole one:
//   pexlo-obnova 1 / kniha <folder> / strana <page file> (or nova <page file>) /
//   [zaklad <version>] / riadkov <n> / <n lines> / koniec
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
#include "book/px_stav.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
const char SRC[] = "PX_OBNOVA";
const char PREFIX[] = ".pexlo-obnova-";
const char HLAVICKA[] = "pexlo-obnova 1";
const uint32_t PERIOD = 2000;  // ms: a kill loses at most about this

// Named when asked, not at start: an editor forked from another process is a process of its own.
std::string vlastny() { return plat_ProcessPrefix(PREFIX) + "strana.txt"; }

struct Zapis {
    std::string posledny;  // the state last handed to the writer
    uint32_t kedy = 0;
    bool subor = false;  // ours is on the disk (or on its way)
} zapis;

// A file found at start, read and checked.
struct Najdeny {
    std::string subor, kniha, strana, zaklad, text;
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
    return std::string(HLAVICKA) + "\nkniha " + ks->book_path + "\n" + (nova ? "nova " : "strana ") + ks->page_path +
           "\n" + zaklad + "riadkov " + std::to_string(lines) + "\n" + text + "koniec\n";
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
    najdeny = {};
}
}  // namespace

void PX_Obnova_Tik(uint32_t now) {
    if (!dirty || current_book == -1 || current_page == -1) {
        if (zapis.subor) plat_DeleteFileLater(vlastny());
        zapis = {};
        return;
    }
    if (zapis.subor && now - zapis.kedy < PERIOD) return;
    std::string text = stav();
    zapis.kedy = now;
    if (text.empty() || text == zapis.posledny) return;
    zapis.posledny = text;
    zapis.subor = true;
    plat_WriteFileLater(vlastny(), std::move(text));
}

void PX_Obnova_Ulozene() {
    if (!zapis.subor) return;
    plat_DeleteFileLater(vlastny());
    plat_WaitForWrites();
    zapis = {};
}

void PX_Obnova_Koniec() {
    plat_DeleteFileLater(vlastny());
    plat_WaitForWrites();
    zapis = {};
}

bool PX_Obnova_Najdi(std::string* popis) {
    najdeny = {};
    for (const std::string& path : plat_FindLeftovers(".", PREFIX)) {
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
