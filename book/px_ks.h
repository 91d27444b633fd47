// The book catalogue: one record per page of every book beside the program's folder, and
// the commands that move between books and pages, save pages and make new books.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

class tf_CIcon;

// A book (or, from the launcher, a starter entry) is copied beside the books (PX_Knihy_dir,
// book/px_trieda.h) under a name with this prefix first.
inline constexpr char PX_NOVA_PREFIX[] = ".pexlo-new-";

struct struct_kniha_strana {
    // Copies the texts; the book id follows from the book's index.
    struct_kniha_strana(int book_index, const char* book_path, const char* book_name, int page_index, int page_id,
                        const char* page_path, const char* page_name);
    ~struct_kniha_strana();
    struct_kniha_strana(const struct_kniha_strana&) = delete;
    struct_kniha_strana& operator=(const struct_kniha_strana&) = delete;

    int book_index = 0;
    int book_id = 0;
    char* book_path = nullptr;  // ours (malloc), as all four texts
    char* book_name = nullptr;
    int page_index = 0;
    int page_id = 0;
    char* page_path = nullptr;
    char* page_name = nullptr;
    tf_CIcon* page_icon = nullptr;  // ours
    bool icon_sought = false;       // the thumbnail was looked for, when the pages were first listed
    bool hlas = false;              // a narration lies beside the page file (found with the thumbnail)
};

void NACITAJ_KNIHY();
struct_kniha_strana* NAJDI_KS(int book, int page);
// The book's first record (its name and folder are in every one); null when it has none.
struct_kniha_strana* PX_Prvy_v_knihe(int book);
// The book's pages in its order.
std::vector<const struct_kniha_strana*> PX_Strany_v_knihe(int book);
int NAJDI_KNIHU(const char* name);
void NAPLN_STRANY(int book, bool force);
void VOLBA_KNIHY(int book, bool first_page);
void VOLBA_STRANY(int book, int page);
void NOVA_STRANA(int page);
// False when the page could not be saved (the status line says so).
bool ULOZ_STRANU();
// The shown page saved now, its thumbnail drawn from the page itself (not from a frame with
// the editor's controls), and the undo history told; false when it could not be saved.
bool PX_Uloz_teraz();
// Before the author leaves the shown page: its changes saved now. True when nothing is left
// unsaved; false when the save failed (the page keeps its changes, the status line says so),
// and the leaving stops.
bool PX_Uloz_zmeny();
// The shown page's file as it was loaded or last saved here (plat_FileVersion): a save that
// finds the file changed since (another editor saved it) puts the page beside it instead.
const std::string& PX_Verzia_strany();
// Changes brought back from a recovery file were made on the file as it was then.
void PX_Nastav_verziu_strany(const std::string& verzia);
// The frame's thumbnail step: after the page is drawn, before the editor's controls.
void PX_Obnov_nahlad();
// A book from the classroom's template `sablona` (px_trieda.h; the first when out of range).
// False (logged, nothing made) for a missing template, an existing book of that name, or a
// name that is empty or would leave the books folder.
bool NOVA_KNIHA(const char* name, size_t sablona = 0);
// A name a book's folder can take: not empty, one folder beside the others (logged when not).
bool PX_Platny_nazov_knihy(const char* name);
// A book's folder was renamed: the catalogue is built again, the shown book and page stay shown
// and their paths (the background's too) lead into the new folder.
void PX_Kniha_presunuta(const char* from, const char* to);
// The new-book dialog's text: make the book, rebuild the catalogue and show its first page.
void PX_Nova_kniha_zadana(const char* text, size_t sablona = 0);
// At start: removes what processes that are gone left behind (a crash, a kill): the temporaries
// of writes cut short beside the files the program writes (here, the books folder, each book
// and its picture folders), books half copied, and the copies of pages being exported.
// Another editor's, still running, stay.
void PX_Uprac_docasne();
void UVOLNI_VSETKO();

// A page's thumbnail: the whole page at this size, however big the page.
constexpr int PX_NAHLAD_SIR = 100, PX_NAHLAD_VYS = 50;

// The copy of a page pexlo-export plays is named by this and the editor's process.
#define PX_EXPORT_PREFIX ".pexlo-export-"

// Shared by the catalogue's two files.
// next_page and prev_page for the page shown.
void PX_Susedia(int page);
// The status line's own text: the book and page shown, a new page, or where to begin.
void PX_Stav_strany();
// The thumbnail at `path` as a page icon (its own colours, no transparency), or null when it
// cannot be loaded.
tf_CIcon* PX_Nahraj_nahlad(const char* path);
// The page file's thumbnail name into thumbnail_path; false when it does not fit.
bool PX_Nastav_cestu_nahladu(const char* page_path);
// The page as last drawn (px_plocha.h), whole, fitted into the page list's thumbnail box,
// written to thumbnail_path; false (logged) when it could not be written.
bool PX_Zapis_nahlad();
