// A library of fuzzed folder and file names: one path a line, "/" between folders, a final
// "/" for a folder. The editor's start and every book and page of the catalogue are chosen;
// nothing may be written outside the books: not into the program's folder or its template
// (whose picture would get a thumbnail), not beside the library.
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <strings.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "book/pexlo.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_utl.h"
#include "fuzz/fuzz_support.h"

namespace {
constexpr size_t kMaxEntries = 64, kMaxName = 120;

// Every path under `dir` (host) with the size of each file (-1 for a folder).
std::set<std::string> tree_of(const std::string& dir) {
    static std::set<std::string>* seen;
    std::set<std::string> all;
    seen = &all;
    nftw(dir.c_str(), [](const char* p, const struct stat* st, int, FTW*) {
        seen->insert(std::string(p) + " " + std::to_string(S_ISDIR(st->st_mode) ? -1 : st->st_size));
        return 0;
    }, 16, FTW_PHYS);
    return all;
}

void remove_tree(const std::string& dir) {
    nftw(dir.c_str(), [](const char* p, const struct stat*, int, FTW*) { return remove(p); }, 16, FTW_DEPTH | FTW_PHYS);
}

// What a file of that name holds: a page, a picture, a phases file, or nothing.
std::string content_for(const std::string& name) {
    auto ends = [&](const char* ext) { return name.size() >= 4 && strcasecmp(name.c_str() + name.size() - 4, ext) == 0; };
    if (ends(".str")) return "p les 4\nk strom 10 10 1 1 0\nh pes 20 20 3 1 0\n";
    if (ends(".bmp") || ends(".thm")) return pexlo_fuzz::Sheet(2);
    if (ends(".faz")) return "3 3\n12 3\n";
    return "";
}

// The input's paths made under `root`; names that the host cannot hold, and "." and "..",
// are left out, as is the program's own folder.
void make_library(const std::string& root, const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t entries = 0;
    for (size_t at = 0; at <= text.size() && entries < kMaxEntries; ++entries) {
        const size_t end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        std::string path = root;
        for (size_t from = 0; from < line.size();) {
            const size_t slash = std::min(line.find('/', from), line.size());
            const std::string name = line.substr(from, slash - from);
            from = slash + 1;
            const bool folder = slash < line.size();
            if (name.empty() || name == "." || name == ".." || name.size() > kMaxName ||
                name.find('\0') != std::string::npos || (path == root && name == "app"))
                break;
            path += "/" + name;
            if (folder) {
                mkdir(path.c_str(), 0755);
            } else if (FILE* f = fopen(path.c_str(), "wb")) {
                const std::string bytes = content_for(name);
                fwrite(bytes.data(), 1, bytes.size(), f);
                fclose(f);
            }
        }
    }
}

void open_everything() {
    duir_KNIHY = new tf_CDUIR("duir_KNIHY");
    duir_STRANY = new tf_CDUIR("duir_STRANY");
    utl_duir_Pozadia = new tf_UTL_CDUIR_THMFILE("utl_duir_Pozadia");
    utl_duir_Kulisy = new tf_UTL_CDUIR_THMFILE("utl_duir_Kulisy");
    utl_duir_Herci = new tf_UTL_CDUIR_THMFILE("utl_duir_Herci");
    PX_Uprac_docasne();
    NACITAJ_KNIHY();
    std::vector<int> books;
    for (int i = 0; i < KS.count; ++i) books.push_back(static_cast<struct_kniha_strana*>(KS.GET(i))->book_id);
    for (int book : std::set<int>(books.begin(), books.end())) {
        VOLBA_KNIHY(book, true);
        for (int page = 2; NAJDI_KS(book, page); ++page) VOLBA_STRANY(book, page);
    }
    UVOLNI_VSETKO();
}
}  // namespace

int pexlo_fuzz_catalogue(const uint8_t* data, size_t size) {
    pexlo_fuzz::Stage stage;
    const std::string root = pexlo_fuzz::Scratch() + "/catalogue", library = root + "/lib";
    mkdir(root.c_str(), 0755);
    for (const char* dir : {"", "/app", "/app/KNIHA_DEFNEW", "/app/KNIHA_DEFNEW/Kulisy"})
        mkdir((library + dir).c_str(), 0755);
    pexlo_fuzz::Put("catalogue/lib/app/KNIHA_DEFNEW/1.str", "k strom 1 1 1 1 0\n");
    pexlo_fuzz::Put("catalogue/lib/app/KNIHA_DEFNEW/Kulisy/strom.bmp", pexlo_fuzz::Sheet(1));
    make_library(library, data, size);
    const std::set<std::string> before = tree_of(library + "/app");

    char home[4096];
    static tf_CDas_Surface* background = new tf_CDas_Surface("pozadie");
    if (getcwd(home, sizeof home) && chdir((library + "/app").c_str()) == 0) {
        background_surface = background;
        open_everything();
        background->RELEASE_SURFACE();
        PX_STAV_Reset();
        if (chdir(home) != 0) abort();
    }
    // The program's folder and its template stay as they were; nothing is made beside the library.
    if (tree_of(library + "/app") != before || tree_of(root).size() != 1 + tree_of(library).size()) abort();
    remove_tree(library);
    return 0;
}
