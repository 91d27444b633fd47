// The info dialog: the application's title, version, author and icon, and the credit.
#include <algorithm>

#include "framework/app/tf_app.h"
#include "framework/app/tf_appdlg.h"
#include "framework/core/tf_log.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_policon.h"
#include "framework/widgets/tf_tlac.h"
#include "platform/codepage.h"

namespace {
const char* const SRC = "TF_APP_w";

struct Text {
    int id, rx, ry;
    const char8_t* text;  // null: filled from the screen
};
const Text TEXTS[] = {
    {TF_APPDLG_ID_INFO_RUNS, 89, 86, u8"beží tramlin softvér"},
    {TF_APPDLG_ID_INFO_TITLE, 152, 118, nullptr},
    {TF_APPDLG_ID_INFO_VERSION, 152, 135, nullptr},
    {TF_APPDLG_ID_INFO_BY, 47, 166, u8"Programoval:"},
    {TF_APPDLG_ID_INFO_AUTHOR, 166, 166, nullptr},
    {TF_APPDLG_ID_INFO_BUILT, 13, 186, u8"Tento program je postavený na kniżnici"},
    {TF_APPDLG_ID_INFO_ENGINE, 21, 209, u8"'tramlin 2D Framework' (2D engine)"},
    {TF_APPDLG_ID_INFO_OK_TEXT, 165, 253, u8"OK"},
};

tf_CPolIcon* icon(tf_CPolCHLO* dlg, int id) {
    auto* i = new tf_CPolIcon(dlg, 0, 0, static_cast<tf_CIcon*>(nullptr));
    i->ID = id;
    return i;
}

const char* or_else(const char* text, const char* fallback) { return text ? text : fallback; }

// The places suit the font the dialog was drawn for; a wider font would run the author into
// its caption and the credit over the border, so those move as far as they must.
void fit(tf_CAppInfoDlg* dlg) {
    constexpr int MARGIN = 6;
    int w = 0, h = 0;
    auto* by = static_cast<tf_CLabel*>(dlg->FindCHLWithID(TF_APPDLG_ID_INFO_BY));
    by->GetSize(&w, &h);
    if (by->rx + w + MARGIN > dlg->m_pAuthor->rx) dlg->m_pAuthor->MoveToRel(by->rx + w + MARGIN, dlg->m_pAuthor->ry);
    for (int i = 0; i < dlg->deti.count; ++i) {
        auto* l = static_cast<tf_CPol*>(dlg->deti.GET(i));
        if (!l || l->class_id != TF_CLASS_LABEL) continue;  // labels only
        l->GetSize(&w, &h);
        if (l->rx + w + MARGIN > dlg->sir) l->MoveToRel(std::max(MARGIN, dlg->sir - w - MARGIN), l->ry);
    }
}
}  // namespace

// Children in drawing order: the OK text and check mark lie over their button.
tf_CAppInfoDlg::tf_CAppInfoDlg(tf_CPolCHLO* parent_, int ID_) : tf_CDDialog(parent_, ID_) {
    new tf_CLabel(this, 4, 0, "Info");
    icon(this, TF_APPDLG_ID_INFO_LOGO);
    m_pIcon = icon(this, TF_APPDLG_ID_INFO_ICON);
    new tf_CTlac(this, 111, 248, TF_APPDLG_ID_INFO_OK);
    for (const Text& t : TEXTS) (new tf_CLabel(this, t.rx, t.ry, t.text ? plat_W1250(t.text) : ""))->ID = t.id;
    icon(this, TF_APPDLG_ID_INFO_OK_ICON);
    m_pTitle = static_cast<tf_CLabel*>(FindCHLWithID(TF_APPDLG_ID_INFO_TITLE));
    m_pVersion = static_cast<tf_CLabel*>(FindCHLWithID(TF_APPDLG_ID_INFO_VERSION));
    m_pAuthor = static_cast<tf_CLabel*>(FindCHLWithID(TF_APPDLG_ID_INFO_AUTHOR));
}

int tf_CAppInfoDlg::SetupVisual() {
    static_cast<tf_CPolIcon*>(FindCHLWithID(TF_APPDLG_ID_INFO_LOGO))->Dsgn_PolIcon_Copy(76, 22, tf_DSGN.ico_logo);
    tf_CAppScreen* app =
        parent && parent->class_id == TF_CLASS_APPSCREEN ? static_cast<tf_CAppScreen*>(parent) : nullptr;
    if (!app) TF_FAIL(TF_LOG_ERR, "tf_CAppInfoDlg::SetupVisual(); app == NULL");
    // Without a screen the dialog shows what an application without its info shows.
    tf_CIcon* app_icon = app ? app->m_pAppIcon : nullptr;
    m_pIcon->Dsgn_PolIcon_Copy(110, 118, app_icon ? app_icon : tf_DSGN.ico_void);
    for (const Text& t : TEXTS) FindCHLWithID(t.id)->MoveToRel(t.rx, t.ry);  // fit() may have moved them
    m_pTitle->SetText(or_else(app ? app->m_Title : nullptr, "<void Title>"));
    m_pVersion->SetText(or_else(app ? app->m_Version : nullptr, "(<void Version>)"));
    m_pAuthor->SetText(or_else(app ? app->m_Author : nullptr, "<void Name>"));
    static_cast<tf_CTlac*>(FindCHLWithID(TF_APPDLG_ID_INFO_OK))->Dsgn0_VoidDC(111, 248, 139, 27);
    static_cast<tf_CPolIcon*>(FindCHLWithID(TF_APPDLG_ID_INFO_OK_ICON))->Dsgn_PolIcon_Copy(140, 253, tf_DSGN.ico_ok);
    fit(this);
    zivy = false;
    return 0;
}

bool tf_CAppInfoDlg::HandleFWInteraction(int id, int, tf_CPol*) {
    if (id == TF_APPDLG_ID_INFO_OK) zivy = false;
    return false;
}
