// pexlo-import: pictures into a book as backgrounds, props and actors, from a terminal.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "book/cli.h"
#include "book/import_args.h"
#include "framework/core/tf_log.h"
#include "platform/codepage.h"

namespace {

void say(const std::string& message) { PX_CLI_Say("pexlo-import", message); }

int fail(int code, const std::string& message) {
    say(message);
    return code;
}

std::string size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

std::string fault(const plat_PictureInfo& i) {
    const std::string detail = i.detail.empty() ? "" : " (" + i.detail + ")";
    switch (i.fault) {
    case plat_PictureFault::MISSING: return "there is no such file";
    case plat_PictureFault::FOLDER: return "it is a folder, not a picture";
    case plat_PictureFault::UNREADABLE: return "it cannot be read" + detail;
    case plat_PictureFault::NOT_PICTURE: return "it is no PNG, JPEG, GIF, BMP or WebP picture" + detail;
    case plat_PictureFault::UNSUPPORTED: return "such pictures cannot be read" + detail;
    case plat_PictureFault::EMPTY: return "the picture is empty (" + size(i.w, i.h) + ")";
    case plat_PictureFault::TOO_LARGE:
        return "the picture is too large" + (i.w > 0 ? " (" + size(i.w, i.h) + ")" : detail);
    case plat_PictureFault::DAMAGED: return "the picture is damaged" + detail;
    case plat_PictureFault::NONE: break;
    }
    return "";
}

// `named`: the files as they were given, for the absolute paths imported.
std::string failure(const PX_ImportVysledok& v, const std::string& book, const std::vector<std::string>& named,
                    const std::vector<std::string>& imported) {
    std::string file = v.subor;
    for (size_t i = 0; i < imported.size(); ++i)
        if (imported[i] == v.subor) file = named[i];
    switch (v.chyba) {
    case PX_ImportChyba::OBRAZOK: return file + ": " + fault(v.obrazok) + "; nothing was imported";
    case PX_ImportChyba::VELKY_HAROK: return "the picture it makes would be too large for the program to read";
    case PX_ImportChyba::ZAPIS:
        return "cannot write into " + book + "/" +
               plat_Utf8FromCp1250(v.priecinok.substr(v.priecinok.rfind('\\') + 1).c_str()) + "; nothing was imported";
    case PX_ImportChyba::KNIHA: return "no book folder at " + book;
    case PX_ImportChyba::ZIADNY_SUBOR:
    case PX_ImportChyba::ZIADNA: break;
    }
    return "no picture files given";
}

void report(const PX_ImportObrazok& o) {
    static const char* const KIND[] = {"background", "prop", "actor"};
    std::string line = std::string(KIND[o.druh]) + " " + PX_IMPORT_Priecinok(o.druh) + "/" +
                       plat_Utf8FromCp1250(o.meno.c_str()) + ".bmp";
    if (o.druh == PX_DRUH_HEREC) line += " with " + std::to_string(o.fazy) + " phases";
    line += ", " + size(o.sir, o.vys);
    if (o.sir < o.zdroj_sir || o.vys < o.zdroj_vys)
        line += " (scaled down from " + size(o.zdroj_sir, o.zdroj_vys) + ")";
    printf("%s\n", line.c_str());
    fflush(stdout);  // before the notes on the error output
    if (o.viac_snimok)
        say(plat_Utf8FromCp1250(o.meno.c_str()) + ": only the first " + std::to_string(o.fazy) + " frames taken");
    if (o.len_prva) say(plat_Utf8FromCp1250(o.meno.c_str()) + ": an animation; its first frame taken");
    if (o.posunute > 0)
        say(plat_Utf8FromCp1250(o.meno.c_str()) + ": every colour is in use; " + std::to_string(o.posunute) +
            " pixels moved one step to free the see-through colour");
}

}  // namespace

int main(int argc, char** argv) {
    if (PX_CLI_AsksHelp(argc, argv)) {
        fputs(PX_IMPORT_USAGE, stdout);
        return 0;
    }
    PX_ImportArgs a;
    if (const std::string error = PX_ParseImportArgs(argc, argv, &a); !error.empty())
        return fail(2, error + "\n" + PX_IMPORT_USAGE);
    std::string book;
    if (const std::string error = PX_CLI_FindBook(a.book, &book); !error.empty()) return fail(1, error);
    if (!PX_CLI_Writable(book)) return fail(1, "cannot write into the book folder " + a.book);
    // The files stay where they are named from; the book is reached from its own folder, by
    // its own name (its path further up may hold names the code page cannot spell).
    const std::string here = PX_CLI_RealPath(".");
    std::vector<std::string> files;
    for (const std::string& f : a.files) files.push_back(f[0] == '/' ? f : here + "/" + f);
    if (chdir(book.c_str()) != 0) return fail(1, "cannot open the book folder " + a.book);
    tf_LOG_SetONOFF(0);
    const std::string kniha = "..\\" + PX_CLI_ProgramPath(book.substr(book.rfind('/') + 1));
    const PX_Druh kind = a.kind_given ? a.kind : PX_IMPORT_Navrh(files, a.page_w, a.page_h);
    const PX_ImportVysledok v = PX_IMPORT_Subory(kniha.c_str(), files, kind, a.page_w, a.page_h);
    if (!v.ok()) return fail(1, failure(v, a.book, a.files, files));
    for (const PX_ImportObrazok& o : v.obrazky) report(o);
    return 0;
}
