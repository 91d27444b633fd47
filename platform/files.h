// The file-system boundary: programs use "\" paths in Windows-1250; the platform converts
// to "/" and UTF-8 and matches a missing path component without regard to case.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "platform/file_limits.h"
#include "platform/win32.h"

#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)

#ifndef ERROR_INVALID_HANDLE
#define ERROR_INVALID_HANDLE 6
#endif
#ifndef ERROR_FILE_EXISTS
#define ERROR_FILE_EXISTS 80
#endif
#ifndef ERROR_DIR_NOT_EMPTY
#define ERROR_DIR_NOT_EMPTY 145
#endif
#ifndef ERROR_WRITE_FAULT
#define ERROR_WRITE_FAULT 29
#endif

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    DWORD nFileSizeLow;
    char cFileName[MAX_PATH];
};

// Wildcards "*" and "?" in the last component only, matched without regard to case; a
// trailing ".*" also takes names without an extension ("*.*" takes every name).
// Entries, "." and ".." among them, come in natural order (1, 2, ..., 10; case-insensitive).
// Host names that Windows-1250 cannot spell are listed with '?' and open by that name; a
// name that is not valid UTF-8 is taken as Windows-1250 bytes (as unpacked from a Windows
// archive) and opens by them.
// A last component without wildcards finds the one entry the path opens (the exact spelling
// first), looked up without reading the folder.
// Failure: ERROR_FILE_NOT_FOUND (no match), ERROR_PATH_NOT_FOUND (no such folder);
// the end of a search: ERROR_NO_MORE_FILES.
HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* out);
BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* out);
BOOL FindClose(HANDLE find);
// Natural order of Windows-1250 names: digit runs compare by value, letters without regard
// to case; exact bytes break ties so that the order is total.
bool plat_NaturalLess(const char* a, const char* b);
// Fails with ERROR_ALREADY_EXISTS when the folder (or a file of that name) exists.
BOOL CreateDirectoryA(const char* path, void* security);
// Copies through plat_WriteFileAtomic, so a failed copy leaves no half file. Only a regular
// file is copied (ERROR_ACCESS_DENIED and a notice for a FIFO or a device).
BOOL CopyFileA(const char* from, const char* to, BOOL failIfExists);
BOOL DeleteFileA(const char* path);
// Only an empty folder goes (ERROR_DIR_NOT_EMPTY otherwise).
BOOL RemoveDirectoryA(const char* path);
#define MOVEFILE_REPLACE_EXISTING 0x1
BOOL MoveFileExA(const char* from, const char* to, DWORD flags);

// fopen for a program path. A folder does not open, as on Windows. For reading, only a
// regular file opens: a FIFO, a device or a socket, or a link to one, would hold the program
// up or never end, and is refused at once with a notice (errno EINVAL). Files the program
// writes go through plat_WriteFileAtomic instead.
FILE* plat_fopen(const char* path, const char* mode);
// The host path a program path resolves to (existing components matched without regard to case).
std::string plat_HostPath(const char* path);

// What the file-system boundary refuses or leaves out, said once where it happens: `what`,
// and the host path concerned. By default these notices go to the debug-output channel; the
// program hands a function that writes them into its log. Returns the function before.
using plat_FileNotice = void (*)(const char* what, const char* host_path);
plat_FileNotice plat_SetFileNotice(plat_FileNotice notice);

// A text file read line by line within its kind's limits (platform/file_limits.h).
class plat_TextFile {
public:
    plat_TextFile(const char* path, const plat_TextLimits& limits);
    ~plat_TextFile();
    plat_TextFile(const plat_TextFile&) = delete;
    plat_TextFile& operator=(const plat_TextFile&) = delete;

    // False when the file did not open (missing, a folder, no regular file).
    bool IsOpen() const { return f_ != nullptr; }
    enum Read { LINE, TOO_LONG, END, LIMIT };
    // The next line without its ending ("\n" or "\r\n"): LINE; TOO_LONG for one longer than
    // the limit, read to its end, its first `limits.line` characters in *line; END at the end
    // of the file; LIMIT when the file goes on beyond its lines or bytes, and is read no further.
    Read Next(std::string* line);

private:
    FILE* f_;
    plat_TextLimits limits_;
    size_t lines_ = 0, bytes_ = 0;
    bool stopped_ = false;
};

// Every file the program writes is written whole or not at all: the bytes go to a
// temporary file in the same folder, which is flushed to the disk and renamed over `path`.
// On any failure the old file stays as it was and the temporary is removed; the last
// error is then ERROR_WRITE_FAULT when the temporary was made but could not be filled,
// else the error of the open or the rename. A new file gets the usual permissions, a
// replaced one keeps its own.
bool plat_WriteFileAtomic(const char* path, const void* data, size_t size);
// The same for a host path ("/" separators, UTF-8), for the tools and the screenshots.
bool plat_WriteHostFileAtomic(const std::string& hostPath, const void* data, size_t size);
// The same on a thread of its own, so that the caller never waits for the disk: requests are
// carried out in order, a newer one for a file still waiting replaces the older, and a failure
// leaves the old file as it was. The delete goes in the same order.
void plat_WriteFileLater(const std::string& path, std::string bytes);
void plat_DeleteFileLater(const std::string& path);
// Returns when every request made so far is carried out.
void plat_WaitForWrites();

// What a process leaves behind while it works (temporaries, copies, folders being filled) is
// named by a prefix, its process id and a dash, so that a later start can tell what belongs
// to a process still running (another editor on the same library) from what a crash or a
// kill left behind.
std::string plat_ProcessPrefix(const char* prefix);
// The program paths of the entries of folder `dir` whose names begin with `prefix` and whose
// process is gone, or that name no process.
std::vector<std::string> plat_FindLeftovers(const char* dir, const char* prefix);
// Removes those files and folders (with all they hold); the number removed.
int plat_RemoveLeftovers(const char* dir, const char* prefix);
// The temporaries of the atomic writes: PLAT_WRITE_TEMP_PREFIX, the process, six random characters.
#define PLAT_WRITE_TEMP_PREFIX ".pexlo-write-"
inline int plat_RemoveWriteTemporaries(const char* dir) { return plat_RemoveLeftovers(dir, PLAT_WRITE_TEMP_PREFIX); }

// A text that changes whenever the file is written or replaced (by this program or another);
// "" for no file.
std::string plat_FileVersion(const char* path);

// Test hook: while on, plat_fopen for writing or appending, atomic writes and CopyFileA
// fail, as on a read-only disk. The log writes with the host's own calls and goes on.
void plat_SetWriteFailure(bool fail);
// Test hook: atomic writes and copies of more than `bytes` bytes fail, as on a full disk.
// A negative value lifts the limit.
void plat_SetWriteLimit(long bytes);
// Test hook: atomic writes fail at the given step until PLAT_WRITE_STEP_NONE is set again.
enum plat_WriteStep {
    PLAT_WRITE_STEP_NONE,
    PLAT_WRITE_STEP_OPEN,
    PLAT_WRITE_STEP_WRITE,
    PLAT_WRITE_STEP_FLUSH,
    PLAT_WRITE_STEP_RENAME,
};
void plat_SetWriteFailureStep(plat_WriteStep step);
// Test hook: called with the host path of every atomic write whose temporary is whole, just
// before it is renamed into place (on whichever thread writes), so that a test can hold a
// write there while another process starts; null for none.
void plat_SetBeforeRenameHook(void (*hook)(const char* hostPath));
