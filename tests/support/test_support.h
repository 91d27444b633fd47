// Shared fixtures: a counting assertion handler and the log file's lines.
#pragma once
#include <functional>
#include <string>
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
// True when some log line contains every given fragment.
bool LogHas(std::initializer_list<const char*> fragments);

// How far `work`, run in a child process, raises the peak memory in use (resident), in KiB;
// -1 when it cannot be measured.
long PeakGrowthKiB(const std::function<void()>& work);

}  // namespace test_support
