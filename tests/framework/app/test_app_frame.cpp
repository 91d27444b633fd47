// Frames: their composition order, presentation, surface loss and display-mode changes.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "framework/app/tf_dsgn.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/surface/tf_icon.h"
#include "tests/framework/app/app_fixture.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/test_support.h"

using namespace app_test;

namespace {
constexpr uint16_t FILL = 0x1111, BACKGROUND = 0x2222, LOGO = 0x3333, APP = 0x4444, WIDGET = 0x5555;

void FillRect(IDirectDrawSurface* s, int l, int t, int r, int b, uint16_t colour) {
    RECT rc{l, t, r, b};
    DDBLTFX fx{};
    fx.dwSize = sizeof fx;
    fx.dwFillColor = colour;
    s->Blt(&rc, nullptr, nullptr, DDBLT_COLORFILL, &fx);
}

uint16_t Px(IDirectDrawSurface* s, int x, int y) { return s->Row(y)[x]; }

// A widget of the screen's tree that checks what lies under it when it draws.
struct Overlay : tf_CPol {
    explicit Overlay(tf_CPolCHLO* parent) : tf_CPol(parent, 0, 0) {}
    void ZOBRAZ(IDirectDrawSurface* s) override {
        if (on_draw) on_draw(s);
    }
    std::function<void(IDirectDrawSurface*)> on_draw;
};

// A 300 x 200 display made by hand, a 60 x 80 background picture and a 22 x 12 logo (its
// phase is the 20 x 10 inside the border), so that one frame can be taken apart.
struct TfAppFrame : AppTest {
    void SetUp() override {
        AppTest::SetUp();
        primary = plat_CreateTestSurface(300, 200);
        back = plat_CreateTestSurface(300, 200);
        tf_glob_APP_Synchro_exe2dll(300, 200, 150, 100, nullptr, primary, back, nullptr);
        background.lpDDS = plat_CreateTestSurface(60, 80);
        background.sir = 60;
        background.vys = 80;
        DDSURFACE_ZMAZ(background.lpDDS, BACKGROUND);
        logo_srf.lpDDS = plat_CreateTestSurface(22, 12);
        logo_srf.sir = 22;
        logo_srf.vys = 12;
        DDSURFACE_ZMAZ(logo_srf.lpDDS, LOGO);
        logo = new tf_CIcon(&logo_srf);
        screen.m_BackgroundColor = FILL;
        tf_pAppScreen = &screen;
    }
    void TearDown() override {
        tf_DSGN.background_srf = nullptr;
        tf_DSGN.ico_logo = nullptr;
        delete logo;
        tf_glob_APP_Synchro_exe2dll(1920, 1080, 960, 540, nullptr, nullptr, nullptr, nullptr);
        primary->Release();
        back->Release();
        AppTest::TearDown();
    }
    void UseDesign() {
        tf_DSGN.background_srf = &background;
        tf_DSGN.ico_logo = logo;
    }
    int Frame() {
        tf_APP_WindowProc(nullptr, WM_TIMER, 1, 0);
        return screen.Count("Redraw");
    }
    bool PrimaryMatchesBack() {
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x)
                if (Px(primary, x, y) != Px(back, x, y)) return false;
        return true;
    }

    IDirectDrawSurface* primary = nullptr;
    IDirectDrawSurface* back = nullptr;
    tf_CDas_Surface background{"test_background"};
    tf_CDas_Surface logo_srf{"test_logo"};
    tf_CIcon* logo = nullptr;
    RecordingScreen screen;
};
}  // namespace

