// The classroom's settings file, read once at start within the settings files' limits, and
// the refusals its switches make.
#include "book/px_trieda.h"

#include "book/cli.h"
#include "book/px_sprava.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/voice.h"

PX_Trieda px_trieda;

namespace {
const char SRC[] = "PX_TRIEDA";

// "1" or "0"; anything else is logged and leaves the switch off.
bool prepinac(const std::string& hodnota, const std::string& riadok) {
    if (hodnota == "1" || hodnota == "0") return hodnota == "1";
    TF_LOG("TRIEDA.INI: prepinac bez 1 alebo 0, vypnuty", riadok.c_str());
    return false;
}

void sablona(const std::string& host, std::vector<PX_Trieda::Sablona>* sablony) {
    const std::string cesta = PX_CLI_ProgramPath(host);
    if (!tf_FSI_ExistsFolder(cesta.c_str()) || sablony->size() >= PX_MAX_SABLON) {
        TF_LOG("TRIEDA.INI: sablona nenajdena alebo navyse, vynechana", cesta.c_str());
        return;
    }
    std::string nazov = tf_FSI_Odstrihni_meno(cesta.c_str());
    if (nazov.compare(0, 6, "KNIHA_") == 0) nazov.erase(0, 6);
    sablony->push_back({cesta, nazov});
}

void kniznica(const std::string& host) {
    std::string cesta = PX_CLI_ProgramPath(host);
    if (cesta.empty() || cesta.back() != '\\') cesta += '\\';
    px_trieda.kniznica = cesta;
    if (!tf_FSI_ExistsFolder(cesta.c_str())) {
        TF_LOG(TF_LOG_ERR, "TRIEDA.INI: priecinok kniznice chyba");
        px_trieda.chyba = plat_W1250(u8"Priečinok knižnice chýba: ") + cesta;
    } else if (!PX_CLI_Writable(plat_HostPath(cesta.c_str()))) {
        TF_LOG(TF_LOG_ERR, "TRIEDA.INI: priecinok kniznice je len na citanie");
        px_trieda.chyba = plat_W1250(u8"Do knižnice sa nedá zapisovať: zmeny sa neuložia (") + cesta + ")";
    }
}

void riadok(const std::string& line, std::vector<PX_Trieda::Sablona>* sablony) {
    const size_t medzera = line.find(' ');
    const std::string meno = line.substr(0, medzera), hodnota = medzera == line.npos ? "" : line.substr(medzera + 1);
    if (meno == "kniznica" && !hodnota.empty()) kniznica(hodnota);
    else if (meno == "sablona" && !hodnota.empty()) sablona(hodnota, sablony);
    else if (meno == "bez_konca") px_trieda.bez_konca = prepinac(hodnota, line);
    else if (meno == "bez_mazania") px_trieda.bez_mazania = prepinac(hodnota, line);
    else if (meno == "bez_ladenia") px_trieda.bez_ladenia = prepinac(hodnota, line);
    else if (meno == "stlmene") px_trieda.stlmene = prepinac(hodnota, line);
}
}  // namespace

void PX_Trieda_Nacitaj() {
    px_trieda = PX_Trieda{};
    std::vector<PX_Trieda::Sablona> sablony;
    plat_TextFile f(PX_TRIEDA_SUBOR, PLAT_BOOK_SETTINGS_TEXT);
    std::string line;
    for (plat_TextFile::Read r; (r = f.Next(&line)) != plat_TextFile::END;) {
        if (r == plat_TextFile::LIMIT) {
            TF_LOG("TRIEDA.INI: subor dlhsi ako 64 riadkov alebo 16 KB, zvysok vynechany", "");
            break;
        }
        if (r == plat_TextFile::LINE) riadok(line, &sablony);
    }
    if (!sablony.empty()) px_trieda.sablony = std::move(sablony);
    if (px_trieda.stlmene) plat_SetMute(true);
    if (f.IsOpen()) TF_LOG("TRIEDA.INI: kniznica", px_trieda.kniznica.c_str());
}

const char* PX_Knihy_dir() { return px_trieda.kniznica.c_str(); }

bool PX_Trieda_Zakazuje(PX_Zakaz co) {
    static const char8_t* const PRECO[] = {
        u8"Program sa v tejto triede nedá ukončiť", u8"Knihy a strany sa v tejto triede nedajú odstrániť",
        u8"Ladenie rozloženia je v tejto triede vypnuté", u8"Zvuk je v tejto triede vypnutý"};
    const bool zakaz[] = {px_trieda.bez_konca, px_trieda.bez_mazania, px_trieda.bez_ladenia, px_trieda.stlmene};
    if (!zakaz[co]) return false;
    TF_LOG("PX_Trieda: odmietnute", static_cast<int>(co));
    PX_Chyba(plat_W1250(PRECO[co]));
    return true;
}
