// pexlo-export: a book's pages as animated GIFs, from a terminal.
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "book/px_export.h"
#include "book/px_export_player.h"
#include "framework/app/tf_app.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {

const char USAGE[] =
    "usage: pexlo-export BOOK_FOLDER [PAGE ...] [-o OUT_FOLDER] [--seconds N] [--size WxH] [--screen WxH] [--fps N]\n"
    "  Exports the named pages of the book (all of them by default, in the book's order) as\n"
    "  PAGE.gif into OUT_FOLDER (default: the book's folder).\n"
    "  --seconds N   how long each page plays (default 5, at most 600)\n"
    "  --fps N       frames per second (default 20, at most 50)\n"
    "  --screen WxH  the screen the book was made on (default: the library's PX.INI, else 1024x768)\n"
    "  --size WxH    the size of the GIFs (default: half the screen)\n";

constexpr int MAX_SECONDS = 600, MAX_FPS = 50;
constexpr int MIN_SIDE = 16, MAX_SIDE = 8192;

struct Size {
    int w = 0, h = 0;
};

struct Args {
    std::string book;
    std::vector<std::string> pages;
    std::string out;
    PX_Timing timing;
    Size screen, size;  // 0 x 0: not given
};

void say(const std::string& message) { fprintf(stderr, "pexlo-export: %s\n", message.c_str()); }

int fail(int code, const std::string& message) {
    say(message);
    return code;
}

bool parse_int(const std::string& s, int* out) {
    char* end = nullptr;
    const long v = strtol(s.c_str(), &end, 10);
    if (s.empty() || *end || v < INT_MIN || v > INT_MAX) return false;
    *out = static_cast<int>(v);
    return true;
}

bool parse_size(const std::string& s, Size* out) {
    const size_t x = s.find_first_of("xX");
    return x != std::string::npos && parse_int(s.substr(0, x), &out->w) && parse_int(s.substr(x + 1), &out->h);
}

bool in_range(Size s, Size most) { return s.w >= MIN_SIDE && s.h >= MIN_SIDE && s.w <= most.w && s.h <= most.h; }

// An empty text when the arguments hold together; else what is wrong with them.
std::string parse(int argc, char** argv, Args* a) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i], value;
        if (arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        if (const size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg.resize(eq);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return arg + " needs a value";
        }
        char* end = nullptr;
        if (arg == "-o") {
            a->out = value;
        } else if (arg == "--seconds") {
            a->timing.seconds = strtod(value.c_str(), &end);
            if (value.empty() || *end || !(a->timing.seconds > 0 && a->timing.seconds <= MAX_SECONDS))
                return "--seconds takes a number above 0 and at most " + std::to_string(MAX_SECONDS);
        } else if (arg == "--fps") {
            if (!parse_int(value, &a->timing.fps) || a->timing.fps < 1 || a->timing.fps > MAX_FPS)
                return "--fps takes a whole number from 1 to " + std::to_string(MAX_FPS);
        } else if (arg == "--screen" || arg == "--size") {
            Size* s = arg == "--screen" ? &a->screen : &a->size;
            if (!parse_size(value, s) || !in_range(*s, {MAX_SIDE, MAX_SIDE}))
                return arg + " takes WIDTHxHEIGHT, each from " + std::to_string(MIN_SIDE) + " to " +
                       std::to_string(MAX_SIDE);
        } else {
            return "unknown option " + arg;
        }
    }
    if (positional.empty()) return "no book folder given";
    a->book = positional[0];
    a->pages.assign(positional.begin() + 1, positional.end());
    return "";
}

std::string real_path(const std::string& host) {
    char buf[PATH_MAX];
    return realpath(host.c_str(), buf) ? buf : "";
}