TEST_F(TfAppFrame, LayersComeInOrderAndTheWholeFrameIsPresentedOnce) {
    UseDesign();
    auto* overlay = new Overlay(&screen);
    std::vector<std::string> seen;
    screen.on_redraw = [&] {
        seen.push_back("redraw");
        EXPECT_EQ(Px(back, 200, 150), FILL);
        EXPECT_EQ(Px(back, 5, 5), BACKGROUND);
        EXPECT_EQ(Px(back, 52, 72), LOGO);  // over the background
        EXPECT_EQ(Px(back, 65, 75), LOGO);
        EXPECT_EQ(Px(primary, 200, 150), 0) << "presented before the frame was done";
        FillRect(back, 60, 74, 80, 90, APP);
    };
    overlay->on_draw = [&](IDirectDrawSurface* s) {
        seen.push_back("widgets");
        EXPECT_EQ(s, back);
        EXPECT_EQ(Px(back, 62, 76), APP);
        FillRect(back, 70, 76, 75, 80, WIDGET);
    };
    EXPECT_EQ(Frame(), 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"redraw", "widgets"}));
    EXPECT_EQ(Px(primary, 72, 77), WIDGET);
    EXPECT_EQ(Px(primary, 62, 76), APP);
    EXPECT_EQ(Px(primary, 52, 72), LOGO);
    EXPECT_EQ(Px(primary, 5, 5), BACKGROUND);
    EXPECT_TRUE(PrimaryMatchesBack());
}

TEST_F(TfAppFrame, NoLogoWhenTheScreenHidesItAndNoFrameWhileRedrawIsOff) {
    UseDesign();
    screen.m_bShowLogo = false;
    Frame();
    EXPECT_EQ(Px(primary, 65, 75), FILL);
    EXPECT_EQ(Px(primary, 52, 72), BACKGROUND);
    screen.m_bNoRedraw = true;
    screen.m_BackgroundColor = 0x0F0F;
    EXPECT_EQ(Frame(), 1);
    EXPECT_EQ(Px(primary, 200, 150), FILL);
}

TEST_F(TfAppFrame, WithoutAFillColourOldPixelsStay) {
    screen.m_BackgroundColor = -1;
    screen.on_redraw = [&] {
        if (screen.Count("Redraw") == 1) FillRect(back, 10, 10, 20, 20, APP);
    };
    Frame();
    Frame();
    EXPECT_EQ(Px(primary, 15, 15), APP);  // drawn in the first frame only
    EXPECT_EQ(Px(primary, 150, 150), 0);
    screen.m_BackgroundColor = -7;
    Frame();
    EXPECT_EQ(Px(primary, 15, 15), APP);
    screen.m_BackgroundColor = 0;  // zero is a colour
    Frame();
    EXPECT_EQ(Px(primary, 15, 15), 0);
}

TEST_F(TfAppFrame, ALostPrimaryIsRestoredAndThatFrameIsSkipped) {
    Frame();
    primary->lost = true;
    screen.m_BackgroundColor = APP;
    Frame();
    EXPECT_EQ(screen.Count("Restore"), 1);
    EXPECT_FALSE(primary->lost);
    EXPECT_NE(Px(primary, 100, 100), APP);
    Frame();
    EXPECT_EQ(screen.Count("Restore"), 1);
    EXPECT_EQ(Px(primary, 100, 100), APP);
}

TEST_F(TfAppFrame, ABusyPrimaryEndsTheFrameWithoutHanging) {
    primary->locked = true;
    Frame();
    EXPECT_EQ(Px(primary, 100, 100), 0);
    primary->locked = false;
    Frame();
    EXPECT_EQ(Px(primary, 100, 100), FILL);
}

