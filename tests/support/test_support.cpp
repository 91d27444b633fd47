#include "tests/support/test_support.h"

#include <fstream>

namespace test_support {
namespace {
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
