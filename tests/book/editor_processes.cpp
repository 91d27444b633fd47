#include "tests/book/editor_processes.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "platform/bmp.h"

namespace editor_test {
namespace {
namespace fs = std::filesystem;

int failures() {
    const testing::TestResult* r = testing::UnitTest::GetInstance()->current_test_info()->result();
    int n = 0;
    for (int i = 0; i < r->total_part_count(); ++i) n += r->GetTestPartResult(i).failed();
    return n;
}

// A page line: a background with its mode, a prop or an actor with place, motion, edge and
// pace, or a sound; nothing after it.
bool page_line(const std::string& line) {
    std::istringstream words(line);
    std::string kind, name;
    if (!(words >> kind >> name)) return false;
    const int wanted = kind == "p" ? 1 : kind == "k" || kind == "h" ? 5 : kind == "z" ? 0 : -1;
    int numbers = 0;
    for (long v; words >> v;) ++numbers;
    return numbers == wanted && words.eof();
}

std::string page_fault(const std::string& bytes) {
    if (!bytes.empty() && bytes.back() != '\n') return "no newline at its end";
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);)
        if (!page_line(line)) return "line \"" + line + "\"";
    return "";
}

// Headers that parse and exactly the pixel rows they announce.
std::string picture_fault(const std::string& bytes) {
    plat_BmpHeader h;
    if (!plat_ReadBmpHeader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &h) || h.compression != 0)
        return "no picture header";
    const int64_t row = (h.w * h.bpp + 31) / 32 * 4;
    if (int64_t(bytes.size()) != h.offBits + row * h.h) return "size " + std::to_string(bytes.size());
    return "";
}

std::string gif_fault(const std::string& bytes) {
    return bytes.rfind("GIF89a", 0) == 0 && bytes.back() == ';' ? "" : "no GIF from start to trailer";
}
}  // namespace

Signal::Signal() {
    if (pipe(fd_) != 0) fd_[0] = fd_[1] = -1;
}

Signal::~Signal() {
    close(fd_[0]);
    close(fd_[1]);
}

void Signal::Give(char c) { (void)!write(fd_[1], &c, 1); }

char Signal::Take(int ms) {
    pollfd p{fd_[0], POLLIN, 0};
    char c = 0;
    return poll(&p, 1, ms) == 1 && read(fd_[0], &c, 1) == 1 ? c : 0;
}

pid_t Fork(const std::function<void()>& body) {
    prctl(PR_SET_CHILD_SUBREAPER, 1);  // what the child starts comes back to us when it dies
    fflush(stdout);
    fflush(stderr);
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        const int before = failures();
        body();
        fflush(stdout);
        fflush(stderr);
        _exit(failures() > before ? 1 : 0);
    }
    if (child > 0) setpgid(child, child);
    return child;
}

std::string Ended(pid_t child, bool kill_group) {
    if (kill_group) kill(-child, SIGKILL);
    int status = 0;
    if (waitpid(child, &status, 0) != child) return "not a child";
    while (waitpid(-child, nullptr, 0) > 0) {
    }
    if (WIFEXITED(status)) return "exit " + std::to_string(WEXITSTATUS(status));
    return WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status)) : "status " + std::to_string(status);
}

std::string BrokenFiles(const test_support::TempTree& tree) {
    std::string faults;
    std::error_code gone;  // a file a running exporter renamed meanwhile
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(tree.Host(), gone)) {
        if (!e.is_regular_file(gone)) continue;
        const std::string ext = e.path().extension().string(), bytes = test_support::ReadFile(e.path().string());
        const std::string fault = ext == ".str"   ? page_fault(bytes)
                                  : ext == ".thm" ? picture_fault(bytes)
                                  : ext == ".gif" ? gif_fault(bytes)
                                                  : "";
        if (!fault.empty()) faults += e.path().string() + ": " + fault + "\n";
    }
    return faults;
}

std::vector<std::string> NamesStarting(const test_support::TempTree& tree, const std::vector<std::string>& prefixes) {
    std::vector<std::string> found;
    std::error_code gone;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(tree.Host(), gone))
        for (const std::string& p : prefixes)
            if (e.path().filename().string().rfind(p, 0) == 0) found.push_back(e.path().string());
    return found;
}

}  // namespace editor_test
