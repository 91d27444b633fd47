// What the two file-system files share: Windows error codes for failed host calls.
#pragma once
#include <string>

#include "platform/win32.h"

// The Windows error code for host errno `err` on host path `host`; a missing file whose
// folder is missing too is a missing path.
DWORD plat_FileError(int err, const std::string& host);
// Sets the last error and returns FALSE.
BOOL plat_FailWith(DWORD error);
// The test hook of plat_SetWriteFailure is on: every change on disk fails as on a read-only disk.
bool plat_WritesFail();
