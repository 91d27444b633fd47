// Shared fixtures: a counting assertion handler and the log file's lines.
#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/tf_log.h"

namespace test_support {

// Counts failed debugging assertions while alive instead of aborting.
class AssertCounter {
public:
    AssertCounter();
    ~AssertCounter();
    int count() const;
};

// Starts a fresh log for the test and returns its lines later.
void FreshLog();
std::vector<std::string> LogLines();
// The first log line from `from` on that contains every given fragment; -1 when none does.
int LogIndex(std::initializer_list<const char*> fragments, int from = 0);
inline bool LogHas(std::initializer_list<const char*> fragments) { return LogIndex(fragments) >= 0; }

// The working folder is `dir` while alive, then the one before again; the log follows it.
class InFolder {
public:
    explicit InFolder(const std::string& dir) : home_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
        tf_LOG_Zavri();
    }
    ~InFolder() {
        std::filesystem::current_path(home_);
        tf_LOG_Zavri();
    }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::filesystem::path home_;
};

// A shell command run to its end: its exit status (-1 when it did not exit) and all it printed
// on both outputs.
std::pair<int, std::string> RunCommand(const std::string& command);

// How far `work`, run in a child process, raises the peak memory in use (resident), in KiB;
// -1 when it cannot be measured. With `warm` the work runs once before it is measured, so
// that the code it runs (which a child pages in afresh) is in memory and only what it uses
// counts.
long PeakGrowthKiB(const std::function<void()>& work, bool warm = false);

}  // namespace test_support
