// What the file-system files share: Windows error codes for failed host calls, the opening
// of files for reading, and the notices.
#pragma once
#include <cstdio>
#include <string>

#include "platform/win32.h"

// The Windows error code for host errno `err` on host path `host`; a missing file whose
// folder is missing too is a missing path.
DWORD plat_FileError(int err, const std::string& host);
// Sets the last error and returns FALSE.
BOOL plat_FailWith(DWORD error);

// Host file `host` opened for reading with `mode` when it is a regular file; anything else (a
// FIFO, a device, a socket, or a link to one) is refused at once with a notice (errno EINVAL),
// a folder with errno EISDIR.
FILE* plat_OpenRegular(const std::string& host, const char* mode);
// One notice of the file-system boundary to whoever takes them (plat_SetFileNotice).
void plat_Notice(const char* what, const std::string& host);

// Whether a name matches a wildcard pattern ("*" and "?", without regard to case; a trailing
// ".*" also takes names without an extension).
bool plat_PatternMatches(const std::string& pattern, const char* name);

// The test hook of plat_SetWriteFailure is on: every change on disk fails as on a read-only disk.
bool plat_WritesFail();
