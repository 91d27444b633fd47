// The book editor: the application screen, the widgets and pictures it keeps for the whole
// run, and the routines its set-up and its frame share (the commands: px_editor_cmd.h).
#pragma once
#include "framework/app/tf_app.h"
#include "framework/core/tf_dso.h"
#include "framework/surface/tf_dsrfc.h"
#include "framework/widgets/tf_dui.h"
#include "framework/widgets/tf_tlac.h"
#include "framework/widgets/tf_uhspol.h"

class tf_CDUIR;
class tf_UTL_CDLG_EDIT;

class CKnihaScreen : public tf_CAppScreen {
public:
    CKnihaScreen(void* instance, int showCommand, const char* iniName);
    // Frees what the window's end did not (a run that never got WM_DESTROY).
    ~CKnihaScreen() override;

    void Init() override;
    void Do_LOAD_SRF() override;
    void Do_RELEASE_SRF() override;
    void Do_RESTORE_SRF() override;
    void Redraw_Screen() override;
    void HandleWMInteraction(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void ChangedResolution(int oldW, int oldH, int newW, int newH) override;
    bool SaveWork(bool closing) override;  // the shown page's changes (px_editor_cmd_book.cpp)
    // A key the text being written took is none of the frame's: Esc ends the writing, not the editor.
    bool INFORMUJ_SA_KLAV(int key) override;
};

// The running editor screen; null while there is none.
extern CKnihaScreen* app_screen;

// What the editor keeps from its start to its end. The lists and menus of the model's state
// (book/px_stav.h) are made by Init without a parent and destroyed by UVOLNI_VSETKO; the group
// only holds them.
struct PX_Editor {
    tf_CUHSPol group;
    tf_CDUI dui_M{"dui_M", 1};
    tf_CDas_Surface pozadie{"pozadie"};
    tf_CDas_Surface rezia{"rezia"};
    tf_CTlac tlac_Prev, tlac_Next, tlac_Nova, tlac_Opusti, tlac_Play;
    tf_CTlac tlac_Save{"tlac_Save"};
    tf_CTlac tlac_Mikrofon{"tlac_Mikrofon"};  // records the page's narration
    tf_CTlac tlac_Stlmenie{"tlac_Stlmenie"};  // mutes and unmutes all sound
    tf_CTlac tlac_Citaj{"tlac_Citaj"};        // reads the book full screen
    // The buttons' looks, taken over as the state changes: ready, recording, unable to record;
    // sound on, muted.
    tf_CDAS vzhlad_mikrofonu[3], vzhlad_stlmenia[2];
    tf_CDAS kurzor{"kurzor", 200, 250};
    tf_CDSO_Zvuk naraz, koniec;
    // Made by Init and kept to the end.
    tf_UTL_CDLG_EDIT* nova_kniha = nullptr;  // asks for a name (px_otazka.h)
    tf_UTL_CDLG_EDIT* otazka = nullptr;      // asks yes or no
    tf_CDUIR* kos = nullptr;                 // the trash, opened from the books list
    tf_CDUI* riadok = nullptr;               // a book's or a page's row menu
    tf_CDUI* zvuky = nullptr;                // the book's sounds, for the page's background
    tf_CDUIR* vyber = nullptr;               // the picture picker of "Importovať..." (px_vyber.h)
    tf_CDUI* text_menu[7] = {};              // a text's menu, then its six submenus
    HFONT font_menu = nullptr;   // every menu
    HFONT font_uzky = nullptr;   // the menu bar on a narrow screen
    HFONT font_najuzsi = nullptr;  // and on the narrowest
    HFONT font_drobny = nullptr;   // and when even that is too wide
    HFONT font_knihy = nullptr;  // the books list
    bool uvolnene = false;       // UVOLNI_VSETKO has run
    bool bez_ulozenia = false;   // the author chose to end with changes that could not be saved
};
// While the editor screen exists.
extern PX_Editor* px_editor;

// The page buttons and the mute switch at their places for the screen size: Init and ChangedResolution share it,
// and Init also gives them their looks.
void PX_PlaceButtons(bool withLooks);

// The icon of a book without one of its own, loaded afresh.
void PX_LoadDefaultBookIcon();

// The main menu's lists and the trash close: a menu or a dialog opens in their place, and every
// layer of the group sees each press, so nothing may lie under it.
void PX_CloseLists();

// The editor's part of each frame: page, thumbnail, outlines, status line, widgets, cursor.
void PX_DrawEditorFrame(IDirectDrawSurface* back);
// After the tick's work: a frame is due while the page plays, a thumbnail waits, or what the
// editor's own layers show has changed since the last frame (a message timed out, say).
void PX_NeedFrameIfChanged();

// The sound controls' part of the set-up: their looks from the skin, and the sounds menu.
void PX_SoundControls(PX_Editor& e);
// Each frame: the microphone's and the mute switch's looks as things stand, and while
// recording, the level meter and the seconds beside the microphone.
void PX_DrawSoundControls(IDirectDrawSurface* back);
