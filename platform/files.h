// The file-system boundary: programs use "\" paths in Windows-1250; the platform converts
// to "/" and UTF-8 and matches a missing path component without regard to case.
#pragma once
#include <cstdio>
#include <string>
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
// Fails with ERROR_ALREADY_EXISTS when the folder (or a file of that name) exists.
BOOL CreateDirectoryA(const char* path, void* security);
// Copies through plat_WriteFileAtomic, so a failed copy leaves no half file.
BOOL CopyFileA(const char* from, const char* to, BOOL failIfExists);
BOOL DeleteFileA(const char* path);
// Only an empty folder goes (ERROR_DIR_NOT_EMPTY otherwise).
BOOL RemoveDirectoryA(const char* path);
#define MOVEFILE_REPLACE_EXISTING 0x1
BOOL MoveFileExA(const char* from, const char* to, DWORD flags);

// fopen for a program path. A folder does not open, as on Windows. Files the program
// writes go through plat_WriteFileAtomic instead.
FILE* plat_fopen(const char* path, const char* mode);
// The host path a program path resolves to (existing components matched without regard to case).
std::string plat_HostPath(const char* path);

// Every file the program writes is written whole or not at all: the bytes go to a
// temporary file in the same folder, which is flushed to the disk and renamed over `path`.
// On any failure the old file stays as it was and the temporary is removed; the last
// error is then ERROR_WRITE_FAULT when the temporary was made but could not be filled,
// else the error of the open or the rename. A new file gets the usual permissions, a
// replaced one keeps its own.
bool plat_WriteFileAtomic(const char* path, const void* data, size_t size);
// The same for a host path ("/" separators, UTF-8), for the tools and the screenshots.
bool plat_WriteHostFileAtomic(const std::string& hostPath, const void* data, size_t size);
// The temporaries are named PLAT_WRITE_TEMP_PREFIX and six random characters, so that one
// a crash left behind can be recognised and removed.
#define PLAT_WRITE_TEMP_PREFIX ".pexlo-write-"
// Removes the temporaries that writes cut short (a crash, a kill) left in the program folder
// `dir`; the number removed.
int plat_RemoveWriteTemporaries(const char* dir);

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
