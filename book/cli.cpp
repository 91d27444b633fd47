#include "book/cli.h"

#include <limits.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/codepage.h"

// An option unknown is named so wherever it stands, the last one too, which has no value.
std::string PX_CLI_Split(int argc, char** argv, const std::vector<std::string>& known, std::vector<PX_CliArg>* options,
                         std::vector<std::string>* rest, const std::vector<std::string>& flags) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.size() < 2 || arg[0] != '-') {
            rest->push_back(arg);
            continue;
        }
        const size_t eq = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, eq);
        if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
            if (eq != std::string::npos) return name + " takes no value";
            options->push_back({name, ""});
            continue;
        }
        if (std::find(known.begin(), known.end(), name) == known.end()) return "unknown option " + name;
        if (eq != std::string::npos) {
            options->push_back({name, arg.substr(eq + 1)});
        } else if (i + 1 < argc) {
            options->push_back({arg, argv[++i]});
        } else {
            return arg + " needs a value";
        }
    }
    return "";
}

bool PX_CLI_AsksHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (!strcmp(argv[i], "-h") || !strcmp(argv[i], "--help")) return true;
    return false;
}

void PX_CLI_Say(const char* program, const std::string& message) {
    fprintf(stderr, "%s: %s\n", program, message.c_str());
}

namespace {
// Numbers are written in decimal digits alone: no sign, no space, no "0x", no exponent, no "inf".
bool decimal(const std::string& s, bool fraction) {
    const size_t dot = fraction ? s.find('.') : std::string::npos;
    const std::string whole = s.substr(0, dot), part = dot == std::string::npos ? "" : s.substr(dot + 1);
    const auto digits = [](const std::string& t) { return t.find_first_not_of("0123456789") == std::string::npos; };
    return !whole.empty() && digits(whole) && digits(part) && (dot == std::string::npos || !part.empty());
}
}  // namespace

bool PX_CLI_ParseInt(const std::string& s, int* out) {
    // Nine digits at most, so that the value always fits.
    if (!decimal(s, false) || s.size() > 9) return false;
    *out = static_cast<int>(strtol(s.c_str(), nullptr, 10));
    return true;
}

bool PX_CLI_ParseFraction(const std::string& s, double* out) {
    if (!decimal(s, true)) return false;
    *out = strtod(s.c_str(), nullptr);
    return true;
}

bool PX_CLI_ParseSize(const std::string& s, int* w, int* h) {
    const size_t x = s.find_first_of("xX");
    return x != std::string::npos && PX_CLI_ParseInt(s.substr(0, x), w) && PX_CLI_ParseInt(s.substr(x + 1), h);
}

std::string PX_CLI_RealPath(const std::string& host) {
    char buf[PATH_MAX];
    return realpath(host.c_str(), buf) ? buf : "";
}

bool PX_CLI_IsFolder(const std::string& host) {
    struct stat st;
    return stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PX_CLI_IsRegularFile(const std::string& host) {
    struct stat st;
    return stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string PX_CLI_ProgramPath(const std::string& host) {
    std::string p = plat_Cp1250FromUtf8(host.c_str());
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

std::string PX_CLI_FindBook(const std::string& arg, std::string* book) {
    *book = PX_CLI_RealPath(arg);
    if (book->empty() || !PX_CLI_IsFolder(*book)) return "no book folder at " + arg;
    if (strncasecmp(book->substr(book->rfind('/') + 1).c_str(), "KNIHA_", 6) != 0)
        return arg + " is no book: a book's folder is named KNIHA_ and the book's name";
    return "";
}

bool PX_CLI_Writable(const std::string& folder) {
    std::string probe = folder + "/.pexlo-probe-XXXXXX";
    const int fd = mkstemp(probe.data());
    if (fd < 0) return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}

PX_CliProgress::PX_CliProgress(int pages, bool lines)
    : pages_(pages), bar_(!lines && isatty(STDERR_FILENO)), lines_(lines) {}

void PX_CliProgress::Show(int page, int done, int total) {
    const int pct = static_cast<int>((page * 100.0 + done * 100.0 / total) / std::max(pages_, 1));
    if (pct == last_ || !(bar_ || lines_)) return;
    last_ = pct;
    if (lines_) {
        fprintf(stderr, "%d%%\n", pct);
        return;
    }
    const int bar = pct * 30 / 100;
    fprintf(stderr, "\r[%s%s] %3d%%", std::string(static_cast<size_t>(bar), '#').c_str(),
            std::string(static_cast<size_t>(30 - bar), '-').c_str(), pct);
    if (pages_ > 0) fprintf(stderr, "  page %d of %d", page + 1, pages_);
}

void PX_CliProgress::Break() {
    if (bar_ && last_ >= 0) fputc('\n', stderr);
    last_ = -1;
}

bool PX_CLI_IsProgress(const std::string& line) {
    return line.size() >= 2 && line.size() <= 4 && line.back() == '%' &&
           line.find_first_not_of("0123456789") == line.size() - 1;
}
