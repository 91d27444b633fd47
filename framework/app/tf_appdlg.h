// The frame's three dialogs (info, screen resolution, redraw timer). Until the framework
// dialogs exist these are plain stand-ins: they carry the ids, the places, the visibility and
// the values the screen reads and writes, draw nothing and take no pointer events.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "framework/widgets/tf_polchlo.h"

class tf_CDas_Surface;

// Redraw level (1 to 10) and the frame timer's period in ms (level * level * 4).
struct tf_TCasovac {
    int level = 2;
    int period = 16;
};

// What the three dialogs share until the dialog class arrives.
class tf_CAppDlgStandIn : public tf_CPolCHLO {
public:
    tf_CAppDlgStandIn(tf_CPolCHLO* parent, int ID);
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    bool INFORMUJ_SA(int x, int y, int event) override;
    void GetSize(int* w, int* h) override;
    int SetupVisual() override;  // hidden until its title button opens it
    void Dsgn(int rx, int ry, int w, int h, int efekt);
    void CHOD_NA_CENTER(int cx, int cy);

    int sir = 300;
    int vys = 200;
};

class tf_CAppInfoDlg : public tf_CAppDlgStandIn {
public:
    tf_CAppInfoDlg(tf_CPolCHLO* parent, int ID);
};

// The rows of the resolution list: (value, text) in order.
struct tf_CAppModeRows {
    void VYMAZR();
    void PRIDAJ(int value, const char* text);
    std::vector<std::pair<int, std::string>> rows;
};

class tf_CAppResolutionDlg : public tf_CAppDlgStandIn {
public:
    tf_CAppResolutionDlg(tf_CPolCHLO* parent, int ID);
    ~tf_CAppResolutionDlg() override;
    // Shows the chosen size in the two number boxes.
    void ShowChosen();

    int m_ChosenW = 0;  // no size chosen yet
    int m_ChosenH = 0;
    tf_CAppModeRows* m_duir_Rozlisenia;
};

class tf_CAppTimerDlg : public tf_CAppDlgStandIn {
public:
    tf_CAppTimerDlg(tf_CPolCHLO* parent, int ID);
    // Hides the dialog and restarts the frame timer with the period (the settings file's
    // period takes effect here at start-up).
    int SetupVisual() override;

    tf_TCasovac m_Casovac;
};
