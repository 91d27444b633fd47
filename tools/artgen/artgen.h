// The generator of the program's own pictures and sounds (resources/): every file drawn or
// synthesised here, the same bytes on every run.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

struct File {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Every file, in a fixed order.
std::vector<File> DrawAll();
// Writes every file into the directory; false (after a line on stderr) when one fails.
bool WriteAll(const std::string& dir);
bool WriteFiles(const std::string& dir, const std::vector<File>& files);

// The single files.
std::vector<uint8_t> FrameworkSkin();  // "rezia_dll.bmp"
std::vector<uint8_t> EditorSkin();     // "rezia.bmp"
std::vector<uint8_t> WindowIcon();     // "QV_ICON.bmp"
std::vector<uint8_t> BookIcon();       // "kniha_ikona_default.bmp"
// The same book in another colour of cover (0xRRGGBB): the icon of a book of its own.
std::vector<uint8_t> BookIcon(uint32_t cover);
std::vector<uint8_t> ClickSound();     // "zvuknaraz.wav"
std::vector<uint8_t> ChimeSound();     // "zvukkoniec.wav"

}  // namespace artgen
