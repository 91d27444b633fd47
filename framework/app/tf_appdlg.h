// The frame's three dialogs, children of the application screen and opened by its title
// buttons: the info dialog, the screen-resolution dialog and the redraw-timer dialog.
#pragma once
#include "framework/widgets/tf_dialog.h"

class tf_CDEDB;
class tf_CDUIR;
class tf_CLabel;
class tf_CPolIcon;

// Ids of the dialogs' children.
enum {
    TF_APPDLG_ID_INFO_LOGO = 1201,
    TF_APPDLG_ID_INFO_ICON = 1202,
    TF_APPDLG_ID_INFO_RUNS = 1203,
    TF_APPDLG_ID_INFO_TITLE = 1204,
    TF_APPDLG_ID_INFO_VERSION = 1205,
    TF_APPDLG_ID_INFO_BY = 1206,
    TF_APPDLG_ID_INFO_AUTHOR = 1207,
    TF_APPDLG_ID_INFO_BUILT = 1208,
    TF_APPDLG_ID_INFO_ENGINE = 1209,
    TF_APPDLG_ID_INFO_OK = 1210,
    TF_APPDLG_ID_INFO_OK_TEXT = 1211,
    TF_APPDLG_ID_INFO_OK_ICON = 1212,
    TF_APPDLG_ID_RES_LIST = 1221,
    TF_APPDLG_ID_RES_APPLY = 1222,
    TF_APPDLG_ID_RES_CANCEL = 1223,
    TF_APPDLG_ID_RES_APPLY_TEXT = 1224,
    TF_APPDLG_ID_RES_CANCEL_TEXT = 1225,
    TF_APPDLG_ID_TIMER_DOWN = 1231,
    TF_APPDLG_ID_TIMER_UP = 1232,
    TF_APPDLG_ID_TIMER_OK = 1233,
    TF_APPDLG_ID_TIMER_DOWN_TEXT = 1234,
    TF_APPDLG_ID_TIMER_UP_TEXT = 1235,
    TF_APPDLG_ID_TIMER_OK_TEXT = 1236,
};

// Title, version, author and icon of the application, with the framework's credit.
class tf_CAppInfoDlg : public tf_CDDialog {
public:
    tf_CAppInfoDlg(tf_CPolCHLO* parent, int ID);
    // Fills the children from the application screen (its parent) and hides the dialog.
    int SetupVisual() override;
    // The OK button hides the dialog; nothing goes further up.
    bool HandleFWInteraction(int id, int event, tf_CPol* source) override;

    tf_CPolIcon* m_pIcon;
    tf_CLabel* m_pTitle;
    tf_CLabel* m_pVersion;
    tf_CLabel* m_pAuthor;
};

// The display modes as a row list and the size to apply (the screen applies it, id 1222).
class tf_CAppResolutionDlg : public tf_CDDialog {
public:
    tf_CAppResolutionDlg(tf_CPolCHLO* parent, int ID);
    int SetupVisual() override;
    // A chosen row sets the size, cancel hides; every call then goes on to the parent.
    bool HandleFWInteraction(int id, int event, tf_CPol* source) override;
    // Shows the chosen size in the two number boxes.
    void ShowChosen();

    int m_ChosenW = 0;  // 0: no size chosen yet
    int m_ChosenH = 0;
    tf_CDEDB* m_pSirka;
    tf_CDEDB* m_pVyska;
    tf_CDUIR* m_duir_Rozlisenia;
};

// A number box of the dialogs: 57 x 22, at most 4 characters.
tf_CDEDB* tf_APPDLG_NumberBox(tf_CPolCHLO* dlg, int rx, int ry);

// The frame timer's period in ten steps: level 1 to 10, period = level * level * 4 ms.
class tf_CAppTimerDlg : public tf_CDDialog {
public:
    static constexpr int LEVEL_MIN = 1;
    static constexpr int LEVEL_MAX = 10;

    tf_CAppTimerDlg(tf_CPolCHLO* parent, int ID);
    // Shows the period, restarts the frame timer with it (so that the settings file's
    // period takes effect at start-up) and hides the dialog.
    int SetupVisual() override;
    // The step buttons change the level and restart the timer, OK hides; every call then
    // goes on to the parent.
    bool HandleFWInteraction(int id, int event, tf_CPol* source) override;

    int m_RedrawLevel = 2;
    int m_RedrawPeriod = 2 * 2 * 4;  // ms
    tf_CDEDB* m_pPerioda;

private:
    void step(int delta);
    void restart_timer();
};
