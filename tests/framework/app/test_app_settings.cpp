// The settings file and the display-mode list.
#include "framework/widgets/tf_duir.h"
#include "platform/files.h"
#include "tests/framework/app/app_fixture.h"

using namespace app_test;
using Sizes = std::vector<std::pair<int, int>>;

namespace {
struct TfAppSettings : AppTest {
    // Starts with `content` as the settings file (none when null), notes what was read and the
    // rows offered, closes with Esc after two frames and returns the file as Close left it.
    std::string StartAndClose(const char* content, const char* ini = INI) {
        if (content) WriteIni(content);
        tf_ScreenW = 1920;
        tf_ScreenH = 1080;
        RecordingScreen screen(ini);
        Run(screen, [&](int) {
            const tf_CAppTimerDlg& t = *screen.m_pDlgCasovac;
            read = {screen.m_ScreenW, screen.m_ScreenH, t.m_RedrawLevel, t.m_RedrawPeriod};
            tf_CDUIR& list = *screen.m_pDlgRozlisenie->m_duir_Rozlisenia;
            rows.clear();
            for (int i = 0; i < list.CountR(); ++i) rows.emplace_back(list[i]->hodnota, list[i]->text);
            if (screen.frame_times.size() == 2) PostKey(VK_ESCAPE);
        });
        return ReadIni();
    }
    std::vector<int> read;
    std::vector<std::pair<int, std::string>> rows;
};
}  // namespace

TEST_F(TfAppSettings, WhatIsReadIsWrittenBackAndMissingPartsKeepTheirDefaults) {
    EXPECT_EQ(StartAndClose("1024 768\n5 100\n"), "1024 768\n5 100");  // the second line without a line end
    EXPECT_EQ(read, (std::vector<int>{1024, 768, 5, 100}));
    EXPECT_EQ(StartAndClose("1280 720"), "1280 720\n2 16");  // one line only
    EXPECT_EQ(StartAndClose(("\xff\xfe 12x\n" + std::string(10000, '#') + "\n-5 -5").c_str()), "1920 1080\n2 16");
    WriteIni("1024 768\n5 100");
    EXPECT_EQ(StartAndClose(nullptr, ""), "1024 768\n5 100");  // no name: nothing read or written
    EXPECT_EQ(read, (std::vector<int>{1920, 1080, 2, 16}));
    plat_SetWriteFailure(true);  // not writable: nothing saved, the shutdown goes on
    StartAndClose("1024 768\n5 100");
    plat_SetWriteFailure(false);
    EXPECT_EQ(ReadIni(), "1024 768\n5 100");
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR", "tf_APP_WriteINI"}));
}

TEST_F(TfAppSettings, EachNumberPairParsesWholeOrNotAtAll) {
    const std::pair<std::string, std::vector<int>> cases[] = {
        {"abc def\nxyz 12", {1, 2, 3, 4}},
        {"1024\n5", {1, 2, 3, 4}},
        {"99999999999999 768\n5 99999999999", {1, 2, 3, 4}},  // beyond an int
        {"-1024 -768\n0 16", {-1024, -768, 3, 4}},            // sizes are checked against the modes
        {"1024 768\n11 484", {1024, 768, 3, 4}},              // a level beyond 10
        {"0x400 0300\n 05 0x64 ", {1024, 192, 5, 100}},       // as "%i" reads them
        {"1024 768" + std::string(10000, ' ') + "9 9\n5 100", {1024, 768, 5, 100}},  // a long line is one line
        {std::string(10000, '7') + "\n" + std::string(300, '7'), {1, 2, 3, 4}},
        {std::string("1024 768\n\0 5 100", 16), {1024, 768, 3, 4}},
    };
    std::vector<int> v;
    for (const auto& [content, expected] : cases) {
        WriteIni(content);
        v = {1, 2, 3, 4};
        EXPECT_TRUE(tf_APP_ReadINI(INI, &v[0], &v[1], &v[2], &v[3]));
        EXPECT_EQ(v, expected) << content.substr(0, 30);
    }
    EXPECT_FALSE(tf_APP_ReadINI("NO_SUCH.INI", &v[0], &v[1], &v[2], &v[3]));
}

// Narrow modes are dropped and repeats in a row collapse; a size the display does not offer
// becomes the last mode; the modes are listed as numbered rows.
TEST_F(TfAppSettings, TheModeListAndTheStartUpSize) {
    tf_APP_DisplayModes_LIST();  // without a display object: empty, logged as an error
    EXPECT_TRUE(test_support::LogHas({"EnumDisplayModes", "[ERROR]"}));
    for (auto [w, h] : Sizes{{640, 480}, {799, 1200}, {800, 600}, {800, 600}, {1024, 768}, {1024, 768},
                             {1024, 600}, {800, 600}, {70000, 800}, {1280, 0}}) {
        DDSURFACEDESC d{};
        d.dwWidth = DWORD(w);
        d.dwHeight = DWORD(h);
        EXPECT_EQ(tf_APP_DisplayModes_Callback(&d, nullptr), DDENUMRET_OK);
    }
    Sizes listed;
    for (int i = 0; i < tf_APP_DisplayModes.count; ++i) {
        const auto* m = static_cast<tf_APP_DisplayMode*>(tf_APP_DisplayModes.GET(i));
        listed.emplace_back(m->width, m->height);
    }
    EXPECT_EQ(listed, (Sizes{{800, 600}, {1024, 768}, {1024, 600}, {800, 600}}));

    config.modes = {{1024, 768}, {1280, 1024}, {1600, 900}};
    config.desktopW = 1600;
    config.desktopH = 900;
    EXPECT_EQ(StartAndClose("1000 700\n3 36"), "1600 900\n3 36");
    EXPECT_EQ(StartAndClose("1280 1024"), "1280 1024\n2 16");
    EXPECT_EQ(rows, (std::vector<std::pair<int, std::string>>{
                        {1, "1024  x  768"}, {2, "1280  x  1024"}, {3, "1600  x  900"}}));
    config.modes = {{640, 480}};  // nothing 800 wide: the desktop's size
    config.desktopW = 720;
    config.desktopH = 480;
    StartAndClose(nullptr);
    EXPECT_EQ(read[0], 720);
    EXPECT_TRUE(rows.empty());
}
