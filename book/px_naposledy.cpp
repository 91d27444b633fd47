// "NAPOSLEDY.INI": two lines, the book's folder and the page file, as the catalogue lists them.
#include "book/px_naposledy.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "book/px_ks.h"
#include "book/px_stav.h"
#include "platform/files.h"

namespace {
const char SUBOR[] = "NAPOSLEDY.INI";
std::string zapisane;  // what the file holds, as far as this run knows

const struct_kniha_strana* zaznam(int i) { return static_cast<const struct_kniha_strana*>(KS.GET(i)); }

// A line of the file without its end, at most a path long.
std::string riadok(FILE* f) {
    char line[MAX_PATH + 8] = "";
    if (!f || !fgets(line, sizeof line, f)) return "";
    line[strcspn(line, "\r\n")] = '\0';
    return line;
}
}  // namespace

void PX_Naposledy_Tik() {
    const struct_kniha_strana* ks = current_page == PX_NEW_PAGE ? nullptr : NAJDI_KS(current_book, current_page);
    if (!ks) return;
    std::string text = std::string(ks->book_path) + "\n" + ks->page_path + "\n";
    if (text == zapisane) return;
    zapisane = text;
    plat_WriteFileLater(SUBOR, std::move(text));
}

void PX_Naposledy_Otvor() {
    FILE* f = plat_fopen(SUBOR, "rb");
    const std::string book = riadok(f), page = riadok(f);
    if (f) fclose(f);
    const struct_kniha_strana* found = KS.count > 0 ? zaznam(0) : nullptr;
    for (int i = 0; i < KS.count; ++i) {
        if (book != zaznam(i)->book_path) continue;
        if (found->book_path != book || page == zaznam(i)->page_path) found = zaznam(i);
    }
    if (!found) return;
    VOLBA_KNIHY(found->book_id, false);
    VOLBA_STRANY(found->book_id, found->page_id);
    zapisane = book + "\n" + page + "\n";
}
