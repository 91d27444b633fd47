// Unpacking a zip: the archive's whole directory is checked first (names, kinds, sizes, counts),
// then the entries are written into the caller's folder with their real bytes counted as they come.
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/archive.h"
#include "platform/codepage.h"
#include "platform/files_internal.h"

namespace {
namespace fs = std::filesystem;
using F = plat_ArchiveFault;

// Deflate packs at most about 1030 to 1, so an entry declared beyond that lies about its size.
// Small entries are let be: their bytes are bounded anyway.
constexpr uint64_t MAX_RATIO = 1100, RATIO_FROM = uint64_t(1) << 20;
constexpr zip_uint64_t STAT_NEEDED =
    ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;

struct Entry {
    zip_uint64_t index;
    std::string name;
    uint64_t size, packed;
    bool folder;
};

plat_ArchiveResult fault(F f, const std::string& entry = "") { return {f, entry}; }

// Only files and folders: a Unix entry says its kind in the high half of its attributes.
bool file_or_folder(zip_t* z, zip_uint64_t i) {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(z, i, 0, &system, &attributes) != 0) return false;
    const mode_t type = (attributes >> 16) & S_IFMT;
    return system != ZIP_OPSYS_UNIX || type == 0 || type == S_IFREG || type == S_IFDIR;
}

// One entry of the directory, checked on its own.
plat_ArchiveResult check_entry(zip_t* z, zip_uint64_t i, uint64_t archive_bytes, const plat_ArchiveLimits& limits,
                               Entry* e) {
    zip_stat_t st;
    if (zip_stat_index(z, i, 0, &st) != 0 || (st.valid & STAT_NEEDED) != STAT_NEEDED) return fault(F::NOT_ZIP);
    *e = {i, st.name, st.size, st.comp_size, false};
    if (!plat_ArchiveNameOk(e->name)) return fault(F::NAME, e->name);
    if (!file_or_folder(z, i)) return fault(F::LINK, e->name);
    e->folder = e->name.back() == '/';
    const bool plain = st.comp_method == ZIP_CM_STORE || st.comp_method == ZIP_CM_DEFLATE;
    if (!plain || st.encryption_method != ZIP_EM_NONE || (e->folder && st.size)) return fault(F::NOT_ZIP, e->name);
    if (st.size > limits.file_bytes) return fault(F::TOO_BIG, e->name);
    const bool dense = st.size >= RATIO_FROM && st.size / std::max<uint64_t>(st.comp_size, 1) > MAX_RATIO;
    if (dense || st.comp_size > archive_bytes) return fault(F::BOMB, e->name);
    return {};
}

// The whole directory: every entry, then what they come to together.
plat_ArchiveResult check(zip_t* z, uint64_t archive_bytes, const char* needed, const plat_ArchiveLimits& limits,
                         std::vector<Entry>* entries) {
    const zip_int64_t n = zip_get_num_entries(z, 0);
    if (n < 0) return fault(F::NOT_ZIP);
    if (uint64_t(n) > limits.entries) return fault(F::TOO_MANY, std::to_string(n));
    uint64_t total = 0, packed = 0;
    bool found = false;
    for (zip_uint64_t i = 0; i < zip_uint64_t(n); ++i) {
        Entry e;
        if (plat_ArchiveResult r = check_entry(z, i, archive_bytes, limits, &e); !r.ok()) return r;
        total += e.size;
        packed += e.packed;
        if (total > limits.total_bytes) return fault(F::TOO_BIG, e.name);
        // Entries that share their packed bytes (as the densest bombs are made) add up to more than the file.
        if (packed > archive_bytes) return fault(F::BOMB, e.name);
        found = found || plat_ArchiveTopFile(e.name, needed);
        entries->push_back(std::move(e));
    }
    return found ? plat_ArchiveResult{} : fault(F::MISSING);
}

