// pexlo_artgen DIR: draws the program's pictures and sounds into DIR (normally resources/).
// pexlo_artgen --starter DIR: draws the starter library and the desktop icons into DIR.
#include <cstdio>
#include <cstring>

#include "framework/core/tf_log.h"
#include "tools/artgen/artgen.h"
#include "tools/artgen/starter.h"

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "--starter") == 0) {
        tf_LOG_SetONOFF(0);  // the program's code draws the thumbnails: no log beside them
        return artgen::WriteStarter(argv[2]) ? 0 : 1;
    }
    if (argc != 2) {
        fprintf(stderr, "usage: %s [--starter] DIRECTORY\n", argv[0]);
        return 2;
    }
    return artgen::WriteAll(argv[1]) ? 0 : 1;
}
