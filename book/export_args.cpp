#include "book/export_args.h"

#include <cstdlib>

const char PX_EXPORT_USAGE[] =
    "usage: pexlo-export BOOK_FOLDER [PAGE ...] [-o OUT_FOLDER] [--seconds N] [--size WxH] [--screen WxH] [--fps N]\n"
    "                    [--from FILE]\n"
    "  Exports the named pages of the book (all of them by default, in the book's order) as\n"
    "  PAGE.gif into OUT_FOLDER (default: the book's folder).\n"
    "  --seconds N   how long each page plays (default 5, at most 600)\n"
    "  --fps N       frames per second (default 20, at most 50)\n"
    "  --screen WxH  the screen the book was made on (default: the library's PX.INI, else 1920x1080)\n"
    "  --size WxH    the size of the GIFs (default: half the screen)\n"
    "  --from FILE   play the page file FILE (a page of the book, saved or not) as the one PAGE named\n";

namespace {

constexpr int MAX_SECONDS = 600, MAX_FPS = 50;

// Numbers are written in decimal digits alone: no sign, no "0x", no exponent, no "inf".
bool decimal(const std::string& s, bool fraction) {
    const size_t dot = fraction ? s.find('.') : std::string::npos;
    const std::string whole = s.substr(0, dot), part = dot == std::string::npos ? "" : s.substr(dot + 1);
    const auto digits = [](const std::string& t) { return t.find_first_not_of("0123456789") == std::string::npos; };
    return !whole.empty() && digits(whole) && digits(part) && (dot == std::string::npos || !part.empty());
}

bool parse_int(const std::string& s, int* out) {
    if (!decimal(s, false) || s.size() > 9) return false;
    *out = static_cast<int>(strtol(s.c_str(), nullptr, 10));
    return true;
}

bool parse_size(const std::string& s, PX_ExportSize* out) {
    const size_t x = s.find_first_of("xX");
    return x != std::string::npos && parse_int(s.substr(0, x), &out->w) && parse_int(s.substr(x + 1), &out->h);
}

}  // namespace

std::string PX_ParseExportArgs(int argc, char** argv, PX_ExportArgs* a) {
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
        if (arg == "-o") {
            a->out = value;
        } else if (arg == "--seconds") {
            a->timing.seconds = decimal(value, true) ? strtod(value.c_str(), nullptr) : 0;
            if (!(a->timing.seconds > 0 && a->timing.seconds <= MAX_SECONDS))
                return "--seconds takes a number above 0 and at most " + std::to_string(MAX_SECONDS);
        } else if (arg == "--fps") {
            if (!parse_int(value, &a->timing.fps) || a->timing.fps < 1 || a->timing.fps > MAX_FPS)
                return "--fps takes a whole number from 1 to " + std::to_string(MAX_FPS);
        } else if (arg == "--screen" || arg == "--size") {
            PX_ExportSize* s = arg == "--screen" ? &a->screen : &a->size;
            if (!parse_size(value, s) || !s->Within({PX_EXPORT_MAX_SIDE, PX_EXPORT_MAX_SIDE}))
                return arg + " takes WIDTHxHEIGHT, each from " + std::to_string(PX_EXPORT_MIN_SIDE) + " to " +
                       std::to_string(PX_EXPORT_MAX_SIDE);
        } else if (arg == "--from") {
            a->from = value;
        } else {
            return "unknown option " + arg;
        }
    }
    if (positional.empty()) return "no book folder given";
    a->book = positional[0];
    a->pages.assign(positional.begin() + 1, positional.end());
    if (!a->from.empty() && a->pages.size() != 1) return "--from plays one page: name it";
    for (const std::string& p : a->pages)
        if (p.find_first_of("/\\") != std::string::npos) return "a page name holds no / or \\: " + p;
    return "";
}
