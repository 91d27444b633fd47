#include "tools/artgen/artgen.h"

#include <cstdio>

#include "platform/files.h"

namespace artgen {

std::vector<File> DrawAll() {
    return {{"rezia_dll.bmp", FrameworkSkin()},      {"rezia.bmp", EditorSkin()},     {"QV_ICON.bmp", WindowIcon()},
            {"kniha_ikona_default.bmp", BookIcon()}, {"zvuknaraz.wav", ClickSound()}, {"zvukkoniec.wav", ChimeSound()}};
}

bool WriteAll(const std::string& dir) { return WriteFiles(dir, DrawAll()); }

bool WriteFiles(const std::string& dir, const std::vector<File>& files) {
    for (const File& f : files) {
        const std::string path = dir + "/" + f.name;
        if (f.bytes.empty() || !plat_WriteHostFileAtomic(path, f.bytes.data(), f.bytes.size())) {
            fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace artgen
