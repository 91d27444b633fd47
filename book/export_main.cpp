// pexlo-export: a book's pages as animated GIFs, or the whole book as one file, from a terminal.
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "book/cli.h"
#include "book/export_args.h"
#include "book/px_archiv.h"
#include "book/px_export_kniha.h"
#include "book/px_export_player.h"
#include "book/px_export_video.h"
#include "book/px_export_web.h"
#include "book/px_nastavenia.h"
#include "framework/app/tf_app.h"
#include "framework/core/tf_fsi.h"
#include "framework/core/tf_log.h"
#include "framework/surface/tf_display.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {

void say(const std::string& message) { PX_CLI_Say("pexlo-export", message); }

int fail(int code, const std::string& message) {
    say(message);
    return code;
}

// A page name that makes a GIF of its own beside the others: not empty, not hidden ("." and
// ".." among them), nothing a file name cannot hold.
bool safe_page_name(const std::string& name) {
    return !name.empty() && name[0] != '.' && tf_FSI_Pouzitelny_nazov(name.c_str());
}

// The screen and the pace the library's editor runs with, from its settings beside the books.
void read_settings(const std::string& book, PX_ExportSize* screen, int* period) {
    // Without settings the editor starts on the display state's first screen, and so do we.
    const PX_ExportSize first{tf_ScreenW, tf_ScreenH};
    PX_ExportSize ini = first;
    int level = 2;
    const std::string path = PX_CLI_ProgramPath(book.substr(0, book.rfind('/')) + "/app/PX.INI");
    tf_APP_ReadINI(path.c_str(), &ini.w, &ini.h, &level, period);
    if (screen->w == 0) *screen = ini.Within({PX_EXPORT_MAX_SIDE, PX_EXPORT_MAX_SIDE}) ? ini : first;
}

// The template of new books lies in the editor's working folder app/ beside the books: it is
// named like a book but is none, and its settings would be looked for in the wrong place.
bool is_template(const std::string& book) {
    const std::string parent = book.substr(0, book.rfind('/'));
    return strcasecmp(book.substr(book.rfind('/') + 1).c_str(), "KNIHA_DEFNEW") == 0 ||
           strcasecmp(parent.substr(parent.rfind('/') + 1).c_str(), "app") == 0;
}

// The book's folder as an absolute host path; an empty text when it is a book, else what is wrong.
std::string find_book(const std::string& book_arg, std::string* book) {
    if (std::string error = PX_CLI_FindBook(book_arg, book); !error.empty()) return error;
    return is_template(*book) ? book_arg + " is the template of new books, not a book" : "";
}

// The book's folder and the folder of the GIFs, as absolute host paths; an empty text when
// both are there and usable, else what is wrong.
std::string find_folders(const std::string& book_arg, const std::string& out_arg, std::string* book, std::string* out) {
    if (std::string error = find_book(book_arg, book); !error.empty()) return error;
    if (!out_arg.empty() && !PX_CLI_IsFolder(out_arg)) mkdir(out_arg.c_str(), 0777);
    *out = out_arg.empty() ? *book : PX_CLI_RealPath(out_arg);
    if (out->empty() || !PX_CLI_IsFolder(*out) || !PX_CLI_Writable(*out))
        return "cannot write into the output folder " + (out_arg.empty() ? *book : out_arg);
    return "";
}

// Each page into out as <page>.gif, with what went wrong said on the way; the pages done.
int export_pages(PX_Player& player, const std::vector<PX_Player::Page>& pages, const PX_Frames& frames,
                 const std::string& out, bool lines, size_t* bytes) {
    PX_CliProgress bar(static_cast<int>(pages.size()), lines);
    int done = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        const std::string name = plat_Utf8FromCp1250(pages[i].name.c_str());
        std::vector<std::string> missing;
        const std::vector<uint8_t> gif = PX_Export_Page(player, pages[i].path.c_str(), frames, &missing,
                                                        [&](int d, int t) { bar.Show(static_cast<int>(i), d, t); });
        for (const std::string& m : missing) {
            bar.Break();
            say("page " + name + ": the picture " + plat_Utf8FromCp1250(m.c_str()) + " is missing; left out");
        }
        const std::string path = PX_CLI_ProgramPath(out) + "\\" + pages[i].name + ".gif";
        if (gif.empty() || !plat_WriteFileAtomic(path.c_str(), gif.data(), gif.size())) {
            bar.Break();
            say("page " + name +
                (gif.empty() ? ": the GIF could not be made" : ": cannot write " + out + "/" + name + ".gif"));
            continue;
        }
        *bytes += gif.size();
        ++done;
    }
    bar.Break();
    return done;
}

