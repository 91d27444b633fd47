// A page file as RELOAD_REG reads it, in a book whose lists hold a background, a prop and an
// actor with its phases file.
#include <cstdlib>
#include <cstring>

#include "book/pexlo.h"
#include "framework/widgets/tf_utl.h"
#include "fuzz/fuzz_support.h"

namespace {
struct Book {
    Book() {
        const std::string sheet = pexlo_fuzz::Sheet(3);
        pexlo_fuzz::Put("page-les.bmp", sheet);
        pexlo_fuzz::Put("page-strom.bmp", sheet);
        pexlo_fuzz::Put("page-pes.bmp", sheet);
        pexlo_fuzz::Put("page-pes.faz", "3 3\n12 3\n21 3\n");
        for (auto [list, name] : {std::pair(&pozadia, "les"), {&kulisy, "strom"}, {&herci, "pes"}})
            list->PRIDAJR(1, name, nullptr, false)->data =
                strdup(pexlo_fuzz::ProgramPath("page-" + std::string(name) + ".bmp").c_str());
    }
    tf_UTL_CDUIR_THMFILE pozadia, kulisy, herci;
    tf_CDas_Surface background{"pozadie"};
};
}  // namespace

int pexlo_fuzz_page(const uint8_t* data, size_t size) {
    pexlo_fuzz::Stage stage;
    static Book* book = new Book;  // for the whole run
    const std::string page = pexlo_fuzz::Put("page.str", data, size);
    background_surface = &book->background;
    utl_duir_Pozadia = &book->pozadia;
    utl_duir_Kulisy = &book->kulisy;
    utl_duir_Herci = &book->herci;
    RELOAD_REG(page.c_str());
    VYMAZ_REG();
    book->background.RELEASE_SURFACE();
    PX_STAV_Reset();
    return 0;
}
