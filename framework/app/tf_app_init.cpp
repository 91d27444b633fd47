// The window and the display: start-up, display-mode change, release and the failure path.
#include "framework/app/tf_app.h"
#include "framework/core/tf_dso.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/widgets/tf_dsgn.h"
#include "platform/gdi.h"

namespace {
const char* const SRC = "TF_APP_w";
const UINT_PTR FRAME_TIMER = 1;
const UINT START_PERIOD_MS = 20;

// The flipping primary with its one back buffer, which every widget draws on.
bool create_primary() {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    desc.dwBackBufferCount = 1;
    if (tf_lpDD->CreateSurface(&desc, &tf_lpDDSPrimary, nullptr) != DD_OK) return false;
    DDSCAPS caps{DDSCAPS_BACKBUFFER};
    return tf_lpDDSPrimary->GetAttachedSurface(&caps, &tf_lpDDSBack) == DD_OK;
}

bool set_mode(int w, int h) {
    if (tf_lpDD->SetDisplayMode(static_cast<DWORD>(w), static_cast<DWORD>(h), 16) != DD_OK) return false;
    tf_ScreenW = w;
    tf_ScreenH = h;
    tf_ScreenCX = w / 2;
    tf_ScreenCY = h / 2;
    return true;
}
}  // namespace

int tf_APP_Inicializuj(void* instance, int showCommand) {
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = tf_APP_WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = GetStockObject(BLACK_BRUSH);
    wc.lpszMenuName = "QV";
    wc.lpszClassName = "QV";
    RegisterClassA(&wc);

    tf_hWnd = CreateWindowExA(0, "QV", "QV Pexlo", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                              GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (!tf_hWnd) {
        TF_LOG(TF_LOG_ERR, "tf_APP_Inicializuj - okno sa nepodarilo vytvorit");
        return 0;
    }
    ShowWindow(tf_hWnd, showCommand);
    UpdateWindow(tf_hWnd);

    if (DirectDrawCreate(nullptr, &tf_lpDD, nullptr) != DD_OK) return tf_APP_Inic_problem(tf_hWnd);
    tf_APP_DisplayModes_LIST();
    if (tf_lpDD->SetCooperativeLevel(tf_hWnd, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) != DD_OK)
        return tf_APP_Inic_problem(tf_hWnd);
    if (!set_mode(tf_ScreenW, tf_ScreenH) || !create_primary()) return tf_APP_Inic_problem(tf_hWnd);

    if (!tf_DSGN_INIT_flag) tf_DSGN_INIT();
    tf_DSO_INIT(tf_hWnd);  // without a sound device the program goes on silently
    SetTimer(tf_hWnd, FRAME_TIMER, START_PERIOD_MS, nullptr);
    tf_APP_NeedFrame();  // a new display shows its first frame
    return 1;
}

void tf_APP_RestartFrameTimer(int periodMs) {
    KillTimer(tf_hWnd, FRAME_TIMER);
    SetTimer(tf_hWnd, FRAME_TIMER, static_cast<UINT>(periodMs), nullptr);
}

void tf_APP_Synchro_dll2App(int* w, int* h, int* cx, int* cy, IDirectDraw** dd, IDirectDrawSurface** primary,
                            IDirectDrawSurface** back, IDirectDrawPalette** palette) {
    *w = tf_ScreenW;
    *h = tf_ScreenH;
    *cx = tf_ScreenCX;
    *cy = tf_ScreenCY;
    *dd = tf_lpDD;
    *primary = tf_lpDDSPrimary;
    *back = tf_lpDDSBack;
    *palette = tf_lpDDPal;
}

void tf_glob_APP_Synchro_exe2dll(int w, int h, int cx, int cy, IDirectDraw* dd, IDirectDrawSurface* primary,
                                 IDirectDrawSurface* back, IDirectDrawPalette* palette) {
    tf_ScreenW = w;
    tf_ScreenH = h;
    tf_ScreenCX = cx;
    tf_ScreenCY = cy;
    tf_lpDD = dd;
    tf_lpDDSPrimary = primary;
    tf_lpDDSBack = back;
    tf_lpDDPal = palette;
}

int tf_APP_ChangeDisplayMode(int w, int h) {
    tf_APP_NeedFrame();
    tf_APP_Vykonaj_RELEASE_SRF(false);
    if (!tf_lpDD || !set_mode(w, h) || !create_primary()) return tf_APP_Inic_problem(tf_hWnd);
    tf_APP_LOAD_SRF();
    return 1;
}

void tf_APP_LOAD_SRF() {
    if (tf_CDas_Surface* skin = tf_DSGN.rezia_dll_srf) {
        skin->NAHRAJ_SURFACE(tf_lpDD, "rezia_dll.bmp");
        skin->TC_NASTAV(1, 1);
        skin->BC_NASTAV(0, 0);
    }
    if (tf_pAppScreen) tf_pAppScreen->Do_LOAD_SRF();
}

void tf_APP_Vykonaj_RELEASE_SRF(bool releaseDirectDraw) {
    TF_LOG("dll - tf_APP_Vykonaj_RELEASE_SRF");
    if (!tf_lpDD) return;
    // Our reference to the back buffer goes first; the primary then frees it with itself.
    if (tf_lpDDSBack) {
        tf_lpDDSBack->Release();
        tf_lpDDSBack = nullptr;
    }
    if (tf_lpDDSPrimary) {
        tf_lpDDSPrimary->Release();
        tf_lpDDSPrimary = nullptr;
    }
    if (tf_lpDDPal) {
        tf_lpDDPal->Release();
        tf_lpDDPal = nullptr;
    }
    if (tf_DSGN.rezia_dll_srf) tf_DSGN.rezia_dll_srf->RELEASE_SURFACE();
    if (tf_pAppScreen) tf_pAppScreen->Do_RELEASE_SRF();
    if (releaseDirectDraw) {
        tf_lpDD->Release();
        tf_lpDD = nullptr;
    }
}

int tf_APP_Inic_problem(HWND hwnd) {
    TF_LOG(TF_LOG_ERR, "Problem pri inicializcii [tf_APP_Inic_problem]");
    tf_APP_Vykonaj_RELEASE_SRF(true);
    tf_DSO_DONE();
    MessageBoxA(hwnd, "Problem pri inicializacii", "QV Pexlo", MB_OK);
    DestroyWindow(hwnd);
    return 0;
}

void tf_APP_PostClose(HWND hwnd) {
    KillTimer(hwnd, FRAME_TIMER);
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
}
