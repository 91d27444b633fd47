// Backend choice: the sdl backend unless a test or benchmark picks the headless one.
#include <cstring>

#include "platform/backend.h"
#include "platform/window_internal.h"

namespace {
plat_Backend* current = nullptr;
}

plat_Backend& plat_CurrentBackend() { return current ? *current : plat_SdlBackend(); }

void plat_UseBackend(plat_Backend& backend) {
    plat_ResetWindows();
    plat_ResetQueue();
    current = &backend;
}

void plat_SelectBackend(const char* name) {
    if (name && strcmp(name, "sdl") == 0)
        plat_UseBackend(plat_SdlBackend());
    else if (name && strcmp(name, "headless") == 0)
        plat_Headless_Start({});
    else
        OutputDebugStringA("window: unknown backend, kept the current one\n");
}

bool plat_IsHeadless() { return &plat_CurrentBackend() == &plat_HeadlessBackend(); }
