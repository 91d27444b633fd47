#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <malloc.h>
#include <unistd.h>

#include <fstream>
#include <optional>

#include "tests/support/temp_tree.h"

namespace test_support {
namespace {
// Each test process works in a folder of its own, so that tests run in parallel never
// share the log file or any other file they write.
class OwnWorkingDirectory : public ::testing::Environment {
public:
    void SetUp() override { in_.emplace(dir_.Host()); }
    void TearDown() override { in_.reset(); }

private:
    TempTree dir_;
    std::optional<InFolder> in_;
};
[[maybe_unused]] ::testing::Environment* const own_directory =
    ::testing::AddGlobalTestEnvironment(new OwnWorkingDirectory);

// The peak resident memory of this process (VmHWM), in KiB.
long peak_kib() {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

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
    tf_LOG_Flush();
    std::vector<std::string> lines;
    std::ifstream in("tf_LOG.txt");
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

int LogIndex(std::initializer_list<const char*> fragments, int from) {
    const std::vector<std::string> lines = LogLines();
    for (size_t i = static_cast<size_t>(from); i < lines.size(); ++i) {
        bool all = true;
        for (const char* f : fragments) all = all && lines[i].find(f) != std::string::npos;
        if (all) return static_cast<int>(i);
    }
    return -1;
}

std::pair<int, std::string> RunCommand(const std::string& command) {
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    std::string text;
    char buf[512];
    while (p && fgets(buf, sizeof buf, p)) text += buf;
    const int status = p ? pclose(p) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

long PeakGrowthKiB(const std::function<void()>& work, bool warm) {
    int out[2];
    if (pipe(out) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        if (warm) {
            work();
            malloc_trim(0);  // what it freed goes back, to be counted again when used again
        }
        // The peak starts again from what is in use now (a child starts with its parent's).
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = peak_kib();
        work();
        const long growth = before < 0 ? -1 : peak_kib() - before;
        _exit(write(out[1], &growth, sizeof growth) == sizeof growth ? 0 : 1);
    }
    close(out[1]);
    long growth = -1;
    if (child < 0 || read(out[0], &growth, sizeof growth) != sizeof growth) growth = -1;
    close(out[0]);
    if (child > 0) waitpid(child, nullptr, 0);
    return growth;
}

}  // namespace test_support