bool write_all(int fd, const char* p, size_t n) {
    while (n > 0) {
        const ssize_t w = write(fd, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        p += w;
        n -= size_t(w);
    }
    return true;
}

// The entry's bytes into a file of its own: no more than it declared.
plat_ArchiveResult copy_out(zip_file_t* in, int fd, const Entry& e) {
    std::vector<char> buffer(size_t(1) << 16);
    uint64_t got = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(in, buffer.data(), buffer.size());
        if (n < 0) return fault(F::NOT_ZIP, e.name);
        if (n == 0) break;
        got += uint64_t(n);
        if (got > e.size) return fault(F::BOMB, e.name);
        if (!write_all(fd, buffer.data(), size_t(n))) return fault(F::WRITE, e.name);
    }
    if (got != e.size) return fault(F::NOT_ZIP, e.name);
    return fsync(fd) == 0 ? plat_ArchiveResult{} : fault(F::WRITE, e.name);
}

// Folders are made as needed; a file is always new (a name given twice is refused).
plat_ArchiveResult unpack(zip_t* z, const Entry& e, const std::string& into) {
    if (plat_WritesFail()) return fault(F::WRITE, e.name);  // the tests' read-only disk
    const fs::path target = into + "/" + e.name;
    std::error_code error;
    fs::create_directories(e.folder ? target : target.parent_path(), error);
    if (error) {
        const bool taken = error == std::errc::file_exists || error == std::errc::not_a_directory;
        return fault(taken ? F::NAME : F::WRITE, e.name);
    }
    if (e.folder) return {};
    const int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return fault(errno == EEXIST ? F::NAME : F::WRITE, e.name);
    zip_file_t* in = zip_fopen_index(z, e.index, 0);
    plat_ArchiveResult r = in ? copy_out(in, fd, e) : fault(F::NOT_ZIP, e.name);
    if (in) zip_fclose(in);
    if (close(fd) != 0 && r.ok()) r = fault(F::WRITE, e.name);
    return r;
}

void empty_folder(const std::string& folder) {
    std::error_code error;
    for (const fs::directory_entry& d : fs::directory_iterator(folder, error)) fs::remove_all(d.path(), error);
}
}  // namespace

bool plat_ArchiveTopFile(const std::string& name, const char* ending) {
    const size_t n = strlen(ending);
    return name.find('/') == std::string::npos && name.size() > n &&
           strcasecmp(name.c_str() + name.size() - n, ending) == 0;
}

bool plat_ArchiveNameOk(const std::string& name) {
    if (name.empty() || name.size() > PLAT_ARCHIVE_NAME_MAX || name[0] == '/' || !plat_IsUtf8(name.c_str()))
        return false;
    for (const unsigned char c : name)
        if (c < 0x20 || c == 0x7F || std::string_view("\\:*?\"<>|").find(char(c)) != std::string_view::npos)
            return false;
    const std::string_view body(name.data(), name.size() - (name.back() == '/' ? 1 : 0));
    for (size_t start = 0;;) {
        const size_t slash = body.find('/', start);
        const std::string_view part = body.substr(start, slash - start);
        // Windows drops a name's trailing dots and spaces, which makes ".." of "..." and "a" of "a ".
        if (part.empty() || part.back() == '.' || part.back() == ' ') return false;
        if (slash == std::string_view::npos) return true;
        start = slash + 1;
    }
}

plat_ArchiveResult plat_ReadArchive(const std::string& file, const std::string& into, const char* needed,
                                    const plat_ArchiveLimits& limits) {
    struct stat st;
    if (stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return fault(F::UNREADABLE, file);
    int code = 0;
    zip_t* z = zip_open(file.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!z && code == ZIP_ER_EXISTS) return fault(F::NAME);  // a name given twice: libzip does not say which
    if (!z) return fault(code == ZIP_ER_OPEN || code == ZIP_ER_READ ? F::UNREADABLE : F::NOT_ZIP, file);
    std::vector<Entry> entries;
    plat_ArchiveResult r = check(z, uint64_t(st.st_size), needed, limits, &entries);
    for (size_t i = 0; r.ok() && i < entries.size(); ++i) r = unpack(z, entries[i], into);
    zip_discard(z);
    if (!r.ok()) empty_folder(into);
    return r;
}
