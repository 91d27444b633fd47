// The settings file: read at start-up, rewritten by Close, robust against any content.
#include <string>

#include "tests/framework/app/app_fixture.h"
#include "tests/support/test_support.h"
#include "platform/files.h"

using namespace app_test;

namespace {
struct TfAppIni : AppTest {
    // Starts with `content` as the settings file, notes the size and timer at the first idle
    // moment, closes with Esc and returns the file as Close left it.
    std::string StartAndClose(const std::string& content) {
        WriteIni(content);
        RecordingScreen screen;
        const int code = Run(screen, [&](int moment) {
            if (moment > 1) return;
            w = tf_ScreenW;
            h = tf_ScreenH;
            level = screen.m_pDlgCasovac->m_Casovac.level;
            period = screen.m_pDlgCasovac->m_Casovac.period;
            PostKey(VK_ESCAPE);
        });
        EXPECT_EQ(code, 0);
        return ReadIni();
    }
    int w = 0, h = 0, level = 0, period = 0;
};
}  // namespace

TEST_F(TfAppIni, SizeAndTimerAreReadAndWrittenBack) {
    EXPECT_EQ(StartAndClose("1024 768\n5 100\n"), "1024 768\n5 100");  // the second line without a line end
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    EXPECT_EQ(level, 5);
    EXPECT_EQ(period, 100);
}

TEST_F(TfAppIni, FramesComeAtThePeriodReadFromTheFile) {
    WriteIni("1024 768\n5 100");
    RecordingScreen screen;
    Run(screen, [&](int) {
        if (screen.frame_times.size() == 4) PostKey(VK_ESCAPE);
    });
    ASSERT_GE(screen.frame_times.size(), 4u);
    for (size_t i = 1; i < screen.frame_times.size(); ++i)
        EXPECT_EQ(screen.frame_times[i] - screen.frame_times[i - 1], 100u) << "frame " << i;
}

TEST_F(TfAppIni, OneLineOnlyKeepsTheTimerDefaults) {
    EXPECT_EQ(StartAndClose("1280 720"), "1280 720\n2 16");
    EXPECT_EQ(level, 2);
    EXPECT_EQ(period, 16);
    EXPECT_EQ(StartAndClose("1280 720\n\n7 196\n"), "1280 720\n2 16");  // an empty second line
}

TEST_F(TfAppIni, AnUnofferedSizeBecomesTheLastModeAndIsSaved) {
    config.modes = {{1024, 768}, {1280, 1024}, {1600, 900}};
    config.desktopW = 1600;
    config.desktopH = 900;
    EXPECT_EQ(StartAndClose("1000 700\n3 36"), "1600 900\n3 36");
    EXPECT_EQ(w, 1600);
    EXPECT_EQ(h, 900);
    EXPECT_EQ(StartAndClose("-1024 -768\n3 36"), "1600 900\n3 36");
}

TEST_F(TfAppIni, AnEmptyNameReadsAndWritesNothing) {
    WriteIni("1024 768\n5 100");
    RecordingScreen screen("");
    Run(screen, [&](int) { PostKey(VK_ESCAPE); });
    EXPECT_EQ(screen.m_ScreenW, 1920);  // the file of the other name was not read
    EXPECT_EQ(screen.m_pDlgCasovac->m_Casovac.period, 16);
    EXPECT_EQ(ReadIni(), "1024 768\n5 100");
    EXPECT_EQ(std::string(screen.m_LocApp_INI), "");
}

TEST_F(TfAppIni, AnUnwritableFileLosesTheSettingsButNotTheShutdown) {
    WriteIni("1024 768\n5 100");
    RecordingScreen screen;
    const int code = Run(screen, [&](int) {
        plat_SetWriteFailure(true);
        PostKey(VK_ESCAPE);
    });
    plat_SetWriteFailure(false);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(screen.Count("Release"), 1);
    EXPECT_EQ(ReadIni(), "1024 768\n5 100");
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR", "tf_APP_WriteINI"}));
}

// Whatever the file holds, a number that does not parse keeps its default and a pair is
// taken whole or not at all.
TEST_F(TfAppIni, BadContentKeepsTheDefaults) {
    struct Case {
        std::string content;
        int w, h, level, period;
    };
    const std::string pad(10000, ' ');
    const std::string digits(10000, '7');
    std::string binary;
    for (int i = 0; i < 600; ++i) binary += static_cast<char>((i * 37) & 0xFF);
    const Case cases[] = {
        {"abc def\nxyz 12", 1, 2, 3, 4},
        {"1024\n5", 1, 2, 3, 4},                                 // half pairs
        {"99999999999999 768\n5 99999999999", 1, 2, 3, 4},       // beyond an int
        {"-1024 -768\n0 16", -1024, -768, 3, 4},                 // sizes are checked against the modes
        {"1024 768\n11 484", 1024, 768, 3, 4},                   // level beyond 10
        {"1024 768\n5 -100", 1024, 768, 3, 4},
        {"0x400 0300\n 05 0x64 ", 1024, 192, 5, 100},            // as "%i" reads them
        {"1024 768" + pad + "9 9\n5 100", 1024, 768, 5, 100},    // a long line is one line
        {digits + "\n" + digits, 1, 2, 3, 4},
        {binary, 1, 2, 3, 4},
        {std::string("1024 768\n\0 5 100", 16), 1024, 768, 3, 4},
        {"", 1, 2, 3, 4},
    };
    for (const Case& c : cases) {
        WriteIni(c.content);
        int w = 1, h = 2, level = 3, period = 4;
        EXPECT_TRUE(tf_APP_ReadINI(kIni, &w, &h, &level, &period));
        EXPECT_EQ(w, c.w) << c.content.substr(0, 40);
        EXPECT_EQ(h, c.h) << c.content.substr(0, 40);
        EXPECT_EQ(level, c.level) << c.content.substr(0, 40);
        EXPECT_EQ(period, c.period) << c.content.substr(0, 40);
    }
    int w = 1, h = 2, level = 3, period = 4;
    EXPECT_FALSE(tf_APP_ReadINI("NO_SUCH.INI", &w, &h, &level, &period));
    EXPECT_FALSE(tf_APP_ReadINI("", &w, &h, &level, &period));
    EXPECT_EQ(w + h + level + period, 10);
}

TEST_F(TfAppIni, GarbageStartsAtAnOfferedSizeWithTheDefaultTimer) {
    std::string garbage = "\xff\xfe 12x 9 \x01\n";
    garbage += std::string(5000, '#') + "\n-5 -5\n";
    EXPECT_EQ(StartAndClose(garbage), "1920 1080\n2 16");
    EXPECT_EQ(period, 16);
}
