// The status line's messages and their time.
#include "book/px_sprava.h"

#include <cstdio>
#include <string>

#include "book/px_ks.h"
#include "book/px_stav.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_draw.h"
#include "platform/codepage.h"
#include "platform/gdi.h"
#include "platform/host_folders.h"
#include "platform/window.h"

namespace {
const char SRC[] = "PX_SPRAVA";
const uint32_t OZNAM_MS = 3000, CHYBA_MS = 6000;

struct Sprava {
    bool plati = false;  // a message is on the status line
    bool chyba = false;
    uint32_t od = 0, trvanie = 0;
    std::string text;  // as the status line shows it: a line written over it ends the message
} sprava;
unsigned chyb = 0;

void ukaz(const char* text, bool chyba, uint32_t trvanie) {
    snprintf(status_text, sizeof status_text, "%s", text ? text : "");
    sprava = {true, chyba, GetTickCount(), trvanie, status_text};
}
}  // namespace

void PX_Oznam(const char* text) { ukaz(text, false, OZNAM_MS); }

void PX_Chyba(const char* text) {
    TF_LOG(TF_LOG_ERR, text ? text : "");
    ukaz(text, true, CHYBA_MS);
    ++chyb;
}

void PX_Sprava_Tik(uint32_t now) {
    if (!sprava.plati || now - sprava.od < sprava.trvanie) return;
    sprava = {};
    PX_Stav_strany();
}

bool PX_Sprava_Je_chyba() { return sprava.plati && sprava.chyba && sprava.text == status_text; }

unsigned PX_Sprava_Pocet_chyb() { return chyb; }

void PX_Text_na_pase(IDirectDrawSurface* back, int x, int y, const char* text, COLORREF farba, COLORREF pas, int okraj_x,
                     int okraj_y) {
    HDC dc = nullptr;
    if (back->GetDC(&dc) == DD_OK) {
        int w = 0, h = 0;
        tf_glob_ZISTI_ROZMER_TEXTU(text, nullptr, &w, &h);
        HBRUSH b = CreateSolidBrush(pas);
        const RECT r = {x - okraj_x, y - okraj_y, x + w + okraj_x, y + h + okraj_y};
        FillRect(dc, &r, b);
        DeleteObject(b);
        back->ReleaseDC(dc);
    }
    tf_glob_Text_srf(back, x, y, farba, text, true);
}

std::string PX_Kratka_cesta(const std::string& host_path) {
    const std::string home = plat_HomeFolder();
    const bool doma = !home.empty() && host_path.rfind(home + "/", 0) == 0;
    return plat_Cp1250FromHostName((doma ? "~" + host_path.substr(home.size()) : host_path).c_str());
}
