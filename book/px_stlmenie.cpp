#include "book/px_stlmenie.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "framework/core/tf_log.h"
#include "platform/files.h"
#include "platform/voice.h"

namespace {
const char SRC[] = "PX_STLMENIE";
const char KLUC[] = "stlmene=";
}  // namespace

void PX_Stlmenie_Nacitaj() {
    bool stlmene = false;
    if (FILE* f = plat_fopen(PX_STLMENIE_SUBOR, "rb")) {
        char text[64] = "";  // the file is one short line: more is not ours
        text[fread(text, 1, sizeof text - 1, f)] = '\0';
        fclose(f);
        const size_t n = strlen(KLUC);
        stlmene = strncmp(text, KLUC, n) == 0 && text[n] == '1';
        if (strncmp(text, KLUC, n) != 0) TF_LOG("PX_Stlmenie_Nacitaj: neznamy obsah, zvuk zapnuty");
    }
    plat_SetMute(stlmene);
}

bool PX_Stlmenie_Nastav(bool stlmene) {
    plat_SetMute(stlmene);
    const std::string text = std::string(KLUC) + (stlmene ? "1" : "0") + "\n";
    if (plat_WriteFileAtomic(PX_STLMENIE_SUBOR, text.data(), text.size())) return true;
    TF_LOG(TF_LOG_ERR, "PX_Stlmenie_Nastav: subor sa neda zapisat");
    return false;
}

bool PX_Stlmenie_Prepni() {
    PX_Stlmenie_Nastav(!plat_Muted());
    return plat_Muted();
}

bool PX_Stlmene() { return plat_Muted(); }
