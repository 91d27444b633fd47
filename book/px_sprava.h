// Messages to the author on the status line: a confirmation, or an error on a red strip the
// author cannot miss. Either gives way to the page's own line ("kniha: ... strana: ...") a few
// seconds later.
#pragma once
#include <cstdint>
#include <string>

#include "platform/ddraw.h"
#include "platform/win32.h"

// Shown from now on; an error is also logged.
void PX_Oznam(const char* text);
void PX_Chyba(const char* text);
// Each tick, with the clock's milliseconds: a message whose time is up gives way.
void PX_Sprava_Tik(uint32_t now);
// An error is on the status line now (the frame draws its strip).
bool PX_Sprava_Je_chyba();
// How many errors were shown so far: a confirmation after a step that also failed in part
// must not hide the failure.
unsigned PX_Sprava_Pocet_chyb();
// A host path as a message shows it: the home folder written as "~", in the program's characters.
std::string PX_Kratka_cesta(const std::string& host_path);
// A line of text in the program's font with its top-left at (x, y), on a strip of `pas` that
// reaches `okraj_x` pixels beside it and `okraj_y` above and below (the status line's error,
// reading's message).
void PX_Text_na_pase(IDirectDrawSurface* back, int x, int y, const char* text, COLORREF farba, COLORREF pas, int okraj_x,
                     int okraj_y);
