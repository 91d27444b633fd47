// Leftovers of processes that are gone: the temporaries and copies a process names after
// itself, removed by a later start unless their process still runs.
#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/files.h"

namespace {
// The process a name after `prefix` belongs to, or 0 when it names none.
pid_t owner(const char* rest) {
    char* end = nullptr;
    const long pid = strtol(rest, &end, 10);
    return end != rest && *end == '-' && pid > 0 ? static_cast<pid_t>(pid) : 0;
}

bool alive(pid_t pid) { return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM); }
}  // namespace

std::string plat_ProcessPrefix(const char* prefix) {
    return std::string(prefix ? prefix : "") + std::to_string(getpid()) + "-";
}

int plat_RemoveLeftovers(const char* dir, const char* prefix) {
    if (!prefix || !*prefix) return 0;
    const std::string host = plat_HostPath(dir ? dir : "");
    DIR* d = opendir(host.empty() ? "." : host.c_str());
    if (!d) return 0;
    const std::string folder = host.empty() ? "" : host + "/";
    const size_t n = strlen(prefix);
    int removed = 0;
    while (const dirent* e = readdir(d)) {
        if (strncmp(e->d_name, prefix, n) != 0 || alive(owner(e->d_name + n))) continue;
        const std::string path = folder + e->d_name;
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) continue;
        std::error_code failed;
        if (S_ISDIR(st.st_mode) ? std::filesystem::remove_all(path, failed) > 0 && !failed
                                : S_ISREG(st.st_mode) && unlink(path.c_str()) == 0)
            ++removed;
    }
    closedir(d);
    return removed;
}
