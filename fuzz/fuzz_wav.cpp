// A wave file loaded as a sound effect, played and mixed on the silent device.
#include <vector>

#include "framework/core/tf_dso.h"
#include "fuzz/fuzz_support.h"
#include "platform/dsound.h"

int pexlo_fuzz_wav(const uint8_t* data, size_t size) {
    pexlo_fuzz::Stage stage;
    const std::string wav = pexlo_fuzz::Put("zvuk.wav", data, size);
    plat_DSound_SetDevice(PLAT_SOUND_FAKE);
    tf_DSO_INIT(nullptr);
    {
        tf_CDSO_Zvuk zvuk;
        if (zvuk.NAHRAJ_FILE(wav.c_str()) && zvuk.SPUSTI()) {
            std::vector<int16_t> out(2 * 256);
            plat_DSound_FakeMix(tf_lpDS, out.data(), 256);
        }
    }
    tf_DSO_DONE();
    plat_DSound_ClearPlays();
    plat_DSound_SetDevice(PLAT_SOUND_REAL);
    return 0;
}
