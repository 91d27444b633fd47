// The book and page the author had open, kept in "NAPOSLEDY.INI" in the working folder, so that
// the next start opens them again; the first start opens the first book's first page.
#pragma once

// Each tick: the page shown, noted when it changed (written off the frame's path).
void PX_Naposledy_Tik();
// At start: the page last shown, else its book's first page, else the first book's first page.
void PX_Naposledy_Otvor();