// The book's pages at its reading times, the ones that cannot be read said with a word; *pages_in:
// those that can.
std::vector<PX_Strana_knihy> book_pages(PX_Player& player, const std::string& book, int* pages_in) {
    const std::string book_path = "..\\" + PX_CLI_ProgramPath(book.substr(book.rfind('/') + 1));
    std::vector<PX_Strana_knihy> pages =
        PX_Strany_knihy(player, player.Pages(), PX_Nacitaj_nastavenia(book_path.c_str()).cas_strany_ms);
    for (const PX_Strana_knihy& p : pages) {
        const std::string name = plat_Utf8FromCp1250(p.page.name.c_str());
        if (!p.citatelna) say("page " + name + " cannot be read; left out");
        for (const std::string& m : p.chybajuce)
            say("page " + name + ": the picture " + plat_Utf8FromCp1250(m.c_str()) + " is missing; left out");
    }
    *pages_in = static_cast<int>(std::count_if(pages.begin(), pages.end(), [](const auto& p) { return p.citatelna; }));
    if (*pages_in == 0) say("the book has no page that can be read; nothing written");
    return pages;
}

// The whole book into out as <book>.gif; the file's path, or an empty text when nothing was
// written; *pages_in: the pages in it.
std::string export_book(PX_Player& player, const std::string& book, const PX_ExportArgs& a, const std::string& out,
                        int* pages_in, int* frames, size_t* bytes) {
    const std::vector<PX_Strana_knihy> pages = book_pages(player, book, pages_in);
    if (*pages_in == 0) return "";
    const std::string name = player.Book_name();
    if (!safe_page_name(name)) {
        say("the book's name makes no file name; nothing written");
        return "";
    }
    PX_CliProgress bar(0, a.progress);
    const std::vector<uint8_t> gif =
        PX_Export_Knihy(player, pages, a.timing, [&](int d, int t) { bar.Show(0, d, t); }, frames);
    bar.Break();
    const std::string path = PX_CLI_ProgramPath(out) + "\\" + name + ".gif";
    const std::string shown = out + "/" + plat_Utf8FromCp1250(name.c_str()) + ".gif";
    if (gif.empty() || !plat_WriteFileAtomic(path.c_str(), gif.data(), gif.size())) {
        say(gif.empty() ? "the book's GIF could not be made" : "cannot write " + shown);
        return "";
    }
    *bytes = gif.size();
    return shown;
}

// The whole book as the video `video` (a host path); false, said, when it is not written.
bool export_video(PX_Player& player, const std::string& book, const PX_ExportArgs& a, const std::string& video,
                  int* pages_in, int* frames) {
    const std::vector<PX_Strana_knihy> pages = book_pages(player, book, pages_in);
    if (*pages_in == 0) return false;
    PX_CliProgress bar(0, a.progress);
    std::vector<std::string> refused;
    const std::string error =
        PX_Video_knihy(player, pages, a.timing, video, &refused, [&](int d, int t) { bar.Show(0, d, t); }, frames);
    bar.Break();
    for (const std::string& r : refused) say(plat_Utf8FromCp1250(r.c_str()) + "; left out");
    if (!error.empty()) say(error + "; nothing written");
    return error.empty();
}

// The video's host path, its folder made absolute while the current folder is the caller's; an
// empty text when the folder is not there.
std::string video_path(const std::string& arg) {
    const size_t slash = arg.rfind('/');
    const std::string folder = PX_CLI_RealPath(slash == std::string::npos ? "." : arg.substr(0, slash + 1));
    if (folder.empty() || !PX_CLI_IsFolder(folder)) return "";
    return folder + "/" + arg.substr(slash == std::string::npos ? 0 : slash + 1);
}

// The pages asked for, each found in the book, or the one page of --from; all the book's
// by default. A page named twice is exported once, where first named. An empty text, else
// what is wrong.
std::string choose_pages(const PX_Player& player, const PX_ExportArgs& a, const std::string& from,
                         std::vector<PX_Player::Page>* pages) {
    const std::vector<PX_Player::Page> all = player.Pages();
    std::map<std::string, const PX_Player::Page*> by_name;
    for (const PX_Player::Page& p : all) by_name.emplace(p.name, &p);
    std::set<std::string> named;
    for (const std::string& asked : a.pages) {
        const std::string name = plat_Cp1250FromUtf8(asked.c_str());
        const auto found = by_name.find(name);
        if (!safe_page_name(name) || (from.empty() && found == by_name.end())) return "the book has no page " + asked;
        if (!named.insert(name).second) continue;
        pages->push_back(from.empty() ? *found->second : PX_Player::Page{name, PX_CLI_ProgramPath(from)});
    }
    if (pages->empty()) *pages = all;
    return "";
}

