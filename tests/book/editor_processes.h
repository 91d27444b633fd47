// Editors in processes of their own: a story forked into a child of the test (so that the test
// process itself never starts the editor's writer thread), bytes through pipes to keep
// processes in step, and the library's files checked after a process is gone.
#pragma once
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/temp_tree.h"

namespace editor_test {

// Single bytes from one process to another, through a pipe made before the fork.
class Signal {
public:
    Signal();
    ~Signal();
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;
    void Give(char c = '.');
    // The next byte; 0 when none came within `ms` or every writer has gone.
    char Take(int ms = 60000);

private:
    int fd_[2];
};

// `body` in a forked child, in a process group of its own (so that what it starts dies with it
// when the group is killed). The child ends with status 0 when `body` added no test failure,
// 1 when it did; its failures print as they happen.
pid_t Fork(const std::function<void()>& body);
// Waits for the child (after killing its whole group with SIGKILL when asked) and for what it
// started; how it ended: "exit 0", "signal 9".
std::string Ended(pid_t child, bool kill_group = false);

// What is not whole among the library's files (page files, thumbnails, GIFs, at any depth):
// a page file line that is no page line or a last line without its newline, a thumbnail that
// is no whole picture, a GIF without its trailer; one line each, "" when all are whole.
std::string BrokenFiles(const test_support::TempTree& tree);
// The library's entries at any depth whose names begin with one of the prefixes.
std::vector<std::string> NamesStarting(const test_support::TempTree& tree, const std::vector<std::string>& prefixes);

}  // namespace editor_test
