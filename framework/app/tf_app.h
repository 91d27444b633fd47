// The application frame: the screen every application derives its main screen from, the
// start-up, the window procedure, the frames, the display modes and the orderly shutdown.
#pragma once
#include <vector>

#include "framework/app/tf_appstate.h"
#include "framework/core/tf_arre.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/window.h"

class tf_CDas_Surface;
class tf_CIcon;
class tf_CAppResolutionDlg;
class tf_CAppTimerDlg;
class tf_CAppInfoDlg;
class tf_CUHSPol;
struct tf_DSGN_Struct;

// Ids of the frame's own widgets and actions.
enum {
    TF_APP_ID_CLOSE = 601,
    TF_APP_ID_INFO = 602,
    TF_APP_ID_RESOLUTION = 603,
    TF_APP_ID_TIMER = 604,
    TF_APP_ID_INFO_DLG = 1200,
    TF_APP_ID_RESOLUTION_DLG = 1220,
    TF_APP_ID_APPLY_RESOLUTION = 1222,
    TF_APP_ID_TIMER_DLG = 1230,
};

class tf_CAppScreen : public tf_CPolCHLO {
public:
    tf_CAppScreen(void* instance, int showCommand, const char* iniName);
    ~tf_CAppScreen() override;

    void GetSize(int* w, int* h) override;
    int SetupVisual() override;
    bool HandleFWInteraction(int id, int event, tf_CPol* source) override;

    // The application's hooks; the base does nothing but re-place its own widgets on a
    // resolution change, so an override of ChangedResolution calls the base first.
    virtual void Init();
    virtual void Init2();
    virtual void Do_LOAD_SRF();
    virtual void Do_RELEASE_SRF();
    virtual void Do_RESTORE_SRF();
    virtual void Redraw_Screen();
    virtual void HandleWMInteraction(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void ChangedResolution(int oldW, int oldH, int newW, int newH);
    // Before the frame closes (`closing`) or changes the display mode, the application stores
    // its work; false stops that (the application has said why).
    virtual bool SaveWork(bool closing);

    // Both before Execute: the design set-up reads the background name.
    void SetBackground(int color, const char* name, bool showLogo);
    void SetAppInfo(const char* title, const char* version, const char* author, tf_CDas_Surface* iconSurface,
                    int iconX, int iconY);
    // Start-up and the message loop. The quit code (0), or 1 when the window or the display
    // could not be opened.
    int Execute();
    // When the application's work is stored: saves the settings file and starts the orderly
    // shutdown. The desktop's own close request comes this way too.
    void Close();
    tf_DSGN_Struct* GetDSGNref();

    void* m_hInstance = nullptr;
    int m_nCmdShow = 0;
    int m_ScreenW = 1600, m_ScreenH = 900;
    int m_CenterX = 800, m_CenterY = 450;
    IDirectDraw* m_lpDD = nullptr;
    IDirectDrawSurface* m_lpDDSPrimary = nullptr;
    IDirectDrawSurface* m_lpDDSBack = nullptr;
    IDirectDrawPalette* m_lpDDPal = nullptr;
    bool m_bNoRedraw = false;
    // Frames only when something shown can have changed (tf_APP_NeedFrame, any input, a mode
    // change, a restored surface); else every tick composes one.
    bool m_bRedrawOnDemand = false;
    char m_LocApp_INI[31] = "";  // empty: no settings file
    int m_BackgroundColor = 500;  // raw pixel value; -1 or less: no fill
    char m_BackgroundName[30] = "";
    bool m_bShowLogo = true;
    char* m_Title = nullptr;
    char* m_Version = nullptr;
    char* m_Author = nullptr;
    tf_CDas_Surface* m_pIconSurface = nullptr;  // not ours
    int m_IconX = 0, m_IconY = 0;
    tf_CIcon* m_pAppIcon = nullptr;
    bool m_bHideExtraButtons = false;
    tf_CAppResolutionDlg* m_pDlgRozlisenie = nullptr;
    tf_CAppTimerDlg* m_pDlgCasovac = nullptr;
    tf_CAppInfoDlg* m_pDlgInfo = nullptr;
    bool m_bClosing = false;  // Close has posted the close request
    // The application's layered group, when it keeps its widgets outside the screen's tree
    // (not ours): while it shows a dialog, that dialog takes every key, the frame's own keys
    // too; the tuning mode reaches its widgets.
    tf_CUHSPol* m_pGroup = nullptr;

private:
    void place_title_buttons(bool withSkin);
    // The framework dialogs laid out (at set-up) or moved (after a mode change).
    void place_dialogs(bool layOut);
    void fill_resolution_list();
    int message_loop();
};

// One display mode of the list.
struct tf_APP_DisplayMode {
    int width;
    int height;
};
// The display's modes at least 800 wide, consecutive repeats collapsed; the records are ours.
extern tf_CARRE tf_APP_DisplayModes;

int tf_APP_Inicializuj(void* instance, int showCommand);
void tf_APP_Synchro_dll2App(int* w, int* h, int* cx, int* cy, IDirectDraw** dd, IDirectDrawSurface** primary,
                            IDirectDrawSurface** back, IDirectDrawPalette** palette);
void tf_glob_APP_Synchro_exe2dll(int w, int h, int cx, int cy, IDirectDraw* dd, IDirectDrawSurface* primary,
                                 IDirectDrawSurface* back, IDirectDrawPalette* palette);
LRESULT tf_APP_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// A whole frame composed and presented, whether one is due or not.
void tf_APP_Redraw_Frame();
// Whether the next tick composes a frame on a screen that redraws on demand, or only parts of it.
struct tf_APP_FrameNeed {
    bool due = true;
    std::vector<RECT> parts;  // screen rectangles; composed alone while no whole frame is due
};
extern tf_APP_FrameNeed tf_APP_frame_need;
// Something shown has changed, or may have: the next tick composes a frame.
void tf_APP_NeedFrame();
// Only this rectangle of the screen has changed: unless something asks for a whole frame, the
// next tick composes the frame inside the rectangles asked for and shows just those.
void tf_APP_NeedPart(const RECT& r);
// Timer 1's frame: on every tick, or on a screen that redraws on demand only when one is due
// (the tuning mode draws over everything: always).
void tf_APP_FrameTick();
HRESULT tf_APP_Restore_SRF();
int tf_APP_ChangeDisplayMode(int w, int h);
void tf_APP_LOAD_SRF();
void tf_APP_Vykonaj_RELEASE_SRF(bool releaseDirectDraw);
int tf_APP_Inic_problem(HWND hwnd);
void tf_APP_DisplayModes_LIST();
HRESULT tf_APP_DisplayModes_Callback(DDSURFACEDESC* desc, void* context);
void tf_APP_PostClose(HWND hwnd);
// Timer 1 of the main window paces the frames (and the application's animation): started
// again with the period in ms.
void tf_APP_RestartFrameTimer(int periodMs);
// The design set-up (tf_DSGN_INIT_Background) with the running application screen's
// background picture: 1, or 0 when it had already run.
int tf_DSGN_INIT();

// The settings file: line 1 the screen size, line 2 the redraw level and period.
// Reads what parses into *w, *h and *level, *period and keeps the rest; false when the
// file does not open.
bool tf_APP_ReadINI(const char* name, int* w, int* h, int* level, int* period);
// Rewrites the file completely; false when it cannot be written.
bool tf_APP_WriteINI(const char* name, int w, int h, int level, int period);
