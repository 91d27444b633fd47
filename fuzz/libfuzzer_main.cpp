// libFuzzer's entry for the one target a program is built for (PEXLO_FUZZ_ENTRY).
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return PEXLO_FUZZ_ENTRY(data, size); }
