// The row list: any number of rows shown a few at a time in a column that scrolls by pixels,
// with a slider and two scroll buttons beside it. The rows are copied into the list menu's
// view entries whenever the layout runs; everything else is the list menu's.
#pragma once
#include "framework/core/tf_arre.h"
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_dui.h"
#include "framework/widgets/tf_tlac.h"

// One row. The owner must release its private `data` and clear it before the row goes.
class tf_TVOLBAR {
public:
    tf_TVOLBAR() = default;
    virtual ~tf_TVOLBAR();
    tf_TVOLBAR(const tf_TVOLBAR&) = delete;
    tf_TVOLBAR& operator=(const tf_TVOLBAR&) = delete;

    int hodnota = 0;
    char* text = nullptr;
    bool vlastni_text = true;
    int text_sir = 0;
    int text_vys = 0;
    tf_CIcon* ikona = nullptr;
    bool vlastni_ikona = true;
    tf_CDUI* detail = nullptr;
    void* data = nullptr;
};

class tf_CDUIR : public tf_CDUI {
public:
    tf_CDUIR();
    explicit tf_CDUIR(const char* nazov);
    tf_CDUIR(tf_CPolCHLO* parent, int rx, int ry);
    tf_CDUIR(tf_CPolCHLO* parent, int ID);
    ~tf_CDUIR() override;

    // Rows. Removing rows lays the view out at once: view entries borrow the rows' captions.
    tf_TVOLBAR* PRIDAJR(int hodnota, const char* text, tf_CIcon* ikona, bool vlastni_ikona);
    using tf_CDUI::PRIDAJ;
    void PRIDAJ(int hodnota, const char* text) override;
    void PRIDAJ(int hodnota, const char* text, const char* subor) override;
    void PRIDAJ(int hodnota, const char* text, tf_CIcon* ikona) override;
    void PRIDAJ(int hodnota, const char* text, tf_CIcon* ikona, bool vlastni_ikona) override;
    void ODOBERR();
    void ODOBER() { ODOBERR(); }
    void VYMAZR();
    void VYMAZ() { VYMAZR(); }
    int CountR() { return riadky.count; }
    int Count() override { return CountR(); }

    // Unchecked.
    tf_TVOLBAR* operator[](int index) { return static_cast<tf_TVOLBAR*>(riadky.GET(index)); }
    // Logged, and null, outside the rows.
    tf_TVOLBAR* VratVolbu__indexovo(int index);
    tf_TVOLBAR* VratVolbu__hodnotovo(int hodnota);
    // Byte for byte; rows without a caption never match.
    tf_TVOLBAR* VratVolbu__podla_textu(const char* text);

    void Eviduj_Master_Detail_popupR(int hodnota, tf_CDUI* detail);
    void Eviduj_Master_Detail_popup(int hodnota, tf_CDUI* detail) override { Eviduj_Master_Detail_popupR(hodnota, detail); }
    void Eviduj_Master_Detail_popupR__indexovo(int index, tf_CDUI* detail);
    void Nastav_Text(int hodnota, const char* text) override;

    void CHOD_NAR(int x, int y) { CHOD_NA(x, y); }
    void CHOD_NA(int x, int y) override;
    void CHOD_NA_CENTERR(int x, int y);
    void CHOD_NA_CENTER(int x, int y) override { CHOD_NA_CENTERR(x, y); }
    void RESET_GEOMETRIER();
    void RESET_GEOMETRIE() { RESET_GEOMETRIER(); }
    void Rodic_reset() override;
    void GetSize(int* sir, int* vys) override;

    bool INFORMUJ_SA(int x, int y, int event) override;
    using tf_CDUI::ZOBRAZ;
    void ZOBRAZR(IDirectDrawSurface* surface);
    void ZOBRAZ(IDirectDrawSurface* surface) override { ZOBRAZR(surface); }

    bool zmena_r = true;
    int nahradene_r = 0;
    tf_CPosuv posuvnik;  // its value is the scroll offset in pixels
    tf_CTlac tlac_hore;
    tf_CTlac tlac_dole;
    tf_CIcon ikona_drahy;  // tiled down the slider's track
    bool posuvanie = false;
    int max_viditelnych = 7;  // kept within 3 ... 25 by the layout
    int posun_r = 0;
    int max_posun = 100;
    bool na_koniec = false;  // after each added row, scroll to the end
    tf_CARRE riadky;         // tf_TVOLBAR*, owned

private:
    void inicializuj_r();
    int najsirsi_popis() override;
    // max_viditelnych as the layout keeps it.
    int viditelnych() const;
    tf_TVOLBAR* riadok(int i);
    // Destroys the rows from index `od` on.
    void znic_riadky(int od);
    void pripoj_detail(tf_TVOLBAR* vr, tf_CDUI* detail);
    void pohlad_na(int s);
    void rozloz_bez_posuvania();
    void rozloz_s_posuvanim(int v);
    // The design's stock scroll-bar look for the parts the owner gave none.
    void stock_vzhlad();
    // Copies row `vr` into view entry `v`; `cele` (the whole rectangle) makes the entry a cut one, `rez` 1 or 2.
    void preklop(tf_TVOLBAR* vr, tf_TVOLBA* v, const RECT* obdlz, const RECT* cele, int rez);
    void kresli_drahu(IDirectDrawSurface* surface);
};
