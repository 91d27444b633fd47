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
#include <vector>

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

std::vector<std::string> plat_FindLeftovers(const char* dir, const char* prefix) {
    std::vector<std::string> found;
    if (!prefix || !*prefix) return found;
    const std::string host = plat_HostPath(dir ? dir : "");
    DIR* d = opendir(host.empty() ? "." : host.c_str());
    if (!d) return found;
    std::string folder = dir ? dir : "";
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    const size_t n = strlen(prefix);
    while (const dirent* e = readdir(d))
        if (strncmp(e->d_name, prefix, n) == 0 && !alive(owner(e->d_name + n))) found.push_back(folder + e->d_name);
    closedir(d);
    return found;
}

int plat_RemoveLeftovers(const char* dir, const char* prefix) {
    int removed = 0;
    for (const std::string& path : plat_FindLeftovers(dir, prefix)) {
        const std::string host = plat_HostPath(path.c_str());
        struct stat st;
        if (lstat(host.c_str(), &st) != 0) continue;
        std::error_code failed;
        if (S_ISDIR(st.st_mode) ? std::filesystem::remove_all(host, failed) > 0 && !failed
                                : S_ISREG(st.st_mode) && unlink(host.c_str()) == 0)
            ++removed;
    }
    return removed;
}
