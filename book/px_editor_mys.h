// The pointer in the editor, in the screen's coordinates: what its moves, presses and
// releases do to the page's objects and to the lists, menus and buttons over them.
#pragma once

void PX_Mys_Pohyb(int x, int y);
void PX_Mys_Stlacenie(int x, int y);
void PX_Mys_Uvolnenie(int x, int y);
// A right press: the menu of the row or the object under the pointer.
void PX_Mys_Menu(int x, int y);
// A finger held still where it pressed: what it took is let go, unthrown, and its menu opens.
void PX_Mys_Dlhy_dotyk();
