// The display-mode list: what enters it, the check of the configured size, the rows offered.
#include <string>
#include <utility>
#include <vector>

#include "tests/framework/app/app_fixture.h"
#include "tests/support/test_support.h"

using namespace app_test;
using Sizes = std::vector<std::pair<int, int>>;

namespace {
Sizes ListedModes() {
    Sizes out;
    for (int i = 0; i < tf_APP_DisplayModes.count; ++i) {
        const auto* m = static_cast<tf_APP_DisplayMode*>(tf_APP_DisplayModes.GET(i));
        out.emplace_back(m->width, m->height);
    }
    return out;
}

struct TfAppModes : AppTest {
    // Empties the list (no display object: the enumeration fails), then reports `sizes` as
    // the enumeration would.
    Sizes Enumerate(const Sizes& sizes) {
        tf_APP_DisplayModes_LIST();
        for (auto [w, h] : sizes) {
            DDSURFACEDESC d{};
            d.dwSize = sizeof d;
            d.dwWidth = static_cast<DWORD>(w);
            d.dwHeight = static_cast<DWORD>(h);
            EXPECT_EQ(tf_APP_DisplayModes_Callback(&d, nullptr), DDENUMRET_OK);  // always asks for more
        }
        return ListedModes();
    }
};
}  // namespace

TEST_F(TfAppModes, NarrowModesAreDroppedAndRepeatsInARowCollapse) {
    EXPECT_EQ(Enumerate({{640, 480}, {799, 1200}, {800, 600}, {800, 600}, {1024, 768}, {1024, 768}, {1024, 600},
                         {800, 600}, {1024, 600}}),
              (Sizes{{800, 600}, {1024, 768}, {1024, 600}, {800, 600}, {1024, 600}}));
    EXPECT_EQ(Enumerate({{0, 0}, {70000, 800}, {1280, 0}}), Sizes{});  // no display's sizes
    EXPECT_EQ(tf_APP_DisplayModes_Callback(nullptr, nullptr), DDENUMRET_OK);
    EXPECT_TRUE(test_support::LogHas({"EnumDisplayModes", "[ERROR]"}));
}

TEST_F(TfAppModes, TheStartUpListsTheDisplaysModesAndKeepsAnOfferedSize) {
    config.modes = {{640, 480}, {800, 600}, {800, 600}, {1024, 768}};
    config.desktopW = 1024;
    config.desktopH = 768;
    WriteIni("800 600\n");
    RecordingScreen screen;
    Run(screen, [&](int) { PostKey(VK_ESCAPE); });
    const Sizes listed = ListedModes();
    ASSERT_GE(listed.size(), 2u);
    EXPECT_EQ(listed[0], (std::pair{800, 600}));  // the display's own first, once
    EXPECT_EQ(listed[1], (std::pair{1024, 768}));
    for (auto [w, h] : listed) EXPECT_GE(w, 800);
    EXPECT_EQ(screen.m_ScreenW, 800);
    EXPECT_EQ(screen.m_ScreenH, 600);
    EXPECT_EQ(screen.m_CenterX, 400);
    EXPECT_EQ(screen.m_CenterY, 300);
    EXPECT_TRUE(test_support::LogHas({"tf_APP_DisplayModes_LIST", "-- BEG"}));
    EXPECT_TRUE(test_support::LogHas({" DM> ", "[800  x  600]"}));
    EXPECT_TRUE(test_support::LogHas({"EnumDisplayModes", "[OK]"}));
    EXPECT_TRUE(test_support::LogHas({"tf_APP_DisplayModes_LIST", "-- END"}));
}

TEST_F(TfAppModes, TheResolutionListHasOneNumberedRowPerMode) {
    RecordingScreen screen;
    Run(screen, [&](int) { PostKey(VK_ESCAPE); });
    const Sizes listed = ListedModes();
    const auto& rows = screen.m_pDlgRozlisenie->m_duir_Rozlisenia->rows;
    ASSERT_EQ(rows.size(), listed.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].first, static_cast<int>(i) + 1);
        EXPECT_EQ(rows[i].second, std::to_string(listed[i].first) + "  x  " + std::to_string(listed[i].second));
    }
}

TEST_F(TfAppModes, NoModeWideEnoughFallsBackToTheDesktop) {
    config.modes = {{640, 480}, {720, 400}};
    config.desktopW = 720;
    config.desktopH = 480;
    RecordingScreen screen;
    const int code = Run(screen, [&](int) {
        if (!screen.frame_times.empty()) PostKey(VK_ESCAPE);
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(ListedModes().empty());
    EXPECT_EQ(screen.m_ScreenW, 720);
    EXPECT_EQ(screen.m_ScreenH, 480);
    EXPECT_TRUE(screen.m_pDlgRozlisenie->m_duir_Rozlisenia->rows.empty());
}
