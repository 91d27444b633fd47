// The screen-resolution dialog: the display modes as rows, the chosen size in two boxes.
#include <cstdio>

#include "framework/app/tf_appdlg.h"
#include "framework/core/tf_log.h"
#include "framework/widgets/tf_dedb.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_tlac.h"
#include "platform/codepage.h"

namespace {
const char* const SRC = "TF_APP_w";

// "1280  x  1024" as the start-up lists the modes; false (nothing written) for any text
// without two positive sizes.
bool parse_row(const char* text, int* w, int* h) {
    int a = 0, b = 0;
    char word[16];
    if (!text || sscanf(text, "%i %15s %i", &a, word, &b) != 3 || a <= 0 || b <= 0) return false;
    *w = a;
    *h = b;
    return true;
}
}  // namespace

tf_CDEDB* tf_APPDLG_NumberBox(tf_CPolCHLO* dlg, int rx, int ry) {
    auto* box = new tf_CDEDB(dlg, rx, ry);
    box->Dsgn(rx, ry, 57, 22);
    box->max_dlzka = 4;
    return box;
}

// The captions lie over their buttons, so they come after them.
tf_CAppResolutionDlg::tf_CAppResolutionDlg(tf_CPolCHLO* parent_, int ID_) : tf_CDDialog(parent_, ID_) {
    new tf_CLabel(this, 4, 0, plat_W1250(u8"Rozlíšenie obrazovky"));
    m_pSirka = tf_APPDLG_NumberBox(this, 26, 31);
    m_pVyska = tf_APPDLG_NumberBox(this, 114, 31);
    new tf_CTlac(this, 230, 67, TF_APPDLG_ID_RES_APPLY);
    new tf_CTlac(this, 230, 100, TF_APPDLG_ID_RES_CANCEL);
    (new tf_CLabel(this, 257, 72, "OK"))->ID = TF_APPDLG_ID_RES_APPLY_TEXT;
    (new tf_CLabel(this, 247, 105, plat_W1250(u8"Zrušiť")))->ID = TF_APPDLG_ID_RES_CANCEL_TEXT;
    m_duir_Rozlisenia = new tf_CDUIR(this, 27, 66);
    m_duir_Rozlisenia->ID = TF_APPDLG_ID_RES_LIST;
}

int tf_CAppResolutionDlg::SetupVisual() {
    tf_CDUIR* list = m_duir_Rozlisenia;
    list->max_viditelnych = 6;
    list->popup = false;  // stays shown after a choice
    list->Nastav_Konstanty(22, 22 + 4, 164, list->medzera);
    list->Dsgn(27, 66);
    static_cast<tf_CTlac*>(FindCHLWithID(TF_APPDLG_ID_RES_APPLY))->Dsgn0_VoidDC(230, 67, 95, 27);
    static_cast<tf_CTlac*>(FindCHLWithID(TF_APPDLG_ID_RES_CANCEL))->Dsgn0_VoidDC(230, 100, 95, 27);
    zivy = false;
    return 0;
}

void tf_CAppResolutionDlg::ShowChosen() {
    m_pSirka->Set_Number(m_ChosenW);
    m_pVyska->Set_Number(m_ChosenH);
}

bool tf_CAppResolutionDlg::HandleFWInteraction(int id, int event, tf_CPol* source) {
    if (id == TF_APPDLG_ID_RES_LIST) {
        tf_TVOLBAR* row = m_duir_Rozlisenia->VratVolbu__hodnotovo(event);
        if (row && parse_row(row->text, &m_ChosenW, &m_ChosenH))
            ShowChosen();
        else
            TF_LOG(TF_LOG_ERR, "tf_CAppResolutionDlg - riadok bez rozmerov", event);
    } else if (id == TF_APPDLG_ID_RES_CANCEL) {
        zivy = false;
    }
    return parent ? parent->HandleFWInteraction(id, event, source) : false;
}
