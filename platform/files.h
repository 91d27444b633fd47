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

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    DWORD nFileSizeLow;
    char cFileName[MAX_PATH];
};

// Wildcards "*" and "?" in the last component only, matched without regard to case; a
// trailing ".*" also takes names without an extension ("*.*" takes every name).
// Entries, "." and ".." among them, come in natural order (1, 2, ..., 10; case-insensitive).
// Host names that Windows-1250 cannot spell are listed with '?' and open by that name.
// Failure: ERROR_FILE_NOT_FOUND (no match), ERROR_PATH_NOT_FOUND (no such folder);
// the end of a search: ERROR_NO_MORE_FILES.
HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* out);
BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* out);
BOOL FindClose(HANDLE find);
// Fails with ERROR_ALREADY_EXISTS when the folder (or a file of that name) exists.
BOOL CreateDirectoryA(const char* path, void* security);
// Copies through a temporary file renamed into place, so a failed copy leaves no half file.
BOOL CopyFileA(const char* from, const char* to, BOOL failIfExists);
BOOL DeleteFileA(const char* path);
#define MOVEFILE_REPLACE_EXISTING 0x1
BOOL MoveFileExA(const char* from, const char* to, DWORD flags);

// fopen for a program path. A folder does not open, as on Windows.
FILE* plat_fopen(const char* path, const char* mode);
// The host path a program path resolves to (existing components matched without regard to case).
std::string plat_HostPath(const char* path);

// Test hook: while on, plat_fopen for writing or appending and CopyFileA fail, as on a
// read-only disk. The log writes through plat_fopen, so its lines are lost meanwhile.
void plat_SetWriteFailure(bool fail);
// Test hook: every file opened for writing afterwards, and every copy, takes only `bytes`
// bytes; further writes fail as on a full disk. A negative value lifts the limit.
void plat_SetWriteLimit(long bytes);
