#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "tests/support/temp_tree.h"

namespace test_support {
namespace {
// Each test process works in a folder of its own, so that tests run in parallel never
// share the log file or any other file they write.
class OwnWorkingDirectory : public ::testing::Environment {
public:
    void SetUp() override {
        if (getcwd(home_, sizeof home_) && chdir(dir_.Host().c_str()) != 0) home_[0] = 0;
    }
    void TearDown() override {
        if (home_[0] && chdir(home_) != 0) home_[0] = 0;
    }

private:
    TempTree dir_;
    char home_[4096] = "";
};
[[maybe_unused]] ::testing::Environment* const own_directory =
    ::testing::AddGlobalTestEnvironment(new OwnWorkingDirectory);

int failures = 0;
void count_failure(const char*, int) { ++failures; }
}  // namespace

AssertCounter::AssertCounter() {
    failures = 0;
    tf_SetAssertHandler(count_failure);
}
AssertCounter::~AssertCounter() { tf_SetAssertHandler(nullptr); }
int AssertCounter::count() const { return failures; }

void FreshLog() {
    tf_LOG_SetONOFF(1);
    tf_LOG_Reset("===========");
}

std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    std::ifstream in("tf_LOG.txt");
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

bool LogHas(std::initializer_list<const char*> fragments) {
    for (const std::string& line : LogLines()) {
        bool all = true;
        for (const char* f : fragments) all = all && line.find(f) != std::string::npos;
        if (all) return true;
    }
    return false;
}

}  // namespace test_support
