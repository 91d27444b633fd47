// The redraw-timer dialog: the frame timer's period in ten steps.
#include <algorithm>

#include "framework/app/tf_app.h"
#include "framework/app/tf_appdlg.h"
#include "framework/app/tf_appstate.h"
#include "framework/widgets/tf_dedb.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_tlac.h"
#include "platform/codepage.h"

namespace {
struct Button {
    int id, rx, ry, sir;
    int text_id, text_rx, text_ry;
    const char* text;
};
const Button BUTTONS[] = {
    {TF_APPDLG_ID_TIMER_DOWN, 37, 31, 30, TF_APPDLG_ID_TIMER_DOWN_TEXT, 45, 36, "<"},
    {TF_APPDLG_ID_TIMER_UP, 147, 31, 30, TF_APPDLG_ID_TIMER_UP_TEXT, 155, 36, ">"},
    {TF_APPDLG_ID_TIMER_OK, 38, 68, 139, TF_APPDLG_ID_TIMER_OK_TEXT, 92, 73, "OK"},
};
}  // namespace

tf_CAppTimerDlg::tf_CAppTimerDlg(tf_CPolCHLO* parent_, int ID_) : tf_CDDialog(parent_, ID_) {
    new tf_CLabel(this, 4, 0, plat_W1250(u8"Časovač prekreslenia"));
    m_pPerioda = tf_APPDLG_NumberBox(this, 77, 31);
    for (const Button& b : BUTTONS) new tf_CTlac(this, b.rx, b.ry, b.id);
    for (const Button& b : BUTTONS) (new tf_CLabel(this, b.text_rx, b.text_ry, b.text))->ID = b.text_id;
}

int tf_CAppTimerDlg::SetupVisual() {
    for (const Button& b : BUTTONS) static_cast<tf_CTlac*>(FindCHLWithID(b.id))->Dsgn0_VoidDC(b.rx, b.ry, b.sir, 27);
    m_pPerioda->Set_Number(m_RedrawPeriod);
    restart_timer();
    zivy = false;
    return 0;
}

// A step at either end still restarts the timer with the same period.
void tf_CAppTimerDlg::step(int delta) {
    m_RedrawLevel = std::clamp(m_RedrawLevel + delta, LEVEL_MIN, LEVEL_MAX);
    m_RedrawPeriod = m_RedrawLevel * m_RedrawLevel * 4;
    m_pPerioda->Set_Number(m_RedrawPeriod);
    restart_timer();
}

// Before the window exists there is no frame timer to restart.
void tf_CAppTimerDlg::restart_timer() {
    if (tf_hWnd) tf_APP_RestartFrameTimer(m_RedrawPeriod);
}

bool tf_CAppTimerDlg::HandleFWInteraction(int id, int event, tf_CPol* source) {
    if (id == TF_APPDLG_ID_TIMER_DOWN) step(-1);
    if (id == TF_APPDLG_ID_TIMER_UP) step(+1);
    if (id == TF_APPDLG_ID_TIMER_OK) zivy = false;
    return parent ? parent->HandleFWInteraction(id, event, source) : false;
}
