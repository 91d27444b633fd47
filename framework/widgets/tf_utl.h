// Ready-made pickers on the row list: the BMP pictures of a folder shown with their
// thumbnails, and the subfolders of a folder; and a small dialog asking for one line.
#pragma once
#include "framework/widgets/tf_dedb.h"
#include "framework/widgets/tf_dialog.h"
#include "framework/widgets/tf_duir.h"

class tf_CLabel;
class tf_CPolIcon;
class tf_CTlac;

// Each row's `data` is an owned copy (malloc) of the picture's full path.
class tf_UTL_CDUIR_THMFILE : public tf_CDUIR {
public:
    tf_UTL_CDUIR_THMFILE();
    explicit tf_UTL_CDUIR_THMFILE(const char* nazov);
    tf_UTL_CDUIR_THMFILE(tf_CPolCHLO* parent, int rx, int ry);
    tf_UTL_CDUIR_THMFILE(tf_CPolCHLO* parent, int ID);
    ~tf_UTL_CDUIR_THMFILE() override;

    int LOAD(const char* adresar, bool priehladne);
    int RELOAD(const char* adresar, bool priehladne);
    // Makes the missing thumbnails, reloads and fits the rows to the icons.
    int XRELOAD(const char* adresar, bool priehladne);
    int GetIconsStatistics(int* min_sir, int* max_sir, int* min_vys, int* max_vys);
    int AUTORESIZE();

    int thm_sir = 100;
    int thm_vys = 75;

private:
    void nastav();
    // A row for one picture; without a thumbnail the row's icon stays invalid and draws nothing.
    void PRIDAJ_THMFILE(int hodnota, const char* text, const char* thm, const char* cesta);
};

// Each row's `data` is an owned copy (malloc) of the folder's full path; values from 100.
class tf_UTL_CDUIR_DIR : public tf_CDUIR {
public:
    tf_UTL_CDUIR_DIR();
    explicit tf_UTL_CDUIR_DIR(const char* nazov);
    tf_UTL_CDUIR_DIR(tf_CPolCHLO* parent, int rx, int ry);
    tf_UTL_CDUIR_DIR(tf_CPolCHLO* parent, int ID);
    ~tf_UTL_CDUIR_DIR() override;

    int LOAD(const char* adresar, const char* maska);
    void PRIDAJ_DIR(int hodnota, const char* text, const char* cesta);

private:
    void nastav();
};

// Ids the edit dialog reports to its parent.
enum {
    TF_UTL_EDIT_OK = -10101,
    TF_UTL_EDIT_CANCEL = -10102,
    TF_UTL_EDIT_CLOSE = -10103,
    TF_UTL_EDIT_OK_LABEL = -10104,
    TF_UTL_EDIT_CANCEL_LABEL = -10105,
};

class tf_UTL_CDLG_EDIT : public tf_CDDialog {
public:
    tf_UTL_CDLG_EDIT(tf_CPolCHLO* parent, const char* nadpis, const char* otazka);
    int SetupVisual() override;
    bool HandleFWInteraction(int id, int value, tf_CPol* source) override;
    char* Get_Text();
    // After SetupVisual: the dialog asks for a line, starting from `text`...
    void Vstup(const char* nadpis, const char* otazka, const char* text);
    // ... or asks a question of up to two lines, its buttons captioned `ano` and `nie`.
    void Otazka(const char* nadpis, const char* riadok1, const char* riadok2, const char* ano, const char* nie);

    char nadpis[100] = "";
    char otazka[100] = "";
    // All are children of the dialog, which owns them.
    tf_CLabel* lbl_nadpis = nullptr;
    tf_CLabel* lbl_otazka = nullptr;
    tf_CLabel* lbl_otazka2 = nullptr;  // the question's second line
    tf_CPolIcon* obrazok = nullptr;
    tf_CPolIcon* znak_ok = nullptr;
    tf_CPolIcon* znak_zrus = nullptr;
    tf_CDEDB* edit = nullptr;
    tf_CTlac* tlac_ok = nullptr;
    tf_CTlac* tlac_zrus = nullptr;
    tf_CTlac* tlac_x = nullptr;

    static constexpr int SIR = 292;
    static constexpr int VYS = 157;
    static constexpr int MAX_DLZKA = 20;

private:
    // The caption label of a button, found by its ID.
    void popis(int ID, int rx, int ry, const char* text);
    // The prompt and the buttons' captions for either use.
    void nastav(const char* nadpis, const char* otazka, const char* riadok2, const char* ano, const char* nie);
};
