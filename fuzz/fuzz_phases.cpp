// An actor's phases file as P_Load_Fazy reads it, beside a sheet of three phases.
#include "book/pexlo.h"
#include "fuzz/fuzz_support.h"

int pexlo_fuzz_phases(const uint8_t* data, size_t size) {
    pexlo_fuzz::Stage stage;
    static const std::string sheet = pexlo_fuzz::Put("phases-pes.bmp", pexlo_fuzz::Sheet(3));
    const std::string faz = pexlo_fuzz::Put("phases-pes.faz", data, size);
    PRIDAJ_HERCA(sheet.c_str(), 0, 0, 4, 1, 0);  // reads the phases file
    P_Load_Fazy(faz.c_str(), REG_Objekt(0));     // and again, after the phases it has
    KOPIRUJ_OBJEKT(0);
    for (int i = 0; i < 3; ++i) REG_Objekt(1)->NF();
    VYMAZ_REG();
    PX_STAV_Reset();
    return 0;
}
