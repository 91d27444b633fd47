// Process-wide Win32 calls: the debug-output channel and the last-error value.
#include <cstdio>

#include "platform/win32.h"

namespace {
thread_local DWORD last_error = ERROR_SUCCESS;
}

void OutputDebugStringA(const char* text) {
    if (text) fputs(text, stderr);
}

DWORD GetLastError() { return last_error; }
void SetLastError(DWORD err) { last_error = err; }
