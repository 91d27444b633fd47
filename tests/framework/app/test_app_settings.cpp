// The settings file.
#include <unistd.h>

#include <cstdio>

#include "platform/files.h"
#include "tests/framework/app/app_fixture.h"

using namespace app_test;

namespace {
struct TfAppSettings : AppTest {
    // Starts with `content` as the settings file (none when null), notes what was read,
    // closes with Esc after two frames and returns the file as Close left it.
    std::string StartAndClose(const char* content, const char* ini = INI) {
        if (content) test_support::WriteFile(INI, content);
        tf_ScreenW = 1920, tf_ScreenH = 1080;
        RecordingScreen screen(ini);
        Run(screen, [&](int) {
            read = {screen.m_ScreenW, screen.m_ScreenH, screen.m_pDlgCasovac->m_RedrawLevel, screen.m_pDlgCasovac->m_RedrawPeriod};
            if (screen.frame_times.size() == 2) PostKey(VK_ESCAPE);
        });
        return ReadIni();
    }
    std::vector<int> read;
};
}  // namespace

TEST_F(TfAppSettings, WhatIsReadIsWrittenBackAndMissingPartsKeepTheirDefaults) {
    EXPECT_EQ(StartAndClose("1024 768\n5 100\n"), "1024 768\n5 100");  // the second line without a line end
    EXPECT_EQ(read, (std::vector<int>{1024, 768, 5, 100}));
    EXPECT_EQ(StartAndClose("1280 720"), "1280 720\n2 16");  // one line only
    EXPECT_EQ(StartAndClose(("\xff\xfe 12x\n" + std::string(10000, '#') + "\n-5 -5").c_str()), "1920 1080\n2 16");
    test_support::WriteFile(INI, "1024 768\n5 100");
    EXPECT_EQ(StartAndClose(nullptr, ""), "1024 768\n5 100");  // no name: nothing read or written
    EXPECT_EQ(read, (std::vector<int>{1920, 1080, 2, 16}));
    plat_SetWriteFailure(true), StartAndClose("1024 768\n5 100"), plat_SetWriteFailure(false);  // saving fails, closing goes on
    EXPECT_EQ(ReadIni(), "1024 768\n5 100");
    EXPECT_TRUE(test_support::LogHas({"TLFW ERROR", "tf_APP_WriteINI"}));
    // A file that never ends is not read at all; the close writes a file of its own there.
    remove(INI);
    ASSERT_EQ(symlink("/dev/zero", INI), 0);
    EXPECT_EQ(StartAndClose(nullptr), "1920 1080\n2 16");
    EXPECT_TRUE(test_support::LogHas({"not a regular file, not read"}));
}
