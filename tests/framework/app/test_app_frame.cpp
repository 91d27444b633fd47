// Frames: their composition order, presentation, surface loss and display-mode changes.
#include <cstring>

#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_dsgn.h"
#include "tests/framework/app/app_fixture.h"
#include "tests/platform/bmp_fixture.h"

using namespace app_test;

namespace {
constexpr uint16_t FILL = 0x1111, BACKGROUND = 0x2222, LOGO = 0x3333, APP = 0x4444, WIDGET = 0x5555;

void fill_rect(IDirectDrawSurface* s, LONG l, LONG t, LONG r, LONG b, uint16_t colour) {
    RECT rc{l, t, r, b};
    DDBLTFX fx{sizeof(DDBLTFX), 0, 0, colour};
    s->Blt(&rc, nullptr, nullptr, DDBLT_COLORFILL, &fx);
}

// A widget of the screen's tree that notes its drawing and draws a small square.
struct Overlay : tf_CPol {
    Overlay(tf_CPolCHLO* parent, RecordingScreen* s) : tf_CPol(parent, 0, 0), screen(s) {}
    void ZOBRAZ(IDirectDrawSurface* s) override {
        screen->Note(Px(s, 870, 515) == APP ? "widgets over the application" : "widgets");
        fill_rect(s, 880, 515, 885, 520, WIDGET);
    }
    RecordingScreen* screen;
};

// A 900 x 600 background, and a 22 x 12 logo whose phase, the 20 x 10 inside its border,
// is drawn over it at (860, 510) on the 1920 x 1080 screen.
struct TfAppFrame : AppTest {
    void SetUp() override {
        AppTest::SetUp();
        for (auto [srf, w, h, colour] : {std::tuple{&background, 900, 600, BACKGROUND}, {&logo_srf, 22, 12, LOGO}}) {
            srf->lpDDS = plat_CreateTestSurface(w, h);
            srf->sir = w;
            srf->vys = h;
            DDSURFACE_ZMAZ(srf->lpDDS, colour);
        }
        tf_DSGN.background_srf = &background;
        tf_DSGN.ico_logo = &logo;
        tf_DSGN_INIT_flag = true;  // the test's own design, not the skin's
        screen.m_BackgroundColor = FILL;
    }
    void TearDown() override {
        tf_DSGN.background_srf = nullptr;
        tf_DSGN.ico_logo = nullptr;
        tf_DSGN.rezia_dll_srf = nullptr;  // a test's own skin lives on its stack
        tf_DSGN_INIT_flag = false;
        AppTest::TearDown();
    }
    tf_CDas_Surface background{"background"}, logo_srf{"logo"};
    tf_CIcon logo{&logo_srf, tf_TFAZA(1, 1, 21, 11)};
    RecordingScreen screen;
};
}  // namespace

TEST_F(TfAppFrame, LayersComeInOrderAndTheWholeFrameIsPresented) {
    new Overlay(&screen, &screen);
    std::string under_app;
    screen.on_note = [&](const std::string& what) {
        if (what != "Redraw" || screen.Count("Redraw") > 1) return;
        for (auto [x, y] : {std::pair{1000, 900}, {5, 5}, {862, 512}})
            under_app += std::to_string(Px(tf_lpDDSBack, x, y)) + " ";
        under_app += std::to_string(Px(plat_PrimarySurface(), 1000, 900));
        fill_rect(tf_lpDDSBack, 865, 512, 890, 525, APP);
    };
    Run(screen, [&](int moment) {
        if (moment < 3) return;
        for (int y = 0; y < 1080; ++y)
            ASSERT_EQ(memcmp(plat_PrimarySurface()->Row(y), tf_lpDDSBack->Row(y), 1920 * 2), 0) << "row " << y;
        EXPECT_EQ(Px(plat_PrimarySurface(), 881, 516), WIDGET);
        PostKey(VK_ESCAPE);
    });
    // fill, background, logo over the background, nothing shown yet
    EXPECT_EQ(under_app, std::to_string(FILL) + " " + std::to_string(BACKGROUND) + " " + std::to_string(LOGO) + " 0");
    EXPECT_EQ(Trail(screen.trail.begin() + 3, screen.trail.begin() + 5),
              (Trail{"Redraw", "widgets over the application"}));
}

TEST_F(TfAppFrame, WithoutAFillColourOrALogoOldPixelsStay) {
    screen.m_BackgroundColor = -1;
    screen.m_bShowLogo = false;
    tf_DSGN.background_srf = nullptr;
    screen.on_note = [&](const std::string& what) {
        if (what == "Redraw" && screen.Count("Redraw") == 1) fill_rect(tf_lpDDSBack, 100, 100, 110, 110, APP);
    };
    Run(screen, [&](int moment) {
        if (moment < 4) return;
        EXPECT_EQ(Px(plat_PrimarySurface(), 105, 105), APP);  // drawn in the first frame only
        EXPECT_EQ(Px(plat_PrimarySurface(), 865, 515), 0);
        PostKey(VK_ESCAPE);
    });
}

