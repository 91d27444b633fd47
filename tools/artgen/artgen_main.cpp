// pexlo_artgen DIR: draws the program's pictures and sounds into DIR (normally resources/).
#include <cstdio>

#include "tools/artgen/artgen.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    return artgen::WriteAll(argv[1]) ? 0 : 1;
}
