#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <sys/stat.h>

#include "framework/core/tf_log.h"
#include "tests/support/test_support.h"

using test_support::LogLines;

namespace {
class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        tf_LOG_SetONOFF(1);
        tf_LOG_ForgetRun();
        std::remove("tf_LOG.txt");
    }
    void TearDown() override { tf_LOG_SetONOFF(1); }
};

void write_old_run() {
    FILE* f = fopen("tf_LOG.txt", "w");
    fputs("old run\n", f);
    fclose(f);
}
}  // namespace

TEST_F(LogTest, FirstLineOfARunStartsTheFileWithAHeader) {
    write_old_run();
    _tf_LOG_("TF_X_w", 12, "abc");
    _tf_LOG_("TF_X_w", 13, "def");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"===========", "TF_X_w(12) : abc", "TF_X_w(13) : def"}));
}

TEST_F(LogTest, EveryOverloadFormatsItsValuesInBrackets) {
    _tf_LOG_("F", 1, "s", 5);
    _tf_LOG_("F", 2, "s", 5, -6);
    _tf_LOG_("F", 3, "s", 5, 6, 7);
    _tf_LOG_("F", 4, "s", "t");
    _tf_LOG_("F", 5, "QZOV", "krok", 3);
    _tf_LOG_("F", 6, TF_LOG_ERR, "x");
    std::vector<std::string> want = {"===========",   "F(1) : s [5]",          "F(2) : s [5] [-6]",
                                     "F(3) : s [5] [6] [7]", "F(4) : s [t]", "F(5) : QZOV [krok] [3]",
                                     "F(6) : TLFW ERROR:  [x]"};
    EXPECT_EQ(LogLines(), want);
}

TEST_F(LogTest, SwitchedOffWritesNothingAndKeepsThePreviousRun) {
    write_old_run();
    tf_LOG_SetONOFF(0);
    _tf_LOG_("F", 1, "lost");
    EXPECT_EQ(LogLines(), std::vector<std::string>{"old run"});
    tf_LOG_SetONOFF(1);
    _tf_LOG_("F", 2, "kept");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"===========", "F(2) : kept"}));
}

TEST_F(LogTest, ForcedWriteIgnoresTheSwitchAndDoesNotStartTheRun) {
    write_old_run();
    tf_LOG_SetONOFF(0);
    tf_LOG_Zapis_F("forced", 0);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"old run", "forced"}));
    tf_LOG_SetONOFF(1);
    tf_LOG_Zapis("next");
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"===========", "next"}));
    tf_LOG_Zapis_F("again", 1);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"===========", "again"}));
}

TEST_F(LogTest, OverlongLineIsCutNotOverrun) {
    std::string huge(2000, 'q');
    _tf_LOG_("F", 1, huge.c_str(), "tail");
    std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].size(), 499u);
    EXPECT_EQ(lines[1].rfind("F(1) : qqq", 0), 0u);
}

TEST_F(LogTest, UnopenableFileLosesTheLineQuietly) {
    ASSERT_EQ(mkdir("tf_LOG.txt", 0755), 0);  // a directory cannot be opened as the log
    _tf_LOG_("F", 1, "nowhere");
    tf_LOG_Zapis("still nowhere");
    ASSERT_EQ(std::remove("tf_LOG.txt"), 0);
    _tf_LOG_("F", 2, "back");
    EXPECT_EQ(LogLines().back(), "F(2) : back");
}
