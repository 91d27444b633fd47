#include "tools/artgen/artgen.h"

#include <cstdio>

namespace artgen {

std::vector<File> DrawAll() {
    return {{"rezia_dll.bmp", FrameworkSkin()},      {"rezia.bmp", EditorSkin()},     {"QV_ICON.bmp", WindowIcon()},
            {"kniha_ikona_default.bmp", BookIcon()}, {"zvuknaraz.wav", ClickSound()}, {"zvukkoniec.wav", ChimeSound()}};
}

bool WriteAll(const std::string& dir) { return WriteFiles(dir, DrawAll()); }

bool WriteFiles(const std::string& dir, const std::vector<File>& files) {
    for (const File& f : files) {
        const std::string path = dir + "/" + f.name;
        FILE* out = fopen(path.c_str(), "wb");
        bool ok = out && !f.bytes.empty() && fwrite(f.bytes.data(), 1, f.bytes.size(), out) == f.bytes.size();
        if (out && fclose(out) != 0) ok = false;
        if (!ok) {
            fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace artgen
