// A folder as one zip file, and a zip file read back into a folder of its own. Paths are the
// host's (UTF-8, "/"); names inside the archive are UTF-8, relative, with "/" between folders.
#pragma once
#include <cstdint>
#include <string>

// What an archive may hold; anything beyond is refused before it is written.
struct plat_ArchiveLimits {
    uint64_t total_bytes = uint64_t(2) << 30;  // all files together, unpacked
    uint64_t file_bytes = uint64_t(500) << 20;  // one file, unpacked
    uint64_t entries = 20000;
};

// Longest entry name taken, in bytes: a book's files lie a folder or two deep, and the whole path
// must still fit the program's paths beside the books.
constexpr size_t PLAT_ARCHIVE_NAME_MAX = 160;

enum class plat_ArchiveFault {
    NONE,
    UNREADABLE,  // the file (or a file of the folder) cannot be read
    NOT_ZIP,     // no zip, or cut short, or damaged
    NAME,        // a name that leads out of the folder or that no path can hold, or given twice
    LINK,        // a symbolic link, a device or anything else that is no file or folder
    TOO_BIG,     // unpacked beyond the limits
    BOMB,        // packed far beyond what compression does, or more bytes than declared
    TOO_MANY,    // more entries than the limit
    MISSING,     // no file of the kind asked for at the top
    WRITE,       // the result cannot be written
};

struct plat_ArchiveResult {
    plat_ArchiveFault fault = plat_ArchiveFault::NONE;
    std::string entry;  // the entry or file concerned, when one is
    bool ok() const { return fault == plat_ArchiveFault::NONE; }
};

// A name an archive entry may have: relative, UTF-8, no empty, "." or ".." component, no "\" or
// anything else a Windows or Linux path cannot hold, no control character, at most
// PLAT_ARCHIVE_NAME_MAX bytes. A folder's entry ends with "/".
bool plat_ArchiveNameOk(const std::string& name);

// A file at the archive's top (no "/" in its name) whose name ends with `ending`, without regard to case.
bool plat_ArchiveTopFile(const std::string& name, const char* ending);

// The regular files and folders of `folder` (hidden ones, the program's leftovers among them,
// left out; links and devices too), names sorted, written as a zip to `file` through the atomic
// writer. Refused unless some file at the top ends with `needed` (without regard to case).
plat_ArchiveResult plat_WriteArchive(const std::string& folder, const std::string& file, const char* needed,
                                     const plat_ArchiveLimits& limits = {});

// The zip `file` unpacked into the existing empty folder `into`. Every entry is checked before
// anything is written; bytes beyond an entry's declared size stop the unpacking. On a refusal
// `into` is left empty.
plat_ArchiveResult plat_ReadArchive(const std::string& file, const std::string& into, const char* needed,
                                    const plat_ArchiveLimits& limits = {});

// What went wrong, in English, for a terminal.
std::string plat_ArchiveFaultText(const plat_ArchiveResult& result);
