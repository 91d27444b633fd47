// Writing files: whole through a temporary renamed into place, or not at all; and the test
// hooks that make writes fail as on a read-only or full disk.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/files.h"
#include "platform/files_internal.h"

namespace {
bool write_failure = false;
long write_limit = -1;
plat_WriteStep failing_step = PLAT_WRITE_STEP_NONE;

bool fails_at(plat_WriteStep step) { return failing_step == step; }

// The permissions a new file gets from the process's umask.
mode_t new_file_mode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Fills the open temporary `fd` and closes it; false (errno set) on any failure.
bool fill(int fd, const void* data, size_t size) {
    FILE* f = fdopen(fd, "wb");
    if (!f) {
        close(fd);
        return false;
    }
    bool ok = !fails_at(PLAT_WRITE_STEP_WRITE) && (write_limit < 0 || size <= static_cast<size_t>(write_limit));
    ok = ok && (size == 0 || fwrite(data, 1, size, f) == size);
    ok = ok && !fails_at(PLAT_WRITE_STEP_FLUSH) && fflush(f) == 0 && fsync(fileno(f)) == 0;
    return fclose(f) == 0 && ok;
}

bool write_atomic(const std::string& host, const void* data, size_t size, mode_t mode) {
    if (host.empty() || (!data && size > 0)) return plat_FailWith(ERROR_FILE_NOT_FOUND);
    if (write_failure || fails_at(PLAT_WRITE_STEP_OPEN)) return plat_FailWith(ERROR_ACCESS_DENIED);
    std::string temp = host.substr(0, host.find_last_of('/') + 1) + plat_ProcessPrefix(PLAT_WRITE_TEMP_PREFIX) + "XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return plat_FailWith(plat_FileError(errno, host));
    fchmod(fd, mode);
    if (!fill(fd, data, size)) {
        unlink(temp.c_str());
        return plat_FailWith(ERROR_WRITE_FAULT);
    }
    if (fails_at(PLAT_WRITE_STEP_RENAME) || rename(temp.c_str(), host.c_str()) != 0) {
        const DWORD error = fails_at(PLAT_WRITE_STEP_RENAME) ? ERROR_ACCESS_DENIED : plat_FileError(errno, host);
        unlink(temp.c_str());
        return plat_FailWith(error);
    }
    return true;
}
}  // namespace

DWORD plat_FileError(int err, const std::string& host) {
    switch (err) {
    case ENOENT: {
        std::string parent = host.substr(0, host.find_last_of('/') + 1);
        struct stat st;
        bool folder = parent.empty() || (stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
        return folder ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    }
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    default: return ERROR_ACCESS_DENIED;
    }
}

BOOL plat_FailWith(DWORD error) {
    SetLastError(error);
    return FALSE;
}

bool plat_WriteHostFileAtomic(const std::string& hostPath, const void* data, size_t size) {
    struct stat st;
    const bool replaces = stat(hostPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    return write_atomic(hostPath, data, size, replaces ? st.st_mode & 07777 : new_file_mode());
}

bool plat_WriteFileAtomic(const char* path, const void* data, size_t size) {
    if (!path || !*path) return plat_FailWith(ERROR_FILE_NOT_FOUND);
    return plat_WriteHostFileAtomic(plat_HostPath(path), data, size);
}

BOOL CopyFileA(const char* from, const char* to, BOOL failIfExists) {
    if (write_failure) return plat_FailWith(ERROR_ACCESS_DENIED);
    if (!from || !to) return plat_FailWith(ERROR_FILE_NOT_FOUND);
    std::string src = plat_HostPath(from), dst = plat_HostPath(to);
    struct stat st, old;
    if (stat(src.c_str(), &st) != 0) return plat_FailWith(plat_FileError(errno, src));
    if (S_ISDIR(st.st_mode)) return plat_FailWith(ERROR_ACCESS_DENIED);
    if (!S_ISREG(st.st_mode)) {  // a FIFO would hold the copy up, a device never end
        plat_Notice("not a regular file, not read", src);
        return plat_FailWith(ERROR_ACCESS_DENIED);
    }
    if (stat(dst.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) return plat_FailWith(ERROR_ACCESS_DENIED);
        if (failIfExists) return plat_FailWith(ERROR_FILE_EXISTS);
    }
    std::ifstream in(src, std::ios::binary);
    if (!in.is_open()) return plat_FailWith(ERROR_ACCESS_DENIED);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return plat_FailWith(ERROR_ACCESS_DENIED);
    return write_atomic(dst, bytes.data(), bytes.size(), st.st_mode & 0777);
}

FILE* plat_fopen(const char* path, const char* mode) {
    if (!path || !mode) return nullptr;
    if (!strpbrk(mode, "wa+")) return plat_OpenRegular(plat_HostPath(path), mode);
    if (write_failure) {
        errno = EACCES;
        return nullptr;
    }
    FILE* f = fopen(plat_HostPath(path).c_str(), mode);
    struct stat st;
    if (f && fstat(fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
        fclose(f);
        errno = EISDIR;
        return nullptr;
    }
    return f;
}

std::string plat_FileVersion(const char* path) {
    struct stat st;
    if (!path || stat(plat_HostPath(path).c_str(), &st) != 0) return "";
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" + std::to_string(st.st_size) + ":" +
           std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
}

void plat_SetWriteFailure(bool fail) { write_failure = fail; }
bool plat_WritesFail() { return write_failure; }
void plat_SetWriteLimit(long bytes) { write_limit = bytes < 0 ? -1 : bytes; }
void plat_SetWriteFailureStep(plat_WriteStep step) { failing_step = step; }
