// Recording from the default input device: mono 16-bit samples at PLAT_MIX_RATE, at most
// PLAT_CAPTURE_MAX_SECONDS. Nothing here blocks: without a microphone a recording just
// cannot start, and a device that vanishes ends the recording with what it captured.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#define PLAT_CAPTURE_MAX_SECONDS 120
// The level meter looks this far back.
#define PLAT_CAPTURE_LEVEL_MS 50

// An input device seems to be there (SDL lists one, or cannot tell before opening it).
bool plat_Capture_Available();
// Opens the default input device and records into memory; false, with SDL's reason in
// *why, when there is none or it cannot be opened, or a recording is already on.
bool plat_Capture_Start(std::string* why);
// Every tick while recording: a recording that reached the cap or whose device vanished
// (unplugged, an error in the device's thread) ends here, and its device closes. True
// while it goes on. The device's loss is seen from its status, so no event has to reach us.
bool plat_Capture_Poll();
bool plat_Capture_Recording();
// The loudest sample of the last PLAT_CAPTURE_LEVEL_MS, 0 ... 32767.
int plat_Capture_Level();
double plat_Capture_Seconds();

enum plat_CaptureEnd {
    PLAT_CAPTURE_STOPPED,  // by plat_Capture_Take
    PLAT_CAPTURE_FULL,     // PLAT_CAPTURE_MAX_SECONDS reached
    PLAT_CAPTURE_LOST,     // the device vanished
};
plat_CaptureEnd plat_Capture_HowEnded();
// Ends a recording still on and hands over what the last one captured (once).
std::vector<int16_t> plat_Capture_Take();

// Test hook: the device counts as vanished from now until the recording ends.
void plat_Capture_LoseDevice();
