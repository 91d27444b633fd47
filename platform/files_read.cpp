// Reading files: only regular files open for reading, so that a FIFO or a device (or a link to
// one) can neither hold the program up nor feed it without end; text files line by line within
// their kind's limits; and the notices of the file-system boundary.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/files_internal.h"

namespace {
plat_FileNotice notice_taker = nullptr;

FILE* refuse(int fd, int err, const std::string& host) {
    if (fd >= 0) close(fd);
    if (err == EINVAL) plat_Notice("not a regular file, not read", host);
    errno = err;
    return nullptr;
}
}  // namespace

void plat_Notice(const char* what, const std::string& host) {
    if (notice_taker) {
        notice_taker(what, host.c_str());
        return;
    }
    OutputDebugStringA(("files: " + std::string(what) + ": " + host + "\n").c_str());
}

plat_FileNotice plat_SetFileNotice(plat_FileNotice notice) {
    const plat_FileNotice before = notice_taker;
    notice_taker = notice;
    return before;
}

FILE* plat_OpenRegular(const std::string& host, const char* mode) {
    // Looked at before the open, which a device may answer with effects of its own.
    struct stat st;
    if (stat(host.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return refuse(-1, S_ISDIR(st.st_mode) ? EISDIR : EINVAL, host);
    // Without waiting: the open of a FIFO that nobody writes would never return. The file
    // opened is looked at again, in case the name changed its file meanwhile.
    const int fd = open(host.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    if (fstat(fd, &st) != 0) return refuse(fd, EIO, host);
    if (!S_ISREG(st.st_mode)) return refuse(fd, S_ISDIR(st.st_mode) ? EISDIR : EINVAL, host);
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return refuse(fd, EIO, host);
    FILE* f = fdopen(fd, mode);
    if (!f) close(fd);
    return f;
}

plat_TextFile::plat_TextFile(const char* path, const plat_TextLimits& limits)
    : f_(plat_fopen(path, "rb")), limits_(limits) {}

plat_TextFile::~plat_TextFile() {
    if (f_) fclose(f_);
}

plat_TextFile::Read plat_TextFile::Next(std::string* line) {
    line->clear();
    if (!f_) return END;
    if (stopped_) return LIMIT;
    if (lines_ == limits_.lines) {
        stopped_ = getc(f_) != EOF;
        return stopped_ ? LIMIT : END;
    }
    bool any = false, too_long = false;
    for (int c; (c = getc(f_)) != EOF;) {
        if (++bytes_ > limits_.bytes) {
            stopped_ = true;
            line->clear();
            return LIMIT;
        }
        any = true;
        if (c == '\n') break;
        // One more than allowed is kept, for a "\r" to strip.
        if (line->size() <= limits_.line)
            line->push_back(static_cast<char>(c));
        else
            too_long = true;
    }
    if (!any) return END;
    ++lines_;
    if (!line->empty() && line->back() == '\r') line->pop_back();
    if (!too_long && line->size() <= limits_.line) return LINE;
    line->resize(limits_.line);
    return TOO_LONG;
}
