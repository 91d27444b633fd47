#include "framework/app/tf_app.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/app/tf_appdlg.h"
#include "framework/core/tf_dso.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_tlac.h"

namespace {
const char* const SRC = "TF_APP_w";

// Title buttons from the right edge leftwards: x = screen width - fromRight, and the skin
// points of their three states.
struct TitleButton {
    int id, fromRight, y;
    int skin[6];
};
const TitleButton TITLE_BUTTONS[] = {
    {TF_APP_ID_CLOSE, 51, 5, {80, 10, 80, 30, 80, 55}},
    {TF_APP_ID_INFO, 80, 6, {220, 100, 220, 120, 220, 140}},
    {TF_APP_ID_RESOLUTION, 109, 6, {200, 100, 200, 120, 200, 140}},
    {TF_APP_ID_TIMER, 138, 6, {180, 100, 180, 120, 180, 140}},
};

// The framework dialogs, x = screen width - fromRight; after a mode change the timer dialog
// comes back higher, and the info dialog is always centred on the screen.
struct DialogPlace {
    int id, fromRight, y, yAfterModeChange, w, h;
    bool centred;
};
const DialogPlace DIALOG_PLACES[] = {
    {TF_APP_ID_RESOLUTION_DLG, 500, 50, 50, 338, 250, false},
    {TF_APP_ID_TIMER_DLG, 600, 100, 70, 208, 109, false},
    {TF_APP_ID_INFO_DLG, 900, 150, 150, 366, 293, true},
};

void copy_text(char* to, size_t size, const char* from) {
    snprintf(to, size, "%s", from ? from : "");
}

char* dup_or_null(const char* s) { return s ? strdup(s) : nullptr; }

void toggle(tf_CPol* w) {
    if (w) w->zivy = !w->zivy;
}
}  // namespace

tf_CAppScreen::tf_CAppScreen(void* instance, int showCommand, const char* iniName)
    : m_hInstance(instance), m_nCmdShow(showCommand) {
    class_id = TF_CLASS_APPSCREEN;
    Set_Nazov("noname_appscreen");
    copy_text(m_LocApp_INI, sizeof m_LocApp_INI, iniName);
    for (const TitleButton& b : TITLE_BUTTONS) new tf_CTlac(this, b.id);
    m_pDlgRozlisenie = new tf_CAppResolutionDlg(this, TF_APP_ID_RESOLUTION_DLG);
    m_pDlgCasovac = new tf_CAppTimerDlg(this, TF_APP_ID_TIMER_DLG);
    m_pDlgInfo = new tf_CAppInfoDlg(this, TF_APP_ID_INFO_DLG);
}

tf_CAppScreen::~tf_CAppScreen() {
    free(m_Title);
    free(m_Version);
    free(m_Author);
    delete m_pAppIcon;
    // The window procedure must not reach a screen that is gone.
    if (tf_pAppScreen == this) tf_pAppScreen = nullptr;
}

void tf_CAppScreen::SetBackground(int color, const char* name, bool showLogo) {
    m_BackgroundColor = color;
    copy_text(m_BackgroundName, sizeof m_BackgroundName, name);
    m_bShowLogo = showLogo;
}

void tf_CAppScreen::SetAppInfo(const char* title, const char* version, const char* author,
                               tf_CDas_Surface* iconSurface, int iconX, int iconY) {
    free(m_Title);
    free(m_Version);
    free(m_Author);
    m_Title = dup_or_null(title);
    m_Version = dup_or_null(version);
    m_Author = dup_or_null(author);
    m_pIconSurface = iconSurface;
    m_IconX = iconX;
    m_IconY = iconY;
}

