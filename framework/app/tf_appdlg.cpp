#include "framework/app/tf_appdlg.h"

#include "framework/app/tf_appstate.h"
#include "platform/window.h"

tf_CAppDlgStandIn::tf_CAppDlgStandIn(tf_CPolCHLO* parent_, int ID_) : tf_CPolCHLO(parent_, ID_) {
    Set_Nazov("noname_dlg");
}

void tf_CAppDlgStandIn::ZOBRAZ(IDirectDrawSurface*) {}

bool tf_CAppDlgStandIn::INFORMUJ_SA(int, int, int) { return false; }

void tf_CAppDlgStandIn::GetSize(int* w, int* h) {
    if (w) *w = sir;
    if (h) *h = vys;
}

int tf_CAppDlgStandIn::SetupVisual() {
    zivy = false;
    return 0;
}

void tf_CAppDlgStandIn::Dsgn(int rx_, int ry_, int w, int h, int) {
    sir = w;
    vys = h;
    MoveToRel(rx_, ry_);
}

void tf_CAppDlgStandIn::CHOD_NA_CENTER(int cx, int cy) { CHOD_NA(cx - sir / 2, cy - vys / 2); }

tf_CAppInfoDlg::tf_CAppInfoDlg(tf_CPolCHLO* parent_, int ID_) : tf_CAppDlgStandIn(parent_, ID_) {}

void tf_CAppModeRows::VYMAZR() { rows.clear(); }

void tf_CAppModeRows::PRIDAJ(int value, const char* text) { rows.emplace_back(value, text ? text : ""); }

tf_CAppResolutionDlg::tf_CAppResolutionDlg(tf_CPolCHLO* parent_, int ID_)
    : tf_CAppDlgStandIn(parent_, ID_), m_duir_Rozlisenia(new tf_CAppModeRows) {}

tf_CAppResolutionDlg::~tf_CAppResolutionDlg() { delete m_duir_Rozlisenia; }

void tf_CAppResolutionDlg::ShowChosen() {}  // the number boxes come with the dialog

tf_CAppTimerDlg::tf_CAppTimerDlg(tf_CPolCHLO* parent_, int ID_) : tf_CAppDlgStandIn(parent_, ID_) {}

int tf_CAppTimerDlg::SetupVisual() {
    if (tf_hWnd) {
        KillTimer(tf_hWnd, 1);
        SetTimer(tf_hWnd, 1, static_cast<UINT>(m_Casovac.period), nullptr);
    }
    return tf_CAppDlgStandIn::SetupVisual();
}
