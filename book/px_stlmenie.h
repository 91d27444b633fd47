// The mute switch of the whole sound, kept between runs in a settings file of its own in the
// working folder ("PX.INI" has a fixed format): one line "stlmene=1" or "stlmene=0".
#pragma once

constexpr char PX_STLMENIE_SUBOR[] = "ZVUK.INI";

// At start: the kept state, applied; no file, or one that says nothing we know: sound on.
void PX_Stlmenie_Nacitaj();
// Applies and keeps the state; false (logged, the state applied all the same) when the file
// could not be written.
bool PX_Stlmenie_Nastav(bool stlmene);
// The key and the button: the other state, kept.
bool PX_Stlmenie_Prepni();
bool PX_Stlmene();
