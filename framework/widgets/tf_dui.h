// The list menu: entries with a value, a caption and an icon, laid out as an arc, a bar or a
// column, drawn by the list itself; highlights, choices reported by polling, detail pop-ups.
#pragma once
#include <cstdlib>
#include <cstring>

#include "framework/core/tf_arre.h"
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_pol.h"
#include "platform/gdi.h"

class tf_CDUI;

// One entry of a list.
class tf_TVOLBA {
public:
    tf_TVOLBA();
    virtual ~tf_TVOLBA();
    tf_TVOLBA(const tf_TVOLBA&) = delete;
    tf_TVOLBA& operator=(const tf_TVOLBA&) = delete;

    int hodnota = 0;
    RECT obdlz = {100, 100, 150, 130};
    int stav = 0;  // 0 normal, 1 pointer over it, 2 pressed, 3 its detail list is open
    char* text = nullptr;
    bool vlastni_text = true;
    int text_sir = 0;
    int text_vys = 0;
    tf_CIcon* ikona = nullptr;
    bool vlastni_ikona = true;
    int rez = 0;  // a scrolled view cuts it: 1 its upper part, 2 its lower part
    RECT cele_obdlz = {100, 100, 150, 130};  // the whole rectangle of a cut entry
    tf_CDUI* detail = nullptr;
};

// While false, every new list starts with the placeholders "void_0" ... "void_2" and an
// empty list still draws its background. Set once the first menus are built; never cleared.
extern bool tf_CDUI_NoVoid;

class tf_CDUI : public tf_CPol {
public:
    tf_CDUI();
    // A class other than 0 (arc), 1 (bar) or 2 (column) becomes 2.
    explicit tf_CDUI(int trieda);
    explicit tf_CDUI(const char* nazov);
    tf_CDUI(const char* nazov, int trieda);
    tf_CDUI(tf_CPolCHLO* parent, int rx, int ry);
    tf_CDUI(tf_CPolCHLO* parent, int ID);
    ~tf_CDUI() override;

    // Positions keep the offsets from the parent in step and lay the list out again, so that
    // a list inside a moving container follows it.
    void Rodic_reset() override;
    void CHOD_NA(int x, int y) override;
    void ZOBRAZ() override;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    void GetSize(int* sir, int* vys) override;
    bool INFORMUJ_SA(int x, int y, int event) override;
    bool PollAction(int* value) override;

    virtual int Count();
    virtual void CHOD_NA_CENTER(int x, int y);
    // At (x, y), or to the left of x and above y where the list would leave the screen; never
    // beyond the screen's top-left corner.
    void CHOD_NA_OBRAZOVKU(int x, int y);
    virtual void PRIDAJ(int hodnota, const char* text);
    // A new icon loaded from the file `subor`, owned by the entry.
    virtual void PRIDAJ(int hodnota, const char* text, const char* subor);
    // A borrowed icon.
    virtual void PRIDAJ(int hodnota, const char* text, tf_CIcon* ikona);
    virtual void PRIDAJ(int hodnota, const char* text, tf_CIcon* ikona, bool vlastni_ikona);
    virtual void Eviduj_Master_Detail_popup(int hodnota, tf_CDUI* detail);
    // The caption of the entries valued `hodnota`, so that a menu can say what is set.
    virtual void Nastav_Text(int hodnota, const char* text);

    // Without a rectangle the layout places the entry.
    void PRIDAJ(RECT* obdlz, int hodnota, const char* text, tf_CIcon* ikona, bool vlastni_ikona);
    void ODOBER();
    void VYMAZ();

    void Nastav_Triedu(int trieda) { RESET_DEFAULT(trieda); }
    // An invalid class is logged and changes nothing.
    void RESET_DEFAULT(int trieda);
    void RESET_DEFAULT();
    void Nastav_Konstanty(int vyska_volby, int krok_volby, int sirka_volby, int medzera);
    void Dsgn(int rx, int ry);
    void RESET_GEOMETRIE();

    // Alignment codes: "LT" ... "RB" (numbered 1 ... 9) and their Slovak spellings with
    // P (right), H (top) and D (bottom).
    void SetTextMode(const char* kod);
    void SetTextMode(int cislo);
    void SetTextMode_NEXT();
    void SetIconMode(const char* kod);
    void SetIconMode(int cislo);
    void SetIconMode_NEXT();

    // The value of the entry pressed, once; values below 1 are never reported.
    bool INFORMUJ_MA(int* hodnota);
    // The entry the pointer has just come onto.
    bool INFORMUJ_MA_3(int* index, int* hodnota);
    bool test_v_rect(RECT r, int x, int y);

