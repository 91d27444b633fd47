// The editor's commands, one function each: the input dispatches list rows, menu items,
// buttons and keys to them.
#pragma once
#include <string>
#include <vector>

#include "book/px_historia.h"

// The main menu's items of the book's sounds and of a new text; the text menu's item that
// writes the text again.
constexpr int PX_ID_ZVUKY = 8;
constexpr int PX_ID_TEXT = 9;
constexpr int PX_ID_PISAT = 7;

struct PX_Editor;

// Rows and items chosen in the lists and menus (the row's or item's id).
void PX_MainMenu(int id);            // "Info..." and "Koniec"
void PX_ChooseBook(int id);          // books list
void PX_ChoosePage(int id);          // pages list
void PX_AddBackground(int id);       // backgrounds list
void PX_AddProp(int id);             // props list
void PX_AddActor(int id);            // actors list
// The picture of the list's row `id` (a background, a prop or an actor, by `druh`) placed on
// the page without a step of its own: the caller records the step. Nothing for no such row.
void PX_Poloz(PX_Uprava druh, int id);
void PX_SetBackgroundMode(int id);   // background-mode menu
void PX_RemoveOrCopyObject(int id);  // object menu: remove, copy
void PX_SetMotion(int id);           // object menu: the six motions
void PX_SetEdge(int id);             // object menu: bounce, wrap around
void PX_SetPace(int id);             // object menu: faster, slower phases
void PX_RowMenu(int id);             // a book's or page's row menu: rename, delete, remove narration, export
void PX_ChooseTrash(int id);         // the trash list: bring back
void PX_ChooseSound(int id);         // the sounds menu: the page's background sound, or none
void PX_TextMenu(int id);            // the text menu: write it again
void PX_SetTextSize(int id);         // the text menu: five sizes
void PX_SetTextColour(int id);       // eight colours
void PX_SetTextLook(int id);         // caption, card, bubble
void PX_SetBubbleObject(int id);     // the object a bubble points at and follows (makes it a bubble)

// The buttons.
void PX_Play();
void PX_SavePage();
void PX_NextPage();
void PX_PreviousPage();
void PX_LeaveNewPage();
void PX_NewPage();
// The microphone button and R: recording starts, or stops and becomes the page's narration;
// without a microphone the error strip says so. The mute switch and M.
void PX_Record();
void PX_ToggleMute();

// "Text..." and T: a new text in the middle of the page, written in place.
void PX_NewText();
// The text menu and its submenus, made at the set-up; opened over a text (setup_target) at the
// pointer, saying what is set and listing the page's pictures for the bubble.
void PX_TextMenus(PX_Editor& e);
void PX_OpenTextMenu(int x, int y);

// The keys.
void PX_TogglePlay();
void PX_Faster();
void PX_Slower();
void PX_RemoveLast();
void PX_DeleteHovered();
void PX_ReportRegistry();
void PX_Undo();  // Ctrl+Z (px_historia.cpp)
void PX_Redo();  // Ctrl+Y, Ctrl+Shift+Z
void PX_ExportPage();  // F9: the shown page as an animated GIF, made while the editor goes on
void PX_ExportBook();  // Shift+F9: the open book as one animated GIF, as it is read, the same way
// F5 and the reading button: the open book read full screen from the shown page (px_citanie.h).
void PX_Read();

// The page shown, after the shown one's changes were saved; false when it is not (said why).
bool PX_OpenPage(int book, int page);
// A right press over a book's or a page's row opens its menu (true), else nothing happens.
bool PX_RowMenuAt(int x, int y);
// The folder of the book `book` (a program path), "" for none.
std::string PX_Cesta_knihy(int book);
// Pointing at the menu bar's "Zvuky...": the shown book's sounds listed, the page's one marked.
void PX_FillSounds();
// Pointing at the books list's trash row: the trash list is filled and opens.
void PX_FillTrash();

// Files dropped on the window (host paths): book files come in as books (PX_ImportBooks);
// for pictures the author chooses what they become, then they are imported into the shown book
// and placed on the shown page as one step.
void PX_ImportDrop(const std::vector<std::string>& files);

// Books as one file (".pexlo"). The book of the list's row `book` written into the host folder
// `priecinok` as "<name>.pexlo", the status line saying where; its shown page's changes saved first.
void PX_ExportBook(int book, const std::string& priecinok);
// The book of the row `book` as the video "<name>.mp4" in the host folder `priecinok`, made as
// Shift+F9 makes the book's GIF (its changes saved first); the status line says where it went.
void PX_ExportVideo(int book, const std::string& priecinok);
// The same as a web book: the folder "<name>" (or "<name> (2)" ...) in `priecinok`.
void PX_ExportWeb(int book, const std::string& priecinok);
// Book files (host paths) brought in as new books under free names, the last opened at its first
// page; the first that cannot be brought in stops the rest, said why.
void PX_ImportBooks(const std::vector<std::string>& files);
// The file named on the command line, handled as a drop by PX_ImportStartFile at the end of the set-up.
void PX_ImportAtStart(const std::string& file);
void PX_ImportStartFile();

// At start: what a crash left unsaved, offered back.
void PX_OfferRecovery();

// Each tick: whether the page's export has ended, and how.
void PX_ExportPoll();
// The pexlo-export an editor whose program lies in the host folder `folder` runs: the one
// beside it, else the installed one under the same prefix (its bin/ or libexec/pexlo/), else
// the one the search path finds.
std::string PX_Najdi_exporter(const std::string& folder);
