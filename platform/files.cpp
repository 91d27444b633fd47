// The file-system boundary: "\" paths in Windows-1250 inside the program, "/" paths in
// UTF-8 on the host, and names matched without regard to case as Windows matches them.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>
#include <tuple>
#include <vector>

#include "platform/codepage.h"
#include "platform/files_internal.h"

namespace {
bool is_separator(char c) { return c == '\\' || c == '/'; }

bool exists(const std::string& host) {
    struct stat st;
    return lstat(host.c_str(), &st) == 0;
}

// The entry of host folder `dir` ("" for the current one, else ending in "/") that spells
// `name` without regard to case; empty when there is none. Of several, one that spells it
// exactly comes first, then the first in byte order, so the choice does not depend on the
// file system's order (the listings keep the same one).
std::string find_entry(const std::string& dir, const std::string& name) {
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return {};
    std::string best;
    bool best_exact = false;
    while (const dirent* e = readdir(d)) {
        const std::string spelled = plat_Cp1250FromHostName(e->d_name);
        if (!plat_Cp1250EqualNoCase(spelled.c_str(), name.c_str())) continue;
        const bool exact = spelled == name;
        if (best.empty() || exact > best_exact || (exact == best_exact && best > e->d_name)) {
            best = e->d_name;
            best_exact = exact;
        }
    }
    closedir(d);
    return best;
}

HANDLE fail_search(DWORD error) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

// ---- searches ----

struct Search {
    std::vector<WIN32_FIND_DATAA> entries;
    size_t next = 0;
};

std::set<Search*>& live_searches() {
    static std::set<Search*> s;
    return s;
}

Search* search_of(HANDLE h) {
    Search* s = static_cast<Search*>(h);
    return live_searches().count(s) ? s : nullptr;
}

// An entry of a listing: its name in the code page, and on the host.
struct Listed {
    std::string name, host;
    bool own_spelling;  // the host name is the name's UTF-8, which a path opens first
};

// Names on disk that the code page spells alike (the UTF-8 and the Windows-1250 bytes of one
// name, or two names it cannot spell) open as one: the one a path finds stays (its own
// spelling, else the first in byte order, as find_entry chooses); each other is reported once.
void keep_reachable(std::vector<Listed>& listed, const std::string& dir) {
    static std::set<std::string> reported;
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        return std::tie(a.name, b.own_spelling, a.host) < std::tie(b.name, a.own_spelling, b.host);
    });
    size_t kept = 0;
    for (size_t i = 0; i < listed.size(); ++i) {
        if (kept > 0 && listed[kept - 1].name == listed[i].name) {
            if (reported.insert(dir + listed[i].host).second)
                plat_Notice("a name spelled as another's in the code page, not listed", dir + listed[i].host);
            continue;
        }
        if (kept != i) listed[kept] = std::move(listed[i]);
        ++kept;
    }
    listed.resize(kept);
}

WIN32_FIND_DATAA entry_of(const std::string& host, const std::string& name) {
    WIN32_FIND_DATAA fd{};
    fd.dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
    struct stat st;
    if (stat(host.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) fd.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
        fd.nFileSizeLow = static_cast<DWORD>(st.st_size);
    }
    memcpy(fd.cFileName, name.c_str(), name.size() + 1);
    return fd;
}

// A name without wildcards is looked up, not searched for in its folder: checking one book
// among thousands costs what it costs among ten. False when it has wildcards or is not there.
bool look_up(const char* pattern, const std::string& mask, std::vector<WIN32_FIND_DATAA>& entries) {
    if (mask.find_first_of("*?") != std::string::npos) return false;
    const std::string host = plat_HostPath(pattern);
    const std::string name = plat_Cp1250FromHostName(host.substr(host.rfind('/') + 1).c_str());
    if (!exists(host) || name.size() >= MAX_PATH) return false;
    entries.push_back(entry_of(host, name));
    return true;
}

// The entries of `folder` that match `mask`; the error when the folder cannot be read, else 0.
DWORD read_folder(const std::string& folder, const std::string& mask, std::vector<WIN32_FIND_DATAA>& entries) {
    const std::string dir = plat_HostPath(folder.c_str());
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return errno == EACCES ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND;
    std::vector<Listed> listed;
    while (const dirent* e = readdir(d)) {
        std::string name = plat_Cp1250FromHostName(e->d_name);
        if (name.size() < MAX_PATH && plat_PatternMatches(mask, name.c_str()))
            listed.push_back({name, e->d_name, plat_Utf8FromCp1250(name.c_str()) == e->d_name});
    }
    closedir(d);
    keep_reachable(listed, dir);
    for (const Listed& l : listed) entries.push_back(entry_of(dir + l.host, l.name));
    return 0;
}

}  // namespace

