// Program entry: the book editor's screen, its start-up and message loop, and its end. A book
// file named on the command line (as the desktop opens one) comes into the library and opens.
#include <cstdio>
#include <cstring>

#include "book/px_editor.h"
#include "book/px_editor_cmd.h"
#include "framework/widgets/tf_dsgn.h"
#include "platform/codepage.h"

namespace {
const char USAGE[] =
    "usage: pexlo [BOOK.pexlo]\n"
    "  Starts the book editor in its library; a book file given is brought into the library under\n"
    "  a free name and opened at its first page.\n";
}  // namespace

int main(int argc, char** argv) {
    const bool help = argc == 2 && (!strcmp(argv[1], "-h") || !strcmp(argv[1], "--help"));
    if (help || argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        fputs(USAGE, help ? stdout : stderr);
        return help ? 0 : 2;
    }
    if (argc == 2) PX_ImportAtStart(argv[1]);
    auto* screen = new CKnihaScreen(nullptr, SW_SHOWNORMAL, "PX.INI");
    screen->SetBackground(-1, "", false);
    screen->SetAppInfo("Pexlo", "(verzia: 1.1)", plat_W1250(u8"tím Pexlo"), &px_editor->rezia, 432, 86);
    const int code = screen->Execute();  // 1: no window or no display
    delete screen;
    tf_DSGN_DONE();
    return code;
}