int tf_CAppScreen::Execute() {
    tf_pAppScreen = this;

    TF_LOG("QZOV", "tf_CAppScreen::Execute; spracovanie m_LocApp_INI", 1);
    if (m_LocApp_INI[0] && m_pDlgCasovac)
        tf_APP_ReadINI(m_LocApp_INI, &tf_ScreenW, &tf_ScreenH, &m_pDlgCasovac->m_RedrawLevel,
                       &m_pDlgCasovac->m_RedrawPeriod);

    TF_LOG("QZOV", "tf_CAppScreen::Execute; tf_APP_Inicializuj", 2);
    if (!tf_APP_Inicializuj(m_hInstance, m_nCmdShow)) {
        // Without a window or a display there is nothing to run; never wait for messages.
        TF_LOG(TF_LOG_ERR, "tf_CAppScreen::Execute; start zlyhal, koniec");
        fprintf(stderr, "QV Pexlo: the window or the display could not be opened (no display?)\n");
        tf_hWnd = nullptr;
        return 1;
    }

    TF_LOG("QZOV", "tf_CAppScreen::Execute; tf_APP_Synchro_dll2App", 3);
    tf_APP_Synchro_dll2App(&m_ScreenW, &m_ScreenH, &m_CenterX, &m_CenterY, &m_lpDD, &m_lpDDSPrimary, &m_lpDDSBack,
                           &m_lpDDPal);

    TF_LOG("QZOV", "tf_CAppScreen::Execute; Init();", 4);
    Init();

    TF_LOG("QZOV", "tf_CAppScreen::Execute; SetupVisual_Private", 5);
    SetupVisual_Private();

    TF_LOG("QZOV", "tf_CAppScreen::Execute; init m_duir_Rozlisenia", 6);
    fill_resolution_list();

    TF_LOG("QZOV", "tf_CAppScreen::Execute; Init2", 7);
    Init2();

    TF_LOG("QZOV", "tf_CAppScreen::Execute; while...", 8);
    const int code = message_loop();
    tf_hWnd = nullptr;  // destroyed on the way out
    // The output closes once the last sound lets go of it, not at the process's exit: a
    // screen started again opens it afresh.
    tf_DSO_DONE();
    return code;
}

// Nothing is drawn here: frames come from timer 1 alone. The loop always sleeps until the
// next message or timer, so an idle program takes no processor time.
int tf_CAppScreen::message_loop() {
    MSG msg{};
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&msg, nullptr, 0, 0)) return static_cast<int>(msg.wParam);
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            tf_LOG_Flush();
            WaitMessage();
        }
    }
}

void tf_CAppScreen::fill_resolution_list() {
    if (!m_pDlgRozlisenie) return;
    tf_CDUIR* rows = m_pDlgRozlisenie->m_duir_Rozlisenia;
    rows->VYMAZR();
    for (int i = 0; i < tf_APP_DisplayModes.count; ++i) {
        const auto* m = static_cast<tf_APP_DisplayMode*>(tf_APP_DisplayModes.GET(i));
        char text[40];
        snprintf(text, sizeof text, "%d  x  %d", m->width, m->height);
        rows->PRIDAJ(i + 1, text);
    }
}

void tf_CAppScreen::Close() {
    if (m_bClosing || !SaveWork(true)) return;
    m_bClosing = true;
    if (m_LocApp_INI[0] && m_pDlgCasovac)
        tf_APP_WriteINI(m_LocApp_INI, m_ScreenW, m_ScreenH, m_pDlgCasovac->m_RedrawLevel,
                        m_pDlgCasovac->m_RedrawPeriod);
    tf_APP_PostClose(tf_hWnd);
}

void tf_CAppScreen::GetSize(int* w, int* h) {
    if (w) *w = tf_ScreenW;
    if (h) *h = tf_ScreenH;
}

tf_DSGN_Struct* tf_CAppScreen::GetDSGNref() { return &tf_DSGN; }

int tf_DSGN_INIT() { return tf_DSGN_INIT_Background(tf_pAppScreen ? tf_pAppScreen->m_BackgroundName : nullptr); }

void tf_CAppScreen::place_title_buttons(bool withSkin) {
    for (const TitleButton& b : TITLE_BUTTONS) {
        auto* button = static_cast<tf_CTlac*>(FindCHLWithID(b.id));
        if (!button) continue;
        const int x = tf_ScreenW - b.fromRight;
        if (withSkin)
            button->Dsgn2_UserA(x, b.y, tf_DSGN.rezia_dll_srf, b.skin[0], b.skin[1], b.skin[2], b.skin[3],
                                b.skin[4], b.skin[5]);
        else
            button->CHOD_NA(x, b.y);
    }
}

