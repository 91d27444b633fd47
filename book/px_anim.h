// Playback: the tick that moves every object, the editor's motion commands, and the
// program's own random numbers (the same sequence on every platform and every run).
#pragma once

#include "book/px_herec.h"

// 0 ... 32767; the generator starts at seed 1.
int PX_rand();
void PX_srand(unsigned seed);
// -1 ... 1 from PX_rand.
double PX_rnd();

void TIK_ANIMACIE();
void NASTAV_POHYB(CHerec* object, int kind);
void NASTAV_OKRAJ(CHerec* object, int edge);
void NASTAV_TEMPO(CHerec* object, int item);
void HOD(CHerec* object, int dx, int dy);
// step -1 or +1; restarts the window's timer 1 with the new period.
void NASTAV_RYCHLOST(int step);
// The frame timer's period at the pace set: the time a tick stands for.
int PX_Perioda_ms();
