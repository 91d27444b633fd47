#include "book/import_args.h"

#include "book/cli.h"
#include "platform/bmp.h"

const char PX_IMPORT_USAGE[] =
    "usage: pexlo-import BOOK_FOLDER [--as background|prop|actor] [--page WxH] FILE...\n"
    "  Imports PNG, JPEG, GIF, BMP and WebP pictures into the book: backgrounds into Pozadia/,\n"
    "  props into Kulisy/, actors into Herci/, each under its own file name made safe.\n"
    "  --as KIND    what the pictures become; several files as an actor make one actor, its\n"
    "               phases in the order of the file names (default: an animated GIF or several\n"
    "               files an actor, a picture at least half the page a background, else a prop)\n"
    "  --page WxH   the book's page size: backgrounds are fitted to it, props and actors to\n"
    "               half of it (default 1920x1080)\n";

std::string PX_ParseImportArgs(int argc, char** argv, PX_ImportArgs* a) {
    std::vector<PX_CliArg> options;
    std::vector<std::string> positional;
    if (std::string error = PX_CLI_Split(argc, argv, &options, &positional); !error.empty()) return error;
    for (const auto& [arg, value] : options) {
        if (arg == "--as") {
            static const char* const KINDS[] = {"background", "prop", "actor"};
            a->kind_given = false;
            for (PX_Druh d : {PX_DRUH_POZADIE, PX_DRUH_KULISA, PX_DRUH_HEREC})
                if (value == KINDS[d]) {
                    a->kind = d;
                    a->kind_given = true;
                }
            if (!a->kind_given) return "--as takes background, prop or actor";
        } else if (arg == "--page") {
            if (!PX_CLI_ParseSize(value, &a->page_w, &a->page_h) || a->page_w < PX_IMPORT_MIN_PAGE ||
                a->page_h < PX_IMPORT_MIN_PAGE || a->page_w > PLAT_MAX_SIDE || a->page_h > PLAT_MAX_SIDE)
                return "--page takes WIDTHxHEIGHT, each from " + std::to_string(PX_IMPORT_MIN_PAGE) + " to " +
                       std::to_string(PLAT_MAX_SIDE);
        } else {
            return "unknown option " + arg;
        }
    }
    if (positional.empty()) return "no book folder given";
    if (positional.size() == 1) return "no picture files given";
    a->book = positional[0];
    a->files.assign(positional.begin() + 1, positional.end());
    return "";
}
