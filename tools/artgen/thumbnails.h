// The thumbnails of a book, made by the program's own code: those of its asset pictures, and
// those of its pages as a save writes them.
#pragma once
#include <string>
#include <vector>

namespace artgen {

// `book`: the host path of the book's folder; `pages`: its page files' names. False when a
// page cannot be read or a thumbnail cannot be written.
bool DrawThumbnails(const std::string& book, const std::vector<std::string>& pages);

}  // namespace artgen
