// What the editor shows after an import: the status line's text, and the book's list of
// the new picture's kind loaded afresh.
#include <string>

#include "book/px_import.h"
#include "book/px_stav.h"
#include "framework/core/tf_fsi.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"

namespace {

std::string rozmer(int w, int h) { return std::to_string(w) + plat_W1250(u8" × ") + std::to_string(h); }

const char8_t* porucha(const plat_PictureInfo& i) {
    switch (i.fault) {
    case plat_PictureFault::MISSING: return u8"súbor neexistuje";
    case plat_PictureFault::FOLDER: return u8"je to priečinok, nie obrázok";
    case plat_PictureFault::UNREADABLE: return u8"súbor sa nedá prečítať";
    case plat_PictureFault::NOT_PICTURE: return u8"nie je obrázok PNG, JPEG, GIF, BMP ani WebP";
    case plat_PictureFault::UNSUPPORTED: return u8"takýto obrázok sa nedá načítať";
    case plat_PictureFault::EMPTY: return u8"obrázok je prázdny";
    case plat_PictureFault::TOO_LARGE: return u8"obrázok je priveľký";
    case plat_PictureFault::DAMAGED: return u8"obrázok je poškodený alebo neúplný";
    case plat_PictureFault::NONE: break;
    }
    return u8"";
}

std::string chyba(const PX_ImportVysledok& v) {
    switch (v.chyba) {
    case PX_ImportChyba::ZIADNY_SUBOR: return plat_W1250(u8"Nie je čo importovať");
    case PX_ImportChyba::VELKY_HAROK: return plat_W1250(u8"Taký veľký obrázok by program nenačítal");
    case PX_ImportChyba::KNIHA: return plat_W1250(u8"Kniha sa nenašla");
    case PX_ImportChyba::ZAPIS: return plat_W1250(u8"Do knihy sa nedá zapisovať");
    case PX_ImportChyba::OBRAZOK: break;
    case PX_ImportChyba::ZIADNA: return "";
    }
    std::string text =
        plat_Cp1250FromHostName(v.subor.substr(v.subor.rfind('/') + 1).c_str()) + ": " + plat_W1250(porucha(v.obrazok));
    if (v.obrazok.fault == plat_PictureFault::TOO_LARGE && v.obrazok.w > 0)
        text += " (" + rozmer(v.obrazok.w, v.obrazok.h) + ")";
    return text;
}

std::string opis(const PX_ImportObrazok& o) {
    static const char8_t* const DRUH[] = {u8"pozadie", u8"kulisa", u8"herec"};
    std::string text = plat_W1250(DRUH[o.druh]) + std::string(plat_W1250(u8" „")) + o.meno + plat_W1250(u8"“");
    // Slovak counts: 1 fáza, 2 to 4 fázy, 5 and more fáz.
    const char8_t* fazy = o.fazy == 1 ? u8" fáza" : o.fazy >= 2 && o.fazy <= 4 ? u8" fázy" : u8" fáz";
    if (o.druh == PX_DRUH_HEREC) text += ", " + std::to_string(o.fazy) + plat_W1250(fazy);
    if (o.sir < o.zdroj_sir || o.vys < o.zdroj_vys) text += ", " + rozmer(o.sir, o.vys);
    if (o.viac_snimok) text += plat_W1250(u8", len prvé snímky");
    if (o.len_prva) text += plat_W1250(u8", len prvá snímka");
    if (o.posunute > 0) text += ", " + std::to_string(o.posunute) + plat_W1250(u8" bodov o odtieň inak");
    return text;
}

}  // namespace

std::string PX_IMPORT_Sprava(const PX_ImportVysledok& v) {
    if (!v.ok()) return "[" + chyba(v) + "]";
    std::string text = plat_W1250(u8"Importované: ");
    for (size_t i = 0; i < v.obrazky.size(); ++i) text += (i ? "; " : "") + opis(v.obrazky[i]);
    return text;
}

int PX_IMPORT_ObnovZoznam(const char* kniha, const PX_ImportObrazok& o) {
    tf_UTL_CDUIR_THMFILE* zoznam = o.druh == PX_DRUH_POZADIE  ? utl_duir_Pozadia
                                   : o.druh == PX_DRUH_KULISA ? utl_duir_Kulisy
                                                              : utl_duir_Herci;
    if (!zoznam || !kniha) return 0;
    zoznam->XRELOAD((std::string(kniha) + "\\" + PX_IMPORT_Priecinok(o.druh)).c_str(), false);
    const std::string meno = tf_FSI_Odstrihni_meno(o.bmp.c_str());
    for (int i = 0; i < zoznam->CountR(); ++i) {
        const auto* cesta = static_cast<const char*>((*zoznam)[i]->data);
        if (cesta && plat_Cp1250EqualNoCase(tf_FSI_Odstrihni_meno(cesta).c_str(), meno.c_str()))
            return (*zoznam)[i]->hodnota;
    }
    return 0;
}
