// The page's narration: read beside the page file, recorded, saved, played with the page.
#include "book/px_narracia.h"

#include <string>

#include "book/px_stav.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "platform/capture.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/voice.h"

PX_Narracia px_narracia;

namespace {
const char SRC[] = "PX_NARRACIA";

// Whether a microphone seems to be there: asking starts the sound system, so it is asked once
// and again after a recording could not start or on a new page. 0: not asked yet.
int mikrofon = 0;

std::string cesta_hlasu(const char* page_path) { return tf_FSI_Zmen_priponu(page_path, "wav"); }

void nastav_hlas(std::shared_ptr<const plat_Sound> hlas) {
    px_narracia.hlas = hlas;
    plat_Voice_Set(PLAT_VOICE_NARRATION, std::move(hlas));
}

void chyba(const char* text) {
    px_narracia.chyba = text;
    TF_LOG(TF_LOG_ERR, text);
}
}  // namespace

bool PX_Narracia_Nahraj(const char* page_path) {
    PX_Narracia_Zastav();
    if (px_narracia.nahrava) {
        plat_Capture_Take();
        px_narracia.nahrava = false;
        TF_LOG("PX_Narracia_Nahraj: nahravka inej strany zahodena");
    }
    px_narracia.zmenena = false;
    px_narracia.chyba.clear();
    const std::string path = page_path ? cesta_hlasu(page_path) : "";
    auto hlas = std::make_shared<plat_Sound>();
    const plat_SoundError e = plat_ReadSoundFile(path.c_str(), PX_ZVUK_MAX_SEKUND, 1, hlas.get());
    nastav_hlas(e == PLAT_SOUND_OK ? std::move(hlas) : nullptr);
    bool ok = e == PLAT_SOUND_OK || e == PLAT_SOUND_MISSING;
    if (!ok) {
        chyba((std::string(plat_W1250(u8"Rozprávanie strany: ")) + plat_SoundErrorText(e)).c_str());
        TF_LOG("subor:", path.c_str());
    }
    const std::string page = page_path ? page_path : "";
    ok = PX_Narracia_Nahraj_pozadie(page.substr(0, page.find_last_of('\\') + 1)) && ok;
    return ok;
}

void PX_Narracia_Vymaz() {
    mikrofon = 0;
    PX_Narracia_Zo_riadku(nullptr);
    PX_Narracia_Nahraj(nullptr);
}

bool PX_Narracia_Ma_subor(const char* page_path) {
    return page_path && tf_FSI_Existuje_sub(cesta_hlasu(page_path).c_str());
}

double PX_Narracia_Dlzka_suboru(const char* page_path) {
    plat_Sound hlas;
    if (!page_path || plat_ReadSoundFile(cesta_hlasu(page_path).c_str(), PX_ZVUK_MAX_SEKUND, 1, &hlas) != PLAT_SOUND_OK)
        return 0;
    return hlas.Seconds();
}

bool PX_Narracia_Uloz(const char* page_path) {
    if (!px_narracia.zmenena) return true;
    const std::string path = page_path ? cesta_hlasu(page_path) : "";
    bool ok;
    if (px_narracia.hlas)
        ok = plat_WriteWavFile(path.c_str(), px_narracia.hlas->samples);
    else
        ok = !tf_FSI_Existuje_sub(path.c_str()) || DeleteFileA(path.c_str());
    if (!ok) {
        chyba(plat_W1250(u8"Rozprávanie strany sa nepodarilo uložiť"));
        TF_LOG("subor:", path.c_str());
        return false;
    }
    px_narracia.zmenena = false;
    return true;
}

bool PX_Narracia_Moze_nahravat() {
    if (mikrofon == 0) mikrofon = plat_Capture_Available() ? 1 : -1;
    return px_narracia.nahrava || mikrofon > 0;
}

bool PX_Narracia_Nahravaj() {
    if (px_narracia.nahrava) return false;
    PX_Narracia_Zastav();
    std::string why;
    if (!plat_Capture_Start(&why)) {
        mikrofon = 0;
        chyba(plat_W1250(u8"Nahrávať sa nedá: chýba mikrofón"));
        TF_LOG("plat_Capture_Start:", why.c_str());
        return false;
    }
    px_narracia.nahrava = true;
    px_narracia.chyba.clear();
    return true;
}

void PX_Narracia_Zastav_nahravanie() {
    if (!px_narracia.nahrava) return;
    px_narracia.nahrava = false;
    const bool sama_skoncila = !plat_Capture_Recording();
    auto hlas = std::make_shared<plat_Sound>();
    hlas->samples = plat_Capture_Take();
    if (sama_skoncila && plat_Capture_HowEnded() == PLAT_CAPTURE_LOST)
        chyba(plat_W1250(u8"Mikrofón zmizol: nahrávka končí tým, čo sa nahralo"));
    if (sama_skoncila && plat_Capture_HowEnded() == PLAT_CAPTURE_FULL)
        chyba(plat_W1250(u8"Nahrávka dosiahla 120 sekúnd"));
    if (hlas->samples.empty()) {
        chyba(plat_W1250(u8"Nič sa nenahralo"));
        return;
    }
    TF_LOG("PX_Narracia: nahrate vzorky", static_cast<int>(hlas->samples.size()));
    nastav_hlas(std::move(hlas));
    px_narracia.zmenena = true;
    dirty = true;
}

int PX_Narracia_Uroven() { return px_narracia.nahrava ? plat_Capture_Level() * 100 / 32767 : 0; }

double PX_Narracia_Sekundy() { return px_narracia.nahrava ? plat_Capture_Seconds() : 0.0; }

void PX_Narracia_Odstran() {
    if (!px_narracia.hlas) return;
    nastav_hlas(nullptr);
    px_narracia.zmenena = true;
    dirty = true;
}

void PX_Narracia_Hraj() {
    const bool pauza = plat_Voice_Paused(PLAT_VOICE_NARRATION) || plat_Voice_Paused(PLAT_VOICE_BACKGROUND);
    if (pauza) plat_Voices_Resume(PLAT_VOICE_BOTH);
    else plat_Voices_Play(PLAT_VOICE_BOTH);
    px_narracia.hra = true;
}

void PX_Narracia_Pauza() {
    plat_Voices_Pause(PLAT_VOICE_BOTH);
    px_narracia.hra = false;
}

void PX_Narracia_Zastav() {
    plat_Voices_Stop(PLAT_VOICE_BOTH);
    px_narracia.hra = false;
}

void PX_Narracia_Tik(bool running) {
    if (px_narracia.nahrava && !plat_Capture_Poll()) PX_Narracia_Zastav_nahravanie();
    if (px_narracia.nahrava || running == px_narracia.hra) return;
    if (running) PX_Narracia_Hraj();
    else PX_Narracia_Pauza();
}
