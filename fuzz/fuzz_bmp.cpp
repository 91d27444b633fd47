// A picture file loaded onto a surface, keyed and measured as the props and actors are.
#include "framework/surface/tf_dsrfc.h"
#include "fuzz/fuzz_support.h"

int pexlo_fuzz_bmp(const uint8_t* data, size_t size) {
    pexlo_fuzz::Stage stage;
    const std::string bmp = pexlo_fuzz::Put("obrazok.bmp", data, size);
    tf_CDas_Surface s;
    s.NAHRAJ_SURFACE(bmp.c_str());
    if (s.lpDDS) {
        s.TC_NASTAV(1, 1);
        s.BC_NASTAV(0, 0);
        s.ZAMERAJ_FAZU(s.sir / 2, s.vys / 2);
    }
    return 0;
}
