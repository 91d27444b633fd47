// "Importovať...": the picture picker, a list below the menu bar that browses the author's
// home folder and pictures folders. Folders open with a click and ".." goes up; a click on a
// picture chooses it or lets it go, in any folder; "Importovať" hands the chosen ones to the
// import, as if they had been dropped on the window.
#pragma once
#include <functional>
#include <string>

#include "platform/win32.h"

class tf_CDUIR;

// The main menu's item of the picker.
constexpr int PX_ID_IMPORT = 9;

// The picker's list (ours to destroy), hidden until the menu item opens it.
tf_CDUIR* PX_Vyber_Vytvor(HFONT font);
// The menu item chosen: the picker opens below it, listing the folder shown as it is now (the
// first time, the first pictures folder, else the home folder). It stays open while the author
// browses and chooses.
void PX_OpenPicker();
// "Importovať knihu" in a book row's menu: the picker opens at x, y listing book files (".pexlo"),
// first in the documents folder; the chosen ones come in as books.
void PX_OpenBookPicker(int x, int y);
// A book row's export: the picker opens at x, y listing folders, first the documents folder, the
// desktop and the drives plugged in; "Uložiť sem" closes it and hands the folder shown to `uloz`.
void PX_OpenFolderPicker(int x, int y, std::function<void(const std::string& folder)> uloz);
// A press anywhere else closes it.
void PX_Vyber_Stlacenie(int x, int y);
// A row of the picker chosen.
void PX_ChoosePicker(int id);