std::string plat_HostPath(const char* path) {
    std::string host;
    if (!path) return host;
    if (is_separator(*path)) host = "/";
    bool matching = true;  // once a component is missing, nothing under it exists
    for (const char* p = path; *p;) {
        while (is_separator(*p)) ++p;
        const char* end = p;
        while (*end && !is_separator(*end)) ++end;
        if (end == p) break;
        std::string component(p, end);
        std::string name = plat_Utf8FromCp1250(component.c_str());
        if (matching && component != "." && component != ".." && !exists(host + name)) {
            std::string found = find_entry(host, component);
            matching = !found.empty();
            if (matching) name = found;
        }
        host += name;
        if (*end) host += '/';
        p = end;
    }
    return host;
}

HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* out) {
    if (!pattern || !out) return fail_search(ERROR_FILE_NOT_FOUND);
    const char* last = pattern + strlen(pattern);
    while (last > pattern && !is_separator(last[-1])) --last;
    std::string mask = last;
    if (mask.empty()) return fail_search(ERROR_FILE_NOT_FOUND);
    std::vector<WIN32_FIND_DATAA> entries;
    if (!look_up(pattern, mask, entries))
        if (DWORD error = read_folder(std::string(pattern, last), mask, entries)) return fail_search(error);
    if (entries.empty()) return fail_search(ERROR_FILE_NOT_FOUND);
    std::sort(entries.begin(), entries.end(), [](const WIN32_FIND_DATAA& a, const WIN32_FIND_DATAA& b) {
        return plat_NaturalLess(a.cFileName, b.cFileName);
    });
    Search* s = new Search{std::move(entries)};
    live_searches().insert(s);
    *out = s->entries[s->next++];
    SetLastError(ERROR_SUCCESS);
    return s;
}

BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* out) {
    Search* s = search_of(find);
    if (!s || !out) return plat_FailWith(ERROR_INVALID_HANDLE);
    if (s->next >= s->entries.size()) return plat_FailWith(ERROR_NO_MORE_FILES);
    *out = s->entries[s->next++];
    return TRUE;
}

BOOL FindClose(HANDLE find) {
    Search* s = search_of(find);
    if (!s) return plat_FailWith(ERROR_INVALID_HANDLE);
    live_searches().erase(s);
    delete s;
    return TRUE;
}

BOOL CreateDirectoryA(const char* path, void*) {
    if (plat_WritesFail()) return plat_FailWith(ERROR_ACCESS_DENIED);
    if (!path || !*path) return plat_FailWith(ERROR_PATH_NOT_FOUND);
    std::string host = plat_HostPath(path);
    if (mkdir(host.c_str(), 0777) != 0) return plat_FailWith(plat_FileError(errno, host));
    return TRUE;
}

BOOL DeleteFileA(const char* path) {
    if (plat_WritesFail()) return plat_FailWith(ERROR_ACCESS_DENIED);
    if (!path) return plat_FailWith(ERROR_FILE_NOT_FOUND);
    std::string host = plat_HostPath(path);
    struct stat st;
    if (lstat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return plat_FailWith(ERROR_ACCESS_DENIED);
    if (unlink(host.c_str()) != 0) return plat_FailWith(plat_FileError(errno, host));
    return TRUE;
}

BOOL RemoveDirectoryA(const char* path) {
    if (plat_WritesFail()) return plat_FailWith(ERROR_ACCESS_DENIED);
    if (!path || !*path) return plat_FailWith(ERROR_PATH_NOT_FOUND);
    std::string host = plat_HostPath(path);
    if (rmdir(host.c_str()) == 0) return TRUE;
    return plat_FailWith(errno == ENOTEMPTY || errno == EEXIST ? ERROR_DIR_NOT_EMPTY : plat_FileError(errno, host));
}

BOOL MoveFileExA(const char* from, const char* to, DWORD flags) {
    if (plat_WritesFail()) return plat_FailWith(ERROR_ACCESS_DENIED);
    if (!from || !to) return plat_FailWith(ERROR_FILE_NOT_FOUND);
    std::string src = plat_HostPath(from), dst = plat_HostPath(to);
    if (!(flags & MOVEFILE_REPLACE_EXISTING) && exists(dst)) return plat_FailWith(ERROR_ALREADY_EXISTS);
    bool moved = false;
    if (flags & MOVEFILE_REPLACE_EXISTING) {
        moved = rename(src.c_str(), dst.c_str()) == 0;
    } else {
        // What another process made meanwhile under the same name is never taken over.
        moved = renameat2(AT_FDCWD, src.c_str(), AT_FDCWD, dst.c_str(), RENAME_NOREPLACE) == 0;
        if (!moved && errno == EINVAL) moved = rename(src.c_str(), dst.c_str()) == 0;  // a file system without it
    }
    if (!moved) {
        int err = errno;
        return plat_FailWith(plat_FileError(err, exists(src) ? dst : src));
    }
    return TRUE;
}
