#include "tests/framework/app/dialogs_showcase.h"

#include "framework/app/tf_appdlg.h"
#include "framework/surface/tf_dsrfc.h"
#include "platform/codepage.h"

namespace dialogs_test {

DialogsScreen::DialogsScreen() : tf_CAppScreen(nullptr, SW_SHOWNORMAL, "") {}

DialogsScreen::~DialogsScreen() { delete editor_skin; }

void DialogsScreen::Init() {
    editor_skin = new tf_CDas_Surface("dialogs.editor_skin");
    editor_skin->NAHRAJ_SURFACE(tf_lpDD, "rezia.bmp");
    editor_skin->TC_NASTAV(3, 3);
    editor_skin->BC_NASTAV(0, 0);
    SetAppInfo("Pexlo", "(verzia: 1.1)", plat_W1250(u8"tím Pexlo"), editor_skin, 432, 86);
}

void DialogsScreen::Do_RELEASE_SRF() {
    if (editor_skin) editor_skin->RELEASE_SURFACE();
}

void DialogsScreen::OpenAll() {
    for (int id : {TF_APP_ID_INFO, TF_APP_ID_RESOLUTION, TF_APP_ID_TIMER}) HandleFWInteraction(id, 1, nullptr);
    m_pDlgRozlisenie->CHOD_NA(24, 60);
    m_pDlgCasovac->CHOD_NA(24, 350);
    m_pDlgInfo->CHOD_NA(390, 60);
}

}  // namespace dialogs_test