// The whole book as one file: its folder packed as it lies, nothing played.
int export_archive(const std::string& book, const std::string& out) {
    const plat_ArchiveResult r = PX_Archiv_Zapis(book, out);
    if (r.fault == plat_ArchiveFault::MISSING) return fail(1, "the book " + book + " has no pages");
    if (!r.ok()) return fail(1, plat_ArchiveFaultText(r));
    printf("%s -> %s\n", book.c_str(), out.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (PX_CLI_AsksHelp(argc, argv)) {
        fputs(PX_EXPORT_USAGE, stdout);
        return 0;
    }
    PX_ExportArgs a;
    if (const std::string error = PX_ParseExportArgs(argc, argv, &a); !error.empty())
        return fail(2, error + "\n" + PX_EXPORT_USAGE);
    std::string book, out;
    if (!a.archive.empty()) {
        if (const std::string error = find_book(a.book, &book); !error.empty()) return fail(1, error);
        return export_archive(book, a.archive);
    }
    const std::string video = a.video.empty() ? "" : video_path(a.video);
    if (!a.video.empty() && (video.empty() || PX_CLI_IsFolder(video)))
        return fail(1, "cannot write the video " + a.video + ": no such folder, or a folder by that name");
    if (!a.web.empty()) {  // written elsewhere: the book may be read-only
        a.web = std::filesystem::absolute(a.web).lexically_normal().string();  // before the chdir
        if (const std::string error = find_book(a.book, &book); !error.empty()) return fail(1, error);
    } else if (const std::string error = find_folders(a.book, a.out, &book, &out); !error.empty()) {
        return fail(1, error);
    }
    const std::string from = a.from.empty() ? "" : PX_CLI_RealPath(a.from);
    if (!a.from.empty() && (from.empty() || PX_CLI_IsFolder(from))) return fail(1, "no page file at " + a.from);
    if (!a.from.empty() && !PX_CLI_IsRegularFile(from)) return fail(1, a.from + " is no page file: not a regular file");
    read_settings(book, &a.screen, &a.timing.period_ms);
    // A video is watched full screen: the book's own size; GIFs stay small.
    if (a.size.w == 0 && !a.video.empty()) a.size = a.screen;
    if (a.size.w == 0)
        a.size = {std::max(a.screen.w / 2, PX_EXPORT_MIN_SIDE), std::max(a.screen.h / 2, PX_EXPORT_MIN_SIDE)};
    if (!a.size.Within(a.screen))
        return fail(
            2, "--size must not exceed the screen, " + std::to_string(a.screen.w) + "x" + std::to_string(a.screen.h));

    // The books stand beside the working folder, as for the editor; the book's own folder is
    // one such place. Its log would only litter the book, so there is none.
    if (chdir(book.c_str()) != 0) return fail(1, "cannot open the book folder " + a.book);
    tf_LOG_SetONOFF(0);
    PX_Player player(a.screen.w, a.screen.h, a.size.w, a.size.h);
    if (!player.Open_book(("..\\" + PX_CLI_ProgramPath(book.substr(book.rfind('/') + 1))).c_str()))
        return fail(1, "the book " + a.book + " has no pages");
    std::vector<PX_Player::Page> pages;
    if (const std::string error = choose_pages(player, a, from, &pages); !error.empty()) return fail(1, error);

    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    if (!a.web.empty()) {
        int in = 0;
        const std::vector<PX_Strana_knihy> pages = book_pages(player, book, &in);
        if (in == 0) return 1;
        PX_CliProgress bar(0, a.progress);
        const std::string error = PX_Export_Web(player, pages, a.timing, a.web, [&](int d, int t) { bar.Show(0, d, t); });
        bar.Break();
        if (!error.empty()) return fail(1, error + "; nothing written");
        printf("%d pages, %.1f s -> %s/index.html\n", in, elapsed(), a.web.c_str());
        return 0;
    }
    if (!video.empty()) {
        int in = 0, frames = 0;
        if (!export_video(player, book, a, video, &in, &frames)) return 1;
        printf("%d pages, %d frames, %.1f s -> %s\n", in, frames, elapsed(), a.video.c_str());
        return 0;
    }
    if (a.book_gif) {
        int in = 0, frames = 0;
        size_t bytes = 0;
        const std::string gif = export_book(player, book, a, out, &in, &frames, &bytes);
        if (gif.empty()) return 1;
        printf("%d pages, %d frames, %zu bytes, %.1f s -> %s\n", in, frames, bytes, elapsed(), gif.c_str());
        return 0;
    }
    const PX_Frames frames = PX_Export_Frames(a.timing);
    size_t bytes = 0;
    const int done = export_pages(player, pages, frames, out, a.progress, &bytes);
    printf("%d pages, %zu frames, %zu bytes, %.1f s -> %s\n", done, done * frames.ticks.size(), bytes, elapsed(),
           out.c_str());
    return done == static_cast<int>(pages.size()) ? 0 : 1;
}
