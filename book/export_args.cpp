#include "book/export_args.h"

#include "book/cli.h"

const char PX_EXPORT_USAGE[] =
    "usage: pexlo-export BOOK_FOLDER [PAGE ...] [-o OUT_FOLDER] [--seconds N] [--size WxH] [--screen WxH] [--fps N]\n"
    "                    [--from FILE] [--progress]\n"
    "       pexlo-export BOOK_FOLDER --book [-o OUT_FOLDER] [--size WxH] [--screen WxH] [--fps N] [--progress]\n"
    "       pexlo-export BOOK_FOLDER --video OUT.webm|OUT.mp4 [--size WxH] [--screen WxH] [--fps N] [--progress]\n"
    "       pexlo-export BOOK_FOLDER --archive OUT.pexlo\n"
    "       pexlo-export BOOK_FOLDER --web OUT_FOLDER [--size WxH] [--screen WxH] [--fps N] [--progress]\n"
    "  Exports the named pages of the book (all of them by default, in the book's order) as\n"
    "  PAGE.gif into OUT_FOLDER (default: the book's folder).\n"
    "  --book        the whole book as one BOOK.gif, read as in the editor: each page plays for its\n"
    "                narration and a moment more (else the book's page time), turns to the next,\n"
    "                and the book ends on its closing card\n"
    "  --video F     the whole book read as --book reads it, with its narrations and background\n"
    "                sounds, as the video F: VP9 and Opus in .webm, H.264 and AAC in .mp4\n"
    "  --archive F   write the whole book as one file F instead, for another library to bring in\n"
    "  --web D       write the whole book as a web page into the new folder D instead: D/index.html\n"
    "                reads it in any browser, offline (each page's GIF, its texts, its narration)\n"
    "  --seconds N   how long each page plays (default 5, at most 600)\n"
    "  --fps N       frames per second (default 20, at most 50)\n"
    "  --screen WxH  the screen the book was made on (default: the library's PX.INI, else 1920x1080)\n"
    "  --size WxH    the size of the GIFs (default: half the screen) or of the video (default: the screen)\n"
    "  --from FILE   play the page file FILE (a page of the book, saved or not) as the one PAGE named\n"
    "  --progress    tell the percentage done as lines \"42%\" on the error output (for programs)\n";

namespace {

constexpr int MAX_SECONDS = 600, MAX_FPS = 50;

}  // namespace

std::string PX_ParseExportArgs(int argc, char** argv, PX_ExportArgs* a) {
    std::vector<PX_CliArg> options;
    std::vector<std::string> positional;
    const std::vector<std::string> known = {"-o", "--seconds", "--fps", "--screen", "--size", "--from", "--archive", "--video",
                                             "--web"};
    const std::vector<std::string> flags = {"--book", "--progress"};
    if (std::string error = PX_CLI_Split(argc, argv, known, &options, &positional, flags); !error.empty()) return error;
    bool seconds_given = false;
    for (const auto& [arg, value] : options) {
        if (arg == "--book" || arg == "--progress") {
            (arg == "--book" ? a->book_gif : a->progress) = true;
        } else if (arg == "-o") {
            a->out = value;
        } else if (arg == "--seconds") {
            double& seconds = a->timing.seconds;
            seconds_given = true;
            if (!PX_CLI_ParseFraction(value, &seconds) || !(seconds > 0 && seconds <= MAX_SECONDS))
                return "--seconds takes a number above 0 and at most " + std::to_string(MAX_SECONDS);
        } else if (arg == "--fps") {
            if (!PX_CLI_ParseInt(value, &a->timing.fps) || a->timing.fps < 1 || a->timing.fps > MAX_FPS)
                return "--fps takes a whole number from 1 to " + std::to_string(MAX_FPS);
        } else if (arg == "--screen" || arg == "--size") {
            PX_ExportSize* s = arg == "--screen" ? &a->screen : &a->size;
            if (!PX_CLI_ParseSize(value, &s->w, &s->h) || !s->Within({PX_EXPORT_MAX_SIDE, PX_EXPORT_MAX_SIDE}))
                return arg + " takes WIDTHxHEIGHT, each from " + std::to_string(PX_EXPORT_MIN_SIDE) + " to " +
                       std::to_string(PX_EXPORT_MAX_SIDE);
        } else if (arg == "--archive") {
            a->archive = value;
        } else if (arg == "--video") {
            a->video = value;
        } else if (arg == "--web") {
            a->web = value;
        } else {
            a->from = value;  // --from
        }
    }
    if (positional.empty()) return "no book folder given";
    a->book = positional[0];
    a->pages.assign(positional.begin() + 1, positional.end());
    // The book's own reading times and its order make the book's GIF.
    if (!a->video.empty() && (a->book_gif || !a->archive.empty() || !a->out.empty()))
        return "--video writes the one file it names: no --book, --archive or -o with it";
    if ((a->book_gif || !a->video.empty()) && (!a->pages.empty() || !a->from.empty() || seconds_given))
        return std::string(a->book_gif ? "--book" : "--video") +
               " exports the whole book as it is read: no pages, --from or --seconds with it";
    if (!a->archive.empty() && options.size() > 1) return "--archive writes the whole book: it takes no other option";
    if (!a->archive.empty() && !a->pages.empty()) return "--archive writes the whole book: it takes no page names";
    if (!a->web.empty() && (a->book_gif || !a->archive.empty() || !a->video.empty() || !a->pages.empty() ||
                            !a->from.empty() || seconds_given || !a->out.empty()))
        return "--web writes the whole book as it is read: no pages, --book, --archive, --video, --from, --seconds "
               "or -o with it";
    if (!a->from.empty() && a->pages.size() != 1) return "--from plays one page: name it";
    for (const std::string& p : a->pages)
        if (p.find_first_of("/\\") != std::string::npos) return "a page name holds no / or \\: " + p;
    return "";
}
