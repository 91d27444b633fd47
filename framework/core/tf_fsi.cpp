#include "framework/core/tf_fsi.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "framework/core/tf_arre.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
const char* const SRC = "TF_FSI_w";

// What the file-system boundary refuses or leaves out (a file that is no regular file, a name
// hidden by its twin) is a line of the log, from the program's start on.
void log_file_notice(const char* what, const char* host_path) {
    TF_LOG(what, plat_Cp1250FromHostName(host_path).c_str());
}
const struct FileNoticesToLog {
    FileNoticesToLog() { plat_SetFileNotice(log_file_notice); }
} file_notices_to_log;

// Paths built here have at most 259 characters.
const int PATH_BUF = 260;

// The name part of `path`: after its last "\", or all of it.
const char* name_of(const char* path) {
    const char* sep = strrchr(path, '\\');
    return sep ? sep + 1 : path;
}

// `dir` + "\" + `name` into `buf`, without doubling a "\" that ends `dir`. A path that
// would not fit is refused with a log line.
bool join_path(char (&buf)[PATH_BUF], const char* dir, const char* name) {
    size_t n = strlen(dir);
    const char* sep = n > 0 && dir[n - 1] == '\\' ? "" : "\\";
    if (snprintf(buf, sizeof buf, "%s%s%s", dir, sep, name) < PATH_BUF) return true;
    TF_LOG(TF_LOG_ERR, "Pridlha cesta");
    TF_LOG("adresar:", dir);
    return false;
}

bool is_dot_entry(const char* name) { return strcmp(name, ".") == 0 || strcmp(name, "..") == 0; }

// "." and "..", and names on disk that the program cannot use: those are said once per run
// in the log.
bool skipped(const char* dir, const char* name) {
    if (is_dot_entry(name)) return true;
    if (tf_FSI_Pouzitelny_nazov(name)) return false;
    static std::set<std::string> told;
    if (told.insert(std::string(dir) + "\\" + name).second) {
        TF_LOG(TF_LOG_ERR, "Nepouzitelny nazov na disku vynechany");
        TF_LOG(dir, name);
    }
    return true;
}

