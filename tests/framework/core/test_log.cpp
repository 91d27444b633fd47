// The log file: a header per run with the last run's log kept beside it, bracketed values, the
// switch, cut lines, a bound on a run's log, a file that cannot be written, and lines kept
// through a crash and a fork.
#include "framework/core/tf_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    void TearDown() override {
        tf_LOG_SetONOFF(1);
        tf_LOG_SetLimit(0);
    }
};
}  // namespace

TEST_F(LogTest, TheRunsFirstLineStartsTheFileWithAHeaderEveryOverloadBracketsItsValuesAndOffWritesNothing) {
    _tf_LOG_("F", 2, "s", 5, -6);
    _tf_LOG_("F", 4, "s", "t");
    _tf_LOG_("F", 6, TF_LOG_ERR, "x");
    tf_LOG_SetONOFF(0);  // as the exporter runs
    _tf_LOG_("F", 8, "lost");
    EXPECT_EQ(LogLines(), (Lines{"===========", "F(2) : s [5] [-6]", "F(4) : s [t]", "F(6) : TLFW ERROR:  [x]"}));
    EXPECT_EQ(test_support::ReadFile("tf_LOG_predtym.txt"), "old run\n");
}

TEST_F(LogTest, AnOverlongLineIsCutAndALogThatCannotBeWrittenLosesItsLinesQuietly) {
    const std::string huge(2000, 'q');
    _tf_LOG_("F", 1, huge.c_str(), "tail");
    const Lines lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "F(1) : " + std::string(499 - 7, 'q'));
    // In the log's place a folder, then a full disk; once it is free again, lines come back.
    tf_LOG_Zavri();
    ASSERT_EQ(std::remove("tf_LOG.txt"), 0);
    ASSERT_EQ(mkdir("tf_LOG.txt", 0755), 0);
    _tf_LOG_("F", 2, "nowhere");
    ASSERT_EQ(std::remove("tf_LOG.txt"), 0);
    ASSERT_EQ(symlink("/dev/full", "tf_LOG.txt"), 0);
    _tf_LOG_("F", 3, "full");
    tf_LOG_Flush();
    ASSERT_EQ(std::remove("tf_LOG.txt"), 0);
    _tf_LOG_("F", 4, "back");
    EXPECT_EQ(LogLines(), (Lines{"F(4) : back"}));
}

TEST_F(LogTest, ARunsLogPastItsBoundMovesAsideAndANewOneGoesOnWithEveryLine) {
    tf_LOG_SetLimit(1000);
    Lines all{"==========="};
    for (int i = 0; i < 60; ++i) {
        _tf_LOG_("F", i, "a line of the run");
        all.push_back("F(" + std::to_string(i) + ") : a line of the run");
    }
    tf_LOG_Flush();
    const std::string earlier = test_support::ReadFile("tf_LOG_predtym.txt");
    const std::string later = test_support::ReadFile("tf_LOG.txt");
    EXPECT_LE(std::max(earlier.size(), later.size()), 1000u);
    // The old run's log is gone; the newest lines are in the log, the ones before beside it.
    Lines both;
    for (const std::string& text : {earlier, later})
        for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
            both.push_back(text.substr(at, end - at));
    const auto continued = std::find_if(both.begin(), both.end(), [](const std::string& l) {
        return l.find("pokracovanie") != std::string::npos;
    });
    ASSERT_NE(continued, both.end());
    EXPECT_EQ(LogLines().front(), *continued);
    both.erase(continued);
    EXPECT_EQ(both, all);
}

TEST_F(LogTest, LinesWaitingForTheirBurstReachTheFileAtACrashAndAForkedChildRepeatsNoneOfTheParents) {
    _tf_LOG_("F", 1, "parent");
    fflush(nullptr);  // nothing of the parent's output for the child to repeat
    const pid_t child = fork();
    if (child == 0) {
        const rlimit no_core{0, 0};
        setrlimit(RLIMIT_CORE, &no_core);
        _tf_LOG_("F", 2, "crash");
        abort();
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT);
    // A burst longer than what can wait keeps every line, in order.
    Lines all{"===========", "F(1) : parent", "F(2) : crash"};
    for (int i = 0; i < 3000; ++i) {
        _tf_LOG_("F", i, "a line of a long burst");
        all.push_back("F(" + std::to_string(i) + ") : a line of a long burst");
    }
    EXPECT_EQ(LogLines(), all);
}
