// Packing a folder: its files and folders listed and checked as an unpacking would check them,
// packed into memory and written through the atomic writer, so no half archive is ever left.
#include <sys/stat.h>
#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/archive.h"
#include "platform/files.h"

namespace {
namespace fs = std::filesystem;
using F = plat_ArchiveFault;

struct Entry {
    std::string name;  // relative, "/" between folders, a folder's ending with "/"
    std::string path;  // on the disk
    uint64_t size = 0;
    bool folder = false;
};

plat_ArchiveResult fault(F f, const std::string& entry = "") { return {f, entry}; }

// The folder's files and folders, hidden ones (the program's temporaries) and all else left out.
plat_ArchiveResult list(const std::string& folder, const plat_ArchiveLimits& limits, std::vector<Entry>* entries) {
    std::error_code error;
    fs::recursive_directory_iterator it(folder, error), end;
    if (error) return fault(F::UNREADABLE, folder);
    uint64_t total = 0;
    for (; it != end; it.increment(error)) {
        if (error) return fault(F::UNREADABLE, folder);
        const fs::path& p = it->path();
        const fs::file_status status = it->symlink_status(error);
        const bool folder_entry = fs::is_directory(status);
        if (p.filename().string()[0] == '.' || !(folder_entry || fs::is_regular_file(status))) {
            if (folder_entry) it.disable_recursion_pending();
            continue;
        }
        Entry e{p.lexically_relative(folder).generic_string() + (folder_entry ? "/" : ""), p.string()};
        e.folder = folder_entry;
        e.size = folder_entry ? 0 : fs::file_size(p, error);
        if (error) return fault(F::UNREADABLE, e.name);
        if (!plat_ArchiveNameOk(e.name)) return fault(F::NAME, e.name);
        if (e.size > limits.file_bytes || (total += e.size) > limits.total_bytes) return fault(F::TOO_BIG, e.name);
        entries->push_back(std::move(e));
        if (entries->size() > limits.entries) return fault(F::TOO_MANY, std::to_string(entries->size()));
    }
    std::sort(entries->begin(), entries->end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return {};
}

// Each entry added with its kind, so that unpacking elsewhere gives plain files and folders.
bool add(zip_t* z, const Entry& e) {
    zip_int64_t i = -1;
    if (e.folder) {
        i = zip_dir_add(z, e.name.c_str(), ZIP_FL_ENC_UTF_8);
    } else if (zip_source_t* s = zip_source_file(z, e.path.c_str(), 0, -1)) {
        i = zip_file_add(z, e.name.c_str(), s, ZIP_FL_ENC_UTF_8);
        if (i < 0) zip_source_free(s);
    }
    const zip_uint32_t mode = e.folder ? S_IFDIR | 0755 : S_IFREG | 0644;
    return i >= 0 && zip_file_set_external_attributes(z, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX, mode << 16) == 0;
}

// The archive's bytes, packed in memory; false when a file could not be read.
bool pack(const std::vector<Entry>& entries, std::string* bytes) {
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_t* z = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, nullptr) : nullptr;
    if (!z) {
        if (buffer) zip_source_free(buffer);
        return false;
    }
    zip_source_keep(buffer);  // its bytes are read after the archive is closed
    bool ok = std::all_of(entries.begin(), entries.end(), [z](const Entry& e) { return add(z, e); });
    if (!ok || zip_close(z) != 0) zip_discard(z);
    zip_stat_t st;
    ok = ok && zip_source_stat(buffer, &st) == 0 && zip_source_open(buffer) == 0;
    if (ok) {
        bytes->resize(st.size);
        ok = zip_source_read(buffer, bytes->data(), st.size) == zip_int64_t(st.size);
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    return ok;
}
}  // namespace

plat_ArchiveResult plat_WriteArchive(const std::string& folder, const std::string& file, const char* needed,
                                     const plat_ArchiveLimits& limits) {
    std::vector<Entry> entries;
    if (plat_ArchiveResult r = list(folder, limits, &entries); !r.ok()) return r;
    const auto page = [needed](const Entry& e) { return plat_ArchiveTopFile(e.name, needed); };
    if (std::none_of(entries.begin(), entries.end(), page)) return fault(F::MISSING);
    std::string bytes;
    if (!pack(entries, &bytes)) return fault(F::UNREADABLE, folder);
    if (!plat_WriteHostFileAtomic(file, bytes.data(), bytes.size())) return fault(F::WRITE, file);
    return {};
}

std::string plat_ArchiveFaultText(const plat_ArchiveResult& r) {
    const std::string at = r.entry.empty() ? "" : ": " + r.entry;
    switch (r.fault) {
    case F::NONE: return "";
    case F::UNREADABLE: return "cannot read" + at;
    case F::NOT_ZIP: return "not a book file: no zip, cut short or damaged" + at;
    case F::NAME: return "a name that leads out of the book or that no path can hold" + at;
    case F::LINK: return "a link or a device, not a file" + at;
    case F::TOO_BIG: return "too big: a file over 500 MB or more than 2 GB in all" + at;
    case F::BOMB: return "packed beyond what compression does (a zip bomb)" + at;
    case F::TOO_MANY: return "too many files (at most 20000)" + at;
    case F::MISSING: return "no page: a book has its pages (*.str) at the top";
    case F::WRITE: return "cannot write" + at;
    }
    return "";
}
