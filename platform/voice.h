// The two voices of the output beside the sound effects: a narration played once and a
// background sound looped under it, mixed in the same audio callback; and the mute that
// silences the whole output, effects included.
#pragma once
#include <memory>

#include "platform/sound_file.h"

// Voices, as bits, so that several start, pause or stop in the same audio buffer.
enum plat_Voice : unsigned {
    PLAT_VOICE_NARRATION = 1,
    PLAT_VOICE_BACKGROUND = 2,
    PLAT_VOICE_BOTH = 3,
};

// Gains out of PLAT_VOICE_UNITY: the narration at full volume (0 dB), the background at 30 %
// (about -10.5 dB) so that a voice is heard over it. Effects play at full volume.
constexpr int PLAT_VOICE_UNITY = 32768;
constexpr int PLAT_NARRATION_GAIN = PLAT_VOICE_UNITY;
constexpr int PLAT_BACKGROUND_GAIN = PLAT_VOICE_UNITY * 3 / 10;

// The voice's sound (null: none); the voice stops. The sound is shared, never copied.
void plat_Voice_Set(plat_Voice voice, std::shared_ptr<const plat_Sound> sound);
// From the start; false when there is no output (DirectSoundCreate failed or was never
// called): nothing plays then and nothing waits.
bool plat_Voices_Play(unsigned voices);
void plat_Voices_Pause(unsigned voices);   // playing ones stop where they are
void plat_Voices_Resume(unsigned voices);  // paused ones go on from there
void plat_Voices_Stop(unsigned voices);    // back to the start, not playing

bool plat_Voice_Playing(plat_Voice voice);
bool plat_Voice_Paused(plat_Voice voice);
// Played to its end since its last Play (never for the looped background).
bool plat_Voice_Ended(plat_Voice voice);
double plat_Voice_Position(plat_Voice voice);  // seconds from its start
// An output is open for the voices and its device has not vanished.
bool plat_AudioOutput();

void plat_SetMute(bool mute);
bool plat_Muted();
