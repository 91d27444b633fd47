// The author's own folders outside the library, for choosing pictures: the home folder, its
// pictures folders, and what a folder holds. Paths and names are the host's (UTF-8, "/").
#pragma once
#include <functional>
#include <string>
#include <vector>

struct plat_HostEntry {
    std::string name;  // as the file system has it
    bool folder = false;
};

// At most this many entries of one folder are listed.
constexpr size_t PLAT_HOST_LIST_MAX = 2000;

// $HOME; "" when it is not set.
std::string plat_HomeFolder();
// The pictures folders that exist: the desktop's pictures folder (XDG_PICTURES_DIR, from the
// environment or the user's user-dirs.dirs) when set, else ~/Pictures; and ~/Obrázky too.
std::vector<std::string> plat_PictureFolders();
// Where the author's documents go: the desktop's documents folder (XDG_DOCUMENTS_DIR, as for the
// pictures) when it exists, else ~/Documents, ~/Dokumenty, ~/Desktop, else the home folder; ""
// without a home.
std::string plat_DocumentsFolder();
// The places a book is saved to, each once and only those that exist: the documents folder, the
// desktop (XDG_DESKTOP_DIR, else ~/Desktop or ~/Plocha), and the drives plugged in (the folders
// of /media/$USER and /run/media/$USER, where desktops mount sticks); none without a home.
std::vector<std::string> plat_SaveFolders();
// The folders and the regular files `keep` takes (by name) of `folder` (links followed), hidden
// ones left out, in natural order with folders first; false when it cannot be read. Cut at
// PLAT_HOST_LIST_MAX entries.
bool plat_ListHostFolder(const std::string& folder, const std::function<bool(const std::string&)>& keep,
                         std::vector<plat_HostEntry>* out);
