// Which audio devices the program may open: the test hooks' choice and the backend, and
// ALSA kept quiet on machines without sound.
#include <dlfcn.h>

#include "platform/audio_internal.h"
#include "platform/backend.h"

namespace {
plat_SoundDevice chosen_device = PLAT_SOUND_REAL;

void ignore_alsa_error(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

void plat_DSound_SetDevice(plat_SoundDevice device) { chosen_device = device; }
plat_SoundDevice plat_ChosenSoundDevice() { return chosen_device; }

bool plat_SoundUsesSdl() {
    return chosen_device == PLAT_SOUND_SDL || (chosen_device == PLAT_SOUND_REAL && !plat_IsHeadless());
}

// The program's log says that there is no sound instead. SDL loads the same library, so the
// error handler set here is the one it meets.
void plat_QuietAlsa() {
    static bool done = false;
    if (done) return;
    done = true;
    void* alsa = dlopen("libasound.so.2", RTLD_NOW);  // kept open: the handler must stay
    if (!alsa) return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    if (auto set = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"))) set(ignore_alsa_error);
}
