// The program's own bitmaps, sounds and icon, compiled in from resources/.
#pragma once
#include <cstddef>

struct plat_Resource {
    const char* name;
    const unsigned char* data;
    size_t size;
};

// Made at build time from resources/; ends with an entry whose name is null.
extern const plat_Resource plat_resource_table[];

// Found by file name without regard to case ("REZIA.BMP" finds rezia.bmp); null when absent.
// A resource added later hides a compiled-in one of the same name.
const plat_Resource* plat_FindResource(const char* name);
// Tests add resources of their own; the data must outlive the program.
void plat_AddResource(const char* name, const unsigned char* data, size_t size);