bool is_folder(const std::string& host) {
    struct stat st;
    return stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The program's own form of a host path: Windows-1250 with "\".
std::string program_path(const std::string& host) {
    std::string p = plat_Cp1250FromUtf8(host.c_str());
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

// A file can be made there (the check that also holds for root).
bool writable(const std::string& folder) {
    std::string probe = folder + "/.pexlo-export-XXXXXX";
    const int fd = mkstemp(probe.data());
    if (fd < 0) return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}

// The screen and the pace the library's editor runs with, from its settings beside the books.
void read_settings(const std::string& book, Size* screen, int* period) {
    Size ini{1024, 768};
    int level = 2;
    const std::string path = program_path(book.substr(0, book.rfind('/')) + "/app/PX.INI");
    tf_APP_ReadINI(path.c_str(), &ini.w, &ini.h, &level, period);
    if (screen->w == 0) *screen = in_range(ini, {MAX_SIDE, MAX_SIDE}) ? ini : Size{1024, 768};
}

// Redrawn in place on a terminal whenever the percentage moves.
class ProgressBar {
public:
    explicit ProgressBar(int pages) : pages_(pages), on_(isatty(STDERR_FILENO)) {}
    void Show(int page, int done, int total) {
        const int pct = static_cast<int>((page * 100.0 + done * 100.0 / total) / pages_);
        if (!on_ || pct == last_) return;
        last_ = pct;
        const int bar = pct * 30 / 100;
        fprintf(stderr, "\r[%s%s] %3d%%  page %d of %d", std::string(static_cast<size_t>(bar), '#').c_str(),
                std::string(static_cast<size_t>(30 - bar), '-').c_str(), pct, page + 1, pages_);
    }
    // Makes room for a line of its own.
    void Break() {
        if (on_ && last_ >= 0) fputc('\n', stderr);
        last_ = -1;
    }

private:
    int pages_, last_ = -1;
    bool on_;
};

// The book's folder and the folder of the GIFs, as absolute host paths; an empty text when
// both are there and usable, else what is wrong.
std::string find_folders(const std::string& book_arg, const std::string& out_arg, std::string* book, std::string* out) {
    *book = real_path(book_arg);
    if (book->empty() || !is_folder(*book)) return "no book folder at " + book_arg;
    if (strncasecmp(book->substr(book->rfind('/') + 1).c_str(), "KNIHA_", 6) != 0)
        return book_arg + " is no book: a book's folder is named KNIHA_ and the book's name";
    if (!out_arg.empty() && !is_folder(out_arg)) mkdir(out_arg.c_str(), 0777);
    *out = out_arg.empty() ? *book : real_path(out_arg);
    if (out->empty() || !is_folder(*out) || !writable(*out))
        return "cannot write into the output folder " + (out_arg.empty() ? *book : out_arg);
    return "";
}

// Each page into out as <page>.gif, with what went wrong said on the way; the pages done.
int export_pages(PX_Player& player, const std::vector<std::string>& pages, const PX_Frames& frames,
                 const std::string& out, size_t* bytes) {
    ProgressBar bar(static_cast<int>(pages.size()));
    int done = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        const std::string name = plat_Utf8FromCp1250(pages[i].c_str());
        std::vector<std::string> missing;
        const std::vector<uint8_t> gif = PX_Export_Page(player, pages[i], frames, &missing,
                                                        [&](int d, int t) { bar.Show(static_cast<int>(i), d, t); });
        for (const std::string& m : missing) {
            bar.Break();
            say("page " + name + ": the picture " + plat_Utf8FromCp1250(m.c_str()) + " is missing; left out");
        }
        const std::string path = program_path(out) + "\\" + pages[i] + ".gif";
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

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (!strcmp(argv[i], "-h") || !strcmp(argv[i], "--help")) {
            fputs(USAGE, stdout);
            return 0;
        }
    Args a;
    if (const std::string error = parse(argc, argv, &a); !error.empty()) return fail(2, error + "\n" + USAGE);
    std::string book, out;
    if (const std::string error = find_folders(a.book, a.out, &book, &out); !error.empty()) return fail(1, error);
    read_settings(book, &a.screen, &a.timing.period_ms);
    if (a.size.w == 0) a.size = {std::max(a.screen.w / 2, MIN_SIDE), std::max(a.screen.h / 2, MIN_SIDE)};
    if (!in_range(a.size, a.screen))
        return fail(
            2, "--size must not exceed the screen, " + std::to_string(a.screen.w) + "x" + std::to_string(a.screen.h));

    // The books stand beside the working folder, as for the editor; the book's own folder is
    // one such place. Its log would only litter the book, so there is none.
    if (chdir(book.c_str()) != 0) return fail(1, "cannot open the book folder " + a.book);
    tf_LOG_SetONOFF(0);
    PX_Player player(a.screen.w, a.screen.h, a.size.w, a.size.h);
    if (!player.Open_book(("..\\" + program_path(book.substr(book.rfind('/') + 1))).c_str()))
        return fail(1, "the book " + a.book + " has no pages");
    std::vector<std::string> pages, all = player.Pages();
    for (const std::string& p : a.pages) pages.push_back(plat_Cp1250FromUtf8(p.c_str()));
    for (const std::string& p : pages)
        if (std::find(all.begin(), all.end(), p) == all.end())
            return fail(1, "the book has no page " + plat_Utf8FromCp1250(p.c_str()));
    if (pages.empty()) pages = all;

    const auto start = std::chrono::steady_clock::now();
    const PX_Frames frames = PX_Export_Frames(a.timing);
    size_t bytes = 0;
    const int done = export_pages(player, pages, frames, out, &bytes);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printf("%d pages, %zu frames, %zu bytes, %.1f s -> %s\n", done, done * frames.ticks.size(), bytes, seconds,
           out.c_str());
    return done == static_cast<int>(pages.size()) ? 0 : 1;
}
