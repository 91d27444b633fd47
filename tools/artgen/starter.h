// The starter library a user begins with: the template of a new book with pictures to build
// pages from, and a sample book made of the same pictures.
#pragma once
#include <string>
#include <vector>

#include "tools/artgen/artgen.h"

namespace artgen {

// The pictures of a book's three asset folders; actors' sheets each followed by their
// phases file (same name, extension "faz").
std::vector<File> Backgrounds();  // "Pozadia"
std::vector<File> Props();        // "Kulisy"
std::vector<File> Actors();       // "Herci"
// The book's sounds (WAV and Ogg Vorbis, written through libsndfile).
std::vector<File> Sounds();  // "Zvuky"

// Writes `dir`/library, the user's library as it starts ("app/" with the template and the
// default book icon, the sample book beside it, each page with its thumbnail), and
// `dir`/icons, the program's icon in the sizes of the desktop's icon theme. False (after a
// line on stderr) when something cannot be written.
bool WriteStarter(const std::string& dir);

}  // namespace artgen
