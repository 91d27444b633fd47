// The log file: a header per run, bracketed values, the switch, cut lines.
#include "framework/core/tf_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <sys/stat.h>

#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

using test_support::LogLines;
using Lines = std::vector<std::string>;

namespace {
class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        tf_LOG_SetONOFF(1);
        tf_LOG_ForgetRun();
        test_support::WriteFile("tf_LOG.txt", "old run\n");
    }
    void TearDown() override { tf_LOG_SetONOFF(1); }
};
}  // namespace

TEST_F(LogTest, TheRunsFirstLineStartsTheFileWithAHeaderEveryOverloadBracketsItsValuesAndOffWritesNothing) {
    _tf_LOG_("F", 2, "s", 5, -6);
    _tf_LOG_("F", 4, "s", "t");
    _tf_LOG_("F", 6, TF_LOG_ERR, "x");
    tf_LOG_SetONOFF(0);  // as the exporter runs
    _tf_LOG_("F", 8, "lost");
    EXPECT_EQ(LogLines(), (Lines{"===========", "F(2) : s [5] [-6]", "F(4) : s [t]", "F(6) : TLFW ERROR:  [x]"}));
}

TEST_F(LogTest, AnOverlongLineIsCutAndAnUnopenableFileLosesTheLineQuietly) {
    const std::string huge(2000, 'q');
    _tf_LOG_("F", 1, huge.c_str(), "tail");
    const Lines lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "F(1) : " + std::string(499 - 7, 'q'));
    ASSERT_EQ(std::remove("tf_LOG.txt"), 0);
    ASSERT_EQ(mkdir("tf_LOG.txt", 0755), 0);  // a directory cannot be opened as the log
    _tf_LOG_("F", 2, "nowhere");
    ASSERT_EQ(std::remove("tf_LOG.txt"), 0);
    _tf_LOG_("F", 3, "back");
    EXPECT_EQ(LogLines().back(), "F(3) : back");
}
