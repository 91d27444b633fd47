#include "tools/artgen/starter.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "tools/artgen/encode.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/thumbnails.h"

namespace artgen {

namespace {
const char* const SAMPLE = "KNIHA_Ukážka";

// A new book starts on a living page: a dog walks across a meadow under a drifting cloud.
const char* const TEMPLATE_PAGE =
    "p luka 4\n"
    "k strom 140 420 6 1 0\n"
    "k slnko 1560 70 6 1 0\n"
    "k oblak 640 110 1 2 0\n"
    "h pes 860 700 1 1 3\n";

// The sample book shows every background mode, every motion, both edges and several paces.
const char* const SAMPLE_PAGES[] = {
    // A meadow: a dog walks and turns at the edges, a rabbit hops along, a bird hovers and sings;
    // a title over it, and the dog says something in a bubble that walks with it (the words in
    // the page files' Windows-1250).
    "p luka 4\n"
    "z vtaci_spev.wav\n"
    "k oblak 260 90 1 2 0\n"
    "k oblak 1180 190 1 2 0\n"
    "k slnko 1600 50 6 1 0\n"
    "k strom 110 430 6 1 0\n"
    "k dom 1500 470 6 1 0\n"
    "k plot 1090 700 6 1 0\n"
    "k kvet 530 700 6 1 0\n"
    "k kvet 960 730 6 1 0\n"
    "h zajac 300 640 1 2 4\n"
    "h pes 760 720 1 1 3\n"
    "h vtak 900 200 5 1 4\n"
    "t 780 36 6 1 4 1 0 -1 Na\\sl\xFAke\n"
    "t 400 600 6 1 2 3 2 9 Haf!\\sPo\xEF\\ssa\\shra\x9D!\n",
    // The sea: two fish ride the waves, a bird flies, a ball bobs about.
    "p more 2\n"
    "k oblak 160 70 1 2 0\n"
    "k slnko 1620 30 6 1 0\n"
    "k kamen 80 930 6 1 0\n"
    "h ryba 260 620 2 2 4\n"
    "h ryba 1150 830 2 2 8\n"
    "h vtak 640 140 3 1 4\n"
    "h lopta 1400 700 4 1 2\n",
    // A street: a dog on the pavement, a ball bouncing, a bird hovering over the roofs.
    "p ulica 3\n"
    "k oblak 380 40 1 2 0\n"
    "k oblak 1300 120 1 2 0\n"
    "k strom 1180 470 6 1 0\n"
    "h pes 200 770 1 1 2\n"
    "h lopta 900 640 3 1 4\n"
    "h vtak 1500 90 5 1 3\n",
    // A room: a ball bounces off the walls, the dog trots, the rabbit hops on the spot.
    "p izba 5\n"
    "k kvet 1520 650 6 1 0\n"
    "h zajac 1200 700 6 1 4\n"
    "h pes 300 840 1 1 2\n"
    "h lopta 760 600 3 1 4\n",
    // Above the clouds at night: the background left out, the sky the page's own blue; a
    // shooting star waves by to a lullaby.
    "p noc 1\n"
    "z uspavanka.ogg\n"
    "k mesiac 1500 90 6 1 0\n"
    "k hviezda 240 160 6 1 0\n"
    "k hviezda 760 80 6 1 0\n"
    "k hviezda 1150 260 6 1 0\n"
    "k hviezda 1750 520 6 1 0\n"
    "k hviezda 0 420 2 2 0\n"
    "k oblak 80 820 1 2 0\n"
    "k oblak 700 900 1 2 0\n"
    "k oblak 1350 800 1 2 0\n"
    "h vtak 900 420 5 1 2\n",
};

// The folder and those above it.
bool make_dir(const std::string& path) {
    std::error_code failed;
    std::filesystem::create_directories(path, failed);
    if (!failed) return true;
    fprintf(stderr, "artgen: cannot make %s\n", path.c_str());
    return false;
}

File text_file(const std::string& name, const std::string& text) { return {name, {text.begin(), text.end()}}; }

// A folder of a book (its path below the book's) and the files in it.
struct Folder {
    const char* name;
    std::vector<File> files;
};

// A book's folder: its icon, asset folders and pages, then the thumbnails the editor would make.
bool write_book(const std::string& dir, uint32_t cover, const std::vector<Folder>& assets,
               const std::vector<File>& pages) {
    std::vector<Folder> parts = {{"", {{"kniha_ikona.bmp", BookIcon(cover)}}}};
    parts.insert(parts.end(), assets.begin(), assets.end());
    parts.push_back({"", pages});
    for (const Folder& part : parts)
        if (!make_dir(dir + part.name) || !WriteFiles(dir + part.name, part.files)) return false;
    std::vector<std::string> names;
    for (const File& p : pages) names.push_back(p.name);
    return DrawThumbnails(dir, names);
}

// The program's emblem with a little room around it, drawn four times larger and averaged down.
File desktop_icon(int size) {
    const float side = static_cast<float>(size * 4);
    Canvas c(size * 4, size * 4);
    OpenBook(c, side * 0.04f, side * 0.03f, side * 0.92f);
    return {"pexlo.png", EncodePng(c, 4)};
}
}  // namespace

bool WriteStarter(const std::string& dir) {
    const std::string library = dir + "/library", app = library + "/app";
    std::vector<File> sample;
    for (const char* page : SAMPLE_PAGES) sample.push_back(text_file(std::to_string(sample.size() + 1) + ".str", page));
    const std::vector<File> default_icon = {{"kniha_ikona_default.bmp", BookIcon()}};
    // Pictures belong to one book: the template and the sample book each have their own copies.
    const std::vector<Folder> assets = {{"/Pozadia", Backgrounds()}, {"/Kulisy", Props()}, {"/Herci", Actors()},
                                        {"/Zvuky", Sounds()}};
    if (!make_dir(app) || !WriteFiles(app, default_icon) ||
        !write_book(app + "/KNIHA_DEFNEW", 0x34C060, assets, {text_file("1.str", TEMPLATE_PAGE)}) ||
        !write_book(library + "/" + SAMPLE, 0xFF8A2A, assets, sample))
        return false;
    for (int size : {64, 256}) {
        const std::string apps = dir + "/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        if (!make_dir(apps) || !WriteFiles(apps, {desktop_icon(size)})) return false;
    }
    return true;
}

}  // namespace artgen
