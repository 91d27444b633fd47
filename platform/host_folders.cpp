// The author's folders: the home, the pictures folders the desktop names, folder listings.
#include "platform/host_folders.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/codepage.h"
#include "platform/files.h"

namespace {
namespace fs = std::filesystem;

bool is_folder(const std::string& path) {
    std::error_code e;
    return !path.empty() && fs::is_directory(path, e);
}

// The desktop's folder of a kind: `variable` (XDG_PICTURES_DIR, ...) from the environment, else
// as the user's user-dirs.dirs names it (XDG_PICTURES_DIR="$HOME/Obrázky"); "" when neither does.
std::string named_folder(const std::string& home, const std::string& variable) {
    if (const char* env = getenv(variable.c_str()); env && *env) return env;
    const char* config = getenv("XDG_CONFIG_HOME");
    std::ifstream in((config && *config ? std::string(config) : home + "/.config") + "/user-dirs.dirs");
    const std::string key = variable + "=\"";
    std::string line;
    for (int n = 0; n < 100 && std::getline(in, line); ++n) {
        if (line.rfind(key, 0) != 0 || line.size() < key.size() + 1 || line.back() != '"') continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        return value.empty() || value[0] != '/' || value == home || value == home + "/" ? "" : value;
    }
    return "";
}

// The folder onto the list, when it is one and not there yet.
void add_folder(std::vector<std::string>* found, const std::string& f) {
    if (is_folder(f) && std::find(found->begin(), found->end(), f) == found->end()) found->push_back(f);
}

// Names compared as the program shows them.
bool natural(const plat_HostEntry& a, const plat_HostEntry& b) {
    if (a.folder != b.folder) return a.folder;
    return plat_NaturalLess(plat_Cp1250FromHostName(a.name.c_str()).c_str(),
                            plat_Cp1250FromHostName(b.name.c_str()).c_str());
}
}  // namespace

std::string plat_HomeFolder() {
    const char* home = getenv("HOME");
    return home ? home : "";
}

std::vector<std::string> plat_PictureFolders() {
    const std::string home = plat_HomeFolder();
    if (home.empty()) return {};
    const std::string named = named_folder(home, "XDG_PICTURES_DIR");
    std::vector<std::string> found;
    for (const std::string& f : {named.empty() ? home + "/Pictures" : named, home + "/Obrázky"}) add_folder(&found, f);
    return found;
}

std::string plat_DocumentsFolder() {
    const std::string home = plat_HomeFolder();
    if (home.empty()) return "";
    for (const std::string& f : {named_folder(home, "XDG_DOCUMENTS_DIR"), home + "/Documents", home + "/Dokumenty",
                                 home + "/Desktop"})
        if (is_folder(f)) return f;
    return home;
}

std::vector<std::string> plat_SaveFolders() {
    const std::string home = plat_HomeFolder();
    if (home.empty()) return {};
    std::vector<std::string> found;
    add_folder(&found, plat_DocumentsFolder());
    const std::string desktop = named_folder(home, "XDG_DESKTOP_DIR");
    for (const std::string& f : {desktop, home + "/Desktop", home + "/Plocha"})
        if (is_folder(f)) {
            add_folder(&found, f);
            break;
        }
    const char* user = getenv("USER");
    for (const std::string root : {"/media/", "/run/media/"}) {
        std::vector<plat_HostEntry> drives;
        if (user && *user && plat_ListHostFolder(root + user, [](const std::string&) { return false; }, &drives))
            for (const plat_HostEntry& d : drives) add_folder(&found, root + user + "/" + d.name);
    }
    return found;
}

bool plat_ListHostFolder(const std::string& folder, const std::function<bool(const std::string&)>& keep,
                         std::vector<plat_HostEntry>* out) {
    out->clear();
    std::error_code e;
    fs::directory_iterator it(folder, e);
    if (e) return false;
    for (; it != fs::directory_iterator() && out->size() < PLAT_HOST_LIST_MAX; it.increment(e)) {
        if (e) break;
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code k;
        const bool dir = it->is_directory(k);
        if (dir || (it->is_regular_file(k) && keep(name))) out->push_back({name, dir});
    }
    std::sort(out->begin(), out->end(), natural);
    return true;
}