bool is_folder(const WIN32_FIND_DATAA& fd) { return (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Starts a search of everything in `dir`; INVALID_HANDLE_VALUE when `dir` is empty (it
// would name the root) or cannot be searched.
HANDLE find_all(const char* dir, WIN32_FIND_DATAA* fd) {
    char wanted[PATH_BUF];
    if (!dir || !*dir || !join_path(wanted, dir, "*.*")) return INVALID_HANDLE_VALUE;
    return FindFirstFileA(wanted, fd);
}

bool valid_listing(const char* dir, int kind, const char* pattern) {
    return (kind == 0 || kind == 1) && dir && *dir && pattern && *pattern;
}

// Hands each listed name to `take` until it returns false (then the result is -1). The
// request must be valid.
template <typename Take>
int list_names(const char* dir, const char* pattern, int kind, bool fullPath, Take take) {
    char wanted[PATH_BUF];
    if (!join_path(wanted, dir, pattern)) return -1;
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA(wanted, &fd);
    // Nothing found, a folder that is not there included: callers that care check the folder.
    if (find == INVALID_HANDLE_VALUE) return 0;
    int result = 0;
    do {
        const char* name = fd.cFileName;
        // The program's own skin and sprite pictures stay out of every picker.
        if (skipped(dir, name) || strncmp(name, "rezia", 5) == 0 || strncmp(name, "sprit", 5) == 0) continue;
        if (is_folder(fd) != (kind == 1)) continue;
        char full[PATH_BUF];
        if (fullPath && !join_path(full, dir, name)) continue;
        if (!take(fullPath ? full : name)) {
            result = -1;
            break;
        }
    } while (FindNextFileA(find, &fd));
    FindClose(find);
    return result;
}
// The result of a splitter that writes at most `room` characters.
template <class Split>
std::string split_to_string(size_t room, Split split) {
    std::string out(room + 1, '\0');
    split(out.data());
    out.resize(strlen(out.c_str()));
    return out;
}
}  // namespace

void tf_FSI_Vystrihni_meno(const char* path, char* out) {
    if (!out) return;
    if (!path) path = "";
    const char* name = name_of(path);
    const char* dot = strrchr(name, '.');
    size_t n = dot ? static_cast<size_t>(dot - name) : strlen(name);
    memmove(out, name, n);
    out[n] = 0;
}

void tf_FSI_Odstrihni_meno(const char* path, char* out) {
    if (!out) return;
    if (!path) path = "";
    const char* name = name_of(path);
    memmove(out, name, strlen(name) + 1);
}

void tf_FSI_Zmen_priponu(const char* path, const char* ext, char* out) {
    if (!out) return;
    if (!path) path = "";
    if (!ext) ext = "";
    const char* dot = strrchr(name_of(path), '.');
    size_t keep = dot ? static_cast<size_t>(dot - path) : strlen(path);
    memmove(out, path, keep);
    out[keep] = '.';
    strcpy(out + keep + 1, ext);
}

std::string tf_FSI_Vystrihni_meno(const char* path) {
    return split_to_string(path ? strlen(path) : 0, [&](char* out) { tf_FSI_Vystrihni_meno(path, out); });
}

std::string tf_FSI_Odstrihni_meno(const char* path) {
    return split_to_string(path ? strlen(path) : 0, [&](char* out) { tf_FSI_Odstrihni_meno(path, out); });
}

std::string tf_FSI_Zmen_priponu(const char* path, const char* ext) {
    const size_t room = (path ? strlen(path) : 0) + 1 + (ext ? strlen(ext) : 0);
    return split_to_string(room, [&](char* out) { tf_FSI_Zmen_priponu(path, ext, out); });
}

bool tf_FSI_Pouzitelny_nazov(const char* name) {
    if (!name || !*name) return false;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(name); *c; ++c)
        if (*c < 0x20 || strchr("\\/:*?\"<>|", *c)) return false;
    return true;
}

bool tf_FSI_Existuje_sub(const char* path) {
    FILE* f = plat_fopen(path, "rb");
    if (!f) return false;
    fclose(f);
    return true;
}

bool tf_FSI_ExistsFolder(const char* path) {
    if (!path) return false;
    // "dir\" names the folder too: the search itself would find nothing for it.
    std::string p(path);
    while (p.size() > 1 && p.back() == '\\') p.pop_back();
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA(p.c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
}

int tf_FSI_ListNames(const char* dir, const char* pattern, int kind, bool fullPath, char** out, int* lastIndex) {
    return tf_FSI_ListNames(dir, pattern, kind, fullPath, out, INT_MAX, lastIndex);
}

int tf_FSI_ListNames(const char* dir, const char* pattern, int kind, bool fullPath, char** out, int capacity,
                     int* lastIndex) {
    if (!valid_listing(dir, kind, pattern)) return -1;
    if (!out) capacity = 0;
    int n = 0;
    int result = list_names(dir, pattern, kind, fullPath, [&](const char* name) {
        if (n >= capacity) {
            TF_LOG(TF_LOG_ERR, "ListNames - malo miesta");
            TF_LOG("kapacita:", capacity);
            return false;
        }
        out[n++] = strdup(name);
        return true;
    });
    if (lastIndex) *lastIndex = n - 1;
    return result;
}

int tf_FSI_Zisti_SubAdr(const char* dir, const char* pattern, int kind, bool fullPath, tf_CARRE* out) {
    if (!valid_listing(dir, kind, pattern) || !out) return -1;
    return list_names(dir, pattern, kind, fullPath, [out](const char* name) {
        out->Add(strdup(name));
        return true;
    });
}

int tf_FSI_ListFolder(const char* dir) {
    TF_LOG(" ListFolder", dir ? dir : "");
    WIN32_FIND_DATAA fd;
    HANDLE find = find_all(dir, &fd);
    if (find == INVALID_HANDLE_VALUE) {
        TF_LOG(TF_LOG_ERR, "Problem pri ListFolder - FindFirstFile");
        return -1;
    }
    do {
        if (skipped(dir, fd.cFileName)) continue;
        if (!is_folder(fd)) {
            TF_LOG("  -file", fd.cFileName);
            continue;
        }
        TF_LOG("-folder", fd.cFileName);
        char sub[PATH_BUF];
        if (join_path(sub, dir, fd.cFileName)) tf_FSI_ListFolder(sub);
    } while (FindNextFileA(find, &fd));
    if (GetLastError() != ERROR_NO_MORE_FILES)
        TF_LOG(TF_LOG_ERR, "Problem pri ListFolder - FindNextFile");
    FindClose(find);
    return 0;
}

int tf_FSI_SynchroFolders(const char* src, const char* dst) { return tf_FSI_SynchroFolders(src, dst, nullptr); }

int tf_FSI_SynchroFolders(const char* src, const char* dst, int* failures) {
    int missed = 0;
    if (!failures) failures = &missed;
    if (!dst || !*dst) {
        TF_LOG("tf_FSI_SynchroFolders bez ciela", TF_LOG_RETURN);
        return -1;
    }
    WIN32_FIND_DATAA fd;
    HANDLE find = find_all(src, &fd);
    if (find == INVALID_HANDLE_VALUE) {
        TF_LOG(TF_LOG_ERR, "Problem pri SynchroFolders - FindFirstFile");
        return -1;
    }
    do {
        char from[PATH_BUF], to[PATH_BUF];
        if (skipped(src, fd.cFileName)) continue;
        if (!join_path(from, src, fd.cFileName) || !join_path(to, dst, fd.cFileName)) {
            ++*failures;
        } else if (!is_folder(fd)) {
            if (CopyFileA(from, to, FALSE)) continue;
            TF_LOG(TF_LOG_ERR, "Problem pri CopyFile");
            ++*failures;
        } else if (!CreateDirectoryA(to, nullptr)) {
            TF_LOG(TF_LOG_ERR, "Problem pri CreateDirectory");
            ++*failures;
        } else if (tf_FSI_SynchroFolders(from, to, failures) != 0) {
            ++*failures;
        }
    } while (FindNextFileA(find, &fd));
    if (GetLastError() != ERROR_NO_MORE_FILES) {
        TF_LOG(TF_LOG_ERR, "Problem pri SynchroFolders - FindNextFile");
        ++*failures;
    }
    FindClose(find);
    return 0;
}

bool tf_FSI_Zmaz_strom(const char* dir) {
    WIN32_FIND_DATAA fd;
    HANDLE find = find_all(dir, &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            // A name that would lead elsewhere is not followed: the folder then stays.
            char path[PATH_BUF];
            if (skipped(dir, fd.cFileName) || !join_path(path, dir, fd.cFileName)) continue;
            if (is_folder(fd))
                tf_FSI_Zmaz_strom(path);
            else
                DeleteFileA(path);
        } while (FindNextFileA(find, &fd));
        FindClose(find);
    }
    return dir && *dir && RemoveDirectoryA(dir);
}