TEST_F(TfAppFrame, ALostSurfaceIsRestoredThatFrameSkippedABusyOneNeverHangs) {
    tf_DSGN.background_srf = nullptr;
    tf_DSGN.ico_logo = nullptr;
    Run(screen, [&](int moment) {
        const uint16_t shown = Px(plat_PrimarySurface(), 10, 10);
        if (moment == 2 || moment == 4) {
            EXPECT_EQ(shown, FILL);
            if (moment == 2) tf_lpDDSPrimary->lost = true;
            if (moment == 4) plat_LoseAllSurfaces();
        } else if (moment == 3 || moment == 5) {
            EXPECT_EQ(screen.Count("Restore"), moment / 2);
            EXPECT_NE(shown, FILL) << moment;  // the frame of the loss was not shown
        } else if (moment == 6) {
            EXPECT_EQ(shown, FILL);
            tf_lpDDSPrimary->locked = true;
        } else if (moment == 7) {
            tf_lpDDSPrimary->locked = false;
            PostKey(VK_ESCAPE);
        }
    });
    EXPECT_EQ(screen.Count("Restore"), 2);
}

TEST_F(TfAppFrame, AModeChangeRebuildsTheSurfacesAndTellsTheApplication) {
    const std::vector<uint8_t> bmp = bmp_fixture::Write(bmp_fixture::Picture(30, 20), bmp_fixture::Form{});
    std::ofstream("rezia_dll.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), bmp.size());
    tf_CDas_Surface skin("tf_DSGN.rezia_dll_srf");
    tf_DSGN.rezia_dll_srf = &skin;
    Trail skin_at;  // whether the skin had its picture at each hook
    screen.on_note = [&](const std::string& what) {
        if (what == "Release" || what == "Load") skin_at.push_back(what + (skin.lpDDS ? "+" : "-"));
    };
    Run(screen, [&](int) {
        const int live = plat_LiveSurfaceCount();
        screen.HandleFWInteraction(TF_APP_ID_RESOLUTION, 0, nullptr);
        EXPECT_EQ(screen.m_pDlgRozlisenie->m_ChosenW, 1920);  // preset to the current mode
        screen.m_pDlgRozlisenie->m_ChosenW = 1024;
        screen.m_pDlgRozlisenie->m_ChosenH = 768;
        screen.trail.clear();
        screen.HandleFWInteraction(TF_APP_ID_APPLY_RESOLUTION, 0, nullptr);
        EXPECT_EQ(plat_PrimarySurface()->Width(), 1024);
        EXPECT_EQ(tf_lpDDSBack->Height(), 768);
        EXPECT_EQ(plat_LiveSurfaceCount(), live + 1);  // a new pair for the old, and the skin
        PostKey(VK_ESCAPE);
    });
    remove("rezia_dll.bmp");
    ASSERT_GE(screen.trail.size(), 3u);
    EXPECT_EQ(Trail(screen.trail.begin(), screen.trail.begin() + 3),
              (Trail{"Release", "Load", "Changed 1920x1080->1024x768"}));
    EXPECT_EQ(skin_at, (Trail{"Release-", "Load+", "Release-"}));
    EXPECT_EQ(screen.m_CenterY, 384);
    EXPECT_EQ(screen.FindCHLWithID(TF_APP_ID_CLOSE)->x, 1024 - 51);
    EXPECT_EQ(screen.FindCHLWithID(TF_APP_ID_TIMER)->x, 1024 - 138);
    EXPECT_EQ(screen.m_pDlgCasovac->x, 1024 - 600);
    EXPECT_FALSE(screen.m_pDlgRozlisenie->zivy);
    EXPECT_EQ(ReadIni(), "1024 768\n2 16");
}

TEST_F(TfAppFrame, OnDemandFramesComeFromInputAWishALostSurfaceAndAModeChangeOnly) {
    tf_DSGN.background_srf = nullptr;
    screen.m_bRedrawOnDemand = true;
    std::vector<int> frames;  // frames composed by each moment
    Run(screen, [&](int moment) {
        frames.push_back(screen.Count("Redraw"));
        if (moment == 5) plat_Headless_Post(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        if (moment == 8) tf_APP_NeedFrame();
        if (moment == 11) {
            tf_lpDDSPrimary->lost = true;
            tf_APP_NeedFrame();
        }
        if (moment == 14) {
            EXPECT_EQ(Px(plat_PrimarySurface(), 10, 10), FILL) << "the lost frame shown again";
            screen.m_pDlgRozlisenie->m_ChosenW = 1024;
            screen.m_pDlgRozlisenie->m_ChosenH = 768;
            screen.HandleFWInteraction(TF_APP_ID_APPLY_RESOLUTION, 0, nullptr);
        }
        if (moment == 17) {
            EXPECT_EQ(Px(plat_PrimarySurface(), 10, 10), FILL) << "the new mode's first frame";
            PostKey(VK_ESCAPE);
        }
    });
    // The first frame; the pointer's (its message, then the tick); the wish's; the lost one and
    // its repeat; the new mode's. Nothing else.
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 1, 1, 1, 1, 2, 2, 3, 3, 3, 4, 5, 5, 6, 6, 6}));
    EXPECT_EQ(screen.Count("Restore"), 1);
}