    int vybrata = 0;
    int trieda = 2;
    bool zmena = true;
    int nahradene = 0;
    int nad = -1;
    int nad_predtym = -1;
    int nad_nove = -1;
    bool zamknute = false;  // takes no pointer events and does not open as a detail list
    IDirectDrawSurface* ciel = nullptr;
    int pozadie = 1;  // 1 white net, 2 white fill, 3 milky, anything else none
    RECT obal = {1, 1, 100, 100};
    struct {
        int left = 0, right = 0, top = 0, bottom = 0;
    } plocha;  // area of the entries of a column
    HBRUSH stetec_stavu[3] = {};  // states 1, 2, 3
    HBRUSH stetec_pozadia = nullptr;
    HPEN pero_tmave = nullptr;
    HPEN pero_ramika = nullptr;
    HFONT font = nullptr;
    int sir_znaku = 15;
    // A row's entries as wide as their captions measure in the list's font, and `pridavok` more,
    // instead of sir_znaku for every letter.
    bool podla_popisu = false;
    int pridavok = 0;
    tf_CARRE volby;
    int vyska_volby = 0;
    int krok_volby = 0;
    int sirka_volby = 0;
    int medzera = 0;
    int ramik_volieb = 0;
    char text_mod[4] = "CC";
    int text_okraj = 1;
    char ikona_mod[4] = "CC";
    int ikona_okraj = 1;
    int posun = 0;  // 1 shifts highlights by (posun_x, posun_y) and the pointer back
    int posun_x = 0;
    int posun_y = 0;
    int rozsir_x = 0;
    int rozsir_y = 0;
    bool oble = false;
    int oble_x = 5;
    int oble_y = 5;
    int kreslenie = 1;  // bit 1 fill with the state's brush, bit 2 a bevelled frame
    tf_CDUI* master = nullptr;
    bool popup = false;
    int max_riadkov = 0;
    // The entries of this value are drawn marked (a light fill and a check mark at the left):
    // what is set now. Below 1: none.
    int oznacena = 0;
    void Oznac(int hodnota);
    HBRUSH stetec_oznacenej = nullptr;
    HPEN pero_znacky = nullptr;

    // The room a marked entry keeps at its left for the check mark.
    static constexpr int SIRKA_ZNACKY = 18;

protected:
    // Every constructor's set-up after the class is chosen; a derived list runs it again.
    void inicializuj();
    void Inic_KP();
    // The entry at i, or null.
    tf_TVOLBA* volba(int i);
    // The entries that are laid out (column), drawn and hit.
    int viditelne();
    // True (logged) when attaching `detail` would make the pop-up chain a loop.
    bool tvori_kruh(tf_CDUI* detail);
    // A caption's size in the list's font; 100 x 20 before the screen exists, 0 x 0 for none.
    void zmeraj_popis(const char* text, int* sir, int* vys);
    // The width of a column's entries: sirka_volby, or what its widest caption needs in the
    // list's font with the alignment's margins (and the mark's room) when that is more.
    int sirka_stlpca();
    // The widest caption in the list's font; the captions are measured again once the font changed.
    virtual int najsirsi_popis();
    HFONT zmerane = nullptr;  // the font the captions' sizes are measured in

    // The same for the entries and for a row list's rows (T is tf_TVOLBA or tf_TVOLBAR).
    template <class T>
    int najsirsi_z(tf_CARRE& zoznam) {
        const bool znova = zmerane != font;
        int w = 0;
        for (int i = 0; i < zoznam.count; ++i) {
            T* e = static_cast<T*>(zoznam.GET(i));
            if (znova) zmeraj_popis(e->text, &e->text_sir, &e->text_vys);
            w = e->text_sir > w ? e->text_sir : w;
        }
        zmerane_teraz();
        return w;
    }
    template <class T>
    void prepis_text(tf_CARRE& zoznam, int hodnota, const char* text) {
        for (int i = 0; i < zoznam.count; ++i) {
            T* e = static_cast<T*>(zoznam.GET(i));
            if (e->hodnota != hodnota) continue;
            if (e->vlastni_text) free(e->text);
            e->text = text ? strdup(text) : nullptr;
            e->vlastni_text = e->text != nullptr;
            zmeraj_popis(text, &e->text_sir, &e->text_vys);
        }
    }
    // The captions' sizes now stand for the list's font (only once the screen measures them).
    void zmerane_teraz();

private:
    void zacni(const char* nazov, int trieda);
    // Absolute position with the offsets in step; the layout follows at the next drawing.
    void presun(int x, int y);
    void rozloz_obluk();
    void rozloz_listu();
    void rozloz_stlpec();
    bool ma_otvoreny_detail();
    void pohyb_nad(int i);
    // Beside entry v, or on its other side where the screen ends.
    void umiesti_detail(tf_CDUI* d, const tf_TVOLBA* v);
    void zatvor_retaz();
    void kresli_zvyraznenia(HDC dc, int m);
    void kresli_stav(HDC dc, RECT h, int stav);
    void kresli_znacku(HDC dc, const RECT& r);
    void kresli_ikony(IDirectDrawSurface* surface, int m);
    void kresli_popisy(IDirectDrawSurface* surface, int m);
    bool popis_obdlz(tf_TVOLBA* v, RECT* box, UINT* format);
};
