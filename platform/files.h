// The file-system boundary: programs use "\" paths in Windows-1250; the platform converts
// to "/" and UTF-8 and matches a missing path component without regard to case.
#pragma once
#include <cstdio>
#include <string>
#include "platform/win32.h"

#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    DWORD nFileSizeLow;
    char cFileName[MAX_PATH];
};

// Wildcards "*" and "?" in the last component only, matched without regard to case.
// Entries come in natural order (1, 2, ..., 10; case-insensitive).
HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* out);
BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* out);
BOOL FindClose(HANDLE find);
BOOL CreateDirectoryA(const char* path, void* security);
BOOL CopyFileA(const char* from, const char* to, BOOL failIfExists);
BOOL DeleteFileA(const char* path);
#define MOVEFILE_REPLACE_EXISTING 0x1
BOOL MoveFileExA(const char* from, const char* to, DWORD flags);

// fopen for a program path.
FILE* plat_fopen(const char* path, const char* mode);
// The host path a program path resolves to (existing components matched without regard to case).
std::string plat_HostPath(const char* path);