TEST_F(TfAppFrame, NoDisplayNoFrame) {
    tf_glob_APP_Synchro_exe2dll(300, 200, 150, 100, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(Frame(), 0);
    tf_pAppScreen = nullptr;
    tf_glob_APP_Synchro_exe2dll(300, 200, 150, 100, nullptr, primary, back, nullptr);
    DDSURFACE_ZMAZ(back, APP);
    Frame();  // no screen: the back buffer as it is
    EXPECT_EQ(Px(primary, 100, 100), APP);
}

namespace {
using TfAppDisplay = AppTest;

// The skin picture the frame reloads after a mode change.
void WriteSkin() {
    const std::vector<uint8_t> file = bmp_fixture::Write(bmp_fixture::Picture(30, 20), bmp_fixture::Form{});
    std::ofstream("rezia_dll.bmp", std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                          static_cast<std::streamsize>(file.size()));
}
}  // namespace

TEST_F(TfAppDisplay, LosingEverySurfaceRestoresAndFramesComeBack) {
    RecordingScreen screen;
    int restored_at = -1;
    Run(screen, [&](int moment) {
        if (moment == 3) {
            EXPECT_EQ(Shown(10, 10), 500);  // the default fill, presented
            plat_LoseAllSurfaces();
        } else if (restored_at < 0 && screen.Count("Restore") > 0) {
            restored_at = screen.Count("Redraw");
        } else if (restored_at > 0 && screen.Count("Redraw") >= restored_at + 2) {
            EXPECT_EQ(Shown(10, 10), 500);
            PostKey(VK_ESCAPE);
        }
    });
    EXPECT_EQ(screen.Count("Restore"), 1);
}

TEST_F(TfAppDisplay, AModeChangeRebuildsTheSurfacesAndTellsTheApplication) {
    WriteSkin();
    tf_CDas_Surface* skin = new tf_CDas_Surface("tf_DSGN.rezia_dll_srf");
    tf_DSGN.rezia_dll_srf = skin;
    RecordingScreen screen;
    std::vector<std::string> skin_at;  // whether the skin had a picture at each hook
    screen.on_note = [&](const std::string& what) {
        if (what == "Release" || what == "Load") skin_at.push_back(what + (skin->lpDDS ? "+skin" : "-skin"));
    };
    int live_before = 0;
    const int code = Run(screen, [&](int moment) {
        if (moment == 1) {
            live_before = plat_LiveSurfaceCount();
            screen.HandleFWInteraction(TF_APP_ID_RESOLUTION, 0, nullptr);
            screen.m_pDlgRozlisenie->m_ChosenW = 1024;
            screen.m_pDlgRozlisenie->m_ChosenH = 768;
            screen.trail.clear();
            test_support::FreshLog();
            screen.HandleFWInteraction(TF_APP_ID_APPLY_RESOLUTION, 0, nullptr);
            EXPECT_EQ(plat_PrimarySurface()->Width(), 1024);
            EXPECT_EQ(tf_lpDDSBack->Height(), 768);
            EXPECT_EQ(skin->sir, 30);
        } else if (moment == 2) {
            EXPECT_EQ(plat_LiveSurfaceCount(), live_before + 1);  // a new pair for the old, and the skin
            PostKey(VK_ESCAPE);
        }
    });
    EXPECT_EQ(code, 0);
    ASSERT_GE(screen.trail.size(), 3u);
    EXPECT_EQ(screen.trail[0], "Release");
    EXPECT_EQ(screen.trail[1], "Load");
    EXPECT_EQ(screen.trail[2], "Changed 1920x1080->1024x768");
    EXPECT_EQ(screen.m_ScreenW, 1024);
    EXPECT_EQ(screen.m_CenterY, 384);
    EXPECT_EQ(screen.FindCHLWithID(TF_APP_ID_CLOSE)->x, 1024 - 51);
    EXPECT_EQ(screen.FindCHLWithID(TF_APP_ID_TIMER)->x, 1024 - 138);
    EXPECT_EQ(screen.m_pDlgRozlisenie->x, 1024 - 500);
    EXPECT_EQ(screen.m_pDlgCasovac->x, 1024 - 600);
    EXPECT_FALSE(screen.m_pDlgRozlisenie->zivy);
    EXPECT_EQ(ReadIni(), "1024 768\n2 16");
    EXPECT_TRUE(test_support::LogHas({"dll - tf_APP_Vykonaj_RELEASE_SRF"}));
    EXPECT_EQ(skin_at, (std::vector<std::string>{"Release-skin", "Load+skin", "Release-skin"}));
    tf_DSGN.rezia_dll_srf = nullptr;
    delete skin;
    remove("rezia_dll.bmp");
}