void tf_CAppScreen::place_dialogs(bool layOut) {
    for (const DialogPlace& d : DIALOG_PLACES) {
        tf_CPol* w = FindCHLWithID(d.id);
        if (!w || w->class_id != TF_CLASS_DDIALOG) continue;
        auto* dialog = static_cast<tf_CDDialog*>(w);
        const int x = tf_ScreenW - d.fromRight;
        if (layOut)
            dialog->Dsgn(x, d.y, d.w, d.h, 2);
        else if (!d.centred)
            dialog->CHOD_NA(x, d.yAfterModeChange);
        if (d.centred) dialog->CHOD_NA_CENTER(tf_ScreenCX, tf_ScreenCY);
    }
}

int tf_CAppScreen::SetupVisual() {
    place_title_buttons(true);
    if (m_bHideExtraButtons) {
        if (tf_CPol* b = FindCHLWithID(TF_APP_ID_TIMER)) b->zivy = false;
        if (tf_CPol* b = FindCHLWithID(TF_APP_ID_RESOLUTION)) b->zivy = false;
    }
    if (m_pIconSurface && m_IconX != 0 && m_IconY != 0) {
        delete m_pAppIcon;
        m_pAppIcon = new tf_CIcon(m_pIconSurface, m_IconX, m_IconY);
    }
    place_dialogs(true);
    return 0;
}

bool tf_CAppScreen::HandleFWInteraction(int id, int, tf_CPol*) {
    switch (id) {
    case TF_APP_ID_CLOSE:
        Close();
        break;
    case TF_APP_ID_INFO:
        toggle(m_pDlgInfo);
        break;
    case TF_APP_ID_RESOLUTION:
        toggle(m_pDlgRozlisenie);
        if (m_pDlgRozlisenie && m_pDlgRozlisenie->zivy) {
            m_pDlgRozlisenie->m_ChosenW = tf_ScreenW;
            m_pDlgRozlisenie->m_ChosenH = tf_ScreenH;
            m_pDlgRozlisenie->ShowChosen();
        }
        break;
    case TF_APP_ID_TIMER:
        toggle(m_pDlgCasovac);
        break;
    case TF_APP_ID_APPLY_RESOLUTION:
        // Only a size shown or chosen in the dialog is applied.
        if (m_pDlgRozlisenie && m_pDlgRozlisenie->m_ChosenW > 0 && m_pDlgRozlisenie->m_ChosenH > 0 && SaveWork(false)) {
            const int oldW = tf_ScreenW, oldH = tf_ScreenH;
            tf_APP_ChangeDisplayMode(m_pDlgRozlisenie->m_ChosenW, m_pDlgRozlisenie->m_ChosenH);
            ChangedResolution(oldW, oldH, tf_ScreenW, tf_ScreenH);
            m_pDlgRozlisenie->zivy = false;
        }
        break;
    default:
        break;
    }
    return false;
}

void tf_CAppScreen::ChangedResolution(int, int, int, int) {
    tf_APP_Synchro_dll2App(&m_ScreenW, &m_ScreenH, &m_CenterX, &m_CenterY, &m_lpDD, &m_lpDDSPrimary, &m_lpDDSBack,
                           &m_lpDDPal);
    place_title_buttons(false);
    place_dialogs(false);
}

void tf_CAppScreen::Init() {}
void tf_CAppScreen::Init2() {}
void tf_CAppScreen::Do_LOAD_SRF() {}
void tf_CAppScreen::Do_RELEASE_SRF() {}
void tf_CAppScreen::Do_RESTORE_SRF() {}
void tf_CAppScreen::Redraw_Screen() {}
void tf_CAppScreen::HandleWMInteraction(HWND, UINT, WPARAM, LPARAM) {}
bool tf_CAppScreen::SaveWork(bool) { return true; }
