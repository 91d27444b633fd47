// The settings file "PX.INI" as the application screen reads it at start.
#include "framework/app/tf_app.h"
#include "fuzz/fuzz_support.h"

int pexlo_fuzz_ini(const uint8_t* data, size_t size) {
    pexlo_fuzz::Stage stage;
    const std::string ini = pexlo_fuzz::Put("PX.INI", data, size);
    int w = 1920, h = 1080, level = 2, period = 16;
    tf_APP_ReadINI(ini.c_str(), &w, &h, &level, &period);
    return 0;
}
